#pragma once

#include "base/handler_boundary.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/program.h"

namespace pelorix::testing {

// Recording boxes and shell over an empty program folder.
struct Surroundings {
    TempFolder folder;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Environment env{dialogs, shell, folder.path(), ',', "Pelorix"};
};

// What a probe window needs beside itself: the handler boundary its events pass.
struct ProbeSurroundings : Surroundings {
    HandlerBoundary boundary{env};
};

// The five window models. No creation handler runs: the tests look at the binding, not at
// start-up.
struct GuiPrograms : Surroundings {
    Program program{env};
};

} // namespace pelorix::testing
