#include "calc/calc_harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace pelorix::testing {
namespace {

using Boxes = std::vector<std::string>;

const std::string kNotFound = "Либо запись не найдена,либо не выбран вид валютной пары!";
const std::string kMissingTerms =
    "В справочнике Forex отсутствуют значения необходимые для расчётов. Внесите их";

// The main window on the Forex tab as designed: instrument EUR/USD, lot 10000, entry price "0",
// the rate field hidden and its caption showing, and a point value left by an earlier lookup.
struct OnForexTab : CalcHarness {
    OnForexTab() : CalcHarness(kOddInstruments) {
        form.TabControl1.setTabIndex(2);
        form.Edit14.setText("прежнее");
    }
    // A text pasted into a field, which runs its change handler behind the boundary.
    void write(TextControl& field, const std::string& text) { user.paste(field, text); }
    void switchTab() {
        boundary.dispatch([this] { form.lookupForexQuoteOnTabSwitch(); });
    }
};

struct LookupCase {
    const char* name;
    std::function<void(OnForexTab&)> act;
    const char* pointValue;
    bool rateShown;
    bool captionShown;
    const char* caption;
    Boxes boxes;
    bool editorOpened = false;
};

const char* const kDesignedCaption = "Кол-во контрактов";

const LookupCase kCases[] = {
    // A direct pair: step × lot, whatever the entry price.
    {"DirectPair",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "GBP/USD"); },
     "1",
     false,
     false,
     kDesignedCaption,
     {}},
    {"DirectPairWithoutALot",
     [](OnForexTab& h) { h.write(h.form.ComboBox2, ""); },
     "",
     false,
     false,
     kDesignedCaption,
     {}},
    {"DirectPairWithALotOfZero",
     [](OnForexTab& h) { h.write(h.form.ComboBox2, "0"); },
     "",
     false,
     false,
     kDesignedCaption,
     {}},
    // The lot handler blanks a direct pair's value on an entry price of "0"; the entry price
    // handler itself does not.
    {"LotChangedWhileTheEntryPriceIsZero",
     [](OnForexTab& h) { h.write(h.form.ComboBox2, "20000"); },
     "",
     false,
     false,
     kDesignedCaption,
     {}},
    {"EntryPriceTypedAsZeroFillsTheValue",
     [](OnForexTab& h) {
         h.write(h.form.ComboBox2, "20000");
         h.write(h.form.Edit3, "");
         h.write(h.form.Edit3, "0");
     },
     "2",
     false,
     false,
     kDesignedCaption,
     {}},
    // An inverse pair divides by the entry price; without one there is no value.
    {"InversePair",
     [](OnForexTab& h) {
         h.write(h.form.Edit3, "80");
         h.write(h.form.ComboBox3, "USD/JPY");
     },
     "1,25",
     false,
     false,
     kDesignedCaption,
     {}},
    {"InversePairWithoutAnEntryPrice",
     [](OnForexTab& h) {
         h.write(h.form.Edit3, "");
         h.write(h.form.ComboBox3, "USD/JPY");
     },
     "",
     false,
     false,
     kDesignedCaption,
     {}},
    // A cross pair asks for the dollar rate of its first currency.
    {"CrossPairWithItsRate",
     [](OnForexTab& h) {
         h.write(h.form.Edit3, "0,8");
         h.write(h.form.ComboBox2, "100000");
         h.write(h.form.ComboBox3, "EUR/GBP");
         h.write(h.form.Edit15, "1,3");
     },
     "16,25",
     true,
     true,
     "Курс EUR/USD: ",
     {}},
    {"CrossPairWaitingForItsRate",
     [](OnForexTab& h) {
         h.write(h.form.Edit3, "0,8");
         h.write(h.form.ComboBox3, "EUR/GBP");
     },
     "",
     true,
     true,
     "Курс EUR/USD: ",
     {}},
    {"CaptionCountsCharactersNotBytes",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "ЕВ/GBP"); },
     "",
     true,
     true,
     "Курс ЕВ/GUSD: ",
     {}},
    // Failures leave the point value and the rate field as they were.
    {"UnknownInstrument",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "EUR/US"); },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {"plain: " + kNotFound}},
    {"RowWithoutAKind",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "NULL/KIND"); },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {"plain: " + kMissingTerms},
     true},
    {"RowWithoutAStep",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "NULL/STEP"); },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {"plain: " + kMissingTerms},
     true},
    {"RowWithAStepOfZero",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "ZERO/STEP"); },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {"plain: " + kMissingTerms},
     true},
    {"RowOfAnotherKindChangesNothing",
     [](OnForexTab& h) { h.write(h.form.ComboBox3, "ODD/KIND"); },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {}},
    {"PastedLotThatIsNoNumber",
     [](OnForexTab& h) {
         h.write(h.form.Edit3, "1,3");
         h.write(h.form.ComboBox2, "1x");
     },
     "1",
     false,
     false,
     kDesignedCaption,
     {errorBox("'1x' is not a valid floating point value.")}},
    {"InversePairAtAnEntryPriceReadingZero",
     [](OnForexTab& h) {
         h.write(h.form.Edit3, "0,0"); // a direct pair's value needs no entry price
         h.write(h.form.ComboBox3, "USD/JPY");
     },
     "1",
     false,
     false,
     kDesignedCaption,
     {errorBox("Floating point division by zero.")}},
    // On the other tabs the entry price only changes its colour.
    {"EntryPriceOnTheStocksTab",
     [](OnForexTab& h) {
         h.form.TabControl1.setTabIndex(0);
         h.write(h.form.Edit3, "1,5");
     },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {}},
    // The reduced form of the tab switch sets up the rate field only.
    {"TabSwitchToACrossPairKeepsThePointValue",
     [](OnForexTab& h) {
         h.write(h.form.ComboBox3, "EUR/GBP");
         h.form.Edit14.setText("прежнее");
         h.form.Edit15.setVisible(false);
         h.form.Label27.setVisible(false);
         h.switchTab();
     },
     "прежнее",
     true,
     true,
     "Курс EUR/USD: ",
     {}},
    {"TabSwitchToAnotherKindHidesOnlyTheCaption",
     [](OnForexTab& h) {
         h.form.Edit15.setVisible(true);
         h.switchTab();
     },
     "прежнее",
     true,
     false,
     kDesignedCaption,
     {}},
    {"TabSwitchToARowWithoutAKind",
     [](OnForexTab& h) {
         h.write(h.form.ComboBox3, "NULL/KIND");
         h.switchTab();
     },
     "прежнее",
     false,
     false,
     kDesignedCaption,
     {"plain: " + kMissingTerms},
     true},
    {"TabSwitchToAnUnknownInstrument",
     [](OnForexTab& h) {
         h.write(h.form.ComboBox3, "EUR/US");
         h.switchTab();
     },
     "прежнее",
     false,
     true,
     kDesignedCaption,
     {"plain: " + kNotFound, "plain: Либо запись не найдена, либо не выбран вид валютной пары!"}},
};

