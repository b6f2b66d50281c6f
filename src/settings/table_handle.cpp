#include "settings/table_handle.h"

#include "base/app_error.h"
#include "base/numbers.h"
#include "base/text.h"
#include "settings/connection.h"
#include "settings/statement.h"

#include <algorithm>
#include <sqlite3.h>

namespace pelorix {

namespace {

// SQLite's rule for a column's affinity: whatever is not text or blob holds numbers, so a text
// typed into it must be converted here, in the user's locale, not left to SQLite's own parser.
bool holdsNumbers(std::string declared) {
    std::ranges::transform(declared, declared.begin(), asciiUpper);
    const auto has = [&](std::string_view part) {
        return declared.find(part) != std::string::npos;
    };
    if (has("INT")) return true;
    if (has("CHAR") || has("CLOB") || has("TEXT")) return false;
    if (declared.empty() || has("BLOB")) return false;
    return true; // REAL, FLOA, DOUB and NUMERIC affinity
}

const FieldValue kNull{};

constexpr const char* kRowChanged = "Row cannot be located for updating. Some values may have been "
                                    "changed since it was last read.";

} // namespace

TableHandle::TableHandle(Connection& connection, std::string name, std::string table,
                         char decimalSeparator)
    : connection_(connection), name_(std::move(name)), table_(std::move(table)),
      separator_(decimalSeparator) {}

void TableHandle::requireOpen() const {
    if (state_ == State::Closed)
        throw AppError(name_ + ": Cannot perform this operation on a closed dataset");
}

std::optional<std::size_t> TableHandle::findField(std::string_view field) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (equalsIgnoringAsciiCase(columns_[i].name, field)) return i;
    return std::nullopt;
}

std::size_t TableHandle::fieldIndex(std::string_view field) const {
    if (const auto index = findField(field)) return *index;
    throw AppError(name_ + ": Field '" + std::string(field) + "' not found");
}

const FieldValue& TableHandle::currentValue(std::size_t column) const {
    return rows_.empty() ? kNull : rows_[current_].values[column];
}

std::string TableHandle::textOf(const FieldValue& value) const {
    switch (value.kind) {
    case FieldValue::Kind::Null:
        throw AppError("Could not convert variant of type (Null) into type (OleStr)");
    case FieldValue::Kind::Integer:
        return formatNumber(static_cast<Real>(value.integer), separator_);
    case FieldValue::Kind::Real:
        return formatNumber(static_cast<Real>(value.real), separator_);
    case FieldValue::Kind::Text:
    case FieldValue::Kind::Blob:
        break;
    }
    return value.text;
}

void TableHandle::open() {
    if (state_ != State::Closed) return;
    connection_.open();
    Statement select(connection_.db(),
                     "SELECT rowid, * FROM " + quoteIdentifier(table_) + " ORDER BY rowid",
                     connection_.file());
    std::vector<Column> columns;
    for (int i = 1; i < select.columnCount(); ++i)
        columns.push_back({select.columnName(i), holdsNumbers(select.declaredType(i))});
    std::vector<Row> rows;
    while (select.step()) {
        Row row{select.integer(0), true, {}};
        for (int i = 1; i < select.columnCount(); ++i)
            row.values.push_back(select.value(i));
        rows.push_back(std::move(row));
    }
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    current_ = 0;
    eof_ = rows_.empty();
    modified_ = false;
    state_ = State::Browsing;
    dropIndex();
    notify(TableChange::StateChanged);
}

void TableHandle::close() {
    state_ = State::Closed;
    columns_.clear();
    rows_.clear();
    current_ = 0;
    eof_ = true;
    modified_ = false;
    beforeEdit_.reset();
    dropIndex();
    notify(TableChange::StateChanged);
}

void TableHandle::dropIndex() {
    indexedColumn_.reset();
    firstRowOf_.clear();
}

void TableHandle::edit() {
    requireOpen();
    if (state_ != State::Browsing) return;
    if (rows_.empty()) {
        insert();
        return;
    }
    beforeEdit_ = rows_[current_];
    changed_.assign(columns_.size(), false);
    modified_ = false;
    state_ = State::Editing;
    notify(TableChange::StateChanged);
}

void TableHandle::insert() {
    requireOpen();
    checkBrowseMode();
    const std::size_t at = rows_.empty() ? 0 : current_;
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at),
                 Row{0, false, std::vector<FieldValue>(columns_.size())});
    current_ = at;
    eof_ = false;
    dropIndex();
    changed_.assign(columns_.size(), false);
    modified_ = false;
    state_ = State::Inserting;
    notify(TableChange::RowsInserted);
}

