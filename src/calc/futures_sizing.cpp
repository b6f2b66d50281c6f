#include "calc/futures_sizing.h"

#include "base/text.h"
#include "calc/figures.h"
#include "calc/messages.h"
#include "calc/zero_risk_guard.h"

#include <string>

namespace pelorix {

namespace {

const std::string kOverRisk = "Риск по позиции больше ожидаемого уровня - заданным количеством "
                              "контрактов входить нельзя!";
const std::string kWithinRiskBefore = "При заданном количестве контрактов риск по позиции "
                                      "меньше ожидаемого уровня - можно входить ";
const std::string kWithinRiskAfter = " контр. или оптимизировать позицию до ожидаемого риска.";

// Shown when the allowed risk does not pay for a single contract.
std::string lessThanOneContract(bool isLong) {
    const std::string br(kLineBreak);
    return "При заданном вами уровне риска совершение сделок с фьчерсами не возможно!" + br +
           " Рекомендуем пересмотреть следующие параметры:" + br + "1)Уровень допустимого риска" +
           br + "2)Уровень стоп-лосса" + br +
           (isLong ? "3) Количество контрактов." : "3)Количество контрактов");
}

// The prices of the ticket as distances in points, signed for the side.
struct Distances {
    Num loss;   // to the stop
    Num profit; // to the target; zero for a short trade aiming at the entry
};

// A futures ticket whose market risk m does not outweigh its yield, with what each outcome
// needs to write the proposal.
struct FuturesOutcome {
    const TradeTicket& t;
    const ResultView& out;
    bool isLong;
    Num C, E, N, P, G, m, r;
    Distances dist;

    // The number of contracts whose loss at the stop is exactly the allowed risk.
    Num optimalContracts() const { return (C * r / 100) / (P * dist.loss); }

    void writePositionLine(Num Q) const {
        out.positionLine.setText(t.money(round2(G * Q)) + " или " + t.format(round2(Q)) +
                                 " контр.");
    }

    void writeOptimalFigures(Num q) const {
        out.optimalYieldPercent.setText(t.format(round2(P * dist.profit * q / C * 100)) + "%");
        out.optimalRiskPercent.setText(t.format(round2(P * dist.loss * q / C * 100)) + "%");
        out.optimalYieldMoney.setText(t.money(round2(P * dist.profit * q)));
        out.optimalRiskMoney.setText(t.money(round2(P * dist.loss * q)));
    }

    // The requested contracts risk more than allowed.
    void overRisk(Dialogs& dialogs) const {
        out.comment.setText(kOverRisk);
        const Num Q = optimalContracts();
        writePositionLine(Q);
        if (refuseZeroMarketRisk(m, dialogs)) {
            // Only a negative allowed risk gets here; leave no earlier figures beside these.
            out.optimalYieldPercent.setText("");
            out.optimalRiskPercent.setText("");
            out.optimalYieldMoney.setText("");
            out.optimalRiskMoney.setText("");
            return;
        }
        // Fewer than one of the requested contracts fits the allowed risk. The market risk
        // includes the commission while Q does not, so Q may still reach one.
        if (G * (r * (N / m)) < G) dialogs.information(lessThanOneContract(isLong));
        writeOptimalFigures(truncOf(Q));
    }

    // Within the allowed risk, but a stop farther from the entry than the allowed percent of
    // the price ends the calculation with the new market risk and yield only. The long side
    // cuts the distance to a whole percent, the short side keeps two decimals.
    void withinRisk() const {
        const Num stopPercent = dist.loss / E * 100;
        const Num D = isLong ? truncOf(stopPercent) : round2(stopPercent);
        if (D > r) return;

        out.comment.setText(kWithinRiskBefore + t.contracts.text() + kWithinRiskAfter);
        const Num Q = optimalContracts();
        writePositionLine(Q);
        // The short side shows the risk of exactly the allowed percent, the long side that of
        // whole contracts.
        writeOptimalFigures(isLong ? truncOf(Q) : Q);
    }
};

} // namespace

void sizeFuturesPosition(const TradeTicket& t, const ResultView& out, PositionSide side,
                         double futuresCommission, Dialogs& dialogs) {
    const bool isLong = side == PositionSide::Long;

    // The margin of the requested contracts must fit into the capital; equal fits.
    {
        const Num N = t.number(t.contracts);
        const Num G = t.number(t.marginPerContract);
        const Num C = t.number(t.capital);
        if (N * G > C) {
            dialogs.information(messages::kMarginLimit);
            t.contracts.setText(t.format(round2(C / G)));
            return;
        }
    }

    const Num C = t.number(t.capital);
    const Num E = t.number(t.entryPrice);
    const Num S = t.number(t.stopLoss);
    const Num T = t.number(t.targetPrice);
    const Num N = t.number(t.contracts);
    const Num K = futuresCommission;
    const Distances dist = isLong ? Distances{E - S, T - E} : Distances{S - E, E - T};

    // The commission of entering and leaving, kept as the double it is between steps.
    const Num F = toDouble(round2(N * K * 2).value());
    {
        const Num P = t.number(t.pointValue);
        out.marketRiskPercent.setText(t.format(round2(F / C * 100 + P * N * dist.loss / C * 100)));
    }
    {
        const Num P = t.number(t.pointValue);
        out.yieldPercent.setText(t.format(round2(P * N * dist.profit / C * 100 - F / C * 100)));
    }
    out.yieldMoney.setText(t.money(round2(C * t.number(out.yieldPercent) / 100)));
    out.marketRiskMoney.setText(t.money(round2(C * t.number(out.marketRiskPercent) / 100)));

    // The judgement uses the figures as shown.
    const Num m = t.number(out.marketRiskPercent);
    const Num y = t.number(out.yieldPercent);
    const Num r = t.number(t.riskPercent);

    if (m > y) {
        out.comment.setText(messages::noSenseComment(false));
        out.clearProposal();
        return;
    }

    const FuturesOutcome outcome{
        t, out, isLong, C, E, N, t.number(t.pointValue), t.number(t.marginPerContract), m, r, dist};
    if (m > r)
        outcome.overRisk(dialogs);
    else
        outcome.withinRisk();
}

} // namespace pelorix
