#pragma once

#include "base/controls.h"
#include "settings/table_handle.h"

#include <string_view>

namespace pelorix {

// Fills a list box with the values of one field over every row of a table, in table order and
// each value once, however often the list is filled; the text shown in the box stays as it is.
// Walking the table saves a pending edit of its current row first; a closed table is an error.
void fillListFromTable(ComboBox& list, TableHandle& table, std::string_view field);

} // namespace pelorix
