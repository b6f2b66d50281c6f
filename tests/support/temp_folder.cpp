#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>

namespace pelorix::testing {

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Opens (creating if asked) the database and runs `sql`, collecting result rows.
std::string runSql(const std::filesystem::path& file, std::string_view sql, bool create) {
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string why = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + file.string() + ": " + why);
    }
    std::string rows;
    const auto collect = [](void* out, int count, char** values, char**) {
        auto& text = *static_cast<std::string*>(out);
        if (!text.empty()) text += '\n';
        for (int i = 0; i < count; ++i)
            text += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
        return 0;
    };
    char* error = nullptr;
    const int rc = sqlite3_exec(db, std::string(sql).c_str(), collect, &rows, &error);
    const std::string why = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("SQL failed on " + file.string() + ": " + why);
    return rows;
}

} // namespace

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pelorix-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::writeBytes(std::string_view name, std::string_view bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file(name).string());
}

std::string TempFolder::readBytes(std::string_view name) const {
    return readFile(file(name));
}

bool TempFolder::exists(std::string_view name) const {
    return std::filesystem::exists(file(name));
}

void TempFolder::createDatabase() const {
    createDatabase(shippedDatabaseSql());
}

void TempFolder::createDatabase(std::string_view sql) const {
    runSql(file("currency.mdb"), sql, true);
}

std::string TempFolder::query(std::string_view sql) const {
    return runSql(file("currency.mdb"), sql, false);
}

std::string shippedDatabaseSql() {
    return readFile(std::filesystem::path(PELORIX_SOURCE_DIR) / "data" / "currency.sql");
}

} // namespace pelorix::testing
