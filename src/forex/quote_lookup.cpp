#include "forex/quote_lookup.h"

#include "base/app_error.h"
#include "base/forex_instrument.h"
#include "base/numbers.h"
#include "base/text.h"
#include "settings/table_handle.h"

#include <string>

namespace pelorix {

namespace {

// The message of the full lookup has no blank after the comma, the tab switch's copy has one.
const std::string kNotFound = "Либо запись не найдена,либо не выбран вид валютной пары!";
const std::string kNotFoundOnTabSwitch =
    "Либо запись не найдена, либо не выбран вид валютной пары!";
const std::string kMissingTerms =
    "В справочнике Forex отсутствуют значения необходимые для расчётов. Внесите их";

// A step of 0 would make every point worthless and the Forex sizing divide by it, so it counts
// as no step at all. A step that is no number is reported where it is read.
bool stepReadsZero(const TableHandle& row, char separator) {
    try {
        return parseNumber(row.fieldText(kPriceStep), separator) == 0;
    } catch (const AppError&) {
        return false;
    }
}

bool lacksTerms(const TableHandle& row, char separator) {
    return row.isNull(kPriceStep) || row.isNull(kPairKind) || stepReadsZero(row, separator);
}

// The rate field asks for the dollar rate of the pair's first currency: "EUR/" of EUR/GBP.
void showRateField(const QuoteFields& f) {
    f.usdRateCaption.setVisible(true);
    f.usdRate.setVisible(true);
    f.usdRateCaption.setText("Курс " + firstCodePoints(f.instrument.text(), 4) + "USD: ");
}

void hideRateField(const QuoteFields& f) {
    f.usdRateCaption.setVisible(false);
    f.usdRate.setVisible(false);
}

} // namespace

void reportMissingTerms(const QuoteSource& source) {
    source.dialogs.plain(kMissingTerms);
    source.showEditor();
}

void reportInstrumentNotFound(const QuoteSource& source) {
    source.dialogs.plain(kNotFound);
}

QuoteLookup lookupForexQuote(const QuoteFields& f, const QuoteSource& source, EntryPriceTest test) {
    TableHandle& row = source.instruments;
    if (!row.locate(kInstrumentName, f.instrument.text())) {
        reportInstrumentNotFound(source);
        return QuoteLookup::NotFound;
    }
    if (lacksTerms(row, source.decimalSeparator)) {
        reportMissingTerms(source);
        return QuoteLookup::MissingTerms;
    }
    const auto kind = pairTypeOf(row.fieldText(kPairKind));
    if (!kind) return QuoteLookup::UnknownKind;

    const auto number = [&](std::string_view text) {
        return Num(parseNumber(text, source.decimalSeparator));
    };
    const auto write = [&](Num value) {
        f.pipValueUsd.setText(formatNumber(value.value(), source.decimalSeparator));
    };
    const std::string lot = f.lot.text();
    const std::string entry = f.entryPrice.text();

    switch (*kind) {
    case PairType::Direct:
        // The entry price plays no part in the value, only in the test some callers make.
        hideRateField(f);
        if ((test == EntryPriceTest::Apply && entry == "0") || !hasValue(lot))
            f.pipValueUsd.setText("");
        else
            write(number(row.fieldText(kPriceStep)) * number(lot));
        break;
    case PairType::Inverse:
        hideRateField(f);
        if (!hasValue(entry) || !hasValue(lot))
            f.pipValueUsd.setText("");
        else
            write(number(row.fieldText(kPriceStep)) * number(lot) / number(entry));
        break;
    case PairType::Cross:
        showRateField(f);
        if (!hasValue(entry) || !hasValue(f.usdRate.text()) || !hasValue(lot))
            f.pipValueUsd.setText("");
        else
            write(number(row.fieldText(kPriceStep)) * number(lot) * number(f.usdRate.text()) /
                  number(entry));
        break;
    }
    return QuoteLookup::Done;
}

void lookupForexQuoteOnTabSwitch(const QuoteFields& f, const QuoteSource& source) {
    TableHandle& row = source.instruments;
    if (!row.locate(kInstrumentName, f.instrument.text())) {
        source.dialogs.plain(kNotFoundOnTabSwitch);
        return;
    }
    if (!row.isNull(kPairKind) && pairTypeOf(row.fieldText(kPairKind)) == PairType::Cross)
        showRateField(f);
    else
        f.usdRateCaption.setVisible(false); // the rate field keeps its visibility
}

} // namespace pelorix
