#pragma once

#include "base/seams.h"
#include "calc/trade_ticket.h"

namespace pelorix {

class TableHandle;

enum class ForexSizing {
    Done,        // figures written, or the lot limit or a zero market risk told the user
    MissingTerms // the instrument row has no kind or a price step of 0; nothing written
};

// A checked Forex ticket sized in lots against the instrument row found for it: the lot limit
// (the lot is emptied when it exceeds a hundred times the capital), market risk and yield of the
// lot with the entry moved by the spread, in percent and in dollars, the judgement, and the
// optimal lot with its risk and yield. The caller tells the user about missing terms.
ForexSizing sizeForexPosition(const TradeTicket& ticket, const ResultView& results,
                              PositionSide side, const TableHandle& instrument, Dialogs& dialogs);

} // namespace pelorix