void TableHandle::post() {
    requireOpen();
    if (state_ == State::Browsing) throw AppError(name_ + ": Dataset not in edit or insert mode");
    writeCurrentRow();
}

void TableHandle::writeCurrentRow() {
    Row& row = rows_[current_];
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (changed_[i]) changed.push_back(i);

    if (state_ == State::Inserting || !changed.empty()) {
        connection_.open();
        sqlite3* db = connection_.db();
        const std::string table = quoteIdentifier(table_);
        std::string sql;
        if (state_ == State::Inserting && changed.empty()) {
            sql = "INSERT INTO " + table + " DEFAULT VALUES";
        } else if (state_ == State::Inserting) {
            std::string names, marks;
            for (const std::size_t i : changed) {
                names += (names.empty() ? "" : ", ") + quoteIdentifier(columns_[i].name);
                marks += marks.empty() ? "?" : ", ?";
            }
            sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")";
        } else {
            std::string sets;
            for (const std::size_t i : changed)
                sets += (sets.empty() ? "" : ", ") + quoteIdentifier(columns_[i].name) + " = ?";
            sql = "UPDATE " + table + " SET " + sets + unchangedSinceRead();
        }
        Statement write(db, sql, connection_.file());
        int index = 1;
        for (const std::size_t i : changed)
            write.bind(index++, row.values[i]);
        if (state_ == State::Editing) bindRowAsRead(write, index, *beforeEdit_);
        write.step();
        if (state_ == State::Inserting) {
            row.rowid = sqlite3_last_insert_rowid(db);
            row.stored = true;
        } else if (sqlite3_changes(db) == 0) {
            // The user's edit stays pending over what the file holds now: cancelling shows
            // that, saving again replaces it knowingly.
            reloadRow(*beforeEdit_);
            throw AppError(kRowChanged);
        }
    }
    state_ = State::Browsing;
    modified_ = false;
    beforeEdit_.reset();
    reloadRow(row);
    dropIndex();
    notify(TableChange::StateChanged);
}

// The condition that finds the row only while it still holds what this handle read: another
// handle's change or deletion since then must not be overwritten unseen.
std::string TableHandle::unchangedSinceRead() const {
    std::string where = " WHERE rowid = ?";
    for (const Column& column : columns_)
        where += " AND " + quoteIdentifier(column.name) + " IS ?";
    return where;
}

void TableHandle::bindRowAsRead(Statement& statement, int first, const Row& row) const {
    statement.bind(first++, row.rowid);
    for (const FieldValue& value : row.values)
        statement.bind(first++, value);
}

// What the file now holds for the row (its defaults, its own conversions); false when the row
// is gone. A failure here keeps the values as they are.
bool TableHandle::reloadRow(Row& row) {
    try {
        Statement select(connection_.db(),
                         "SELECT * FROM " + quoteIdentifier(table_) + " WHERE rowid = ?",
                         connection_.file());
        select.bind(1, row.rowid);
        if (!select.step()) return false;
        if (select.columnCount() != static_cast<int>(columns_.size())) return true;
        for (std::size_t i = 0; i < columns_.size(); ++i)
            row.values[i] = select.value(static_cast<int>(i));
    } catch (const AppError&) {
    }
    return true;
}

void TableHandle::cancel() {
    requireOpen();
    const bool dropsNewRow = state_ == State::Inserting;
    if (modified_) dropIndex();
    if (state_ == State::Editing) {
        rows_[current_] = std::move(*beforeEdit_);
    } else if (dropsNewRow) {
        dropCurrentRow();
    }
    state_ = State::Browsing;
    modified_ = false;
    beforeEdit_.reset();
    notify(dropsNewRow ? TableChange::RowsDeleted : TableChange::StateChanged);
}

// The row after the dropped one becomes current, or the new last row.
void TableHandle::dropCurrentRow() {
    dropIndex();
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ >= rows_.size()) current_ = rows_.empty() ? 0 : rows_.size() - 1;
    eof_ = rows_.empty();
}

void TableHandle::checkBrowseMode() {
    requireOpen();
    if (state_ == State::Browsing) return;
    if (modified_)
        post();
    else
        cancel();
}

