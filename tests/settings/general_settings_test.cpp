#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace pelorix {
namespace {

using testing::Boxes;

// The general settings window of a started program; the user has opened it and typed the four
// commission rates.
class GeneralSettings : public testing::ProgramTest {
protected:
    GeneralSettings() {
        start();
        program->Form4.show();
        for (Edit* field : commissions())
            field->setText("0,5");
    }

    std::vector<Edit*> commissions() const {
        auto& f = program->Form4;
        return {&f.DBEdit1, &f.DBEdit2, &f.DBEdit3, &f.DBEdit4};
    }
    void choose(RadioButton& option) {
        option.setChecked(true);
        ASSERT_TRUE(user(option.onClick));
    }
    bool save() {
        return user([this] { program->Form4.Button1Click(); });
    }
    std::string storedRates() const {
        return folder.query("SELECT combrspot, combrfut, comstockspot, comstockfut FROM commis");
    }

    TForm1& main() const { return program->Form1; }
    TForm4& settings() const { return program->Form4; }
};

TEST_F(GeneralSettings, TheDefaultTabOptionFollowsOnlyAnExactCode) {
    for (const auto& [code, rb1, rb2, rb3] :
         std::vector<std::tuple<std::string, bool, bool, bool>>{{"1", true, false, false},
                                                                {"2", false, true, false},
                                                                {"3", false, false, true},
                                                                {"2\r\n", true, false, false},
                                                                {"x", true, false, false}}) {
        folder.writeBytes("type.txt", code);
        auto& f = start().Form4;
        EXPECT_EQ(std::tuple(f.RB1.checked(), f.RB2.checked(), f.RB3.checked()),
                  std::tuple(rb1, rb2, rb3))
            << code;
    }
}

TEST_F(GeneralSettings, EveryActivationListsEachCurrencyOnce) {
    for (int i = 0; i < 3; ++i)
        program->activate(settings());
    EXPECT_EQ(settings().ComboBox1.items(), (Boxes{"руб.", "USD", "EUR"}));
    EXPECT_EQ(settings().ComboBox1.text(), "руб.") << "the list does not change the text";
    EXPECT_EQ(dialogs.boxes, Boxes{});
}

// What saving each option does to the main window for a given capital and margin.
struct LayoutCase {
    int option; // 0, 1, 2 for RB1, RB2, RB3
    const char* capital;
    const char* margin;
    const char* currency;
    const char* maxContracts; // Label36
    const char* maxLot;       // Label41
    const char* capitalUnit;  // Label16
    const char* priceUnit;    // Label30
    const char* pointUnit;    // Label25
};

class GeneralSettingsLayout : public GeneralSettings,
                              public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(GeneralSettingsLayout, SaveSwitchesTheRunningMainWindow) {
    const LayoutCase& c = GetParam();
    main().Edit1.setText(c.capital);
    main().Edit9.setText(c.margin);
    main().Label36.setText("222");
    main().Label41.setText("10000000");
    main().Label25.setText("before");
    settings().ComboBox1.setText(c.currency);
    RadioButton* options[] = {&settings().RB1, &settings().RB2, &settings().RB3};
    choose(*options[c.option]);

    ASSERT_TRUE(save());
    EXPECT_EQ(dialogs.boxes, Boxes{});
    EXPECT_FALSE(settings().visible());
    EXPECT_EQ(main().TabControl1.tabIndex(), c.option);
    EXPECT_EQ(main().Label36.text(), c.maxContracts);
    EXPECT_EQ(main().Label41.text(), c.maxLot);
    EXPECT_EQ(main().Label16.text(), c.capitalUnit);
    EXPECT_EQ(main().Label19.text(), c.capitalUnit);
    EXPECT_EQ(main().Label30.text(), c.priceUnit);
    EXPECT_EQ(main().Label32.text(), c.priceUnit);
    EXPECT_EQ(main().Label25.text(), c.pointUnit);
    EXPECT_EQ(main().Label36.visible(), c.option == 1);
    EXPECT_EQ(main().Edit9.visible(), c.option == 1);
    EXPECT_EQ(main().Edit11.visible(), c.option == 1);
    EXPECT_EQ(main().ComboBox3.visible(), c.option == 2);
    EXPECT_EQ(main().Label25.visible(), c.option != 0);
    EXPECT_EQ(main().m7.text(), c.currency);
    EXPECT_EQ(folder.readBytes("type.txt"), std::to_string(c.option + 1));
    EXPECT_EQ(folder.readBytes("currency.txt"), c.currency);
}

INSTANTIATE_TEST_SUITE_P(
    Options, GeneralSettingsLayout,
    ::testing::Values(
        LayoutCase{0, "100000", "3000", "USD", "", "10000000", " USD", " USD", "before"},
        LayoutCase{1, "100000", "3000", "USD", "33", "10000000", " USD", "пункт.", "USD/Пункт"},
        // 2,5 contracts go to the even neighbour.
        LayoutCase{1, "100000", "40000", "USD", "2", "10000000", " USD", "пункт.", "USD/Пункт"},
        // No margin: the maximum keeps its text.
        LayoutCase{1, "100000", "0", "USD", "222", "10000000", " USD", "пункт.", "USD/Пункт"},
        LayoutCase{2, "1000", "3000", "USD", "", "100000", "usd", "пункт.", " usd/пункт"},
        LayoutCase{2, "1000000", "3000", "USD", "", "10000000", "usd", "пункт.", " usd/пункт"},
        LayoutCase{2, "-55", "3000", "USD", "", "-5000", "usd", "пункт.", " usd/пункт"}));

TEST_F(GeneralSettings, SavingFuturesMarksTheEmptyFieldsOfTheMainWindow) {
    main().Edit3.setText("0");
    main().Edit4.setText("");
    main().Edit5.setText("12");
    choose(settings().RB2);
    ASSERT_TRUE(save());
    EXPECT_EQ(main().Edit3.color(), Color::menuHighlight());
    EXPECT_EQ(main().Edit4.color(), Color::menuHighlight());
    EXPECT_EQ(main().Edit5.color(), Color::white());
}

TEST_F(GeneralSettings, SavingForexListsEachInstrumentOnce) {
    choose(settings().RB3);
    ASSERT_TRUE(save());
    ASSERT_TRUE(user([this] { settings().Button1Click(); }));
    const auto& items = main().ComboBox3.items();
    EXPECT_EQ(items.size(), 18u);
    EXPECT_EQ(std::count(items.begin(), items.end(), "EUR/USD"), 1);
    EXPECT_EQ(items.back(), "AUD/NZD");
}

TEST_F(GeneralSettings, TheCommissionBoxesShowTheOpenRow) {
    folder.query("UPDATE commis SET combrspot = 0.25, comstockfut = NULL");
    auto& f = start().Form4;
    EXPECT_EQ(f.DBEdit1.text(), "0,25");
    EXPECT_EQ(f.DBEdit2.text(), "0");
    EXPECT_EQ(f.DBEdit4.text(), "") << "a missing rate shows empty, and Save refuses it";
}

TEST_F(GeneralSettings, SaveStoresTheCommissionRowThatTheNextCalculationReads) {
    const char* typed[] = {"0,1", "2", "0,03", "4"};
    for (int i = 0; i < 4; ++i)
        commissions()[i]->setText(typed[i]);
    ASSERT_TRUE(save());
    EXPECT_EQ(storedRates(), "0.1|2.0|0.03|4.0");
    EXPECT_EQ(settings().ADOTable2.state(), TableHandle::State::Browsing);
    EXPECT_EQ(settings().ADOTable2.fieldText("combrfut"), "2");
}

TEST_F(GeneralSettings, AnEmptyCommissionIsRefusedAfterTheMainWindowAndFilesAreSwitched) {
    settings().ComboBox1.setText("USD");
    choose(settings().RB1);
    for (Edit* emptied : commissions()) {
        SCOPED_TRACE(emptied->name());
        for (Edit* field : commissions())
            field->setText(field == emptied ? "" : "7");
        dialogs.boxes.clear();
        ASSERT_TRUE(save());
        EXPECT_EQ(dialogs.boxes, Boxes{std::string("info: ") + TForm4::kEmptyCommission});
        EXPECT_TRUE(settings().visible());
        EXPECT_EQ(main().TabControl1.tabIndex(), 0);
        EXPECT_EQ(main().m7.text(), "USD");
        EXPECT_EQ(folder.readBytes("type.txt"), "1");
        EXPECT_EQ(folder.readBytes("currency.txt"), "USD");
        EXPECT_EQ(storedRates(), "0.0|0.0|0.0|0.0");
    }
}

TEST_F(GeneralSettings, ForexWithACapitalThatIsNoWholeNumberStopsBeforeAnythingIsWritten) {
    for (const char* capital : {"1000,5", "", "3000000000"}) {
        SCOPED_TRACE(capital);
        main().Edit1.setText(capital);
        settings().ComboBox1.setText("USD");
        choose(settings().RB3);
        dialogs.boxes.clear();
        EXPECT_FALSE(save());
        EXPECT_EQ(dialogs.boxes, Boxes{std::string("error: ''") + capital +
                                       "'' is not a valid integer value. [Pelorix]"});
        EXPECT_EQ(main().TabControl1.tabIndex(), 2) << "changes before the failure stay";
        EXPECT_EQ(main().Label16.text(), "usd");
        EXPECT_EQ(folder.readBytes("type.txt"), "2");
        EXPECT_EQ(folder.readBytes("currency.txt"), "\xF0\xF3\xE1.");
        EXPECT_EQ(main().m7.text(), "руб.");
        EXPECT_TRUE(settings().visible());
    }
}

TEST_F(GeneralSettings, ACommissionTheRowCannotTakeStopsTheSaveWithTheRowInEditing) {
    const std::string refused = "error: '1e' is not a valid floating point value. [Pelorix]";
    EXPECT_FALSE(user([this] { settings().DBEdit3.setText("1e"); })); // pasted
    EXPECT_EQ(dialogs.boxes, Boxes{refused});
    EXPECT_FALSE(save());
    EXPECT_EQ(dialogs.boxes, (Boxes{refused, refused}));
    EXPECT_TRUE(settings().visible());
    EXPECT_EQ(storedRates(), "0.0|0.0|0.0|0.0");
    EXPECT_EQ(settings().ADOTable2.state(), TableHandle::State::Editing);
}

TEST_F(GeneralSettings, ASettingsFileThatCannotBeWrittenStopsTheSave) {
    std::filesystem::remove(folder.file("currency.txt"));
    std::filesystem::create_directory(folder.file("currency.txt"));
    settings().ComboBox1.setText("USD");
    EXPECT_FALSE(save());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].rfind("error: Cannot create file", 0), 0u) << dialogs.boxes[0];
    EXPECT_EQ(main().m7.text(), "руб.");
    EXPECT_EQ(storedRates(), "0.0|0.0|0.0|0.0");
    EXPECT_TRUE(settings().visible());
}

TEST_F(GeneralSettings, CancelOnlyHidesAndTheTypedRatesWaitForTheNextSave) {
    settings().DBEdit1.setText("9");
    ASSERT_TRUE(user(settings().Button2.onClick));
    EXPECT_FALSE(settings().visible());
    EXPECT_EQ(storedRates(), "0.0|0.0|0.0|0.0");
    EXPECT_EQ(settings().DBEdit1.text(), "9");
    program->Form1.Forex1.onClick();
    ASSERT_TRUE(save());
    EXPECT_EQ(storedRates(), "9.0|0.5|0.5|0.5");
}

TEST_F(GeneralSettings, SavedSettingsAreThoseOfTheNextStart) {
    settings().ComboBox1.setText("USD");
    choose(settings().RB1);
    ASSERT_TRUE(save());
    auto& restarted = start();
    EXPECT_TRUE(restarted.Form4.RB1.checked());
    EXPECT_EQ(restarted.Form4.ComboBox1.text(), "USD");
    EXPECT_EQ(restarted.Form1.Label16.text(), " USD");
    EXPECT_EQ(restarted.Form1.TabControl1.tabIndex(), 0);
}

} // namespace
} // namespace pelorix
