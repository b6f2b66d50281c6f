#pragma once

#include "base/controls.h"

namespace pelorix {

// The colour a link to the maker's pages takes under the mouse.
inline const Color kLinkHover = Color::fromRgb(199, 19, 74);

} // namespace pelorix
