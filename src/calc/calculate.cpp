#include "calc/calculate.h"

#include "calc/commission_rates.h"
#include "calc/futures_sizing.h"
#include "calc/stock_sizing.h"
#include "calc/validation.h"

namespace pelorix {

void calculate(const TradeTicket& ticket, const ResultView& results,
               const CurrentRow& commissionRow, Dialogs& dialogs, const ForexBranch& forex) {
    const CommissionRates rates = readCommissionRates(commissionRow, ticket.decimalSeparator);
    results.quotationLine.setText("");

    const auto side = positionSideOf(ticket.side.text());
    if (!side) return;
    const auto market = marketTabOf(ticket.market.tabIndex());
    if (!market) return;

    if (*market == MarketTab::Forex && forex.findInstrument) forex.findInstrument();
    if (!passesTicketChecks(ticket, *side, *market, dialogs)) return;

    switch (*market) {
    case MarketTab::Stocks:
        if (!capitalCoversEntryPrice(ticket, dialogs)) return;
        sizeStockPosition(ticket, results, *side, rates.stockCommission, dialogs);
        return;
    case MarketTab::Futures:
        sizeFuturesPosition(ticket, results, *side, rates.futuresCommission, dialogs);
        return;
    case MarketTab::Forex:
        if (forex.sizeLots) forex.sizeLots(ticket, results, *side);
        return;
    }
}

} // namespace pelorix
