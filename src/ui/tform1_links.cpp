#include "ui/link_colours.h"
#include "ui/tform1.h"

namespace pelorix {

void TForm1::Label10Click() {
    openWithShell(env(), Label29.text());
}

void TForm1::Label10MouseMove() {
    Label10.setFontColor(kLinkHover);
}

// Once left, the link stays lighter than its designed grey.
void TForm1::Label10MouseLeave() {
    Label10.setFontColor(Color::fromRgb(204, 204, 204));
}

} // namespace pelorix
