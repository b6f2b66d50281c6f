#pragma once

#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/program.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pelorix::testing {

// A program folder as shipped — the seven settings files and the reference database — and the
// five windows over it, with recording boxes and shell.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        folder.writeBytes("capital.txt", "100000");
        folder.writeBytes("risk.txt", "2");
        folder.writeBytes("go.txt", "3000");
        folder.writeBytes("kolvo.txt", "3");
        folder.writeBytes("coefficient.txt", "10");
        folder.writeBytes("type.txt", "2");
        folder.writeBytes("currency.txt", "\xF0\xF3\xE1."); // "руб." in Windows-1251
        folder.createDatabase();
    }

    // Builds the windows afresh and runs their creation handlers, as a start of the program.
    Program& start() {
        program = std::make_unique<Program>(env);
        program->create();
        return *program;
    }

    // One user action behind the handler boundary; false when it ended with an error box.
    bool user(const std::function<void()>& action) { return runHandler(env, action); }

    TempFolder folder;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Environment env{dialogs, shell, folder.path(), ',', "Pelorix"};
    std::unique_ptr<Program> program;
};

using Boxes = std::vector<std::string>;

} // namespace pelorix::testing
