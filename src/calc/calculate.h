#pragma once

#include "base/current_row.h"
#include "base/seams.h"
#include "calc/trade_ticket.h"

#include <functional>

namespace pelorix {

// What the Forex market adds to the command; the main window fills it with its instrument
// table. Left empty, a Forex ticket is checked and goes no further.
struct ForexBranch {
    // Moves the shared instrument row to the instrument the ticket names; runs before the
    // Forex checks and reports nothing.
    std::function<void()> findInstrument;
    // The lot limit and the sizing in lots of a ticket that passed the checks.
    std::function<void(const TradeTicket&, const ResultView&, PositionSide)> sizeLots;
};

// The calculate command: reads the commission rates, clears the quotation line, decides the side
// and the market, checks the ticket (stopping at the first refusal with its message, or silently)
// and hands it to the market's sizing. An error that no step handles (a commission or field that
// is no number, an arithmetic fault) propagates as AppError; what was written stays.
void calculate(const TradeTicket& ticket, const ResultView& results,
               const CurrentRow& commissionRow, Dialogs& dialogs, const ForexBranch& forex = {});

} // namespace pelorix
