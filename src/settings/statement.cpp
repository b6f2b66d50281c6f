#include "settings/statement.h"

#include "settings/database_error.h"

#include <sqlite3.h>

namespace pelorix {

Statement::Statement(sqlite3* db, const std::string& sql, std::filesystem::path file)
    : db_(db), file_(std::move(file)) {
    const int rc =
        sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) fail(rc);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::fail(int resultCode) const {
    throwDatabaseError(db_, resultCode, file_);
}

void Statement::bind(int index, const FieldValue& value) {
    int rc = SQLITE_OK;
    switch (value.kind) {
    case FieldValue::Kind::Null:
        rc = sqlite3_bind_null(stmt_, index);
        break;
    case FieldValue::Kind::Integer:
        rc = sqlite3_bind_int64(stmt_, index, value.integer);
        break;
    case FieldValue::Kind::Real:
        rc = sqlite3_bind_double(stmt_, index, value.real);
        break;
    case FieldValue::Kind::Text:
        rc = sqlite3_bind_text64(stmt_, index, value.text.data(), value.text.size(),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    case FieldValue::Kind::Blob:
        rc = sqlite3_bind_blob64(stmt_, index, value.text.data(), value.text.size(),
                                 SQLITE_TRANSIENT);
        break;
    }
    if (rc != SQLITE_OK) fail(rc);
}

void Statement::bind(int index, std::int64_t value) {
    if (const int rc = sqlite3_bind_int64(stmt_, index, value); rc != SQLITE_OK) fail(rc);
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(rc);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(stmt_, column);
    return name ? name : "";
}

std::string Statement::declaredType(int column) const {
    const char* type = sqlite3_column_decltype(stmt_, column);
    return type ? type : "";
}

FieldValue Statement::value(int column) const {
    FieldValue v;
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
        v.kind = FieldValue::Kind::Integer;
        v.integer = sqlite3_column_int64(stmt_, column);
        break;
    case SQLITE_FLOAT:
        v.kind = FieldValue::Kind::Real;
        v.real = sqlite3_column_double(stmt_, column);
        break;
    case SQLITE_TEXT: {
        v.kind = FieldValue::Kind::Text;
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        v.text.assign(text ? text : "",
                      static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
        break;
    }
    case SQLITE_BLOB: {
        v.kind = FieldValue::Kind::Blob;
        const auto* blob = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        v.text.assign(blob ? blob : "",
                      static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
        break;
    }
    default:
        break;
    }
    return v;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string quoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

} // namespace pelorix
