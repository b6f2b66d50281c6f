#include "forex/tform3.h"

#include "base/grid_hint.h"
#include "base/number_key_filter.h"
#include "base/numbers.h"
#include "base/text.h"
#include "settings/table_setup.h"

namespace pelorix {

TForm3::TForm3(const Environment& env, const QuoteFields& mainWindowQuote)
    : Form(env, "Form3", "Справочник валют", 276, 265), mainWindowQuote_(mainWindowQuote) {
    for (Label* mark : {&Label5, &Label4, &Label3})
        mark->setFontColor(Color::fromRgb(255, 0, 0));
    DBNavigator1.setVisible(false);
    Image1.setVisible(false);
    DBGrid1.bind(ADOTable1, env.dialogs);

    filterNumberKeys(DBEdit1, env.decimalSeparator);
    filterNumberKeys(DBEdit2, env.decimalSeparator);
    // The pair type is chosen from the list, never typed.
    DBComboBox1.onKeyPress = [](char32_t&) { return false; };
    BitBtn1.onClick = [this] { BitBtn1Click(); };
}

void TForm3::FormCreate() {
    Label2.setText(std::string(kGridHint));
    openForEditing(ADOConnection1, ADOTable1, env().programFolder);
}

bool TForm3::priceStepMissing() const {
    const std::string& step = DBEdit1.text();
    return !hasValue(step) || parseNumber(step, env().decimalSeparator) == 0;
}

void TForm3::BitBtn1Click() {
    if (priceStepMissing()) {
        env().dialogs.information(kEnterPriceStep);
        return;
    }
    if (DBEdit2.text().empty()) {
        env().dialogs.information(kEmptySpread);
        // The box writes the zero into the row, which stays in edit until the next press.
        DBEdit2.setText("0");
        return;
    }
    // The window stays open only on an instrument that lacks what the figures need.
    if (rerunQuoteLookup() != QuoteLookup::MissingTerms) hide();
}

QuoteLookup TForm3::rerunQuoteLookup() {
    const QuoteSource source{ADOTable1, env().dialogs, [this] { show(); }, env().decimalSeparator};
    return lookupForexQuote(mainWindowQuote_, source, EntryPriceTest::Apply);
}

bool TForm3::FormClose() {
    // With no instrument to edit (an empty table, or one that did not open) there is no step to
    // ask for, and the window must not become impossible to close.
    if (ADOTable1.currentIndex() >= 0 && priceStepMissing()) {
        env().dialogs.information(kEnterPriceStep);
        return false;
    }
    return true;
}

} // namespace pelorix
