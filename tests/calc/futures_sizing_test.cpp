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
const std::string kOverRisk = "Риск по позиции больше ожидаемого уровня - заданным количеством "
                              "контрактов входить нельзя!";
std::string withinRisk(const std::string& contracts) {
    return "При заданном количестве контрактов риск по позиции меньше ожидаемого уровня - можно "
           "входить " +
           contracts + " контр. или оптимизировать позицию до ожидаемого риска.";
}
const std::string kFirstLines = "При заданном вами уровне риска совершение сделок с фьчерсами не "
                                "возможно!\r Рекомендуем пересмотреть следующие параметры:\r1)"
                                "Уровень допустимого риска\r2)Уровень стоп-лосса\r";
const std::string kLessThanOneLong = kFirstLines + "3) Количество контрактов.";
const std::string kLessThanOneShort = kFirstLines + "3)Количество контрактов";

Ticket futures(const char* side, const char* capital, const char* risk, const char* entry,
               const char* stop, const char* target, const char* margin, const char* contracts,
               const char* pointValue) {
    Ticket t;
    t.side = side;
    t.tab = 1;
    t.capital = capital;
    t.risk = risk;
    t.entry = entry;
    t.stop = stop;
    t.target = target;
    t.margin = margin;
    t.contracts = contracts;
    t.pointValue = pointValue;
    return t;
}

struct FuturesCase {
    const char* name;
    Ticket ticket;
    std::string brokerRate; // per contract and side; the exchange adds 0
    Texts expected;
    Boxes boxes;
};

