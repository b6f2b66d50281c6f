#pragma once

#include <filesystem>

struct sqlite3;

namespace pelorix {

// Turns a failed SQLite call into the AppError the user sees, worded for the situation he can
// act on: a file that is no database, a damaged one, one locked by another program, a full disk.
// `db` may be null (the message then comes from the result code alone).
//
// A lock met while a window opens its tables at start leaves them closed for the whole run, so
// it says to restart; one met while saving leaves the user's edit pending, to try again.
enum class DatabaseStep { Opening, Changing };
[[noreturn]] void throwDatabaseError(sqlite3* db, int resultCode, const std::filesystem::path& file,
                                     DatabaseStep step = DatabaseStep::Changing);

} // namespace pelorix
