#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace pelorix {
namespace {

class StartUp : public testing::ProgramTest {
protected:
    std::string cannotOpen(const std::string& file) const {
        return "error: Cannot open file \"" + folder.file(file).string() +
               "\". No such file or directory. [Pelorix]";
    }
};

TEST_F(StartUp, LoadsTheSettingsIntoSlotsAndFieldsAndChoosesTheDefaultTab) {
    auto& f1 = start().Form1;
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(f1.Edit1.text(), "100000");
    EXPECT_EQ(f1.Edit2.text(), "2");
    EXPECT_EQ(f1.Edit9.text(), "3000");
    EXPECT_EQ(f1.Edit11.text(), "3");
    EXPECT_EQ(f1.Edit10.text(), "10");
    EXPECT_EQ(f1.Edit3.text(), "0");
    EXPECT_EQ(f1.Label16.text(), " руб.");
    EXPECT_EQ(f1.Label19.text(), " руб.");
    EXPECT_EQ(f1.Label32.text(), "пункт.") << "the futures tab";
    EXPECT_EQ(f1.m7.text(), "руб.");
    EXPECT_EQ(f1.TabControl1.tabIndex(), 1);
    EXPECT_EQ(f1.Label43.text().rfind("Если вы знаете", 0), 0u);
    EXPECT_EQ(program->Form4.ComboBox1.text(), "руб.");
    EXPECT_TRUE(program->Form4.RB2.checked());
    EXPECT_FALSE(program->Form4.RB1.checked());
}

TEST_F(StartUp, TheDefaultTabIsChosenOnlyByAnExactCode) {
    for (const auto& [code, tab] : std::vector<std::pair<std::string, int>>{
             {"1", 0}, {"2", 1}, {"3", 2}, {"3\r\n", 0}, {"", 0}, {"4", 0}}) {
        folder.writeBytes("type.txt", code);
        EXPECT_EQ(start().Form1.TabControl1.tabIndex(), tab) << code;
    }
}

TEST_F(StartUp, AMissingCurrencyFileStopsTheMainWindowAndTheSettingsWindowGoesOn) {
    std::filesystem::remove(folder.file("currency.txt"));
    auto& p = start();
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{cannotOpen("currency.txt")});
    EXPECT_EQ(p.Form1.Edit1.text(), "0");
    EXPECT_EQ(p.Form1.Label16.text(), "руб.");
    EXPECT_EQ(p.Form4.ComboBox1.text(), "");
    EXPECT_TRUE(p.Form4.ADOTable2.active());
}

TEST_F(StartUp, AMissingTypeFileAlsoLeavesTheCommissionTableClosed) {
    std::filesystem::remove(folder.file("type.txt"));
    auto& p = start();
    EXPECT_EQ(dialogs.boxes,
              (std::vector<std::string>{cannotOpen("type.txt"), cannotOpen("type.txt")}));
    EXPECT_EQ(p.Form1.m7.text(), "руб.") << "loaded before the failing file";
    EXPECT_EQ(p.Form1.Edit1.text(), "0") << "loaded after it";
    EXPECT_FALSE(p.Form4.ADOTable2.active());
    EXPECT_TRUE(p.Form3.ADOTable1.active());
}

TEST_F(StartUp, AMissingDatabaseGivesOneErrorPerWindowAndCreatesNoFile) {
    std::filesystem::remove(folder.file("currency.mdb"));
    auto& p = start();
    const std::string missing =
        "error: Could not find file '" + folder.file("currency.mdb").string() + "'. [Pelorix]";
    EXPECT_EQ(dialogs.boxes, (std::vector<std::string>{missing, missing, missing}));
    EXPECT_FALSE(folder.exists("currency.mdb"));
    EXPECT_EQ(p.Form1.Edit1.text(), "100000");
    EXPECT_EQ(p.Form3.Label2.text().rfind("Для добавления", 0), 0u);
    EXPECT_FALSE(p.Form3.ADOTable1.active());
}

TEST_F(StartUp, ClosingWritesTheFiveNumberSettingsBackByteForByte) {
    folder.writeBytes("capital.txt", "100000,50");
    auto& p = start();
    p.Form1.Memo5.setText("2,5");
    EXPECT_TRUE(p.close(p.Form1));
    EXPECT_EQ(folder.readBytes("capital.txt"), "100000,50");
    EXPECT_EQ(folder.readBytes("risk.txt"), "2,5");
    EXPECT_EQ(folder.readBytes("kolvo.txt"), "3");
    EXPECT_FALSE(folder.exists("Capital.txt")) << "one file under either spelling";
}

