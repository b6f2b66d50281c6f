#include "ui/colour_rule.h"
#include "ui/tform1.h"

namespace pelorix {

// Saving the general settings switches the running window at once to the saved tab: the tab is
// selected without the tab-change handling, and this lays it out with the saved currency.
void TForm1::showSavedSettings(int tab, const std::string& currency) {
    TabControl1.setTabIndex(tab);
    const bool futures = tab == 1;
    const bool forex = tab == 2;
    const std::string unit = " " + currency;

    for (Control* c : std::initializer_list<Control*>{&ComboBox3, &ComboBox2, &Label37, &Label38})
        c->setVisible(forex);
    for (Control* c : std::initializer_list<Control*>{&Label11, &Label27, &Edit9, &Edit10, &Edit11})
        c->setVisible(futures);
    if (futures) Label27.setText("Кол-во контрактов");
    if (tab != 0) Edit14.setVisible(forex);
    Label25.setVisible(tab != 0);
    if (futures) Label25.setText(currency + "/Пункт");
    if (forex) Label25.setText(" usd/пункт");
    if (tab != 0) Label35.setVisible(true);
    if (futures) Label35.setText("Макс. кол-во контр.");
    if (forex) Label35.setText("Макс. лот");
    Label36.setVisible(futures);
    if (!futures) Label36.setText("");
    if (tab != 0) Label41.setVisible(forex);

    for (Label* label : {&Label16, &Label19})
        label->setText(forex ? "usd" : unit);
    for (Label* label : {&Label30, &Label31, &Label32})
        label->setText(tab == 0 ? unit : "пункт.");

    if (futures) {
        showMaximumContracts();
        for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10, &Edit11})
            applyColourRule(*field);
    }
    if (forex) {
        showMaximumLot();
        fillInstrumentList();
    }
}

} // namespace pelorix
