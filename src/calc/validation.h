#pragma once

#include "base/seams.h"
#include "calc/trade_ticket.h"

namespace pelorix {

// The checks every market runs before it sizes, in this order: entry and stop present (V1,
// silent), capital and risk (V2), the market's fields filled (V3), the price geometry of the side
// and market (V4). Returns false when the ticket is refused; every refusal but V1 has shown its
// message in an information box. Texts are tested before any number is read.
bool passesTicketChecks(const TradeTicket& ticket, PositionSide side, MarketTab market,
                        Dialogs& dialogs);

// The last check of the stocks: the capital must not be below the price of one share. The
// futures margin limit and the Forex lot limit rewrite a field when they refuse, so they live
// with their sizings.
bool capitalCoversEntryPrice(const TradeTicket& ticket, Dialogs& dialogs);

} // namespace pelorix
