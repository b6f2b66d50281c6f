#pragma once

#include "base/controls.h"
#include "base/form.h"
#include "base/grid.h"
#include "base/handler_boundary.h"

#include <cstddef>
#include <string>

namespace pelorix {

// The user's actions on the window models, played the way the desktop plays them: a control is
// focused before it is typed into or keyed (the Exit handler of the control that had the focus
// runs first), a click focuses a control that takes the focus, and every handler runs behind
// the boundary. The scenario runner and the tests drive the windows through here.
class UserActions {
public:
    explicit UserActions(HandlerBoundary& boundary) : boundary_(boundary) {}

    // Focuses the control and types each character through its key filter (kBackspace
    // removes the last character).
    void type(Form& form, TextControl& control, const std::string& text);
    // Writes the text as a paste does, past the key filter, without moving the focus.
    void paste(TextControl& control, const std::string& text);
    // Focuses a list box and chooses an item (or any text) from it.
    void select(Form& form, TextControl& control, const std::string& item);
    // Focuses the control and presses a key.
    void key(Form& form, Control& control, Key key);
    // Focuses the control when it takes the focus, then clicks it.
    void click(Form& form, Control& control);
    // Focuses the grid and chooses its line `row`.
    void chooseRow(Form& form, Grid& grid, int row);
    // Focuses the grid and types `text` into the cell of `column` on its current line, as a
    // finished cell edit hands it over.
    void typeCell(Form& form, Grid& grid, std::size_t column, const std::string& text);
    // Chooses a tab of a tab strip.
    void chooseTab(TabControl& tabs, int index);

    static bool takesFocus(ControlKind kind);

private:
    void focus(Form& form, Control& control);

    HandlerBoundary& boundary_;
};

} // namespace pelorix
