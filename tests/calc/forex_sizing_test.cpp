#include "calc_harness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pelorix::testing {
namespace {

using Texts = std::map<std::string, std::string>;
using Boxes = std::vector<std::string>;

const std::string kNoSense = "СДЕЛКА НЕ ИМЕЕТ СМЫСЛА!\rПотенциальный риск  больше чем "
                             "доходность!\rРекомендуем либо отказаться от сделки, либо изменить "
                             "параметры сделки.";
const std::string kOverRisk =
    "Риск по позиции больше ожидаемого уровня - заданным количеством лотов входить нельзя!";
std::string withinRiskLong(const std::string& lot) {
    return "При заданной величине лота риск по позиции меньше ожидаемого уровня - можно входить "
           "лотом " +
           lot + "  или оптимизировать позицию до ожидаемого риска.";
}
// The short comment has always run the word and the lot together.
std::string withinRiskShort(const std::string& lot) {
    return "При заданной величине лота риск по позиции меньше ожидаемого уровня - можно входить "
           "лотом" +
           lot + "  или оптимизировать позицию до ожидаемого риска.";
}
const std::string kMissingTerms =
    "В справочнике Forex отсутствуют значения необходимые для расчётов. Внесите их";
const std::string kZeroMarketRisk =
    "Рыночный риск округлился до нуля: оптимальный размер позиции рассчитать нельзя. "
    "Увеличьте расстояние до стоп-лосса или размер позиции.";

Ticket forex(const char* side, const char* capital, const char* entry, const char* stop,
             const char* target, const char* instrument = "EUR/USD", const char* lot = "10000") {
    Ticket t;
    t.side = side;
    t.tab = 2;
    t.capital = capital;
    t.risk = "2";
    t.entry = entry;
    t.stop = stop;
    t.target = target;
    t.instrument = instrument;
    t.lot = lot;
    return t;
}

Ticket cross(const char* side, const char* entry, const char* stop, const char* target,
             const char* rate) {
    Ticket t = forex(side, "100000", entry, stop, target, "EUR/GBP", "100000");
    t.usdRate = rate;
    t.usdRateShown = true;
    return t;
}

// The figures of the market risk and yield, then the lot and its risk and yield in the order
// Edit7, Edit8, Edit13, Edit12, Label17, Label20, Label42, Label23, Label24, Label40, Label39.
Texts figures(const char* m, const char* y, const char* yMoney, const char* mMoney) {
    return {{"Edit7", m}, {"Edit8", y}, {"Edit13", yMoney}, {"Edit12", mMoney}};
}
Texts lot(Texts t, const std::string& comment, const char* optimal, const char* uncut,
          const char* riskPercent, const char* yieldPercent, const char* yieldMoney,
          const char* riskMoney) {
    t["Label17"] = comment;
    t["Label20"] = std::string("Оптимальный лот: ") + optimal;
    t["Label42"] = std::string("Без округления : ") + uncut + " USD";
    t["Label23"] = riskPercent;
    t["Label24"] = yieldPercent;
    t["Label40"] = yieldMoney;
    t["Label39"] = riskMoney;
    return t;
}

struct ForexCase {
    const char* name;
    Ticket ticket;
    Texts written;       // result controls the press writes; every other one keeps its text
    Boxes boxes;         // shown by the press
    bool lotShown;       // Label42 and the captions of the lot's risk and yield made visible
    std::string lotText; // the lot box after the press
    bool editorOpened = false;
};

const ForexCase kCases[] = {
    // The worked example: the spread moves the entry to 1,3002, the lot risks 0,52 %.
    {"LongWithinRisk",
     forex("Лонг", "10000", "1,3", "1,295", "1,31"),
     lot(figures("0,52", "0,98", "98 usd", "52 usd"), withinRiskLong("10000"), "38000", "38461,54",
         "1,98 %", "3,72 %", "372,4 usd", "197,6 usd"),
     {},
     true,
     "10000"},
    {"ShortWithinRisk",
     forex("Шорт", "10000", "1,3", "1,305", "1,29"),
     lot(figures("0,52", "0,98", "98 usd", "52 usd"), withinRiskShort("10000"), "38000", "38461,54",
         "1,98 %", "3,72 %", "372,4 usd", "197,6 usd"),
     {},
     true,
     "10000"},
    {"LongOverRiskWithASmallCapital",
     forex("Лонг", "1000", "1,3", "1,295", "1,31"),
     lot(figures("5,2", "9,8", "98 usd", "52 usd"), kOverRisk, "3000", "3846,15", "1,56 %",
         "2,94 %", "29,4 usd", "15,6 usd"),
     {},
     true,
     "10000"},
    {"ShortOverRiskWithASmallCapital",
     forex("Шорт", "1000", "1,3", "1,305", "1,29"),
     lot(figures("5,2", "9,8", "98 usd", "52 usd"), kOverRisk, "3000", "3846,15", "1,56 %",
         "2,94 %", "29,4 usd", "15,6 usd"),
     {},
     true,
     "10000"},
    // A lot of exactly a hundred times the capital passes; its optimum is below a thousand.
    {"LotAtTheLimitWithAnOptimumBelowAThousand",
     forex("Лонг", "100", "1,3", "1,295", "1,31"),
     lot(figures("52", "98", "98 usd", "52 usd"), kOverRisk, "0", "384,62", "0 %", "0 %", "0 usd",
         "0 usd"),
     {},
     true,
     "10000"},
    {"LotAboveTheLimitIsEmptied",
     forex("Лонг", "100", "1,3", "1,295", "1,31", "EUR/USD", "10001"),
     {},
     {info("Внимание! Превышена величина лота!")},
     false,
     ""},
    {"NoSense",
     forex("Лонг", "10000", "1,3", "1,29", "1,302"),
     {{"Edit7", "1,02"},
      {"Edit8", "0,18"},
      {"Edit13", "18 usd"},
      {"Edit12", "102 usd"},
      {"Label17", kNoSense},
      {"Label20", ""},
      {"Label23", ""},
      {"Label24", ""},
      {"Label39", ""},
      {"Label40", ""}},
     {},
     false,
     "10000"},
    // Without a spread the entry is the typed one. m = y makes sense; m = r is within risk.
    {"RiskEqualToYieldMakesSense",
     forex("Лонг", "100000", "1,3", "1,29", "1,31", "NO/SPREAD"),
     lot(figures("0,1", "0,1", "100 usd", "100 usd"), withinRiskLong("10000"), "200000", "200000",
         "2 %", "2 %", "2000 usd", "2000 usd"),
     {},
     true,
     "10000"},
    {"RiskEqualToTheAcceptedIsWithin",
     forex("Лонг", "10000", "1,3", "1,28", "1,34", "NO/SPREAD"),
     lot(figures("2", "4", "400 usd", "200 usd"), withinRiskLong("10000"), "10000", "10000", "2 %",
         "4 %", "400 usd", "200 usd"),
     {},
     true,
     "10000"},
    {"NoSpread",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "NO/SPREAD"),
     lot(figures("0,5", "1", "100 usd", "50 usd"), withinRiskLong("10000"), "40000", "40000", "2 %",
         "4 %", "400 usd", "200 usd"),
     {},
     true,
     "10000"},
    // A stop 2,7 % from the entry with 2 % accepted: the long side cuts the distance to 2 and
    // goes on, the short side keeps 2,7 and stops after the market risk and yield.
    {"LongStopDistanceIsCutToWholePercent",
     forex("Лонг", "10000000", "100", "97,3", "110", "NO/SPREAD"),
     lot(figures("0,27", "1", "100000 usd", "27000 usd"), withinRiskLong("10000"), "74000",
         "74074,07", "2 %", "7,4 %", "740000 usd", "199800 usd"),
     {},
     true,
     "10000"},
    {"ShortStopDistanceKeepsTwoDecimals",
     forex("Шорт", "10000000", "100", "102,7", "90", "NO/SPREAD"),
     figures("0,27", "1", "100000 usd", "27000 usd"),
     {},
     false,
     "10000"},
    // The dollar value of a point and the optimal lot's amounts go through the entry price, and
    // for a cross pair through the base currency's dollar rate.
    {"InversePair",
     forex("Лонг", "100000", "80", "79", "82", "USD/JPY"),
     lot(figures("0,13", "0,25", "250 usd", "130 usd"), withinRiskLong("10000"), "153000",
         "153846,15", "1,95 %", "3,79 %", "3785,8 usd", "1950,26 usd"),
     {},
     true,
     "10000"},
    {"InversePairShort",
     forex("Шорт", "100000", "80", "81", "78", "USD/JPY"),
     lot(figures("0,13", "0,25", "250 usd", "130 usd"), withinRiskShort("10000"), "153000",
         "153846,15", "1,95 %", "3,79 %", "3787,7 usd", "1951,24 usd"),
     {},
     true,
     "10000"},
    {"CrossPairWithItsRate",
     cross("Лонг", "0,8", "0,79", "0,82", "1,3"),
     lot(figures("1,67", "3,2", "3200 usd", "1670 usd"), withinRiskLong("100000"), "119000",
         "119760,48", "1,99 %", "3,81 %", "3808,06 usd", "1991,02 usd"),
     {},
     true,
     "100000"},
    {"CrossPairWithoutARate",
     cross("Лонг", "0,8", "0,79", "0,82", ""),
     {},
     {info("Заполните пустые поля !")},
     false,
     "100000"},
    // An instrument whose kind is none of the three is sized, but its lot's risk and yield
    // cannot be turned into dollars and keep their earlier texts.
    {"UnknownKindLeavesTheLotsRiskAndYield",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "ODD/KIND"),
     {{"Edit7", "0,52"},
      {"Edit8", "0,98"},
      {"Edit13", "98 usd"},
      {"Edit12", "52 usd"},
      {"Label17", withinRiskLong("10000")},
      {"Label20", "Оптимальный лот: 38000"},
      {"Label42", "Без округления : 38461,54 USD"}},
     {},
     true,
     "10000"},
    // A market risk shown as 0 gives no optimal lot: the user is told instead of an arithmetic
    // error, and the figures written before stay.
    {"MarketRiskShownAsZero",
     forex("Лонг", "10000000", "1,3", "1,2997", "1,4", "NO/SPREAD", "1000"),
     figures("0", "0", "0 usd", "0 usd"),
     {info(kZeroMarketRisk)},
     false,
     "1000"},
    // A capital of 0,0 passes the text checks; with a lot of 0,0 the market risk is 0/0.
    {"ZeroCapitalAndLot",
     forex("Лонг", "0,0", "1,3", "1,295", "1,31", "EUR/USD", "0,0"),
     {},
     {errorBox("Invalid floating point operation.")},
     false,
     "0,0"},
    // Terms missing from the row: the step and the spread are read as text and fail; a row
    // without a kind or with a step of 0 sends the user to the reference editor.
    {"NullStep",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "NULL/STEP"),
     {},
     {errorBox("Could not convert variant of type (Null) into type (OleStr)")},
     false,
     "10000"},
    {"NullSpread",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "NULL/SPREAD"),
     {},
     {errorBox("Could not convert variant of type (Null) into type (OleStr)")},
     false,
     "10000"},
    {"NullKind",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "NULL/KIND"),
     {},
     {plain(kMissingTerms)},
     false,
     "10000",
     true},
    // A name no row holds: the row of the last search would price the ticket with another
    // instrument's terms, so nothing is written and the user is told the name is unknown.
    {"UnknownInstrumentIsNotSized",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "XXX/YYY"),
     {},
     {plain("Либо запись не найдена,либо не выбран вид валютной пары!")},
     false,
     "10000"},
    {"ZeroStep",
     forex("Лонг", "10000", "1,3", "1,295", "1,31", "ZERO/STEP"),
     {},
     {plain(kMissingTerms)},
     false,
     "10000",
     true},
};

