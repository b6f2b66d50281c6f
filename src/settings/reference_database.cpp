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

std::filesystem::path dataSourceOf(std::string_view connectionString) {
    const std::size_t start = connectionString.find(kDataSource);
    if (start == std::string_view::npos) return {};
    std::string_view rest = connectionString.substr(start + kDataSource.size());
    return std::filesystem::path(std::string(rest.substr(0, rest.find(';'))));
}

} // namespace pelorix