TEST_F(StartUp, ASettingNeverLoadedIsNotWipedAtCloseButAMissingFileIsCreatedAgain) {
    std::filesystem::remove(folder.file("capital.txt"));
    folder.writeBytes("kolvo.txt", "7");
    auto& p = start(); // stops at capital.txt: kolvo.txt is never read
    EXPECT_TRUE(p.close(p.Form1));
    EXPECT_EQ(folder.readBytes("kolvo.txt"), "7");
    EXPECT_EQ(folder.readBytes("Capital.txt"), "") << "nothing to protect: the next start reads it";
    dialogs.boxes.clear();
    start();
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{}) << dialogs.boxes[0];
}

TEST_F(StartUp, AValueTheCodePageCannotHoldIsSavedAtCloseWithTheOthers) {
    using namespace std::string_literals;
    folder.writeBytes("capital.txt", "\xFF\xFE\x2D\x4E"s); // UTF-16 "中"
    auto& p = start();
    p.Form1.Memo5.setText("\xC2\xA5"
                          "5"); // ¥5
    EXPECT_TRUE(p.close(p.Form1));
    EXPECT_EQ(folder.readBytes("capital.txt"), "\xEF\xBB\xBF\xE4\xB8\xAD");
    EXPECT_EQ(folder.readBytes("risk.txt"), "\xEF\xBB\xBF\xC2\xA5"
                                            "5");
    EXPECT_EQ(folder.readBytes("kolvo.txt"), "3");
}

TEST_F(StartUp, TemporaryFilesOfAKilledRunAreRemovedAndOthersKept) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::vector<std::string> stale = {"."
                                            "capital.txt." +
                                                dead + ".0.tmp",
                                            ".Go.txt." + dead + ".17.tmp",
                                            ".currency.txt." + dead + ".3.tmp"};
    const std::vector<std::string> kept = {".capital.txt.1.0.tmp", // a running program's
                                           ".capital.txt." + dead + ".0.tmp~", // not ours
                                           "capital.txt." + dead + ".0.tmp",   // not ours
                                           ".notes.txt." + dead + ".0.tmp"};
    for (const auto& name : stale)
        folder.writeBytes(name, "1");
    for (const auto& name : kept)
        folder.writeBytes(name, "1");
    start();
    for (const auto& name : stale)
        EXPECT_FALSE(folder.exists(name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(folder.exists(name)) << name;
}

TEST_F(StartUp, AFileThatCannotBeWrittenKeepsTheMainWindowOpenAndStopsTheSaving) {
    auto& p = start();
    p.Form1.show();
    std::filesystem::remove(folder.file("go.txt"));
    std::filesystem::create_directory(folder.file("Go.txt"));
    p.Form1.Memo3.setText("9");
    dialogs.boxes.clear();
    EXPECT_FALSE(p.close(p.Form1));
    EXPECT_TRUE(p.Form1.visible());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].rfind(
                  "error: Cannot create file \"" + folder.file("Go.txt").string() + "\". ", 0),
              0u)
        << dialogs.boxes[0];
    EXPECT_EQ(folder.readBytes("kolvo.txt"), "3") << "written after the failing file";
}

TEST_F(StartUp, ARowStillBeingEditedAtCloseIsStored) {
    auto& p = start();
    ASSERT_TRUE(user([&] { p.Form3.ADOTable1.setFieldText("spread", "9"); }));
    ASSERT_TRUE(user([&] { p.Form5.ADOTable1.setFieldText("currency", "RUB"); }));
    ASSERT_TRUE(user([&] { p.Form4.ADOTable2.setFieldText("combrspot", "5"); }));
    EXPECT_TRUE(p.close(p.Form1));
    EXPECT_EQ(folder.query("SELECT spread FROM \"Сurrency\" WHERE currency = 'EUR/USD'"), "9.0");
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "RUB\nUSD\nEUR");
    EXPECT_EQ(folder.query("SELECT combrspot FROM commis"), "0.0")
        << "only Save stores the commission row";
    EXPECT_EQ(dialogs.boxes, testing::Boxes{});
}

TEST_F(StartUp, ARowTheDatabaseRefusesAtCloseIsReportedAndTheProgramEndsAnyway) {
    auto& p = start();
    ASSERT_TRUE(user([&] { p.Form5.ADOTable1.setFieldText("currency", "RUB"); }));
    folder.query("DROP TABLE curr");
    EXPECT_TRUE(p.close(p.Form1));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].rfind("error: ", 0), 0u) << dialogs.boxes[0];
    EXPECT_FALSE(p.Form1.visible());
}

} // namespace
} // namespace pelorix
