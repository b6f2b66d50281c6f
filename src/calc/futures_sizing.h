#pragma once

#include "base/seams.h"
#include "calc/trade_ticket.h"

namespace pelorix {

// Sizes a checked futures ticket in contracts. First the last check of the chain: the margin of
// the requested contracts must fit into the capital, otherwise the user is told and the contracts
// field is rewritten to what fits. Then the market risk and yield of the requested position, net
// of the commission for entering and leaving, the judgement of the trade and the optimal number
// of contracts with its risk and yield. `futuresCommission` is money per contract and side.
void sizeFuturesPosition(const TradeTicket& ticket, const ResultView& results, PositionSide side,
                         double futuresCommission, Dialogs& dialogs);

} // namespace pelorix