void TableHandle::remove() {
    requireOpen();
    if (state_ == State::Inserting) {
        cancel();
        return;
    }
    if (rows_.empty()) return;
    connection_.open();
    Statement erase(connection_.db(),
                    "DELETE FROM " + quoteIdentifier(table_) + unchangedSinceRead(),
                    connection_.file());
    Row& row = state_ == State::Editing ? *beforeEdit_ : rows_[current_];
    bindRowAsRead(erase, 1, row);
    erase.step();
    if (sqlite3_changes(connection_.db()) == 0) {
        // A row changed elsewhere is shown as it now is, for the user to decide again; a row
        // already deleted elsewhere leaves this copy too.
        if (state_ == State::Editing) cancel();
        const bool gone = !reloadRow(rows_[current_]);
        if (gone) dropCurrentRow();
        notify(gone ? TableChange::RowsDeleted : TableChange::StateChanged);
        throw AppError(kRowChanged);
    }
    dropCurrentRow();
    state_ = State::Browsing;
    modified_ = false;
    beforeEdit_.reset();
    notify(TableChange::RowsDeleted);
}

void TableHandle::first() {
    checkBrowseMode();
    current_ = 0;
    eof_ = rows_.empty();
    notify(TableChange::RowMoved);
}

void TableHandle::next() {
    checkBrowseMode();
    if (current_ + 1 < rows_.size()) {
        ++current_;
        eof_ = false;
    } else {
        eof_ = true;
    }
    notify(TableChange::RowMoved);
}

bool TableHandle::eof() const {
    return state_ == State::Closed || eof_;
}

bool TableHandle::locate(std::string_view field, std::string_view value) {
    requireOpen();
    const std::size_t column = fieldIndex(field);
    checkBrowseMode();
    if (indexedColumn_ != column) {
        dropIndex();
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (const FieldValue& cell = rows_[i].values[column]; !cell.isNull())
                firstRowOf_.emplace(textOf(cell), i);
        indexedColumn_ = column;
    }
    const auto found = firstRowOf_.find(std::string(value));
    if (found == firstRowOf_.end()) return false;
    current_ = found->second;
    eof_ = false;
    notify(TableChange::RowMoved);
    return true;
}

int TableHandle::rowCount() const {
    return static_cast<int>(rows_.size());
}

int TableHandle::currentIndex() const {
    return state_ == State::Closed || rows_.empty() ? -1 : static_cast<int>(current_);
}

void TableHandle::moveTo(int row) {
    requireOpen();
    if (row == currentIndex() && !eof_) return;
    // An untouched new row vanishes when left, and the rows below it move up by one.
    const bool dropsNewRow = state_ == State::Inserting && !modified_;
    const int from = currentIndex();
    checkBrowseMode();
    if (dropsNewRow && row > from) --row;
    if (row < 0 || row >= rowCount())
        throw AppError(name_ + ": Row " + std::to_string(row + 1) + " does not exist");
    current_ = static_cast<std::size_t>(row);
    eof_ = false;
    notify(TableChange::RowMoved);
}

std::vector<std::string> TableHandle::columnNames() const {
    std::vector<std::string> names;
    for (const Column& column : columns_)
        names.push_back(column.name);
    return names;
}

std::string TableHandle::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= static_cast<int>(columns_.size()))
        return {};
    const FieldValue& cell =
        rows_[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(column)];
    return cell.isNull() ? std::string() : textOf(cell);
}

std::string TableHandle::cellText(int row, std::string_view field) const {
    const auto column = findField(field);
    return column ? cellText(row, static_cast<int>(*column)) : std::string();
}

std::string TableHandle::fieldText(std::string_view field) const {
    return textOf(currentValue(fieldIndex(field)));
}

bool TableHandle::isNull(std::string_view field) const {
    return currentValue(fieldIndex(field)).isNull();
}

void TableHandle::setFieldText(std::string_view field, std::string_view text) {
    requireOpen();
    const std::size_t column = fieldIndex(field);
    FieldValue value;
    if (!columns_[column].numeric)
        value = FieldValue::ofText(std::string(text));
    else if (!text.empty())
        value = FieldValue::ofReal(parseDouble(text, separator_));
    // An emptied number field holds no value, as a cleared bound control leaves it.
    if (state_ == State::Browsing) edit();
    rows_[current_].values[column] = std::move(value);
    dropIndex();
    changed_[column] = true;
    modified_ = true;
    notify(TableChange::ValueChanged);
}

bool TableHandle::fieldModified(std::string_view field) const {
    if (!editPending()) return false;
    return changed_[fieldIndex(field)];
}

void TableHandle::revertField(std::string_view field) {
    requireOpen();
    const std::size_t column = fieldIndex(field);
    if (!editPending() || !changed_[column]) return;
    rows_[current_].values[column] =
        state_ == State::Editing ? beforeEdit_->values[column] : FieldValue{};
    dropIndex();
    changed_[column] = false;
    modified_ = std::ranges::find(changed_, true) != changed_.end();
    notify(TableChange::ValueChanged);
}

} // namespace pelorix
