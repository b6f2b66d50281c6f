#include "settings/tform4.h"

#include "base/number_key_filter.h"
#include "settings/settings_store.h"
#include "settings/table_list.h"
#include "settings/table_setup.h"

namespace pelorix {

TForm4::TForm4(const Environment& env, Slot& currencySlot, MainWindowSetUp setUpMainWindow)
    : Form(env, "Form4", "Вид программы", 233, 324), currencySlot_(currencySlot),
      setUpMainWindow_(std::move(setUpMainWindow)) {
    for (auto [field, name] : commissionFields()) {
        filterNumberKeys(*field, env.decimalSeparator);
        commissionLinks_.push_back(std::make_unique<FieldLink>(*field, ADOTable2, name));
    }
    for (RadioButton* option : {&RB1, &RB2, &RB3})
        option->onClick = [this, option] { selectDefaultTab(*option); };
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
}

std::array<std::pair<Edit*, const char*>, 4> TForm4::commissionFields() {
    return {{{&DBEdit1, "combrspot"},
             {&DBEdit2, "combrfut"},
             {&DBEdit3, "comstockspot"},
             {&DBEdit4, "comstockfut"}}};
}

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

void TForm4::FormActivate() {
    ADOTable2.open();
    // Each currency once, however often the window comes to the front.
    fillListFromTable(ComboBox1, ADOTable1, "currency");
}

void TForm4::Button1Click() {
    const int tab = RB3.checked() ? 2 : RB2.checked() ? 1 : 0;
    M1.setText("");
    M1.setText(std::to_string(tab + 1));
    if (setUpMainWindow_) setUpMainWindow_(tab, ComboBox1.text());

    const SettingsStore store(env().programFolder);
    store.save("type.txt", M1.text());
    m2.setText("");
    m2.setText(ComboBox1.text());
    store.save("currency.txt", m2.text());
    currencySlot_.setText(ComboBox1.text());

    for (auto [field, name] : commissionFields())
        if (field->text().empty()) {
            env().dialogs.information(kEmptyCommission);
            return;
        }
    // The texts as the user left them: storing one field makes the boxes show the row again, and
    // a text the row could not take must still reach it and be refused, not be shown away.
    std::vector<std::pair<std::string, const char*>> typed;
    for (auto [field, name] : commissionFields())
        typed.emplace_back(field->text(), name);
    ADOTable2.edit();
    for (const auto& [text, name] : typed)
        ADOTable2.setFieldText(name, text);
    ADOTable2.post();
    hide();
}

void TForm4::Button2Click() {
    hide();
}

void TForm4::selectDefaultTab(RadioButton& option) {
    for (RadioButton* rb : {&RB1, &RB2, &RB3})
        rb->setChecked(rb == &option);
}

} // namespace pelorix
