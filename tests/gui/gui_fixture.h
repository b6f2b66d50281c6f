#pragma once

#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/program.h"

namespace pelorix::testing {

// The five window models over an empty program folder, with recording boxes and shell.
// No creation handler runs: the tests look at the binding, not at start-up.
struct GuiPrograms {
    TempFolder folder;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Environment env{dialogs, shell, folder.path(), ',', "Pelorix"};
    Program program{env};
};

} // namespace pelorix::testing
