#pragma once

#include "base/text.h"
#include "base/user_actions.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/program.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace pelorix::testing {

// A program folder with the seven settings files and the reference database, and the program
// started over it the way a user starts it: windows created, the main window shown and active.
// Actions go through the shared driver of user actions and the handler boundary, so an error
// ends up as a recorded box.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        folder.writeBytes("capital.txt", "100000");
        folder.writeBytes("risk.txt", "2");
        folder.writeBytes("go.txt", "3000");
        folder.writeBytes("kolvo.txt", "3");
        folder.writeBytes("coefficient.txt", "10");
        folder.writeBytes("type.txt", "1");
        folder.writeBytes("currency.txt", "\xF0\xF3\xE1."); // "руб." in Windows-1251
        folder.createDatabase();
        folder.writeBytes("StockIndexUp.png", "up");
        folder.writeBytes("StockIndexDown.png", "down");
    }

    TForm1& start(char decimalSeparator = ',') {
        env.decimalSeparator = decimalSeparator;
        program = std::make_unique<Program>(env);
        program->create();
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

    TempFolder folder;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Environment env{dialogs, shell, folder.path(), ',', "Pelorix"};
    std::unique_ptr<Program> program;
};

} // namespace pelorix::testing
