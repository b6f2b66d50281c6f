#include "settings/tform4.h"

#include "settings/settings_store.h"
#include "settings/table_setup.h"

namespace pelorix {

TForm4::TForm4(const Environment& env, Slot& currencySlot)
    : Form(env, "Form4", "Вид программы", 233, 324), currencySlot_(currencySlot) {}

void TForm4::FormCreate() {
    M1.setText("");
    M1.setText(SettingsStore(env().programFolder).load("type.txt"));
    if (M1.text() == "1")
        selectDefaultTab(RB1);
    else if (M1.text() == "2")
        selectDefaultTab(RB2);
    else if (M1.text() == "3")
        selectDefaultTab(RB3);

    ComboBox1.clearItems();
    ComboBox1.setText("");
    ComboBox1.setText(currencySlot_.text());

    openForEditing(ADOConnection1, ADOTable1, env().programFolder);
    openForEditing(ADOConnection2, ADOTable2, env().programFolder);
}

void TForm4::selectDefaultTab(RadioButton& option) {
    for (RadioButton* rb : {&RB1, &RB2, &RB3})
        rb->setChecked(rb == &option);
}

} // namespace pelorix
