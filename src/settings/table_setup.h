#pragma once

#include "settings/connection.h"
#include "settings/table_handle.h"

#include <filesystem>

namespace pelorix {

// Points a window's connection at the database beside the program, opens the table and starts
// editing its current row (a new row on an empty table), as every reference window does when it
// is created.
void openForEditing(Connection& connection, TableHandle& table,
                    const std::filesystem::path& programFolder);

} // namespace pelorix