const FuturesCase kCases[] = {
    {"LongWithinRisk",
     futures("Лонг", "100000", "2", "1500", "1490", "1530", "5000", "3", "10"),
     "0",
     {{"Edit7", "0,3"},
      {"Edit8", "0,9"},
      {"Edit13", "900 руб."},
      {"Edit12", "300 руб."},
      {"Label17", withinRisk("3")},
      {"Label20", "100000 руб. или 20 контр."},
      {"Label24", "6%"},
      {"Label23", "2%"},
      {"Label40", "6000 руб."},
      {"Label39", "2000 руб."},
      {"Label42", "прежнее"}},
     {}},
    {"MarginEqualToCapitalIsAccepted",
     futures("Лонг", "100000", "2", "1500", "1490", "1530", "5000", "20", "10"),
     "0",
     {{"Edit7", "2"},
      {"Edit8", "6"},
      {"Edit13", "6000 руб."},
      {"Edit12", "2000 руб."},
      {"Label17", withinRisk("20")},
      {"Label20", "100000 руб. или 20 контр."},
      {"Label24", "6%"},
      {"Label23", "2%"},
      {"Label40", "6000 руб."},
      {"Label39", "2000 руб."},
      {"Label42", "прежнее"}},
     {}},
    {"FractionalContractsAreUsedAsTyped",
     futures("Лонг", "100000", "2", "1500", "1490", "1530", "5000", "2,5", "10"),
     "0",
     {{"Edit7", "0,25"},
      {"Edit8", "0,75"},
      {"Edit13", "750 руб."},
      {"Edit12", "250 руб."},
      {"Label17", withinRisk("2,5")},
      {"Label20", "100000 руб. или 20 контр."},
      {"Label24", "6%"},
      {"Label23", "2%"},
      {"Label40", "6000 руб."},
      {"Label39", "2000 руб."},
      {"Label42", "прежнее"}},
     {}},
    // Commission 2 per side: F = 3 × 2 × 2 = 12, which costs 0,01 % of the capital both ways.
    {"CommissionEntersRiskAndYield",
     futures("Лонг", "100000", "2", "1500", "1490", "1560", "5000", "3", "10"),
     "2",
     {{"Edit7", "0,31"},
      {"Edit8", "1,79"},
      {"Edit13", "1790 руб."},
      {"Edit12", "310 руб."},
      {"Label17", withinRisk("3")},
      {"Label20", "100000 руб. или 20 контр."},
      {"Label24", "12%"},
      {"Label23", "2%"},
      {"Label40", "12000 руб."},
      {"Label39", "2000 руб."},
      {"Label42", "прежнее"}},
     {}},
    // m = y = r: it makes sense and is within risk.
    {"RiskEqualToYieldAndToAcceptedRisk",
     futures("Лонг", "100000", "0,1", "1500", "1490", "1510", "5000", "1", "10"),
     "0",
     {{"Edit7", "0,1"},
      {"Edit8", "0,1"},
      {"Edit13", "100 руб."},
      {"Edit12", "100 руб."},
      {"Label17", withinRisk("1")},
      {"Label20", "5000 руб. или 1 контр."},
      {"Label24", "0,1%"},
      {"Label23", "0,1%"},
      {"Label40", "100 руб."},
      {"Label39", "100 руб."},
      {"Label42", "прежнее"}},
     {}},
    // Long proposals count whole contracts, short ones the exact optimum.
    {"LongWithinRiskCutsTheOptimumToWholeContracts",
     futures("Лонг", "100000", "2", "1500", "1493", "1600", "5000", "3", "10"),
     "0",
     {{"Edit7", "0,21"},
      {"Edit8", "3"},
      {"Edit13", "3000 руб."},
      {"Edit12", "210 руб."},
      {"Label17", withinRisk("3")},
      {"Label20", "142857,14 руб. или 28,57 контр."},
      {"Label24", "28%"},
      {"Label23", "1,96%"},
      {"Label40", "28000 руб."},
      {"Label39", "1960 руб."},
      {"Label42", "прежнее"}},
     {}},
    {"ShortWithinRiskUsesTheExactOptimum",
     futures("Шорт", "100000", "2", "1500", "1507", "1400", "5000", "3", "10"),
     "0",
     {{"Edit7", "0,21"},
      {"Edit8", "3"},
      {"Edit13", "3000 руб."},
      {"Edit12", "210 руб."},
      {"Label17", withinRisk("3")},
      {"Label20", "142857,14 руб. или 28,57 контр."},
      {"Label24", "28,57%"},
      {"Label23", "2%"},
      {"Label40", "28571,43 руб."},
      {"Label39", "2000 руб."},
      {"Label42", "прежнее"}},
     {}},
    {"OverRiskWithRoomForAContract",
     futures("Лонг", "100000", "1", "1500", "1450", "1700", "5000", "3", "10"),
     "5",
     {{"Edit7", "1,53"},
      {"Edit8", "5,97"},
      {"Edit13", "5970 руб."},
      {"Edit12", "1530 руб."},
      {"Label17", kOverRisk},
      {"Label20", "10000 руб. или 2 контр."},
      {"Label24", "4%"},
      {"Label23", "1%"},
      {"Label40", "4000 руб."},
      {"Label39", "1000 руб."},
      {"Label42", "прежнее"}},
     {}},
    // The commission pushes m above r, so r × N / m < 1 warns although a whole contract fits.
    {"LongOverRiskWarnsAndStillProposes",
     futures("Лонг", "100000", "0,5", "1500", "1450", "1700", "5000", "1", "10"),
     "5",
     {{"Edit7", "0,51"},
      {"Edit8", "1,99"},
      {"Edit13", "1990 руб."},
      {"Edit12", "510 руб."},
      {"Label17", kOverRisk},
      {"Label20", "5000 руб. или 1 контр."},
      {"Label24", "2%"},
      {"Label23", "0,5%"},
      {"Label40", "2000 руб."},
      {"Label39", "500 руб."},
      {"Label42", "прежнее"}},
     {info(kLessThanOneLong)}},
    {"ShortOverRiskWarnsWithItsOwnLastLine",
     futures("Шорт", "100000", "0,5", "1500", "1550", "1300", "5000", "1", "10"),
     "5",
     {{"Edit7", "0,51"},
      {"Edit8", "1,99"},
      {"Edit13", "1990 руб."},
      {"Edit12", "510 руб."},
      {"Label17", kOverRisk},
      {"Label20", "5000 руб. или 1 контр."},
      {"Label24", "2%"},
      {"Label23", "0,5%"},
      {"Label40", "2000 руб."},
      {"Label39", "500 руб."},
      {"Label42", "прежнее"}},
     {info(kLessThanOneShort)}},
    {"OverRiskBelowOneContractShowsZeros",
     futures("Лонг", "100000", "0,3", "1500", "1450", "1700", "5000", "1", "10"),
     "0",
     {{"Edit7", "0,5"},
      {"Edit8", "2"},
      {"Edit13", "2000 руб."},
      {"Edit12", "500 руб."},
      {"Label17", kOverRisk},
      {"Label20", "3000 руб. или 0,6 контр."},
      {"Label24", "0%"},
      {"Label23", "0%"},
      {"Label40", "0 руб."},
      {"Label39", "0 руб."},
      {"Label42", "прежнее"}},
     {info(kLessThanOneLong)}},
    // A short target at the entry passes the checks; the commission alone makes it senseless.
    {"ShortTargetAtEntryHasNoSense",
     futures("Шорт", "100000", "2", "1500", "1510", "1500", "5000", "3", "10"),
     "1,5",
     {{"Edit7", "0,31"},
      {"Edit8", "-0,01"},
      {"Edit13", "-10 руб."},
      {"Edit12", "310 руб."},
      {"Label17", kNoSense},
      {"Label20", ""},
      {"Label24", ""},
      {"Label23", ""},
      {"Label40", ""},
      {"Label39", ""},
      {"Label42", "прежнее"}},
     {}},
    // Within risk but the stop lies farther than r percent from the entry: only the figures of
    // the requested position change.
    {"StopFartherThanTheAcceptedRiskUpdatesOnlyTheFigures",
     futures("Лонг", "100000", "5", "100", "90", "130", "1000", "1", "10"),
     "0",
     {{"Edit7", "0,1"},
      {"Edit8", "0,3"},
      {"Edit13", "300 руб."},
      {"Edit12", "100 руб."},
      {"Label17", "прежнее"},
      {"Label20", "прежнее"},
      {"Label24", "прежнее"},
      {"Label23", "прежнее"},
      {"Label40", "прежнее"},
      {"Label39", "прежнее"},
      {"Label42", "прежнее"}},
     {}},
    // A stop 2,7 % away against r = 2: the long side cuts it to 2 and passes ...
    {"LongStopDistanceIsCut",
     futures("Лонг", "100000", "2", "100", "97,3", "130", "1000", "1", "10"),
     "0",
     {{"Edit7", "0,03"},
      {"Edit8", "0,3"},
      {"Edit13", "300 руб."},
      {"Edit12", "30 руб."},
      {"Label17", withinRisk("1")},
      {"Label20", "74074,07 руб. или 74,07 контр."},
      {"Label24", "22,2%"},
      {"Label23", "2%"},
      {"Label40", "22200 руб."},
      {"Label39", "1998 руб."},
      {"Label42", "прежнее"}},
     {}},
    // ... the short side keeps 2,7 and stops there.
    {"ShortStopDistanceIsRounded",
     futures("Шорт", "100000", "2", "100", "102,7", "70", "1000", "1", "10"),
     "0",
     {{"Edit7", "0,03"},
      {"Edit8", "0,3"},
      {"Edit13", "300 руб."},
      {"Edit12", "30 руб."},
      {"Label17", "прежнее"},
      {"Label20", "прежнее"},
      {"Label24", "прежнее"},
      {"Label23", "прежнее"},
      {"Label40", "прежнее"},
      {"Label39", "прежнее"},
      {"Label42", "прежнее"}},
     {}},
};

