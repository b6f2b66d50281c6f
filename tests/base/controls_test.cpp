#include "base/controls.h"
#include "base/form.h"
#include "support/recording_dialogs.h"

#include <gtest/gtest.h>

namespace pelorix {
namespace {

TEST(TextControl, WritingADifferentTextRunsTheChangeHandlerOnceAndTheSameTextNothing) {
    Edit edit(nullptr, "Edit1", "0");
    std::vector<std::string> seen;
    edit.onChange = [&] { seen.push_back(edit.text()); };
    edit.setText("0");
    edit.setText("12");
    edit.setText("12");
    edit.setText("");
    EXPECT_EQ(seen, (std::vector<std::string>{"12", ""}));
}

TEST(TextControl, ChangeHandlersThatWriteEachOtherStopWhenTheTextsSettle) {
    // Two fields that follow each other (risk in percent and in money) end their mutual updates
    // because writing an equal text is no change.
    Edit percent(nullptr, "Edit2"), money(nullptr, "Edit6");
    int runs = 0;
    percent.onChange = [&] { ++runs, money.setText(percent.text() + "0"); };
    money.onChange = [&] {
        ++runs, percent.setText(money.text().substr(0, money.text().size() - 1));
    };
    percent.setText("2");
    EXPECT_EQ(money.text(), "20");
    EXPECT_EQ(runs, 2);
}

TEST(TextControl, TypingGoesThroughTheKeyFilterWhichMayReplaceOrRefuse) {
    Edit edit(nullptr, "Edit3", "1");
    edit.onKeyPress = [](char32_t& ch) {
        if (ch == U'.') ch = U',';
        return ch != U'x';
    };
    for (char32_t ch : std::u32string(U"2.x5"))
        edit.typeChar(ch);
    EXPECT_EQ(edit.text(), "12,5");
    edit.typeChar(kBackspace);
    EXPECT_EQ(edit.text(), "12,");
    Edit cyrillic(nullptr, "Edit4", "руб");
    cyrillic.typeChar(kBackspace);
    EXPECT_EQ(cyrillic.text(), "ру") << "backspace removes a character, not a byte";
}

TEST(TabControl, OnlyTheUsersChoiceRunsTheChangeHandler) {
    TabControl tabs(nullptr, "TabControl1", {"Акции", "Фьючерсы", "Forex"});
    int runs = 0;
    tabs.onChange = [&] { ++runs; };
    tabs.setTabIndex(2);
    EXPECT_EQ(runs, 0);
    tabs.chooseTab(1);
    EXPECT_EQ(tabs.tabIndex(), 1);
    EXPECT_EQ(runs, 1);
}

TEST(Color, NamesTheRolesAndSpellsExplicitColoursAsHex) {
    EXPECT_EQ(Color::white().name(), "white");
    EXPECT_EQ(Color::red().name(), "red");
    EXPECT_EQ(Color::menuHighlight().name(), "menuhighlight");
    EXPECT_EQ(Color::fromRgb(199, 19, 74).name(), "#C7134A");
}

class TwoFields : public Form {
public:
    explicit TwoFields(const Environment& env) : Form(env, "F", "F", 10, 10) {}
    Edit a{this, "a"}, b{this, "b"};
};

TEST(Form, AFocusMoveRunsExitOfTheOldControlThenEnterOfTheNew) {
    testing::RecordingDialogs dialogs;
    testing::RecordingShell shell;
    const Environment env{dialogs, shell, "/tmp", ',', "Pelorix"};
    TwoFields form(env);
    std::vector<std::string> events;
    form.a.onEnter = [&] { events.push_back("enter a"); };
    form.a.onExit = [&] { events.push_back("exit a"); };
    form.b.onEnter = [&] { events.push_back("enter b"); };
    form.setFocus(form.a);
    form.setFocus(form.a);
    form.setFocus(form.b);
    EXPECT_EQ(events, (std::vector<std::string>{"enter a", "exit a", "enter b"}));
    EXPECT_EQ(form.controls(), (std::vector<Control*>{&form.a, &form.b}))
        << "the members join their window in the order they are declared";
    EXPECT_EQ(form.find("b"), &form.b);
    EXPECT_EQ(form.find("c"), nullptr);
}

} // namespace
} // namespace pelorix
