#pragma once

#include "base/subscription.h"

#include <functional>
#include <string>
#include <string_view>

namespace pelorix {

// What changed in a table, as its listeners are told.
enum class TableChange {
    RowMoved,     // another row is current
    ValueChanged, // a value of the current row was set or taken back
    StateChanged, // opened, closed, an edit started or ended (a saved row may read differently)
    RowsInserted, // a new row, being inserted, is current
    RowsDeleted,  // the current row was deleted, or a new one dropped; its neighbour is current
};

// The table a grid shows and edits: rows in table order, one current row, and at most one
// pending edit — of that row, or of a new row being filled in. Moving to another row ends the
// pending edit: a changed row is saved, an unchanged one is left (a new one dropped). Failures
// (a closed table, a save the database refuses) are raised as AppError.
class GridTable {
public:
    virtual ~GridTable() = default;

    virtual int rowCount() const = 0;
    // -1 when the table is closed or has no row.
    virtual int currentIndex() const = 0;
    virtual void moveTo(int row) = 0;
    // A cell for display: a missing value, a field the table lacks or a row out of range show
    // as the empty text.
    virtual std::string cellText(int row, std::string_view field) const = 0;

    // Sets a field of the current row from text, starting an edit when none is pending.
    virtual void setFieldText(std::string_view field, std::string_view text) = 0;
    // Whether the pending edit changed that field, and taking that change back alone.
    virtual bool fieldModified(std::string_view field) const = 0;
    virtual void revertField(std::string_view field) = 0;
    // Whether the current row is being edited or inserted.
    virtual bool editPending() const = 0;

    // A new empty row before the current one, being inserted.
    virtual void insert() = 0;
    // Deletes the current row; a row being inserted is only dropped.
    virtual void remove() = 0;
    // Drops the pending edit; a row being inserted disappears.
    virtual void cancel() = 0;

    // Every listener hears of every change of the rows, the current row, a value or the state,
    // until its subscription is dropped.
    virtual Subscription subscribe(std::function<void(TableChange)> listener) = 0;
};

} // namespace pelorix
