#include "base/forex_instrument.h"
#include "base/numbers.h"
#include "settings/table_list.h"
#include "ui/colour_rule.h"
#include "ui/tform1.h"

#include <initializer_list>

namespace pelorix {

namespace {

enum MarketTab { kStocks = 0, kFutures = 1, kForex = 2 };

constexpr const char* kContractsCaption = "Кол-во контрактов";
constexpr const char* kPointUnit = "пункт.";
constexpr const char* kForexCurrency = "usd";
constexpr const char* kMaximumLotCaption = "Макс. лот";

void setShown(bool shown, std::initializer_list<Control*> controls) {
    for (Control* c : controls)
        c->setVisible(shown);
}

void setTexts(const std::string& text, std::initializer_list<TextControl*> controls) {
    for (TextControl* c : controls)
        c->setText(text);
}

} // namespace

void TForm1::setUnitLabels(const std::string& capitalUnit, const std::string& priceUnit) {
    setTexts(capitalUnit, {&Label16, &Label19});
    setTexts(priceUnit, {&Label30, &Label31, &Label32});
}

void TForm1::emptyResults() {
    setTexts("",
             {&Label20, &Label23, &Label24, &Label39, &Label40, &Edit7, &Edit8, &Edit12, &Edit13});
}

void TForm1::setUpStartTab() {
    switch (TabControl1.tabIndex()) {
    case kStocks:
        setShown(false, {&ComboBox3, &ComboBox2});
        setTexts(unitText(), {&Label30, &Label31, &Label32});
        setShown(false, {&Label11, &Label27, &Label25, &Edit9, &Edit10, &Edit11, &Label35, &Label36,
                         &Label37, &Label38});
        Label36.setText("");
        Edit14.setVisible(false);
        break;
    case kFutures:
        // The maximum contracts stay as the fields' change handling computed them at start.
        Label27.setVisible(true);
        Label27.setText(kContractsCaption);
        setShown(false, {&ComboBox3, &ComboBox2});
        setTexts(kPointUnit, {&Label30, &Label31, &Label32});
        Label25.setText(unitText() + "/пункт");
        setShown(true, {&Label11, &Label25, &Edit9, &Edit10, &Edit11, &Label35, &Label36});
        setShown(false, {&Label37, &Label38, &Edit14});
        break;
    case kForex:
        setShown(true, {&ComboBox3, &ComboBox2});
        setTexts(kPointUnit, {&Label30, &Label31, &Label32});
        setShown(false, {&Label11, &Label27});
        Label25.setVisible(true);
        Edit9.setVisible(false);
        Edit14.setVisible(true);
        setShown(false, {&Edit10, &Edit11});
        Label35.setVisible(true);
        Label35.setText(kMaximumLotCaption);
        Label41.setVisible(true);
        showMaximumLot();
        setShown(true, {&Label36, &Label37, &Label38});
        setTexts("", {&Label36, &Edit14});
        Label25.setText(" usd/пункт");
        setTexts(kForexCurrency, {&Label16, &Label19});
        break;
    default:
        break;
    }
}

void TForm1::TabControl1Change() {
    switch (TabControl1.tabIndex()) {
    case kStocks:
        setShown(false, {&ComboBox3, &ComboBox2, &Label11, &Label27, &Label25, &Edit9, &Edit10,
                         &Edit11, &Label35, &Label36, &Label37, &Label38});
        setUnitLabels(unitText(), unitText());
        emptyResults();
        setTexts("", {&Label17, &Label36, &Label41, &Label42});
        setShown(false, {&Edit14, &Edit15});
        break;
    case kFutures:
        setShown(false, {&ComboBox3, &ComboBox2});
        Label25.setText(unitText() + "/пункт");
        Label35.setText("Макс. кол-во контр.");
        setShown(true,
                 {&Label11, &Label27, &Label35, &Label25, &Edit9, &Edit10, &Edit11, &Label36});
        setShown(false, {&Label41, &Label37, &Label38, &Edit14, &Edit15});
        Label27.setText(kContractsCaption);
        setUnitLabels(unitText(), kPointUnit);
        emptyResults();
        setTexts("", {&Label17, &Label36, &Label42});
        showMaximumContracts();
        // Here the risk percentage is marked like any other field, without its red warning.
        for (Edit* field : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit9, &Edit10, &Edit11})
            applyColourRule(*field);
        break;
    case kForex:
        lookupForexQuoteOnTabSwitch();
        setShown(true, {&ComboBox3, &ComboBox2, &Label25, &Label37, &Label38, &Label35, &Label41});
        setTexts(kPointUnit, {&Label30, &Label31, &Label32});
        Label25.setText(" usd/пункт");
        setShown(false, {&Label11, &Edit9, &Edit10, &Edit11, &Label36});
        Label35.setText(kMaximumLotCaption);
        showMaximumLot();
        // The comment and the optimal lot's second line stay from the last calculation.
        setTexts(kForexCurrency, {&Label16, &Label19});
        emptyResults();
        Edit14.setVisible(true);
        fillInstrumentList();
        break;
    default:
        break;
    }
}

void TForm1::FormActivate() {
    fillInstrumentList();
    if (TabControl1.tabIndex() == kForex) lookupForexQuote(EntryPriceTest::Skip);
}

void TForm1::showMaximumLot() {
    // Whole tens of the capital in thousandths of a lot; the broker takes no more than ten
    // million.
    const std::int32_t capital = parseInteger(Edit1.text());
    const Num lot = Num(static_cast<Real>(capital / 10)) / 0.001L;
    constexpr Real kLargestLot = 10000000;
    Label41.setText(lot.value() > kLargestLot ? "10000000"
                                              : formatNumber(lot.value(), env().decimalSeparator));
}

void TForm1::fillInstrumentList() {
    fillListFromTable(ComboBox3, links_.instruments(), kInstrumentName);
}

} // namespace pelorix
