#include "ui/main_window_fixture.h"

#include <filesystem>
#include <vector>

namespace pelorix::testing {
namespace {

using EntryFields = MainWindowFixture;

TEST_F(EntryFields, TheKeyFilterAcceptsDigitsOneSeparatorAndBackspaceUnderTheLengthCap) {
    struct Case {
        const char* field;
        char separator;
        const char* before; // pasted first, past the filter
        char32_t typed;
        const char* after; // equal to `before` when the key is refused
    };
    const Case cases[] = {
        {"Edit3", ',', "12", U'.', "12,"},
        {"Edit3", ',', "12", U',', "12,"},
        {"Edit3", ',', "12,5", U',', "12,5"},
        {"Edit3", ',', "12,5", U'.', "12,5"},
        {"Edit3", ',', "1.5", U'.', "1.5,"}, // under a comma locale a point is no separator
        {"Edit3", '.', "12", U',', "12."},
        {"Edit3", '.', "1.2", U',', "1.2"},
        {"Edit1", ',', "12", U'7', "127"},
        {"Edit1", ',', "12", U'\b', "1"},
        {"Edit1", ',', "12", U'a', "12"},
        {"Edit1", ',', "12", U' ', "12"},
        {"Edit1", ',', "12", U'-', "12"},
        {"Edit1", ',', "12", U'E', "12"},
        {"Edit1", ',', "12", U'\x16', "12"}, // Ctrl+V
        {"Edit1", ',', "12", U'\x01', "12"}, // Ctrl+A
        {"Edit1", ',', "123456789", U'0', "1234567890"},
        {"Edit1", ',', "1234567890", U'1', "1234567890"},
        {"Edit1", ',', "1234567890", U'\b', "1234567890"},
        {"Edit4", ',', "ЙЙЙЙЙЙЙЙЙ", U'1', "ЙЙЙЙЙЙЙЙЙ1"}, // nine characters, eighteen bytes
        {"Edit9", ',', "9999999999", U'\b', "9999999999"},
        {"Edit10", ',', "1234567890", U'5', "1234567890"},
        {"Edit11", ',', "1234567890", U'5', "1234567890"},
        {"Edit15", ',', "1,23456789", U'1', "1,23456789"},
        {"ComboBox2", ',', "1000000000", U'0', "1000000000"},
        {"ComboBox2", ',', "10000", U'x', "10000"},
        {"Edit2", ',', "1234567890", U'1', "12345678901"},
        {"Edit6", ',', "12345678901", U'\b', "1234567890"},
        {"Edit6", ',', "1,5", U'.', "1,5"},
        {"ComboBox3", ',', "EUR", U'/', "EUR/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " \"" + c.before + "\" + " + encodeUtf8(c.typed));
        start(c.separator);
        auto& field = static_cast<TextControl&>(*form().find(c.field));
        paste(field, c.before);
        program->dispatch([&] { field.typeChar(c.typed); });
        EXPECT_EQ(field.text(), c.after);
    }
}

TEST_F(EntryFields, EnteringAZeroFieldEmptiesItAndLeavingItEmptyWritesTheZeroBack) {
    auto& f = start();
    paste(f.Edit4, "0");
    focus(f.Edit4);
    EXPECT_EQ(f.Edit4.text(), "");
    EXPECT_EQ(f.Edit4.color(), Color::menuHighlight());
    focus(f.Edit5);
    EXPECT_EQ(f.Edit4.text(), "0");
    EXPECT_EQ(f.Edit4.color(), Color::menuHighlight());
    EXPECT_EQ(f.Edit5.text(), "");

    // Another text is left as it is either way.
    paste(f.Edit9, "0,0");
    focus(f.Edit9);
    focus(f.Edit1);
    EXPECT_EQ(f.Edit9.text(), "0,0");

    // The dollar rate loses its "0" on entering but gets none back on leaving.
    paste(f.Edit15, "0");
    focus(f.Edit15);
    focus(f.Edit1);
    EXPECT_EQ(f.Edit15.text(), "");
}

TEST_F(EntryFields, AClickIntoTheContractsEmptiesThemAndTheSlotFollows) {
    auto& f = start();
    paste(f.Edit11, "5");
    focus(f.Edit11);
    program->dispatch(f.Edit11.onClick);
    EXPECT_EQ(f.Edit11.text(), "");
    EXPECT_EQ(f.Memo3.text(), "");
    focus(f.Edit9);
    EXPECT_EQ(f.Edit11.text(), "0");
    EXPECT_EQ(f.Memo3.text(), "0");
}

TEST_F(EntryFields, EveryNumberSettingFollowsItsField) {
    auto& f = start();
    for (Edit* field : {&f.Edit1, &f.Edit9, &f.Edit11, &f.Edit10})
        paste(*field, "0");
    type(f.Edit1, "250000");
    type(f.Edit9, "4500");
    type(f.Edit11, "7");
    type(f.Edit10, "12,5");
    EXPECT_EQ(f.Memo1.text(), "250000");
    EXPECT_EQ(f.Memo2.text(), "4500");
    EXPECT_EQ(f.Memo3.text(), "7");
    EXPECT_EQ(f.Memo4.text(), "12,5");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(EntryFields, FocusMovesFollowEachMarketsOrder) {
    struct Case {
        int tab;
        bool rateShown;
        const char* from;
        Key key;
        const char* to;
    };
    const Case cases[] = {
        {0, false, "Edit1", Key::Enter, "Edit2"},
        {0, false, "Edit1", Key::Left, "Edit1"},
        {0, false, "Edit2", Key::Right, "Edit3"},
        {0, false, "Edit2", Key::Up, "Edit1"},
        {0, false, "Edit3", Key::Down, "Edit4"},
        {0, false, "Edit3", Key::Left, "Edit2"},
        {0, false, "Edit4", Key::Enter, "Edit5"},
        {0, false, "Edit4", Key::Up, "Edit3"},
        {0, false, "Edit5", Key::Enter, "Edit1"},
        {1, false, "Edit5", Key::Enter, "Edit11"},
        {2, false, "Edit5", Key::Down, "ComboBox3"},
        {2, true, "Edit5", Key::Enter, "Edit15"},
        {1, false, "Edit5", Key::Left, "Edit4"},
        {1, false, "Edit11", Key::Enter, "Edit9"},
        {1, false, "Edit11", Key::Up, "Edit5"},
        {1, false, "Edit9", Key::Enter, "Edit10"},
        {1, false, "Edit9", Key::Left, "Edit11"},
        {1, false, "Edit10", Key::Enter, "Edit1"},
        {1, false, "Edit10", Key::Up, "Edit9"},
        {2, true, "Edit15", Key::Enter, "ComboBox3"},
        {2, true, "Edit15", Key::Left, "Edit5"},
        {2, true, "ComboBox3", Key::Up, "Edit15"},
        {2, false, "ComboBox3", Key::Up, "Edit5"},
        {2, false, "ComboBox3", Key::Enter, "ComboBox2"},
        {2, false, "ComboBox2", Key::Enter, "Edit1"},
        {2, false, "ComboBox2", Key::Left, "ComboBox3"},
        // Other keys and fields without key handling move nothing.
        {0, false, "Edit3", Key::Insert, "Edit3"},
        {0, false, "Edit6", Key::Enter, "Edit6"},
        {0, false, "Edit3", Key::Escape, "Edit3"},
    };
    auto& f = start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " on tab " + std::to_string(c.tab) + " to " + c.to);
        f.TabControl1.setTabIndex(c.tab);
        f.Edit15.setVisible(c.rateShown);
        press(*f.find(c.from), c.key);
        ASSERT_NE(f.focused(), nullptr);
        EXPECT_EQ(f.focused()->name(), c.to);
    }
}

TEST_F(EntryFields, EnterWalksTheFuturesFieldsRunningEnterAndExitOnTheWay) {
    folder.writeBytes("type.txt", "2");
    auto& f = start();
    paste(f.Edit9, "0");
    press(f.Edit5, Key::Enter);
    EXPECT_EQ(f.focused(), &f.Edit11);
    EXPECT_EQ(f.Edit5.text(), "0") << "left empty";
    press(f.Edit11, Key::Enter);
    EXPECT_EQ(f.focused(), &f.Edit9);
    EXPECT_EQ(f.Edit9.text(), "") << "entered with a 0";
    press(f.Edit9, Key::Enter);
    press(f.Edit10, Key::Enter);
    EXPECT_EQ(f.focused(), &f.Edit1);
    EXPECT_EQ(f.Edit9.text(), "0");
}

TEST_F(EntryFields, TheRiskFieldIsRedAboveFivePercentAndMarkedWhenEmpty) {
    auto& f = start();
    for (const auto& [text, colour] :
         std::vector<std::pair<std::string, Color>>{{"5", Color::white()},
                                                    {"5,01", Color::red()},
                                                    {"0", Color::menuHighlight()},
                                                    {"", Color::menuHighlight()},
                                                    {"0,0", Color::white()},
                                                    {"1E3", Color::red()}}) {
        paste(f.Edit2, text);
        EXPECT_EQ(f.Edit2.color(), colour) << text;
    }
}

TEST_F(EntryFields, APastedTextThatIsNoNumberStopsTheHandlerAndKeepsItsColour) {
    auto& f = start();
    paste(f.Edit2, "7");
    ASSERT_EQ(f.Edit2.color(), Color::red());
    paste(f.Edit2, "abc");
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{
                                 "error: 'abc' is not a valid floating point value. [Pelorix]"});
    EXPECT_EQ(f.Edit2.text(), "abc");
    EXPECT_EQ(f.Edit2.color(), Color::red());
    EXPECT_EQ(f.Memo5.text(), "7");
}