class QuoteLookupCases : public ::testing::TestWithParam<LookupCase> {};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.name;
}

TEST_P(QuoteLookupCases, WritesThePointValueAndSetsUpTheRateField) {
    const LookupCase& c = GetParam();
    OnForexTab h;

    c.act(h);

    EXPECT_EQ(h.form.Edit14.text(), c.pointValue);
    EXPECT_EQ(h.form.Edit15.visible(), c.rateShown);
    EXPECT_EQ(h.form.Label27.visible(), c.captionShown);
    EXPECT_EQ(h.form.Label27.text(), c.caption);
    EXPECT_EQ(h.dialogs.boxes, c.boxes);
    EXPECT_EQ(h.forexWindow.visible(), c.editorOpened);
}

INSTANTIATE_TEST_SUITE_P(Examples, QuoteLookupCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuoteLookup, TheEntryPriceIsColouredByItsValueOnEveryTab) {
    for (const int tab : {0, 1, 2}) {
        OnForexTab h;
        h.form.TabControl1.setTabIndex(tab);
        h.write(h.form.Edit3, "");
        EXPECT_EQ(h.form.Edit3.color(), Color::menuHighlight()) << tab;
        h.write(h.form.Edit3, "1,5");
        EXPECT_EQ(h.form.Edit3.color(), Color::white()) << tab;
        h.write(h.form.Edit3, "0");
        EXPECT_EQ(h.form.Edit3.color(), Color::menuHighlight()) << tab;
    }
}

// The lookup moves the one current row the reference editor shows and edits: a pending edit
// there is saved before the search, and the editor's selection jumps to the instrument.
TEST(QuoteLookup, SavesThePendingEditAndMovesTheSharedRow) {
    OnForexTab h;
    ASSERT_EQ(h.instruments.currentIndex(), 0);
    h.instruments.setFieldText("spread", "7");

    h.write(h.form.ComboBox3, "USD/JPY");

    EXPECT_EQ(h.instruments.fieldText("currency"), "USD/JPY");
    EXPECT_EQ(h.instruments.state(), TableHandle::State::Browsing);
    EXPECT_EQ(h.folder.query(R"(SELECT spread FROM "Сurrency" WHERE currency = 'EUR/USD')"), "7.0");

    // The calculation finds the instrument again itself, even after the editor moved away.
    h.instruments.first();
    h.enter(Ticket{.tab = 2, .instrument = "USD/JPY"});
    h.instruments.first();
    h.press();
    EXPECT_EQ(h.instruments.fieldText("currency"), "USD/JPY");
}

} // namespace
} // namespace pelorix::testing
