#pragma once

#include <string>
#include <string_view>

namespace pelorix::scenario {

// C-style escapes in both directions: \r, \n, \t, \" and \\.
std::string escape(std::string_view text);
std::string unescape(std::string_view text);

} // namespace pelorix::scenario