TEST_F(EntryFields, RiskInPercentAndInMoneyFollowEachOther) {
    auto& f = start();
    type(f.Edit2, "\b2");
    EXPECT_EQ(f.Edit6.text(), "2000");
    EXPECT_EQ(f.Memo5.text(), "2");

    type(f.Edit2, "\b2,5");
    EXPECT_EQ(f.Edit2.text(), "2,5");
    EXPECT_EQ(f.Edit6.text(), "2500");
    EXPECT_EQ(f.Memo5.text(), "2,5");

    // Correcting the last digit: the separator left standing ("2,") moves the money back to
    // 2000, and its echo must not swallow the separator and turn 2,7 % into 27 %.
    type(f.Edit2, "\b7");
    EXPECT_EQ(f.Edit2.text(), "2,7");
    EXPECT_EQ(f.Edit6.text(), "2700");
    EXPECT_EQ(f.Memo5.text(), "2,7");

    // Without a capital nothing is computed and the slot keeps its last value.
    paste(f.Edit1, "0");
    type(f.Edit2, "3");
    EXPECT_EQ(f.Edit6.text(), "2700");
    EXPECT_EQ(f.Memo5.text(), "2,7");
}

TEST_F(EntryFields, LeavingTheMoneyFieldRoundsThePercentageToTwoDecimals) {
    folder.writeBytes("capital.txt", "12345");
    auto& f = start();
    type(f.Edit6, "\b\b\b\b\b\b300");
    EXPECT_EQ(f.Edit6.text(), "300")
        << "the percentage's echo (2,99999999999999) is not written back";
    EXPECT_EQ(f.Edit2.text(), "2,43013365735115");
    EXPECT_EQ(f.Edit2.color(), Color::white());
    focus(f.Edit1);
    EXPECT_EQ(f.Edit2.text(), "2,43");
    EXPECT_EQ(f.Edit6.text(), "299,9835");
    EXPECT_EQ(f.Memo5.text(), "2,43");
}

