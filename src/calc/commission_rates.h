#pragma once

#include "base/current_row.h"
#include "calc/trade_ticket.h"

namespace pelorix {

// Reads combrspot, comstockspot, combrfut and comstockfut from the open commission row, in this
// order, each as text and then as a number, and sums them per market. A missing value, a closed
// table or a text that is no number ends the command with the data layer's or the conversion
// error, before anything is written.
CommissionRates readCommissionRates(const CurrentRow& commissionRow, char decimalSeparator);

} // namespace pelorix