void PrintTo(const FuturesCase& c, std::ostream* os) {
    *os << c.name;
}

class FuturesSizing : public ::testing::TestWithParam<FuturesCase> {};

TEST_P(FuturesSizing, WritesTheResultsOfTheCase) {
    const FuturesCase& c = GetParam();
    CalcHarness h;
    h.rates.fields["combrfut"] = c.brokerRate;
    h.rates.fields["comstockspot"] = "9"; // the stock rates play no part in futures
    h.enter(c.ticket);
    h.markResults();

    h.press();

    EXPECT_EQ(h.results(), c.expected);
    EXPECT_EQ(h.dialogs.boxes, c.boxes);
    EXPECT_EQ(h.form.Edit11.text(), c.ticket.contracts);
    EXPECT_EQ(h.form.Label11.text(), "ГО:");
}

INSTANTIATE_TEST_SUITE_P(Examples, FuturesSizing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FuturesMarginLimit, RewritesTheContractsToWhatFitsThroughTheFieldsChangeHandling) {
    CalcHarness h;
    h.enter(futures("Лонг", "100000", "2", "1500", "1490", "1530", "5000", "30", "10"));
    h.markResults();
    std::vector<std::string> changes;
    auto previous = h.form.Edit11.onChange;
    h.form.Edit11.onChange = [&] {
        changes.push_back(h.form.Edit11.text());
        if (previous) previous();
    };

    h.press();

    EXPECT_EQ(h.dialogs.boxes, Boxes{info("Внимание! Превышен лимит по ГО!")});
    EXPECT_EQ(h.form.Edit11.text(), "20");
    EXPECT_EQ(changes, std::vector<std::string>{"20"});
    EXPECT_EQ(h.results().at("Edit7"), "прежнее");
    EXPECT_EQ(h.results().at("Label17"), "прежнее");
}

