#pragma once

#include <string_view>

namespace pelorix {

// How rows are added and deleted in the grids of the reference windows. "Сtrl" starts with the
// Cyrillic Es, as it always has on these windows.
inline constexpr std::string_view kGridHint =
    "Для добавления записи нажмите Ins,\rдля удаления Сtrl + DELETE";

} // namespace pelorix
