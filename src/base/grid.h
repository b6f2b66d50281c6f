#pragma once

#include "base/controls.h"
#include "base/grid_table.h"
#include "base/seams.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pelorix {

// A grid bound to a table: one line per row, the table's current row as the grid's, and the
// editing keys every data grid of the program shares — Insert adds a row before the current one,
// Ctrl+Delete deletes the current row once the user confirms, Escape takes back the typing in
// the cell and, pressed again, abandons the row being edited or inserted. Typing in a cell
// writes the row's field; the row is stored when the user moves to another one.
class Grid : public Control {
public:
    struct Column {
        std::string field;
        std::string title;
        int width = 64;
        bool visible = true;
    };

    Grid(Form* owner, std::string name, std::vector<Column> columns)
        : Control(owner, ControlKind::Grid, std::move(name)), columns(std::move(columns)) {}

    std::vector<Column> columns;

    // Joins the grid to its table for good; `dialogs` asks the deletion question. The grid
    // repaints whenever the table changes, beside whatever else follows the same table, and
    // takes the editing keys as its key-down handler.
    void bind(GridTable& table, Dialogs& dialogs);
    GridTable* table() const { return table_; }

    // Nothing is shown (no rows, no current row) while the grid has no table.
    int rowCount() const;
    int currentRow() const;
    std::string cellText(int row, std::size_t column) const;

    // The user chooses a line: its row becomes current, storing or leaving the row left.
    void chooseRow(int row);
    // The user has typed `text` into a cell: its row becomes current and the field takes it.
    void typeCell(int row, std::size_t column, const std::string& text);
    // Insert, Ctrl+Delete and Escape; other keys do nothing here.
    void keyDown(Key key);

    static constexpr const char* kDeleteQuestion = "Delete record?";

private:
    GridTable* table_ = nullptr;
    Dialogs* dialogs_ = nullptr;
    Subscription tableChanges_;
    std::size_t column_ = 0; // the cell typed into last: Escape takes back its typing
};

} // namespace pelorix
