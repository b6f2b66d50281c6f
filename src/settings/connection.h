#pragma once

#include <chrono>
#include <filesystem>
#include <string>

struct sqlite3;

namespace pelorix {

// One window's connection to the reference database (ADOConnection1, ADOConnection2). Several
// connections hold the same file open at once; each table handle reads through one of them.
class Connection {
public:
    // Another program holding a write lock gets this long to finish before a save gives up.
    static constexpr std::chrono::milliseconds kBusyTimeout{3000};

    explicit Connection(std::string name, std::chrono::milliseconds busyTimeout = kBusyTimeout);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& name() const { return name_; }

    // Set before opening (see connectionStringFor); changing it closes an open connection.
    void setConnectionString(std::string text);
    const std::string& connectionString() const { return connectionString_; }
    std::filesystem::path file() const;

    // Opens the file the connection string names; nothing when already open. A missing file is
    // never created: AppError("Could not find file '<path>'."). A file that is no database or
    // is damaged fails with a clear AppError too, and the connection stays closed.
    void open();
    void close();
    bool connected() const { return db_ != nullptr; }

    // The open database; null while closed.
    sqlite3* db() const { return db_; }

private:
    std::string name_;
    std::chrono::milliseconds busyTimeout_;
    std::string connectionString_;
    sqlite3* db_ = nullptr;
};

} // namespace pelorix
