#include "app/skin.h"
#include "gui_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

// The real main window over a program folder with settings and a database, as a user sees it:
// he types a ticket, presses the button and reads the figures off the widgets.
class CalculationInTheWindow : public ::testing::Test {
protected:
    CalculationInTheWindow() {
        for (const auto& [file, text] :
             std::vector<std::pair<const char*, const char*>>{{"capital.txt", "100000"},
                                                              {"risk.txt", "2"},
                                                              {"go.txt", "0"},
                                                              {"kolvo.txt", "0"},
                                                              {"coefficient.txt", "1"},
                                                              {"type.txt", "1"},
                                                              {"currency.txt", "\xF0\xF3\xE1."}})
            p.folder.writeBytes(file, text);
        p.folder.createDatabase(); // its commission row is all zeros
        p.program.create();
        skin.mainWindow().show();
    }

    template <class W> W& widget(const Control& control) {
        auto* w = qobject_cast<W*>(skin.binder(form).objectOf(control));
        if (!w) throw std::logic_error("no widget of that class for " + control.name());
        return *w;
    }

    void type(Edit& field, const char* text) {
        field.setText("");
        QTest::keyClicks(&widget<QLineEdit>(field), QString::fromUtf8(text));
    }

    QString shown(const Control& control) {
        if (auto* edit = qobject_cast<QLineEdit*>(skin.binder(form).objectOf(control)))
            return edit->text();
        return widget<QLabel>(control).text();
    }

    GuiPrograms p;
    TForm1& form = p.program.Form1;
    Skin skin{p.program};
};

TEST_F(CalculationInTheWindow, AStockTicketShowsItsFiguresAndTheShareCount) {
    type(form.Edit3, "100");
    type(form.Edit4, "95");
    type(form.Edit5, "115");
    QTest::mouseClick(&widget<QPushButton>(form.Button1), Qt::LeftButton);

    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{});
    EXPECT_EQ(shown(form.Edit7), "5");
    EXPECT_EQ(shown(form.Edit8), "15");
    EXPECT_EQ(shown(form.Edit12), "5000 руб.");
    EXPECT_EQ(shown(form.Edit13), "15000 руб.");
    EXPECT_EQ(shown(form.Label20), "40000 руб. или 40 % от капитала.");
    EXPECT_EQ(shown(form.Label23), "2%");
    EXPECT_EQ(shown(form.Label24), "6%");
    EXPECT_EQ(shown(form.Label39), "2000 руб.");
    EXPECT_EQ(shown(form.Label40), "6000 руб.");
    EXPECT_EQ(shown(form.Label42), "или 400 акций по цене: 100 руб.");
    EXPECT_FALSE(widget<QLabel>(form.Label42).isHidden()) << "the share count appears";

    // The long comment wraps inside its group instead of running out of the window.
    auto& comment = widget<QLabel>(form.Label17);
    EXPECT_EQ(comment.text(),
              " Риск по позиции больше ожидаемого уровня - всем капиталом входить нельзя!");
    EXPECT_TRUE(comment.wordWrap());
    auto& group = widget<QGroupBox>(form.GroupBox4);
    EXPECT_TRUE(group.rect().contains(QRect(comment.mapTo(&group, QPoint(0, 0)), comment.size())));
    EXPECT_GT(comment.heightForWidth(comment.width()), comment.fontMetrics().height())
        << "the comment takes more than one line";
}

TEST_F(CalculationInTheWindow, AFuturesTicketShowsTheOptimalContracts) {
    auto& tabs = widget<QTabBar>(form.TabControl1);
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    ASSERT_EQ(form.TabControl1.tabIndex(), 1);
    type(form.Edit3, "1500");
    type(form.Edit4, "1490");
    type(form.Edit5, "1530");
    type(form.Edit9, "5000");
    type(form.Edit11, "3");
    type(form.Edit10, "10");
    QTest::mouseClick(&widget<QPushButton>(form.Button1), Qt::LeftButton);

    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{});
    EXPECT_EQ(shown(form.Edit7), "0,3");
    EXPECT_EQ(shown(form.Edit8), "0,9");
    EXPECT_EQ(shown(form.Edit12), "300 руб.");
    EXPECT_EQ(shown(form.Edit13), "900 руб.");
    EXPECT_EQ(shown(form.Label20), "100000 руб. или 20 контр.");
    EXPECT_EQ(shown(form.Label23), "2%");
    EXPECT_EQ(shown(form.Label24), "6%");
    EXPECT_EQ(shown(form.Label39), "2000 руб.");
    EXPECT_EQ(shown(form.Label40), "6000 руб.");

    // Thirty contracts need more margin than the capital: the box, then the count that fits.
    type(form.Edit11, "30");
    QTest::mouseClick(&widget<QPushButton>(form.Button1), Qt::LeftButton);
    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{"info: Внимание! Превышен лимит по ГО!"});
    EXPECT_EQ(shown(form.Edit11), "20");
}

TEST_F(CalculationInTheWindow, AForexTicketChosenFromTheListsShowsTheOptimalLot) {
    auto& tabs = widget<QTabBar>(form.TabControl1);
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(2).center());
    ASSERT_EQ(form.TabControl1.tabIndex(), 2);
    type(form.Edit1, "100000");
    type(form.Edit3, "0,8");
    type(form.Edit4, "0,79");
    type(form.Edit5, "0,82");
    // The window's activation filled the instrument list from the reference table.
    const TableHandle& instruments = p.program.Form3.ADOTable1;
    ASSERT_EQ(widget<QComboBox>(form.ComboBox3).count(), instruments.rowCount());
    const auto choose = [](QComboBox& box, const char* item) {
        const int index = box.findText(QString::fromUtf8(item));
        ASSERT_GE(index, 0) << item;
        box.setCurrentIndex(index);
        emit box.activated(index);
    };
    choose(widget<QComboBox>(form.ComboBox3), "EUR/GBP");
    choose(widget<QComboBox>(form.ComboBox2), "100000");

    // A cross pair asks for the dollar rate of its first currency before it has a point value.
    EXPECT_FALSE(widget<QLineEdit>(form.Edit15).isHidden());
    EXPECT_EQ(shown(form.Label27), "Курс EUR/USD: ");
    EXPECT_EQ(shown(form.Edit14), "");
    type(form.Edit15, "1,3");
    EXPECT_EQ(shown(form.Edit14), "16,25");
    QTest::mouseClick(&widget<QPushButton>(form.Button1), Qt::LeftButton);

    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{});
    EXPECT_EQ(shown(form.Edit7), "1,67");
    EXPECT_EQ(shown(form.Edit8), "3,2");
    EXPECT_EQ(shown(form.Edit12), "1670 usd");
    EXPECT_EQ(shown(form.Edit13), "3200 usd");
    EXPECT_EQ(shown(form.Label20), "Оптимальный лот: 119000");
    EXPECT_EQ(shown(form.Label42), "Без округления : 119760,48 USD");
    EXPECT_FALSE(widget<QLabel>(form.Label42).isHidden());
    EXPECT_EQ(shown(form.Label23), "1,99 %");
    EXPECT_EQ(shown(form.Label24), "3,81 %");
    EXPECT_EQ(shown(form.Label39), "1991,02 usd");
    EXPECT_EQ(shown(form.Label40), "3808,06 usd");
    // The calculation left the shared row on the chosen instrument: the editor shows it.
    EXPECT_EQ(instruments.fieldText("currency"), "EUR/GBP");
}

} // namespace
} // namespace pelorix::testing
