#include "ui/main_window_fixture.h"

#include "settings/reference_database.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace pelorix::testing {
namespace {

using MarketModes = MainWindowFixture;

// The controls a mode shows or hides, in this order, as S (shown) or H (hidden); ? is not
// looked at (the Forex quote lookup decides it).
const char* const kModeControls[] = {"ComboBox3", "ComboBox2", "Label37", "Label38", "Label11",
                                     "Edit9",     "Label27",   "Edit11",  "Edit15",  "Label25",
                                     "Edit10",    "Edit14",    "Label35", "Label36", "Label41"};
// The captions and units a mode writes, in this order.
const char* const kModeTexts[] = {"Label16", "Label19", "Label30", "Label25",
                                  "Label27", "Label35", "Label36", "Label41"};

std::string visibility(const TForm1& f, const std::string& expected) {
    std::string seen;
    for (std::size_t i = 0; i < std::size(kModeControls); ++i)
        seen += expected[i] == '?' ? '?' : (f.find(kModeControls[i])->visible() ? 'S' : 'H');
    return seen;
}

std::vector<std::string> texts(const TForm1& f, const std::vector<std::string>& expected) {
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < std::size(kModeTexts); ++i)
        seen.push_back(expected[i] == "?"
                           ? "?"
                           : static_cast<const TextControl*>(f.find(kModeTexts[i]))->text());
    return seen;
}

