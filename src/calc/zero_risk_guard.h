#pragma once

#include "base/numbers.h"
#include "base/seams.h"
#include "calc/messages.h"

namespace pelorix {

// The optimal position is the accepted risk divided by the market risk. A market risk shown as 0
// (a stop very near the entry against a large capital) leaves nothing to divide by: the user gets
// an explanation he can act on instead of an arithmetic error. True when it refused.
inline bool refuseZeroMarketRisk(Num marketRisk, Dialogs& dialogs) {
    if (marketRisk != Num(0)) return false;
    dialogs.information(messages::kZeroMarketRisk);
    return true;
}

} // namespace pelorix
