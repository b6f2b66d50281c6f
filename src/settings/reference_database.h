#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pelorix {

// The reference database beside the program and its three tables.
inline constexpr std::string_view kDatabaseFileName = "currency.mdb";
// Forex instruments. The first letter is the Cyrillic capital Es (U+0421), as the table has
// always been named; a Latin C would name a table that does not exist.
inline constexpr std::string_view kInstrumentTable = "\xD0\xA1urrency";
inline constexpr std::string_view kCurrencyTable = "curr";     // settlement currency labels
inline constexpr std::string_view kCommissionTable = "commis"; // the one row of commission rates

// "Data Source=" + the program folder with its trailing separator + "currency.mdb;": the
// database is always the file beside the program, whatever the working directory.
std::string connectionStringFor(const std::filesystem::path& programFolder);

} // namespace pelorix