TEST_F(MarketModes, EachModeShowsItsControlsAndCaptionsAfterStartUpAndAfterASwitch) {
    struct Case {
        const char* title;
        const char* typeFile;
        std::vector<int> tabsChosen;
        std::string shown;
        std::vector<std::string> captions;
    };
    const std::string rub = " руб.";
    const Case cases[] = {
        {"start on stocks",
         "1",
         {},
         "HHHHHHHHHHHHHHH",
         {rub, rub, rub, "Руб/Пункт", "Кол-во контрактов", "Макс. кол-во контр:", "", "10000000"}},
        {"start on futures",
         "2",
         {},
         "HHHHSSSSHSSHSSH",
         {rub, rub, "пункт.", " руб./пункт", "Кол-во контрактов", "Макс. кол-во контр:", "33",
          "10000000"}},
        {"start on Forex",
         "3",
         {},
         "SSSSHHHHHSHSSSS",
         {"usd", "usd", "пункт.", " usd/пункт", "Кол-во контрактов", "Макс. лот", "", "10000000"}},
        {"any other code starts on stocks",
         "0",
         {},
         "HHHHHHHHHHHHHHH",
         {rub, rub, rub, "Руб/Пункт", "Кол-во контрактов", "Макс. кол-во контр:", "", "10000000"}},
        {"futures to stocks",
         "2",
         {0},
         "HHHHHHHHHHHHHHH",
         {rub, rub, rub, " руб./пункт", "Кол-во контрактов", "Макс. кол-во контр:", "", ""}},
        {"Forex to stocks leaves the maximum lot's place visible",
         "3",
         {0},
         "HHHHHHHHHHHHHHS",
         {rub, rub, rub, " usd/пункт", "Кол-во контрактов", "Макс. лот", "", ""}},
        {"stocks to futures",
         "1",
         {1},
         "HHHHSSSSHSSHSSH",
         {rub, rub, "пункт.", " руб./пункт", "Кол-во контрактов", "Макс. кол-во контр.", "33",
          "10000000"}},
        {"futures to stocks and back",
         "2",
         {0, 1},
         "HHHHSSSSHSSHSSH",
         {rub, rub, "пункт.", " руб./пункт", "Кол-во контрактов", "Макс. кол-во контр.", "33", ""}},
        {"stocks to Forex: the lookup of a direct pair hides the rate's caption",
         "1",
         {2},
         "SSSSHHHHHSHSSHS",
         {"usd", "usd", "пункт.", " usd/пункт", "Кол-во контрактов", "Макс. лот", "", "10000000"}},
        {"Forex to futures",
         "3",
         {1},
         "HHHHSSSSHSSHSSH",
         {rub, rub, "пункт.", " руб./пункт", "Кол-во контрактов", "Макс. кол-во контр.", "33",
          "10000000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        folder.writeBytes("type.txt", c.typeFile);
        auto& f = start();
        for (int tab : c.tabsChosen)
            chooseTab(tab);
        EXPECT_EQ(visibility(f, c.shown), c.shown);
        EXPECT_EQ(texts(f, c.captions), c.captions);
        EXPECT_EQ(dialogs.boxes, std::vector<std::string>{});
    }
}

TEST_F(MarketModes, ASwitchToForexAsksForTheRateOfACrossPairAndGoesOnPastAnUnknownName) {
    auto& f = start();
    paste(f.ComboBox3, "EUR/GBP");
    dialogs.boxes.clear();
    chooseTab(2);
    EXPECT_TRUE(f.Edit15.visible());
    EXPECT_TRUE(f.Label27.visible());
    EXPECT_EQ(f.Label27.text(), "Курс EUR/USD: ");
    EXPECT_EQ(f.Edit14.text(), "") << "the switch computes no point value";

    chooseTab(0);
    paste(f.ComboBox3, "XXX/YYY");
    dialogs.boxes.clear();
    chooseTab(2);
    EXPECT_EQ(dialogs.boxes,
              std::vector<std::string>{
                  "plain: Либо запись не найдена, либо не выбран вид валютной пары!"});
    EXPECT_EQ(f.Label16.text(), "usd") << "the switch went on";
}

TEST_F(MarketModes, ASwitchEmptiesTheResultsAndForexKeepsTheComment) {
    const char* const results[] = {"Edit7",   "Edit8",   "Edit12",  "Edit13", "Label20",
                                   "Label23", "Label24", "Label39", "Label40"};
    auto& f = start();
    const auto fillResults = [&] {
        for (const char* name : results)
            static_cast<TextControl*>(f.find(name))->setText("9");
        f.Label17.setText("comment");
        f.Label42.setText("lots");
    };
    for (int tab : {2, 0, 1}) {
        fillResults();
        chooseTab(tab);
        for (const char* name : results)
            EXPECT_EQ(static_cast<TextControl*>(f.find(name))->text(), "") << name << " on " << tab;
        const bool forex = tab == 2;
        EXPECT_EQ(f.Label17.text(), forex ? "comment" : "") << tab;
        EXPECT_EQ(f.Label42.text(), forex ? "lots" : "") << tab;
    }
}

TEST_F(MarketModes, TheMaximumLotIsAThousandthOfTheCapitalsWholeTensUpToTenMillion) {
    struct Case {
        const char* capital;
        const char* maximum;
    };
    for (const Case& c :
         {Case{"12345", "1234000"}, Case{"99999", "9999000"}, Case{"100000", "10000000"},
          Case{"150000000", "10000000"}, Case{"-55", "-5000"}, Case{"9", "0"}}) {
        folder.writeBytes("capital.txt", c.capital);
        auto& f = start();
        chooseTab(2);
        EXPECT_EQ(f.Label41.text(), c.maximum) << c.capital;
        folder.writeBytes("type.txt", "3");
        EXPECT_EQ(start().Label41.text(), c.maximum) << "start on Forex with " << c.capital;
        folder.writeBytes("type.txt", "1");
    }
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{});
}

TEST_F(MarketModes, ACapitalThatIsNoWholeNumberStopsTheSwitchToForexAtTheMaximumLot) {
    for (const std::string capital : {"12,5", "", "3000000000"}) {
        dialogs.boxes.clear();
        auto& f = start();
        f.Label41.setText("old");
        f.Edit7.setText("9");
        paste(f.Edit1, capital);
        chooseTab(2);
        EXPECT_EQ(dialogs.boxes, std::vector<std::string>{"error: ''" + capital +
                                                          "'' is not a valid integer value. "
                                                          "[Pelorix]"});
        EXPECT_EQ(f.Label41.text(), "old");
        EXPECT_TRUE(f.ComboBox3.visible()) << "laid out before the maximum";
        EXPECT_EQ(f.Label16.text(), " руб.") << "the units come after it";
        EXPECT_EQ(f.Edit7.text(), "9");
    }
}

TEST_F(MarketModes, AStartOnForexWithAFractionalCapitalSkipsTheRestOfTheSetUp) {
    folder.writeBytes("type.txt", "3");
    folder.writeBytes("capital.txt", "1000,5");
    auto& f = start();
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{
                                 "error: ''1000,5'' is not a valid integer value. [Pelorix]"});
    EXPECT_TRUE(f.Label41.visible());
    EXPECT_FALSE(f.Label36.visible()) << "shown after the maximum lot";
    EXPECT_EQ(f.Label16.text(), " руб.");
    EXPECT_EQ(f.Label36.text(), "0") << "as the change handling left it (1000,5 / 3000)";
}

