#include "app/skin.h"
#include "gui_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

// The real windows over a started program folder: each secondary window is opened from the
// menu and takes one edit of the user's.
class SecondaryWindows : public ::testing::Test {
protected:
    SecondaryWindows() {
        p.folder.writeBytes("capital.txt", "100000");
        for (const char* file : {"risk.txt", "go.txt", "kolvo.txt", "coefficient.txt"})
            p.folder.writeBytes(file, "1");
        p.folder.writeBytes("type.txt", "1");
        p.folder.writeBytes("currency.txt", "USD");
        p.folder.createDatabase();
        p.program.create();
        p.dialogs.boxes.clear();
    }

    QWidget& open(MenuItem& item, Form& form) {
        auto* action = qobject_cast<QAction*>(skin.binder(p.program.Form1).objectOf(item));
        if (!action) throw std::logic_error("no action for " + item.name());
        action->trigger();
        QWidget& window = skin.window(form);
        EXPECT_TRUE(window.isVisible()) << form.name();
        return window;
    }
    template <class W> W& widget(const Form& form, const Control& control) {
        auto* w = qobject_cast<W*>(skin.binder(form).objectOf(control));
        if (!w) throw std::logic_error("no widget of that class for " + control.name());
        return *w;
    }

    GuiPrograms p;
    Skin skin{p.program};
};

TEST_F(SecondaryWindows, GeneralSettingsSaveTheTypedCommission) {
    auto& f = p.program.Form4;
    QWidget& window = open(p.program.Form1.Forex1, f);
    for (Edit* field : {&f.DBEdit1, &f.DBEdit2, &f.DBEdit3, &f.DBEdit4}) {
        auto& edit = widget<QLineEdit>(f, *field);
        edit.selectAll();
        QTest::keyClicks(&edit, "0.5x");
    }
    EXPECT_EQ(f.DBEdit1.text(), "0,5");
    widget<QAbstractButton>(f, f.Button1).click();
    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(p.folder.query("SELECT combrspot, comstockfut FROM commis"), "0.5|0.5");
}

TEST_F(SecondaryWindows, TheReferenceEditorTakesAStepAndChoosesTheTypeFromItsList) {
    auto& f = p.program.Form3;
    open(p.program.Form1.Forex2, f);
    auto& step = widget<QLineEdit>(f, f.DBEdit1);
    step.clear();
    QTest::keyClicks(&step, "0.001");
    EXPECT_EQ(f.DBEdit1.text(), "0,001");
    auto& type = widget<QComboBox>(f, f.DBComboBox1);
    const QString before = type.currentText();
    QTest::keyClicks(type.lineEdit(), "abc");
    EXPECT_EQ(type.currentText(), before) << "the type is not typed";
    type.setCurrentIndex(1);
    emit type.activated(1);
    EXPECT_EQ(f.DBComboBox1.text(), "обратная");
}

TEST_F(SecondaryWindows, TheCurrencyListInsertsARow) {
    auto& f = p.program.Form5;
    open(p.program.Form1.N4, f);
    auto& grid = widget<QTableView>(f, f.DBGrid1);
    const int rows = grid.model()->rowCount();
    QTest::keyClick(&grid, Qt::Key_Insert);
    EXPECT_EQ(grid.model()->rowCount(), rows + 1);
    EXPECT_EQ(f.ADOTable1.state(), TableHandle::State::Inserting);
}

TEST_F(SecondaryWindows, TheAboutWindowClosesWithItsButtonAndOpensAgain) {
    auto& f = p.program.Form2;
    QWidget& window = open(p.program.Form1.N2, f);
    widget<QAbstractButton>(f, f.Button1).click();
    EXPECT_FALSE(window.isVisible());
    open(p.program.Form1.N2, f);
}

} // namespace
} // namespace pelorix::testing
