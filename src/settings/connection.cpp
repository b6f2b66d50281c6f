#include "settings/connection.h"

#include "base/app_error.h"
#include "settings/database_error.h"
#include "settings/folder_entry.h"
#include "settings/reference_database.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <sys/stat.h>

namespace pelorix {

namespace {

void checkFileExists(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw AppError("Could not find file '" + file.string() + "'.");
        throw AppError("Cannot open the database file '" + file.string() + "'. " +
                       std::strerror(error));
    }
    // SQLite takes an empty file for an empty database, which would only fail later for want
    // of its tables.
    if (S_ISREG(info.st_mode) && info.st_size == 0)
        throw AppError("Unrecognized database format '" + file.string() + "'.");
}

} // namespace

Connection::Connection(std::string name, std::chrono::milliseconds busyTimeout)
    : name_(std::move(name)), busyTimeout_(busyTimeout) {}

Connection::~Connection() {
    close();
}

void Connection::setProgramFolder(const std::filesystem::path& programFolder) {
    close();
    connectionString_ = connectionStringFor(programFolder);
    folder_ = programFolder;
}

std::filesystem::path Connection::file() const {
    return folder_.empty() ? std::filesystem::path() : entryOf(folder_, kDatabaseFileName);
}

void Connection::open() {
    if (db_) return;
    const std::filesystem::path path = file();
    if (path.empty()) throw AppError(name_ + ": The connection string names no database file");
    checkFileExists(path);

    // The reference tables are a few pages each: a lookaside pool and a preallocated page cache
    // would cost each of the program's connections memory at start-up for nothing. The library
    // takes this only before its first use; later calls change nothing.
    static const bool lean = [] {
        sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
        sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
        return true;
    }();
    (void)lean;

    sqlite3* db = nullptr;
    // Without SQLITE_OPEN_CREATE: a database that vanished must not come back empty.
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db,
                             static_cast<int>(std::min(busyTimeout_, kOpenBusyTimeout).count()));
        sqlite3_extended_result_codes(db, 1);
        // SQLite reads the file lazily; reading its schema now tells a database from any other
        // file before a window relies on it.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) sqlite3_busy_timeout(db, static_cast<int>(busyTimeout_.count()));
    if (rc != SQLITE_OK) {
        try {
            throwDatabaseError(db, rc, path, DatabaseStep::Opening);
        } catch (...) {
            sqlite3_close(db);
            throw;
        }
    }
    db_ = db;
}

void Connection::close() {
    if (!db_) return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

} // namespace pelorix
