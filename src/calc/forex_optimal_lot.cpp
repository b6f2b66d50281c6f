#include "base/forex_instrument.h"
#include "calc/figures.h"
#include "calc/forex_priced_trade.h"
#include "settings/table_handle.h"

#include <string>

namespace pelorix {

namespace {

const std::string kOverRisk =
    "Риск по позиции больше ожидаемого уровня - заданным количеством лотов входить нельзя!";
// The short comment runs the word лотом and the lot together; the long one has a blank.
const std::string kWithinRiskLong =
    "При заданной величине лота риск по позиции меньше ожидаемого уровня - можно входить лотом ";
const std::string kWithinRiskShort =
    "При заданной величине лота риск по позиции меньше ожидаемого уровня - можно входить лотом";
const std::string kWithinRiskAfter = "  или оптимизировать позицию до ожидаемого риска.";

// The optimal lot, cut and uncut, and the captions of its risk and yield.
void writeLotLines(const TradeTicket& t, const ResultView& out, const PricedForexTrade& trade) {
    out.positionLine.setText("Оптимальный лот: " + trade.optimalLot);
    out.positionDetail.setVisible(true);
    const Num uncut =
        round2(t.number(t.riskPercent) / t.number(out.marketRiskPercent) * t.number(t.lot));
    out.positionDetail.setText("Без округления : " + t.format(uncut) + " USD");
    out.riskCaption.setVisible(true);
    out.yieldCaption.setVisible(true);
}

// What the optimal lot risks and earns, turned into dollars by the instrument's kind: the quote
// currency is the dollar, or the amount is divided by the entry (and, for a cross pair, brought
// to dollars by the rate the user typed). An unknown kind leaves the earlier figures.
void writeLotRiskAndYield(const TradeTicket& t, const ResultView& out,
                          const PricedForexTrade& trade, const TableHandle& instrument) {
    const auto kind = pairTypeOf(instrument.fieldText(kPairKind));
    if (!kind) return;
    const Num lot = parseNumber(trade.optimalLot, t.decimalSeparator);
    // Left to right as the amounts have always been worked out: distance, lot, rate, entry.
    const auto inDollars = [&](Num distance) {
        switch (*kind) {
        case PairType::Direct:
            return distance * lot;
        case PairType::Inverse:
            return distance * lot / trade.entry;
        case PairType::Cross:
            return distance * lot * t.number(t.usdRate) / trade.entry;
        }
        return distance * lot;
    };
    const auto percentOfCapital = [&](Num amount) {
        return t.format(round2(amount / t.number(t.capital) * 100)) + " %";
    };
    out.optimalRiskPercent.setText(percentOfCapital(inDollars(trade.lossDistance)));
    out.optimalYieldPercent.setText(percentOfCapital(inDollars(trade.profitDistance)));
    out.optimalYieldMoney.setText(dollars(t, round2(inDollars(trade.profitDistance))));
    out.optimalRiskMoney.setText(dollars(t, round2(inDollars(trade.lossDistance))));
}

} // namespace

void writeOverRiskLot(const TradeTicket& t, const ResultView& out, const PricedForexTrade& trade,
                      const TableHandle& instrument) {
    out.comment.setText(kOverRisk);
    writeLotLines(t, out, trade);
    writeLotRiskAndYield(t, out, trade, instrument);
}

void writeWithinRiskLot(const TradeTicket& t, const ResultView& out, const PricedForexTrade& trade,
                        const TableHandle& instrument) {
    // A stop farther from the entry than the accepted percent of the price ends the calculation
    // with the new market risk and yield only. The long side cuts the distance to a whole
    // percent, the short side keeps two decimals.
    const Num stopPercent = trade.lossDistance / trade.entry * 100;
    const Num D = trade.isLong ? truncOf(stopPercent) : round2(stopPercent);
    if (D > t.number(t.riskPercent)) return;

    out.comment.setText((trade.isLong ? kWithinRiskLong : kWithinRiskShort) + t.lot.text() +
                        kWithinRiskAfter);
    writeLotLines(t, out, trade);
    writeLotRiskAndYield(t, out, trade, instrument);
}

} // namespace pelorix
