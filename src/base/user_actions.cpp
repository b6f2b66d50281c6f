#include "base/user_actions.h"

#include "base/text.h"

namespace pelorix {

void UserActions::focus(Form& form, Control& control) {
    boundary_.dispatch([&] { form.setFocus(control); });
}

void UserActions::type(Form& form, TextControl& control, const std::string& text) {
    focus(form, control);
    for (const char32_t ch : decodeUtf8(text))
        boundary_.dispatch([&control, ch] { control.typeChar(ch); });
}

void UserActions::paste(TextControl& control, const std::string& text) {
    boundary_.dispatch([&] { control.setText(text); });
}

void UserActions::select(Form& form, TextControl& control, const std::string& item) {
    focus(form, control);
    boundary_.dispatch([&] { control.setText(item); });
}

void UserActions::key(Form& form, Control& control, Key key) {
    focus(form, control);
    if (control.onKeyDown) boundary_.dispatch([&] { control.onKeyDown(key); });
}

void UserActions::click(Form& form, Control& control) {
    if (takesFocus(control.kind())) focus(form, control);
    if (control.onClick) boundary_.dispatch(control.onClick);
}

void UserActions::chooseRow(Form& form, Grid& grid, int row) {
    focus(form, grid);
    boundary_.dispatch([&] { grid.chooseRow(row); });
}

void UserActions::typeCell(Form& form, Grid& grid, std::size_t column, const std::string& text) {
    focus(form, grid);
    boundary_.dispatch([&] { grid.typeCell(grid.currentRow(), column, text); });
}

void UserActions::chooseTab(TabControl& tabs, int index) {
    boundary_.dispatch([&] { tabs.chooseTab(index); });
}

bool UserActions::takesFocus(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::Button || kind == ControlKind::RadioButton ||
           kind == ControlKind::Grid;
}

} // namespace pelorix
