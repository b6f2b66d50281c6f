#include "settings/table_setup.h"

namespace pelorix {

void openForEditing(Connection& connection, TableHandle& table,
                    const std::filesystem::path& programFolder) {
    connection.setProgramFolder(programFolder);
    table.open();
    table.edit();
}

} // namespace pelorix
