#pragma once

#include <string>
#include <string_view>

namespace pelorix::scenario {

// C-style escapes in both directions: \r, \n, \t, \b (Backspace), \" and \\. Any other
// backslash stands for itself.
std::string escape(std::string_view text);
std::string unescape(std::string_view text);

} // namespace pelorix::scenario
