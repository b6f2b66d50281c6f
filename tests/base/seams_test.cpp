#include "base/app_error.h"
#include "base/seams.h"
#include "support/recording_dialogs.h"

#include <gtest/gtest.h>

namespace pelorix {
namespace {

TEST(ErrorBox, AppendsAFullStopOnlyAfterACharacterAboveIt) {
    EXPECT_EQ(errorBoxText("Floating point division by zero"), "Floating point division by zero.");
    EXPECT_EQ(errorBoxText("'abc' is not a valid floating point value"),
              "'abc' is not a valid floating point value.");
    EXPECT_EQ(errorBoxText("Could not find file 'x.mdb'."), "Could not find file 'x.mdb'.");
    EXPECT_EQ(errorBoxText("ends in a quote '"), "ends in a quote '");
    EXPECT_EQ(errorBoxText("ends in a comma,"), "ends in a comma,");
    EXPECT_EQ(errorBoxText("Внесите их"), "Внесите их.");
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(ErrorBox, TitleIsTheProgramNameUpToItsFirstFullStopInCapitalisedForm) {
    EXPECT_EQ(errorBoxTitle("Pelorix"), "Pelorix");
    EXPECT_EQ(errorBoxTitle("PELORIX.EXE"), "Pelorix");
    EXPECT_EQ(errorBoxTitle("pelorix.bin.old"), "pelorix");
}

TEST(HandlerBoundary, AnErrorEndsTheHandlerThereAndKeepsWhatItChanged) {
    testing::RecordingDialogs dialogs;
    testing::RecordingShell shell;
    const Environment env{dialogs, shell, "/tmp", ',', "PELORIX.EXE"};
    int written = 0;
    const bool ok = runHandler(env, [&] {
        written = 1;
        throw AppError("Floating point overflow");
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(written, 1);
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{"error: Floating point overflow. [Pelorix]"});
    EXPECT_TRUE(runHandler(env, [] {}));
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST(HandlerBoundary, ShowsTheWholeMessageEvenPastANulByte) {
    using namespace std::string_literals;
    testing::RecordingDialogs dialogs;
    testing::RecordingShell shell;
    const Environment env{dialogs, shell, "/tmp", ',', "Pelorix"};
    runHandler(env, [] { throw AppError("'1\0002' is not a valid floating point value"s); });
    EXPECT_EQ(dialogs.boxes,
              std::vector<std::string>{
                  "error: '1\0002' is not a valid floating point value. [Pelorix]"s});
}

} // namespace
} // namespace pelorix
