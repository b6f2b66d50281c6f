#include "settings/database_error.h"

#include "base/app_error.h"

#include <sqlite3.h>
#include <string>

namespace pelorix {

void throwDatabaseError(sqlite3* db, int resultCode, const std::filesystem::path& file,
                        DatabaseStep step) {
    const std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    const std::string where = "'" + file.string() + "'";
    switch (resultCode & 0xFF) {
    case SQLITE_NOTADB:
        throw AppError("Unrecognized database format " + where + ".");
    case SQLITE_CORRUPT:
        throw AppError("The database file " + where + " is damaged: " + detail);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        if (step == DatabaseStep::Opening)
            throw AppError("The database file " + where +
                           " is locked by another program; close that program and start this "
                           "one again, its tables stay closed until then");
        throw AppError("The database file " + where +
                       " is locked by another program; nothing was changed, try again later");
    case SQLITE_FULL:
        throw AppError("The disk holding the database file " + where +
                       " is full; nothing was changed");
    case SQLITE_READONLY:
        throw AppError("The database file " + where + " cannot be written: " + detail);
    default:
        throw AppError("The database file " + where + " reports an error: " + detail);
    }
}

} // namespace pelorix