TEST_F(MarketModes, SwitchingToFuturesComputesTheMaximumContractsAndMarksEveryField) {
    auto& f = start();
    paste(f.Edit2, "10");
    ASSERT_EQ(f.Edit2.color(), Color::red());
    paste(f.Edit4, "95");
    f.Edit4.setColor(Color::menuHighlight());
    chooseTab(1);
    EXPECT_EQ(f.Label36.text(), "33");
    EXPECT_EQ(f.Edit2.color(), Color::white()) << "no red warning here";
    EXPECT_EQ(f.Edit4.color(), Color::white());
    EXPECT_EQ(f.Edit3.color(), Color::menuHighlight());

    chooseTab(0);
    paste(f.Edit9, "0");
    chooseTab(1);
    EXPECT_EQ(f.Label36.text(), "") << "no margin, no maximum";

    // A margin that is no number stops the switch before the fields are marked.
    chooseTab(0);
    paste(f.Edit9, "x");
    dialogs.boxes.clear();
    f.Edit1.setColor(Color::red());
    chooseTab(1);
    EXPECT_EQ(dialogs.boxes, std::vector<std::string>{
                                 "error: 'x' is not a valid floating point value. [Pelorix]"});
    EXPECT_EQ(f.Edit1.color(), Color::red());
}

TEST_F(MarketModes, TheInstrumentListHoldsEachNameOnceHoweverOftenItIsFilled) {
    auto& f = start();
    const auto names = f.ComboBox3.items();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), program->Form3.ADOTable1.cellText(0, "currency"));
    paste(f.ComboBox3, "GBP/USD");
    chooseTab(2);
    chooseTab(0);
    chooseTab(2);
    program->activate(f);
    EXPECT_EQ(f.ComboBox3.items(), names);
    EXPECT_EQ(f.ComboBox3.text(), "GBP/USD");
    EXPECT_EQ(names.size(), static_cast<std::size_t>(program->Form3.ADOTable1.rowCount()));

    // A name added in the reference shows up at the next fill, once.
    auto& table = program->Form3.ADOTable1;
    table.insert();
    table.setFieldText("currency", "XAU/USD");
    program->activate(f);
    ASSERT_EQ(f.ComboBox3.items().size(), names.size() + 1);
    EXPECT_EQ(std::count(f.ComboBox3.items().begin(), f.ComboBox3.items().end(), "XAU/USD"), 1);
    EXPECT_EQ(folder.query("SELECT count(*) FROM \"" + std::string(kInstrumentTable) +
                           "\" WHERE currency = 'XAU/USD'"),
              "1")
        << "walking the table saved the pending row";
}

TEST_F(MarketModes, WithoutTheInstrumentTableActivationAndTheForexTabReportIt) {
    std::filesystem::remove(folder.file("currency.mdb"));
    auto& f = start();
    dialogs.boxes.clear();
    program->activate(f);
    chooseTab(2);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0], dialogs.boxes[1]);
    EXPECT_EQ(dialogs.boxes[0],
              "error: ADOTable1: Cannot perform this operation on a closed dataset. [Pelorix]");
    EXPECT_EQ(f.Label16.text(), " руб.") << "the quote lookup, the switch's first step, stops it";
}

} // namespace
} // namespace pelorix::testing
