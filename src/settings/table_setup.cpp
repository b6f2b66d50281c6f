#include "settings/table_setup.h"

#include "settings/reference_database.h"

namespace pelorix {

void openForEditing(Connection& connection, TableHandle& table,
                    const std::filesystem::path& programFolder) {
    connection.setConnectionString(connectionStringFor(programFolder));
    table.open();
    table.edit();
}

} // namespace pelorix
