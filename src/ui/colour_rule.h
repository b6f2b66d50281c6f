#pragma once

#include "base/controls.h"
#include "base/text.h"

namespace pelorix {

// The marking every entry field shares: a field without a value is shown in the desktop's
// menu-highlight colour so the user sees what is still missing; any other field is white.
inline void applyColourRule(Edit& field) {
    field.setColor(hasValue(field.text()) ? Color::white() : Color::menuHighlight());
}

} // namespace pelorix