TEST(FuturesMarginLimit, ShowsTheFitToTwoDecimals) {
    CalcHarness h;
    h.enter(futures("Шорт", "10000", "2", "1500", "1510", "1400", "3000", "4", "10"));

    h.press();

    EXPECT_EQ(h.form.Edit11.text(), "3,33");
}

// A point value of 0,0 passes the checks and makes the optimum a division by zero: the command
// ends in the error box after the comment, with the figures written so far kept.
TEST(FuturesArithmetic, ZeroPointValueEndsAtTheOptimumWithTheDivisionBox) {
    CalcHarness h;
    h.enter(futures("Лонг", "100000", "2", "1500", "1490", "1530", "5000", "3", "0,0"));
    h.markResults();

    h.press();

    EXPECT_EQ(h.dialogs.boxes, Boxes{errorBox("Floating point division by zero.")});
    const Texts r = h.results();
    EXPECT_EQ(r.at("Edit7"), "0");
    EXPECT_EQ(r.at("Edit8"), "0");
    EXPECT_EQ(r.at("Edit13"), "0 руб.");
    EXPECT_EQ(r.at("Edit12"), "0 руб.");
    EXPECT_EQ(r.at("Label17"), withinRisk("3"));
    EXPECT_EQ(r.at("Label20"), "прежнее");
}

// A pasted negative risk with a market risk shown as 0 reaches the over-risk test, which
// divides by it: the user gets the explanation, and no earlier proposal figures stay.
TEST(FuturesArithmetic, ZeroMarketRiskIsExplainedNotDivided) {
    CalcHarness h;
    h.enter(futures("Лонг", "100000000", "-1", "1500", "1490", "1530", "5000", "1", "10"));
    h.markResults();

    h.press();

    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].rfind("info: Рыночный риск округлился до нуля", 0), 0u);
    const Texts r = h.results();
    EXPECT_EQ(r.at("Edit7"), "0");
    EXPECT_EQ(r.at("Label17"), kOverRisk);
    EXPECT_EQ(r.at("Label20"), "-50000000 руб. или -10000 контр.");
    EXPECT_EQ(r.at("Label24"), "");
    EXPECT_EQ(r.at("Label23"), "");
    EXPECT_EQ(r.at("Label40"), "");
    EXPECT_EQ(r.at("Label39"), "");
}

} // namespace
} // namespace pelorix::testing
