#include "app/skin.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

// The real main window over a program folder with settings and a database, started and shown
// as the program starts it; the user works it with the keyboard and the mouse.
class EntryFieldsInTheWindow : public ::testing::Test {
protected:
    EntryFieldsInTheWindow() {
        for (const auto& [file, text] :
             std::vector<std::pair<const char*, const char*>>{{"capital.txt", "100000"},
                                                              {"risk.txt", "2"},
                                                              {"go.txt", "3000"},
                                                              {"kolvo.txt", "3"},
                                                              {"coefficient.txt", "10"},
                                                              {"type.txt", "1"},
                                                              {"currency.txt", "\xF0\xF3\xE1."}})
            p.folder.writeBytes(file, text);
        p.folder.createDatabase();
        p.program.create();
        form.show();
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    QWidget& window() { return skin.mainWindow(); }
    template <class W> W& widget(const Control& control) {
        auto* w = qobject_cast<W*>(skin.binder(form).objectOf(control));
        if (!w) throw std::logic_error("no widget of that class for " + control.name());
        return *w;
    }
    QLineEdit& edit(const Edit& field) { return widget<QLineEdit>(field); }
    void click(QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, w.rect().center()); }

    GuiPrograms p;
    TForm1& form = p.program.Form1;
    Skin skin{p.program};
};

TEST_F(EntryFieldsInTheWindow, TypingPassesTheKeyFilterAndARefusedKeyChangesNothing) {
    auto& entry = edit(form.Edit3);
    click(entry);
    EXPECT_EQ(entry.text(), "") << "the 0 made way on entering";
    QTest::keyClicks(&entry, "12.5");
    EXPECT_EQ(entry.text(), "12,5");
    EXPECT_EQ(form.Edit3.text(), "12,5");

    entry.setCursorPosition(1);
    QTest::keyClicks(&entry, "x.-");
    EXPECT_EQ(entry.text(), "12,5");
    EXPECT_EQ(entry.cursorPosition(), 1) << "the caret stays where it was";
    QTest::keyClicks(&entry, "7");
    EXPECT_EQ(entry.text(), "172,5");
    EXPECT_EQ(form.Edit3.text(), "172,5");
    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{});
}

TEST_F(EntryFieldsInTheWindow, EnterMovesTheFocusAndLeavingAnEmptyFieldWritesItsZeroBack) {
    auto& stop = edit(form.Edit4);
    click(stop);
    EXPECT_EQ(stop.text(), "");
    QTest::keyClick(&stop, Qt::Key_Return);
    EXPECT_TRUE(edit(form.Edit5).hasFocus());
    EXPECT_EQ(form.focused(), &form.Edit5);
    EXPECT_EQ(stop.text(), "0");
    EXPECT_EQ(stop.palette().color(QPalette::Base),
              QGuiApplication::palette().color(QPalette::Highlight));

    // On stocks Enter in the target goes back to the capital; Up goes back to the stop.
    QTest::keyClick(&edit(form.Edit5), Qt::Key_Return);
    EXPECT_TRUE(edit(form.Edit1).hasFocus());
    QTest::keyClick(&edit(form.Edit1), Qt::Key_Down);
    QTest::keyClick(&edit(form.Edit2), Qt::Key_Up);
    EXPECT_TRUE(edit(form.Edit1).hasFocus());
}

TEST_F(EntryFieldsInTheWindow, TheRiskFieldsFollowEachOtherOnScreen) {
    auto& percent = edit(form.Edit2);
    click(percent);
    QTest::keyClick(&percent, Qt::Key_Backspace);
    QTest::keyClicks(&percent, "5,5");
    EXPECT_EQ(percent.text(), "5,5");
    EXPECT_EQ(edit(form.Edit6).text(), "5500");
    EXPECT_EQ(percent.palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(EntryFieldsInTheWindow, AClickOnATabSwitchesTheModeAndCodeSwitchesRunNothing) {
    auto& tabs = widget<QTabBar>(form.TabControl1);
    EXPECT_TRUE(edit(form.Edit9).isHidden());
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    EXPECT_EQ(form.TabControl1.tabIndex(), 1);
    EXPECT_FALSE(edit(form.Edit9).isHidden());
    EXPECT_EQ(widget<QLabel>(form.Label35).text(), "Макс. кол-во контр.");
    EXPECT_EQ(widget<QLabel>(form.Label36).text(), "33");
    EXPECT_EQ(widget<QLabel>(form.Label30).text(), "пункт.");

    form.TabControl1.setTabIndex(2);
    EXPECT_EQ(tabs.currentIndex(), 2);
    EXPECT_FALSE(edit(form.Edit9).isHidden()) << "no handler ran";

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(0).center());
    EXPECT_TRUE(edit(form.Edit9).isHidden());
    EXPECT_EQ(widget<QLabel>(form.Label30).text(), " руб.");
}

} // namespace
} // namespace pelorix::testing
