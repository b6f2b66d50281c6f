#include "settings/tform5.h"

#include "base/grid_hint.h"
#include "settings/table_setup.h"

namespace pelorix {

TForm5::TForm5(const Environment& env) : Form(env, "Form5", "Валюта расчета", 219, 227) {
    DBGrid1.bind(ADOTable1, env.dialogs);
}

void TForm5::FormCreate() {
    Label2.setText(std::string(kGridHint));
    openForEditing(ADOConnection1, ADOTable1, env().programFolder);
}

} // namespace pelorix
