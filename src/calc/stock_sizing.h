#pragma once

#include "base/seams.h"
#include "calc/trade_ticket.h"

namespace pelorix {

// Prices a checked stock ticket for a position of the whole capital — market risk and yield net
// of buying and selling commission, in percent and in money — then judges it: no sense, a
// position smaller than the capital, or the whole capital, each with its comment, position line,
// risk and yield of that position and share count. `stockCommission` is the percent charged on
// each purchase and each sale.
void sizeStockPosition(const TradeTicket& ticket, const ResultView& results, PositionSide side,
                       double stockCommission, Dialogs& dialogs);

} // namespace pelorix