TEST_F(EntryFields, LeavingAnEmptyMoneyFieldWritesZeroAndCopiesThePercentage) {
    auto& f = start();
    paste(f.Edit6, "");
    focus(f.Edit6);
    focus(f.Edit1);
    EXPECT_EQ(f.Edit6.text(), "0");
    EXPECT_EQ(f.Edit2.text(), "2");
    EXPECT_EQ(f.Memo5.text(), "2");
}

TEST_F(EntryFields, TheMaximumContractsRoundToTheEvenNeighbourAndKeepTheirLastNumber) {
    auto& f = start();
    struct Case {
        const char* capital;
        const char* margin;
        const char* maximum;
    };
    for (const Case& c :
         {Case{"100000", "40000", "2"}, Case{"350000", "100000", "4"}, Case{"100000", "3000", "33"},
          Case{"100000", "0", "33"}, Case{"0", "5000", "33"}}) {
        paste(f.Edit1, c.capital);
        paste(f.Edit9, c.margin);
        EXPECT_EQ(f.Label36.text(), c.maximum) << c.capital << " / " << c.margin;
    }
    paste(f.Edit1, "100000");
    paste(f.Edit9, "0,0");
    EXPECT_EQ(dialogs.boxes,
              std::vector<std::string>{"error: Floating point division by zero. [Pelorix]"});
    EXPECT_EQ(f.Memo2.text(), "5000") << "the handler stopped before the slot";
}

TEST_F(EntryFields, ACapitalChangeMarksEveryTicketField) {
    auto& f = start();
    paste(f.Edit4, "95");
    f.Edit4.setColor(Color::red()); // whatever it showed before
    paste(f.Edit1, "5");
    EXPECT_EQ(f.Edit4.color(), Color::white());
    EXPECT_EQ(f.Edit3.color(), Color::menuHighlight());
    EXPECT_EQ(f.Edit10.color(), Color::white());
    paste(f.Edit1, "");
    EXPECT_EQ(f.Edit1.color(), Color::menuHighlight());
}

TEST_F(EntryFields, ThePositionTypeShowsItsPictureAndAMissingOneKeepsTheLast) {
    auto& f = start();
    EXPECT_EQ(f.Image1.picture(), folder.file("StockIndexUp.png").string());
    paste(f.ComboBox1, "Шорт");
    EXPECT_EQ(f.Image1.picture(), folder.file("StockIndexDown.png").string());
    paste(f.ComboBox1, "шорт");
    EXPECT_EQ(f.Image1.picture(), folder.file("StockIndexUp.png").string());

    std::filesystem::remove(folder.file("StockIndexDown.png"));
    paste(f.ComboBox1, "Шорт");
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{"error: Cannot open file \"" +
                                                      folder.file("StockIndexDown.png").string() +
                                                      "\". No such file or directory. [Pelorix]"});
    EXPECT_EQ(f.Image1.picture(), folder.file("StockIndexUp.png").string());
}

} // namespace
} // namespace pelorix::testing
