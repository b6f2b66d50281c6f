#pragma once

#include "base/controls.h"

namespace pelorix {

// The main window's fields that the Forex quote lookup reads and writes: handed to the lookup
// wherever it runs (the main window's handlers, the reference editor's save).
struct QuoteFields {
    ComboBox& instrument;  // ComboBox3: the instrument name the lookup searches for
    ComboBox& lot;         // ComboBox2
    Edit& entryPrice;      // Edit3
    Edit& pipValueUsd;     // Edit14: the dollar value of one price point of the lot
    Edit& usdRate;         // Edit15: the dollar rate of a cross pair's base currency
    Label& usdRateCaption; // Label27: the caption in front of the dollar rate
};

} // namespace pelorix
