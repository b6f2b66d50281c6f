#pragma once

#include "base/controls.h"
#include "base/grid_table.h"

#include <string>

namespace pelorix {

// Joins a text control (an edit box, a pick list) to one field of a table's current row. Every
// change of the table shows the field's value in the control, without writing it back; the
// empty text stands for a missing value, a closed table and a table without rows. What the user
// types or chooses sets the field at once, starting an edit of the row, which is stored when the
// table moves to another row. The link takes the control's change handler.
class FieldLink {
public:
    FieldLink(TextControl& control, GridTable& table, std::string field);
    FieldLink(const FieldLink&) = delete;
    FieldLink& operator=(const FieldLink&) = delete;

private:
    void show();
    void write();

    TextControl& control_;
    GridTable& table_;
    std::string field_;
    // Set while the link itself changes the control or the field, so that neither echoes back:
    // a number typed as "1," stays as typed until the row is stored.
    bool busy_ = false;
    Subscription tableChanges_;
};

} // namespace pelorix
