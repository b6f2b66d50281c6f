#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pelorix::testing {

// A program folder of its own for one test: created empty under /tmp, removed with everything
// in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(std::string_view name) const { return path_ / name; }

    // Raw bytes in and out, for files the program reads or wrote.
    void writeBytes(std::string_view name, std::string_view bytes) const;
    std::string readBytes(std::string_view name) const;
    bool exists(std::string_view name) const;

    // currency.mdb in this folder, built from the shipped data/currency.sql…
    void createDatabase() const;
    // …or from the given SQL text (run through the SQLite library, not the shell).
    void createDatabase(std::string_view sql) const;
    // Runs SQL on the existing currency.mdb, for checking or changing what it holds behind the
    // program's back. Each result row is the values joined by "|" (Null as "NULL"), rows by "\n".
    std::string query(std::string_view sql) const;

private:
    std::filesystem::path path_;
};

// The text of data/currency.sql.
std::string shippedDatabaseSql();

} // namespace pelorix::testing
