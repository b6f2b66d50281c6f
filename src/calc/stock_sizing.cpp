#include "calc/stock_sizing.h"

#include "calc/figures.h"
#include "calc/messages.h"
#include "calc/zero_risk_guard.h"

#include <string>

namespace pelorix {

namespace {

// Long stock comments are indented by one blank; short ones are not.
std::string comment(bool isLong, const std::string& text) {
    return (isLong ? " " : "") + text;
}

const std::string kOverRisk =
    "Риск по позиции больше ожидаемого уровня - всем капиталом входить нельзя!";
// The "e" after "соотв" is the Latin letter, as the program has always shown it.
const std::string kWholeCapital = "Риск по позиции соотв"
                                  "e"
                                  "тствует ожидаемому уровню - можно входить всем капиталом!";

void showCaptions(const ResultView& out) {
    out.riskCaption.setVisible(true);
    out.yieldCaption.setVisible(true);
}

// The number of shares that the optimal amount buys, to two decimals: it is not cut to whole
// shares.
std::string shareCountLine(const TradeTicket& t, Num optimalAmount, Num entry) {
    return "или " + t.format(round2(optimalAmount / entry)) +
           " акций по цене: " + t.entryPrice.text() + " " + t.currencyLabel.text();
}

// A stock ticket once its market risk M and yield Y stand in the window, with what each outcome
// needs to write the proposal.
struct StockOutcome {
    const TradeTicket& t;
    const ResultView& out;
    bool isLong;
    Num C, E, d, M, Y;

    // A percentage of the capital in money: the long side shows it unrounded, the short side to
    // two decimals.
    std::string moneyOfPercent(Num percent) const {
        const Num amount = percent / 100 * C;
        return t.money(isLong ? amount : round2(amount));
    }

    // The risk outweighs the yield.
    void noSense() const {
        showCaptions(out);
        out.comment.setText(messages::noSenseComment(isLong));
        out.clearProposal();
    }

    // Only part of the capital may go in: the amount Q whose market risk costs R percent.
    void partOfCapital(Num R, Dialogs& dialogs) const {
        out.comment.setText(comment(isLong, kOverRisk));
        if (refuseZeroMarketRisk(M, dialogs)) {
            // Nothing of an earlier ticket may stand beside these figures.
            out.clearProposal();
            out.positionDetail.setText("");
            return;
        }
        const Num Q = C / M * R;
        const Num share = isLong ? wholeOf(Q / C * 10000) / 100 : round2(Q / C * 100);
        out.positionLine.setText(t.money(round2(Q)) + " или " + t.format(share) +
                                 " % от капитала.");
        showCaptions(out);
        if (isLong) {
            // The long side scales the yield by the bare price risk d.
            const Num U = Y / 100 * C * R;
            out.optimalYieldPercent.setText(t.format(round2(U / d / C * 100)) + "%");
            out.optimalRiskPercent.setText(t.riskPercent.text() + "%");
            out.optimalRiskMoney.setText(moneyOfPercent(R));
            out.optimalYieldMoney.setText(t.money(wholeOf(U / d)));
        } else {
            out.optimalYieldPercent.setText(t.format(round2(Q * (Y / 100) / C * 100)) + " %");
            out.optimalRiskPercent.setText(t.riskPercent.text() + " %");
            out.optimalRiskMoney.setText(moneyOfPercent(R));
            out.optimalYieldMoney.setText(t.money(round2(Q * (Y / 100))));
        }
        out.positionDetail.setVisible(true);
        out.positionDetail.setText(shareCountLine(t, Q, E));
    }

    // The whole capital may go in.
    void wholeCapital(Num R, Dialogs& dialogs) const {
        out.comment.setText(comment(isLong, kWholeCapital));
        if (isLong)
            out.positionLine.setText(t.capital.text() + " " + t.currencyLabel.text() +
                                     " или 100% от капитала.");
        else
            out.positionLine.setText(t.money(C) + " или 100 % от капитала.");
        showCaptions(out);
        out.optimalYieldPercent.setText(out.yieldPercent.text() + "%");
        out.optimalRiskPercent.setText(out.marketRiskPercent.text() + "%");
        out.optimalRiskMoney.setText(moneyOfPercent(M));
        out.optimalYieldMoney.setText(moneyOfPercent(Y));
        out.positionDetail.setVisible(true);
        if (refuseZeroMarketRisk(M, dialogs)) {
            // The whole-capital figures above hold; only the share count has no answer.
            out.positionDetail.setText("");
            return;
        }
        const Num Q = C / M * R;
        out.positionDetail.setText(shareCountLine(t, Q, E));
    }
};

} // namespace

void sizeStockPosition(const TradeTicket& t, const ResultView& out, PositionSide side,
                       double stockCommission, Dialogs& dialogs) {
    const bool isLong = side == PositionSide::Long;
    out.marginCaption.setText("");

    const Num C = t.number(t.capital);
    const Num E = t.number(t.entryPrice);
    const Num S = t.number(t.stopLoss);
    const Num T = t.number(t.targetPrice);
    const Num k = stockCommission;

    // A position of the whole capital: its shares, and the commission of buying and of selling
    // them at the stop and at the target.
    const Num n = C / E;
    const Num stopCommission = round2((E + S) * n * (k / 100));
    const Num targetCommission = round2((E + T) * n * (k / 100));
    // Price moves in percent of the entry, against and for the position.
    const Num d = isLong ? (E - S) / E * 100 : (S - E) / E * 100;
    const Num g = isLong ? (T - E) / E * 100 : (E - T) / E * 100;

    // From here on the market risk and the yield are the figures the window shows.
    out.marketRiskPercent.setText(t.format(round2(d + stopCommission / C * 100)));
    const Num M = t.number(out.marketRiskPercent);
    out.yieldPercent.setText(t.format(round2(g - targetCommission / C * 100)));
    const Num Y = t.number(out.yieldPercent);

    const StockOutcome outcome{t, out, isLong, C, E, d, M, Y};
    out.yieldMoney.setText(outcome.moneyOfPercent(Y));
    out.marketRiskMoney.setText(outcome.moneyOfPercent(M));

    if (M > Y) {
        outcome.noSense();
        return;
    }
    const Num R = t.number(t.riskPercent);
    // The bare price risk to the stop, two decimals, no commission.
    const Num P = isLong ? wholeOf((E - S) / E * 10000) / 100 : round2(d);
    if (P > R)
        outcome.partOfCapital(R, dialogs);
    else
        outcome.wholeCapital(R, dialogs);
}

} // namespace pelorix
