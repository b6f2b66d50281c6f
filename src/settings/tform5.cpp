#include "settings/tform5.h"

namespace pelorix {

TForm5::TForm5(const Environment& env) : Form(env, "Form5", "Валюта расчета", 219, 227) {
    add(Label1, DBGrid1, Label2);
}

} // namespace pelorix
