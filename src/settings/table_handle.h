#pragma once

#include "base/current_row.h"
#include "base/grid_table.h"
#include "settings/field_value.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelorix {

class Connection;
class Statement;

// A table of the reference database as one window holds it (ADOTable1, ADOTable2). Opening
// reads the whole table into a client-side copy; the handle sees that copy plus its own changes,
// never rows another handle changes meanwhile. One row is current, and the handle is closed,
// browsing, editing (the current row's values are being changed) or inserting (a new row is
// being filled). Every saved change reaches the file at once.
//
// Moving (first, next, locate, moveTo, insert) ends a pending edit first: a row with changes is
// saved, one without is left as it was. That is how typing in a bound control reaches the file.
class TableHandle : public CurrentRow, public GridTable {
public:
    enum class State { Closed, Browsing, Editing, Inserting };

    // `name` ("ADOTable1") heads every error text; numbers read as text use `decimalSeparator`.
    TableHandle(Connection& connection, std::string name, std::string table, char decimalSeparator);

    const std::string& name() const { return name_; }
    const std::string& table() const { return table_; }
    State state() const { return state_; }
    bool active() const { return state_ != State::Closed; }
    // Whether the pending edit holds changes.
    bool modified() const { return modified_; }
    bool editPending() const override {
        return state_ == State::Editing || state_ == State::Inserting;
    }

    // Closed → browsing on the first row (end-of-table at once when empty); nothing when open.
    // Opens the connection; its failure leaves the handle closed.
    void open();
    // Back to closed; a pending edit is dropped.
    void close();

    void edit();            // browsing → editing; on an empty table inserting instead
    void insert() override; // a new empty row before the current one, inserting
    // Editing or inserting → browsing, the row written to the file. A row that another handle
    // changed or deleted since this one read it is not overwritten: AppError("Row cannot be
    // located for updating. …"), the edit still pending over what the file now holds, so that
    // cancel shows that and a second save replaces it knowingly.
    void post();
    void cancel() override; // editing or inserting → browsing, changes dropped, a new row gone
    // Ends a pending edit the way moving does: saves a changed row, cancels an unchanged one.
    void checkBrowseMode();
    // Deletes the current row from the file and the copy; an inserted row is just cancelled;
    // on an empty table nothing happens. A row changed elsewhere since it was read fails as a
    // save does and shows its new values; one already deleted elsewhere fails and leaves the copy.
    void remove() override;

    void first();
    void next(); // past the last row sets end-of-table and stays on that row
    bool eof() const;
    // Makes current the first row whose `field` reads exactly `value` (whole value, letter case
    // counts). No match: false, the current row stays. The rows are indexed by the field at the
    // first search, so a search does not walk the table while the user types.
    bool locate(std::string_view field, std::string_view value);

    // For grids.
    int rowCount() const override;
    int currentIndex() const override; // -1 when closed or empty
    void moveTo(int row) override;
    std::vector<std::string> columnNames() const;
    // A cell for display: Null shows as the empty text; out of range gives the empty text.
    std::string cellText(int row, int column) const;
    std::string cellText(int row, std::string_view field) const override;

    // The current row's value, changes not yet saved included. Null cannot be read as text,
    // and a closed handle has no row to read.
    std::string fieldText(std::string_view field) const override;
    bool isNull(std::string_view field) const;
    // Sets a value from text; a numeric column converts it with parseNumber (the empty text
    // stores Null). Starts editing first when browsing, as a bound control does.
    void setFieldText(std::string_view field, std::string_view text) override;
    // Whether the pending edit changed the field; taking back that change restores the value
    // the row had when the edit began (none for a new row), leaving other changes pending.
    bool fieldModified(std::string_view field) const override;
    void revertField(std::string_view field) override;

    Subscription subscribe(std::function<void(TableChange)> listener) override {
        return listeners_.subscribe(std::move(listener));
    }

private:
    struct Column {
        std::string name;
        bool numeric = false;
    };
    struct Row {
        std::int64_t rowid = 0;
        bool stored = false; // false for a row being inserted
        std::vector<FieldValue> values;
    };

    void requireOpen() const;
    std::optional<std::size_t> findField(std::string_view field) const;
    std::size_t fieldIndex(std::string_view field) const;
    const FieldValue& currentValue(std::size_t column) const;
    std::string textOf(const FieldValue& value) const;
    void writeCurrentRow();
    void dropCurrentRow();
    bool reloadRow(Row& row);
    std::string unchangedSinceRead() const;
    void bindRowAsRead(Statement& statement, int first, const Row& row) const;
    void notify(TableChange change) const { listeners_.notify(change); }
    void dropIndex();

    Connection& connection_;
    std::string name_;
    std::string table_;
    char separator_;

    State state_ = State::Closed;
    std::vector<Column> columns_;
    std::vector<Row> rows_;
    std::size_t current_ = 0;
    bool eof_ = true;
    bool modified_ = false;
    std::vector<bool> changed_;     // per column, in the pending edit
    std::optional<Row> beforeEdit_; // the current row as it was when editing started
    Listeners<TableChange> listeners_;

    // The first row holding each text of one field; dropped whenever rows or values change.
    std::optional<std::size_t> indexedColumn_;
    std::unordered_map<std::string, std::size_t> firstRowOf_;
};

} // namespace pelorix
