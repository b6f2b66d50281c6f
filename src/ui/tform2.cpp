#include "ui/tform2.h"

#include "ui/link_colours.h"

namespace pelorix {

TForm2::TForm2(const Environment& env, const Label& homePage)
    : Form(env, "Form2", "О программе \"Pelorix\"", 272, 215), homePage_(homePage) {
    Label1.setFontColor(Color::fromRgb(0, 0, 128));
    Label4.setFontColor(Color::fromRgb(128, 128, 128));
    Button1.onClick = [this] { Button1Click(); };
    Label2.onClick = [this] { Label2Click(); };
    Label2.onMouseMove = [this] { Label2MouseMove(); };
    Label2.onMouseLeave = [this] { Label2MouseLeave(); };
}

void TForm2::FormCreate() {
    Label3.setText("");
}

// Closing only hides the window; the next "О программе" shows it as it was.
void TForm2::Button1Click() {
    hide();
}

void TForm2::Label2Click() {
    openWithShell(env(), homePage_.text());
}

void TForm2::Label2MouseMove() {
    Label2.setFontColor(kLinkHover);
}

void TForm2::Label2MouseLeave() {
    Label2.setFontColor(Color::fromRgb(0, 0, 0));
}

} // namespace pelorix
