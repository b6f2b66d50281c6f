#pragma once

#include "base/numbers.h"
#include "calc/trade_ticket.h"

#include <string>

namespace pelorix {

class TableHandle;

// A Forex ticket priced for its lot: what the optimal lot's figures are computed from.
struct PricedForexTrade {
    bool isLong;
    Num entry;              // the entry moved against the user by the spread, as its text reads
    Num lossDistance;       // from that entry to the stop, in price units
    Num profitDistance;     // from that entry to the target
    std::string optimalLot; // whole thousands, as shown
};

// On the Forex tab every amount is in dollars, whatever the settlement currency.
inline std::string dollars(const TradeTicket& t, Num value) {
    return t.format(value) + " usd";
}

// The optimal lot of a trade whose market risk is at most its yield: the comment for the
// judgement, the lot lines and the lot's risk and yield for the instrument's kind.
void writeOverRiskLot(const TradeTicket& t, const ResultView& out, const PricedForexTrade& trade,
                      const TableHandle& instrument);
void writeWithinRiskLot(const TradeTicket& t, const ResultView& out, const PricedForexTrade& trade,
                        const TableHandle& instrument);

} // namespace pelorix
