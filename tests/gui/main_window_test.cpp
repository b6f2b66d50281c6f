#include "app/skin.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

// The real main window, bound to its model, not shown.
class MainWindowTest : public ::testing::Test {
protected:
    GuiPrograms p;
    TForm1& form = p.program.Form1;
    Skin skin{p.program};

    template <class W> W& widget(const Control& control) {
        auto* w = qobject_cast<W*>(skin.binder(form).objectOf(control));
        if (!w) throw std::logic_error("no widget of that class for " + control.name());
        return *w;
    }
};

TEST_F(MainWindowTest, TypingIntoTheCapitalReachesTheModel) {
    auto& capital = widget<QLineEdit>(form.Edit1);
    form.Edit1.setText("");
    ASSERT_EQ(capital.text(), "");
    int changes = 0;
    form.Edit1.onChange = [&] { ++changes; };

    QTest::keyClicks(&capital, "250000");

    EXPECT_EQ(form.Edit1.text(), "250000");
    EXPECT_EQ(changes, 6); // one change per typed character, as the model sees each edit
    QTest::keyClick(&capital, Qt::Key_Backspace);
    EXPECT_EQ(form.Edit1.text(), "25000");
    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{});
}

TEST_F(MainWindowTest, ModelChangesReachTheWidgets) {
    auto& capital = widget<QLineEdit>(form.Edit1);
    form.Edit1.setText("777");
    EXPECT_EQ(capital.text(), "777");

    form.Edit1.setColor(Color::red());
    EXPECT_EQ(capital.palette().color(QPalette::Base), QColor(255, 0, 0));
    form.Edit1.setColor(Color::menuHighlight());
    EXPECT_EQ(capital.palette().color(QPalette::Base),
              QGuiApplication::palette().color(QPalette::Highlight));
    form.Edit1.setColor(Color::white());
    EXPECT_EQ(capital.palette().color(QPalette::Base), QColor(255, 255, 255));

    form.Label16.setVisible(false);
    EXPECT_TRUE(widget<QLabel>(form.Label16).isHidden());
    form.Label16.setVisible(true);
    EXPECT_FALSE(widget<QLabel>(form.Label16).isHidden());
    form.Edit12.setEnabled(true);
    EXPECT_TRUE(widget<QLineEdit>(form.Edit12).isEnabled());

    form.Label10.setFontColor(Color::fromRgb(199, 19, 74));
    EXPECT_EQ(widget<QLabel>(form.Label10).palette().color(QPalette::WindowText),
              QColor(199, 19, 74));

    // Several lines joined by carriage returns show as lines.
    form.Label17.setText("СДЕЛКА НЕ ИМЕЕТ СМЫСЛА!\rПотенциальный риск  больше чем доходность!");
    EXPECT_EQ(widget<QLabel>(form.Label17).text(),
              "СДЕЛКА НЕ ИМЕЕТ СМЫСЛА!\nПотенциальный риск  больше чем доходность!");
}

TEST_F(MainWindowTest, ComboBoxesAndTabsFollowTheModelWithoutRunningHandlers) {
    auto& instrument = widget<QComboBox>(form.ComboBox3);
    form.ComboBox3.addItem("EUR/USD");
    form.ComboBox3.addItem("EUR/GBP");
    EXPECT_EQ(instrument.count(), 2);
    EXPECT_EQ(instrument.currentText(), "EUR/USD");

    // A choice from the list is the user's: it writes the model's text.
    instrument.setCurrentIndex(1);
    emit instrument.activated(1);
    EXPECT_EQ(form.ComboBox3.text(), "EUR/GBP");

    int tabChanges = 0;
    form.TabControl1.onChange = [&] { ++tabChanges; };
    auto& tabs = widget<QTabBar>(form.TabControl1);
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.tabText(2), "Forex");
    form.TabControl1.setTabIndex(2);
    EXPECT_EQ(tabs.currentIndex(), 2);
    EXPECT_EQ(tabChanges, 0);
    // The user's choice runs the handler once.
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    EXPECT_EQ(form.TabControl1.tabIndex(), 1);
    EXPECT_EQ(tabChanges, 1);
}

// The key filter decides what reaches the field: refused characters never show, replaced ones
// show as replaced, and keys that type nothing bypass it.
TEST_F(MainWindowTest, TheKeyFilterRefusesAndReplacesInTheWidget) {
    auto& entry = widget<QLineEdit>(form.Edit3);
    std::u32string seen;
    form.Edit3.onKeyPress = [&](char32_t& ch) {
        seen.push_back(ch);
        if (ch == U'.') ch = U',';
        if (ch == kBackspace) return form.Edit3.text().size() < 3;
        return (ch >= U'0' && ch <= U'9') || ch == U',';
    };
    form.Edit3.setText("");

    QTest::keyClicks(&entry, "1x2.5");
    EXPECT_EQ(entry.text(), "12,5");
    EXPECT_EQ(form.Edit3.text(), "12,5");
    EXPECT_EQ(seen, U"1x2.5");

    // Backspace is character 8 and goes through the filter: here refused at three characters.
    QTest::keyClick(&entry, Qt::Key_Backspace);
    EXPECT_EQ(entry.text(), "12,5");
    EXPECT_EQ(seen.back(), kBackspace);

    // Delete and the arrows type nothing, so the filter never sees them.
    const auto before = seen.size();
    QTest::keyClick(&entry, Qt::Key_Home);
    QTest::keyClick(&entry, Qt::Key_Delete);
    EXPECT_EQ(entry.text(), "2,5");
    EXPECT_EQ(form.Edit3.text(), "2,5");
    EXPECT_EQ(seen.size(), before);

    // The shortcuts for paste and select-all type control characters, refused here.
    QTest::keyClick(&entry, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(seen.back(), char32_t{1});
    EXPECT_EQ(entry.selectedText(), "");

    // Text an input method commits passes the same filter.
    entry.end(false);
    QInputMethodEvent composed;
    composed.setCommitString("9.x");
    QApplication::sendEvent(&entry, &composed);
    EXPECT_EQ(entry.text(), "2,59,");
    EXPECT_EQ(form.Edit3.text(), "2,59,");
}

TEST_F(MainWindowTest, TheMenuBarHoldsTheMenuAndItsItemsRunTheirHandlers) {
    auto& window = static_cast<QMainWindow&>(skin.mainWindow());
    const auto bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "Справка");
    EXPECT_EQ(bar[1]->text(), "Настройка");
    EXPECT_EQ(bar[2]->text(), "О программе");
    EXPECT_EQ(bar[2]->menu(), nullptr);
    EXPECT_EQ(bar[1]->menu()->actions().size(), 3);

    bar[2]->trigger();
    EXPECT_TRUE(p.program.Form2.visible());
    EXPECT_TRUE(skin.window(p.program.Form2).isVisible());
    EXPECT_EQ(skin.window(p.program.Form2).windowTitle(), "О программе \"Pelorix\"");
}

} // namespace
} // namespace pelorix::testing
