#include "ui/main_window_fixture.h"

#include <filesystem>
#include <vector>

namespace pelorix::testing {
namespace {

using Session = MainWindowFixture;

TEST_F(Session, TheLoadedSettingsRunTheFieldsChangeHandling) {
    auto& f = start();
    EXPECT_EQ(f.Edit6.text(), "2000");
    EXPECT_EQ(f.Edit1.color(), Color::white());
    EXPECT_EQ(f.Edit3.color(), Color::menuHighlight()) << "marked by the capital's change";
    EXPECT_EQ(f.Edit10.text(), "10");
    EXPECT_EQ(f.Memo4.text(), "10");
    EXPECT_EQ(f.TabControl1.tabIndex(), 0);
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{});
}

TEST_F(Session, AStartOnForexLooksUpTheShownInstrumentOnTheFirstActivation) {
    folder.writeBytes("type.txt", "3");
    auto& f = start();
    EXPECT_EQ(f.TabControl1.tabIndex(), 2);
    EXPECT_EQ(f.Edit14.text(), "1") << "EUR/USD, a direct pair: step 0,0001 × lot 10000";
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{});
}

TEST_F(Session, WithoutTheCurrencyFileTheWindowStaysAsDesigned) {
    std::filesystem::remove(folder.file("currency.txt"));
    folder.writeBytes("type.txt", "2");
    auto& f = start();
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(f.TabControl1.tabIndex(), 0);
    for (const char* shown : {"ComboBox3", "ComboBox2", "Label11", "Edit9", "Edit11", "Edit10"})
        EXPECT_TRUE(f.find(shown)->visible()) << shown;
    for (const char* hidden : {"Edit14", "Edit15", "Label35", "Label36", "Label41"})
        EXPECT_FALSE(f.find(hidden)->visible()) << hidden;
    EXPECT_EQ(f.Label36.text(), "222");
    EXPECT_EQ(f.Edit1.text(), "0");
    EXPECT_EQ(f.Edit10.text(), "1");
    EXPECT_EQ(f.Edit6.text(), "0");
    EXPECT_EQ(f.Label16.text(), "руб.");
}

TEST_F(Session, ASecondCloseAfterAFailedSaveWritesAllFiveFilesAgain) {
    auto& f = start();
    paste(f.Edit1, "250000");
    paste(f.Edit9, "4000");
    std::filesystem::remove(folder.file("go.txt"));
    std::filesystem::create_directory(folder.file("Go.txt"));
    dialogs.boxes.clear();
    EXPECT_FALSE(program->close(f));
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(folder.readBytes("capital.txt"), "250000") << "written before the failing file";

    std::filesystem::remove(folder.file("Go.txt"));
    paste(f.Edit1, "260000");
    EXPECT_TRUE(program->close(f));
    EXPECT_EQ(folder.readBytes("capital.txt"), "260000");
    EXPECT_EQ(folder.readBytes("Go.txt"), "4000");
    EXPECT_EQ(folder.readBytes("coefficient.txt"), "10");
    EXPECT_EQ(folder.readBytes("kolvo.txt"), "3");
    EXPECT_EQ(folder.readBytes("risk.txt"), "2");
}

TEST_F(Session, ClosingTheMainWindowLeavesTheOtherWindowsCloseHandlingAlone) {
    auto& f = start();
    program->Form3.show();
    EXPECT_TRUE(program->close(f));
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{});
    EXPECT_FALSE(f.visible());
}

} // namespace
} // namespace pelorix::testing
