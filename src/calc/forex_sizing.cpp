#include "calc/forex_sizing.h"

#include "base/forex_instrument.h"
#include "calc/figures.h"
#include "calc/forex_priced_trade.h"
#include "calc/messages.h"
#include "calc/zero_risk_guard.h"
#include "settings/table_handle.h"

namespace pelorix {

ForexSizing sizeForexPosition(const TradeTicket& t, const ResultView& out, PositionSide side,
                              const TableHandle& instrument, Dialogs& dialogs) {
    const bool isLong = side == PositionSide::Long;
    const auto read = [&](const std::string& text) {
        return Num(parseNumber(text, t.decimalSeparator));
    };

    // A lot may be at most a hundred times the capital; equal passes.
    if (t.number(t.lot) > t.number(t.capital) / Num(0.01L)) {
        dialogs.information(messages::kLotLimit);
        t.lot.setText("");
        return ForexSizing::Done;
    }

    const Num spread = read(instrument.fieldText(kSpread));
    const Num step = read(instrument.fieldText(kPriceStep));
    if (step == Num(0) || instrument.isNull(kPairKind)) return ForexSizing::MissingTerms;

    // The spread moves the entry against the user. The price lives on as the text it formats
    // to, so later steps use the figure as shown.
    const Num E = t.number(t.entryPrice);
    const Num F = read(t.format(isLong ? E + spread * step : E - spread * step));
    const Num S = t.number(t.stopLoss);
    const Num T = t.number(t.targetPrice);
    const Num loss = isLong ? F - S : S - F;
    const Num profit = isLong ? T - F : F - T;

    const Num C = t.number(t.capital);
    out.marketRiskPercent.setText(
        t.format(round2(loss / step * t.number(t.pipValueUsd) / C * 100)));
    out.yieldPercent.setText(t.format(round2(profit / step * t.number(t.pipValueUsd) / C * 100)));
    out.yieldMoney.setText(dollars(t, round2(t.number(out.yieldPercent) / 100 * C)));
    out.marketRiskMoney.setText(dollars(t, round2(t.number(out.marketRiskPercent) / 100 * C)));

    // The lot whose loss at the stop is the accepted risk, cut to whole thousands. It is worked
    // out before the judgement, so a market risk shown as 0 stops every case here.
    const Num L = t.number(t.lot);
    if (refuseZeroMarketRisk(t.number(out.marketRiskPercent), dialogs)) return ForexSizing::Done;
    const Num lots = L * (t.number(t.riskPercent) / t.number(out.marketRiskPercent));
    const Num optimal = static_cast<Real>(trunc64(lots.value()) / 1000 * 1000);
    const PricedForexTrade trade{isLong, F, loss, profit, t.format(optimal)};

    const Num m = t.number(out.marketRiskPercent);
    const Num y = t.number(out.yieldPercent);
    const Num r = t.number(t.riskPercent);
    if (m > y) {
        out.riskCaption.setVisible(true);
        out.yieldCaption.setVisible(true);
        out.comment.setText(messages::noSenseComment(false));
        out.clearProposal();
    } else if (m > r) {
        writeOverRiskLot(t, out, trade, instrument);
    } else {
        writeWithinRiskLot(t, out, trade, instrument);
    }
    return ForexSizing::Done;
}

} // namespace pelorix
