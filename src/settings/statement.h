#pragma once

#include "settings/field_value.h"

#include <cstdint>
#include <filesystem>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace pelorix {

// A prepared statement that finalizes itself; every failure becomes the AppError of
// throwDatabaseError. Values only ever reach SQL through bound parameters.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql, std::filesystem::path file);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const FieldValue& value); // 1-based, as SQLite counts
    void bind(int index, std::int64_t value);
    // True while it yields a row, false when done.
    bool step();
    int columnCount() const;
    std::string columnName(int column) const;
    std::string declaredType(int column) const; // empty for an expression
    FieldValue value(int column) const;
    std::int64_t integer(int column) const;

private:
    [[noreturn]] void fail(int resultCode) const;

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    std::filesystem::path file_;
};

// An identifier quoted for SQL: "name", inner quotes doubled.
std::string quoteIdentifier(std::string_view name);

} // namespace pelorix
