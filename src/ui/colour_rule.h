#pragma once

#include "base/controls.h"
#include "base/numbers.h"
#include "base/text.h"

namespace pelorix {

// The marking every entry field shares: a field without a value is shown in the desktop's
// menu-highlight colour so the user sees what is still missing; any other field is white.
inline void applyColourRule(Edit& field) {
    field.setColor(hasValue(field.text()) ? Color::white() : Color::menuHighlight());
}

// The risk percentage warns in red above 5 % of the capital. A text that is no number stops
// here with the conversion error, before the colour changes.
inline void applyRiskColourRule(Edit& field, char decimalSeparator) {
    constexpr Real kHighestCalmRisk = 5;
    if (hasValue(field.text()) && parseNumber(field.text(), decimalSeparator) > kHighestCalmRisk)
        field.setColor(Color::red());
    else
        applyColourRule(field);
}

} // namespace pelorix
