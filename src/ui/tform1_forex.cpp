#include "base/forex_instrument.h"
#include "calc/calculate.h"
#include "calc/forex_sizing.h"
#include "ui/colour_rule.h"
#include "ui/tform1.h"

namespace pelorix {

QuoteSource TForm1::quoteSource() {
    return {links_.instruments(), env().dialogs, [this] { links_.forexWindow.show(); },
            env().decimalSeparator};
}

QuoteLookup TForm1::lookupForexQuote(EntryPriceTest test) {
    return pelorix::lookupForexQuote(quoteFields(), quoteSource(), test);
}

void TForm1::lookupForexQuoteOnTabSwitch() {
    pelorix::lookupForexQuoteOnTabSwitch(quoteFields(), quoteSource());
}

void TForm1::ComboBox2Change() {
    lookupForexQuote(EntryPriceTest::Apply);
}

void TForm1::ComboBox3Change() {
    lookupForexQuote(EntryPriceTest::Skip);
}

void TForm1::Edit15Change() {
    lookupForexQuote(EntryPriceTest::Apply);
}

// The entry price is shared by the three markets; only on the Forex tab does it change the
// point value (of an inverse or cross pair).
void TForm1::Edit3Change() {
    applyColourRule(Edit3);
    const int tab = TabControl1.tabIndex();
    if (tab != 0 && tab != 1) lookupForexQuote(EntryPriceTest::Skip);
}

ForexBranch TForm1::forexBranch() {
    return {.findInstrument =
                [this] { links_.instruments().locate(kInstrumentName, ComboBox3.text()); },
            .sizeLots =
                [this](const TradeTicket& ticket, const ResultView& results, PositionSide side) {
                    // A name the table does not hold leaves the row of an earlier search current;
                    // sizing on it would price the ticket with another instrument's terms.
                    if (!links_.instruments().locate(kInstrumentName, ComboBox3.text())) {
                        reportInstrumentNotFound(quoteSource());
                        return;
                    }
                    if (sizeForexPosition(ticket, results, side, links_.instruments(),
                                          env().dialogs) == ForexSizing::MissingTerms)
                        reportMissingTerms(quoteSource());
                }};
}

} // namespace pelorix
