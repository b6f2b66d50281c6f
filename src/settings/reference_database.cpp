#include "settings/reference_database.h"

namespace pelorix {

namespace {
constexpr std::string_view kDataSource = "Data Source=";
}

std::string connectionStringFor(const std::filesystem::path& programFolder) {
    std::string folder = programFolder.string();
    if (folder.empty() || folder.back() != std::filesystem::path::preferred_separator)
        folder += std::filesystem::path::preferred_separator;
    return std::string(kDataSource) + folder + std::string(kDatabaseFileName) + ";";
}

} // namespace pelorix
