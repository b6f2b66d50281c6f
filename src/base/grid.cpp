#include "base/grid.h"

namespace pelorix {

void Grid::bind(GridTable& table, Dialogs& dialogs) {
    table_ = &table;
    dialogs_ = &dialogs;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].visible) {
            column_ = i;
            break;
        }
    tableChanges_ = table.subscribe([this](TableChange) { changed(); });
    onKeyDown = [this](Key key) { keyDown(key); };
    changed();
}

int Grid::rowCount() const {
    return table_ ? table_->rowCount() : 0;
}

int Grid::currentRow() const {
    return table_ ? table_->currentIndex() : -1;
}

std::string Grid::cellText(int row, std::size_t column) const {
    if (!table_ || column >= columns.size()) return {};
    return table_->cellText(row, columns[column].field);
}

void Grid::chooseRow(int row) {
    if (table_) table_->moveTo(row);
}

void Grid::typeCell(int row, std::size_t column, const std::string& text) {
    if (!table_ || column >= columns.size()) return;
    // Typing into another line than the current one first moves there, storing the row left.
    if (row != table_->currentIndex()) table_->moveTo(row);
    column_ = column;
    table_->setFieldText(columns[column].field, text);
}

void Grid::keyDown(Key key) {
    if (!table_) return;
    switch (key) {
    case Key::Insert:
        table_->insert();
        break;
    case Key::CtrlDelete:
        // Nothing to delete, nothing to ask.
        if (table_->rowCount() == 0) return;
        if (dialogs_->confirm(kDeleteQuestion)) table_->remove();
        break;
    case Key::Escape: {
        const std::string& field = columns.at(column_).field;
        if (table_->fieldModified(field))
            table_->revertField(field);
        else if (table_->editPending())
            table_->cancel();
        break;
    }
    default:
        break;
    }
}

} // namespace pelorix
