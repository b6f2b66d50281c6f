#include "ui/tform2.h"

namespace pelorix {

TForm2::TForm2(const Environment& env) : Form(env, "Form2", "О программе \"Pelorix\"", 272, 215) {
    Label1.setFontColor(Color::fromRgb(0, 0, 128));
    Label4.setFontColor(Color::fromRgb(128, 128, 128));
    Button1.onClick = [this] { Button1Click(); };
}

void TForm2::FormCreate() {
    Label3.setText("");
}

void TForm2::Button1Click() {
    hide();
}

} // namespace pelorix
