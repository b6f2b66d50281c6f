#include "settings/tform4.h"

namespace pelorix {

TForm4::TForm4(const Environment& env) : Form(env, "Form4", "Вид программы", 233, 324) {
    add(RadioGroup1, RB1, RB2, RB3, GroupBox2, Label2, DBEdit1, Label3, Label4, DBEdit2, Label5,
        GroupBox1, Label6, DBEdit3, Label7, Label8, DBEdit4, Label9, Label1, ComboBox1, Button2,
        Button1, M1, m2);
}

} // namespace pelorix
