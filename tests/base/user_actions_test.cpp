#include "base/user_actions.h"
#include "support/recording_dialogs.h"

#include "base/app_error.h"

#include <gtest/gtest.h>

namespace pelorix {
namespace {

class ThreeControls : public Form {
public:
    explicit ThreeControls(const Environment& env) : Form(env, "F", "F", 10, 10) {}
    Edit field{this, "Edit1"};
    Button button{this, "Button1", "Go"};
    MenuItem item{this, "N1", "Menu"};
};

class UserActionsTest : public ::testing::Test {
protected:
    UserActionsTest() {
        form.field.onEnter = [&] { events.push_back("enter field"); };
        form.field.onExit = [&] { events.push_back("exit field"); };
        form.field.onKeyPress = [](char32_t& ch) { return ch != U'x'; };
        form.field.onChange = [&] { events.push_back("change " + form.field.text()); };
        form.button.onClick = [&] { events.push_back("click button"); };
        form.item.onClick = [&] { throw AppError("Menu failed"); };
    }

    testing::RecordingDialogs dialogs;
    testing::RecordingShell shell;
    const Environment env{dialogs, shell, "/tmp", ',', "Pelorix"};
    HandlerBoundary boundary{env};
    UserActions user{boundary};
    ThreeControls form{env};
    std::vector<std::string> events;
};

TEST_F(UserActionsTest, TypingFocusesFirstAndAClickMovesTheFocusOnlyToWhatTakesIt) {
    user.type(form, form.field, "1x2");
    user.click(form, form.button);
    user.click(form, form.item);
    EXPECT_EQ(events, (std::vector<std::string>{"enter field", "change 1", "change 12",
                                                "exit field", "click button"}));
    EXPECT_EQ(form.focused(), &form.button) << "a menu item never takes the focus";
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{"error: Menu failed. [Pelorix]"})
        << "a failing handler ends at the boundary with the error box";
}

TEST_F(UserActionsTest, APasteSkipsTheKeyFilterAndLeavesTheFocusWhereItIs) {
    user.paste(form.field, "1x2");
    EXPECT_EQ(form.field.text(), "1x2");
    EXPECT_EQ(form.focused(), nullptr);
}

} // namespace
} // namespace pelorix