class ForexSizing : public ::testing::TestWithParam<ForexCase> {};

void PrintTo(const ForexCase& c, std::ostream* os) {
    *os << c.name;
}

TEST_P(ForexSizing, WritesTheResultsOfTheCase) {
    const ForexCase& c = GetParam();
    CalcHarness h(kOddInstruments);
    h.rates.fields["combrspot"] = "9"; // neither commission plays a part in Forex
    h.rates.fields["combrfut"] = "9";
    h.enter(c.ticket);
    h.markResults();
    h.dialogs.boxes.clear();
    h.forexWindow.hide();

    h.press();

    Texts expected;
    for (const auto& [name, text] : h.results())
        expected[name] = c.written.contains(name) ? c.written.at(name) : "прежнее";
    EXPECT_EQ(h.results(), expected);
    EXPECT_EQ(h.dialogs.boxes, c.boxes);
    EXPECT_EQ(h.form.Label42.visible(), c.lotShown);
    EXPECT_EQ(h.form.Label21.visible(), c.lotShown || c.written.contains("Label17"));
    EXPECT_EQ(h.form.Label22.visible(), c.lotShown || c.written.contains("Label17"));
    EXPECT_EQ(h.form.ComboBox2.text(), c.lotText);
    EXPECT_EQ(h.forexWindow.visible(), c.editorOpened);
    EXPECT_EQ(h.form.Label43.text(), "");
}

INSTANTIATE_TEST_SUITE_P(Examples, ForexSizing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pelorix::testing
