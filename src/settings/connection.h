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
    // Opening waits no longer than this: every window opens its own connection at start, and
    // the user waits for all of them before the main window appears.
    static constexpr std::chrono::milliseconds kOpenBusyTimeout{250};

    explicit Connection(std::string name, std::chrono::milliseconds busyTimeout = kBusyTimeout);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& name() const { return name_; }

    // Points the connection at "currency.mdb" in the program folder (connectionStringFor);
    // changing it closes an open connection. The folder is kept as a path, never parsed back
    // out of the text, so any character may stand in it.
    void setProgramFolder(const std::filesystem::path& programFolder);
    const std::string& connectionString() const { return connectionString_; }
    // The database file: the folder's entry named "currency.mdb" in any letter case.
    std::filesystem::path file() const;

    // Opens the database file; nothing when already open. A missing file is never created:
    // AppError("Could not find file '<path>'."). A file that is no database (an empty one
    // included), a damaged one or one that another program holds locked fails with a clear
    // AppError too, and the connection stays closed.
    void open();
    void close();
    bool connected() const { return db_ != nullptr; }

    // The open database; null while closed.
    sqlite3* db() const { return db_; }

private:
    std::string name_;
    std::chrono::milliseconds busyTimeout_;
    std::string connectionString_;
    std::filesystem::path folder_;
    sqlite3* db_ = nullptr;
};

} // namespace pelorix
