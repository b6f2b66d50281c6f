#pragma once

#include "base/text.h"
#include "base/user_actions.h"
#include "support/program_fixture.h"

#include <string>

namespace pelorix::testing {

// The shipped program folder with the futures tab as default and the two position pictures, and
// the program started over it the way a user starts it: windows created, the main window shown and
// active. Actions go through the shared driver of user actions and the handler boundary, so an
// error ends up as a recorded box.
class MainWindowFixture : public ProgramTest {
protected:
    MainWindowFixture() {
        folder.writeBytes("type.txt", "1");
        folder.writeBytes("StockIndexUp.png", "up");
        folder.writeBytes("StockIndexDown.png", "down");
    }

    TForm1& start(char decimalSeparator = ',') {
        env.decimalSeparator = decimalSeparator;
        ProgramTest::start();
        program->Form1.show();
        program->activate(program->Form1);
        return program->Form1;
    }
    TForm1& form() { return program->Form1; }

    // Moves the focus as a click or Tab would: Exit of the old field, then Enter of the new.
    void focus(Control& c) {
        program->dispatch([&] { form().setFocus(c); });
    }
    void type(TextControl& field, const std::string& text) { user().type(form(), field, text); }
    // A paste: the text arrives whole, past the key filter.
    void paste(TextControl& field, const std::string& text) { user().paste(field, text); }
    void press(Control& field, Key key) { user().key(form(), field, key); }
    void chooseTab(int index) { user().chooseTab(form().TabControl1, index); }
    UserActions user() { return UserActions(*program); }
};

} // namespace pelorix::testing
