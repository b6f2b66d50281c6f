#include "calc_harness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pelorix::testing {
namespace {

using Texts = std::map<std::string, std::string>;

const std::string kNoSense = "СДЕЛКА НЕ ИМЕЕТ СМЫСЛА!\rПотенциальный риск  больше чем "
                             "доходность!\rРекомендуем либо отказаться от сделки, либо изменить "
                             "параметры сделки.";
const std::string kPartOfCapital =
    "Риск по позиции больше ожидаемого уровня - всем капиталом входить нельзя!";
const std::string kWholeCapital = "Риск по позиции соотв\x65тствует ожидаемому уровню - можно "
                                  "входить всем капиталом!";

struct StockCase {
    const char* name;
    Ticket ticket;
    std::string brokerRate;
    std::string exchangeRate;
    Texts expected;
};

Ticket stock(const char* side, const char* capital, const char* risk, const char* entry,
             const char* stop, const char* target) {
    Ticket t;
    t.side = side;
    t.tab = 0;
    t.capital = capital;
    t.risk = risk;
    t.entry = entry;
    t.stop = stop;
    t.target = target;
    return t;
}

// The worked examples and their short twins: same distances mirrored around the entry.
const StockCase kCases[] = {
    {"LongPartOfCapitalNoCommission",
     stock("Лонг", "100000", "2", "100", "95", "115"),
     "0",
     "0",
     {{"Edit7", "5"},
      {"Edit8", "15"},
      {"Edit13", "15000 руб."},
      {"Edit12", "5000 руб."},
      {"Label17", " " + kPartOfCapital},
      {"Label20", "40000 руб. или 40 % от капитала."},
      {"Label24", "6%"},
      {"Label23", "2%"},
      {"Label39", "2000 руб."},
      {"Label40", "6000 руб."},
      {"Label42", "или 400 акций по цене: 100 руб."}}},
    {"ShortPartOfCapitalNoCommission",
     stock("Шорт", "100000", "2", "100", "105", "85"),
     "0",
     "0",
     {{"Edit7", "5"},
      {"Edit8", "15"},
      {"Edit13", "15000 руб."},
      {"Edit12", "5000 руб."},
      {"Label17", kPartOfCapital},
      {"Label20", "40000 руб. или 40 % от капитала."},
      {"Label24", "6 %"},
      {"Label23", "2 %"},
      {"Label39", "2000 руб."},
      {"Label40", "6000 руб."},
      {"Label42", "или 400 акций по цене: 100 руб."}}},
    {"LongPartOfCapitalWithCommission",
     stock("Лонг", "100000", "2", "100", "95", "115"),
     "0,15",
     "0,05",
     {{"Edit7", "5,39"},
      {"Edit8", "14,57"},
      {"Edit13", "14570 руб."},
      {"Edit12", "5390 руб."},
      {"Label17", " " + kPartOfCapital},
      {"Label20", "37105,75 руб. или 37,11 % от капитала."},
      {"Label24", "5,83%"},
      {"Label23", "2%"},
      {"Label39", "2000 руб."},
      {"Label40", "5828 руб."},
      {"Label42", "или 371,06 акций по цене: 100 руб."}}},
    {"ShortPartOfCapitalWithCommissionKeepsTwoDecimals",
     stock("Шорт", "100000", "2", "100", "105", "85"),
     "0,15",
     "0,05",
     {{"Edit7", "5,41"},
      {"Edit8", "14,63"},
      {"Edit13", "14630 руб."},
      {"Edit12", "5410 руб."},
      {"Label17", kPartOfCapital},
      {"Label20", "36968,58 руб. или 36,97 % от капитала."},
      {"Label24", "5,41 %"},
      {"Label23", "2 %"},
      {"Label39", "2000 руб."},
      {"Label40", "5408,5 руб."},
      {"Label42", "или 369,69 акций по цене: 100 руб."}}},
    {"LongWholeCapital",
     stock("Лонг", "100000", "5", "100", "97", "110"),
     "0,1",
     "0",
     {{"Edit7", "3,2"},
      {"Edit8", "9,79"},
      {"Edit13", "9790 руб."},
      {"Edit12", "3200 руб."},
      {"Label17", " " + kWholeCapital},
      {"Label20", "100000 руб. или 100% от капитала."},
      {"Label24", "9,79%"},
      {"Label23", "3,2%"},
      {"Label39", "3200 руб."},
      {"Label40", "9790 руб."},
      {"Label42", "или 1562,5 акций по цене: 100 руб."}}},
    {"ShortWholeCapital",
     stock("Шорт", "100000", "5", "100", "103", "90"),
     "0,1",
     "0",
     {{"Edit7", "3,2"},
      {"Edit8", "9,81"},
      {"Edit13", "9810 руб."},
      {"Edit12", "3200 руб."},
      {"Label17", kWholeCapital},
      {"Label20", "100000 руб. или 100 % от капитала."},
      {"Label24", "9,81%"},
      {"Label23", "3,2%"},
      {"Label39", "3200 руб."},
      {"Label40", "9810 руб."},
      {"Label42", "или 1562,5 акций по цене: 100 руб."}}},
    // Long money amounts are not rounded and Label20 repeats the capital as typed; the short
    // side rounds the money and formats the capital.
    {"LongWholeCapitalKeepsTypedCapitalAndUnroundedMoney",
     stock("Лонг", "100000,50", "5", "100", "97", "110"),
     "0,1",
     "0",
     {{"Edit7", "3,2"},
      {"Edit8", "9,79"},
      {"Edit13", "9790,04895 руб."},
      {"Edit12", "3200,016 руб."},
      {"Label17", " " + kWholeCapital},
      {"Label20", "100000,50 руб. или 100% от капитала."},
      {"Label24", "9,79%"},
      {"Label23", "3,2%"},
      {"Label39", "3200,016 руб."},
      {"Label40", "9790,04895 руб."},
      {"Label42", "или 1562,51 акций по цене: 100 руб."}}},
    {"ShortWholeCapitalFormatsCapitalAndRoundsMoney",
     stock("Шорт", "100000,50", "5", "100", "103", "90"),
     "0,1",
     "0",
     {{"Edit7", "3,2"},
      {"Edit8", "9,81"},
      {"Edit13", "9810,05 руб."},
      {"Edit12", "3200,02 руб."},
      {"Label17", kWholeCapital},
      {"Label20", "100000,5 руб. или 100 % от капитала."},
      {"Label24", "9,81%"},
      {"Label23", "3,2%"},
      {"Label39", "3200,02 руб."},
      {"Label40", "9810,05 руб."},
      {"Label42", "или 1562,51 акций по цене: 100 руб."}}},
    // No sense: the proposal labels are emptied, the share count is left alone.
    {"LongNoSense",
     stock("Лонг", "100000", "2", "100", "98", "101"),
     "0,2",
     "0",
     {{"Edit7", "2,4"},
      {"Edit8", "0,6"},
      {"Edit13", "600 руб."},
      {"Edit12", "2400 руб."},
      {"Label17", " " + kNoSense},
      {"Label20", ""},
      {"Label24", ""},
      {"Label23", ""},
      {"Label39", ""},
      {"Label40", ""},
      {"Label42", "прежнее"}}},
    {"ShortNoSense",
     stock("Шорт", "100000", "2", "100", "102", "99"),
     "0,2",
     "0",
     {{"Edit7", "2,4"},
      {"Edit8", "0,6"},
      {"Edit13", "600 руб."},
      {"Edit12", "2400 руб."},
      {"Label17", kNoSense},
      {"Label20", ""},
      {"Label24", ""},
      {"Label23", ""},
      {"Label39", ""},
      {"Label40", ""},
      {"Label42", "прежнее"}}},
    // Market risk equal to the yield makes sense; a price risk equal to the accepted risk lets
    // the whole capital in.
    {"RiskEqualToYieldAndPriceRiskEqualToAcceptedRisk",
     stock("Лонг", "100000", "5", "100", "95", "105"),
     "0",
     "0",
     {{"Edit7", "5"},
      {"Edit8", "5"},
      {"Edit13", "5000 руб."},
      {"Edit12", "5000 руб."},
      {"Label17", " " + kWholeCapital},
      {"Label20", "100000 руб. или 100% от капитала."},
      {"Label24", "5%"},
      {"Label23", "5%"},
      {"Label39", "5000 руб."},
      {"Label40", "5000 руб."},
      {"Label42", "или 1000 акций по цене: 100 руб."}}},
};

void PrintTo(const StockCase& c, std::ostream* os) {
    *os << c.name;
}

class StockSizing : public ::testing::TestWithParam<StockCase> {};

TEST_P(StockSizing, WritesEveryResultOfTheOutcome) {
    const StockCase& c = GetParam();
    CalcHarness h;
    h.rates.fields["combrspot"] = c.brokerRate;
    h.rates.fields["comstockspot"] = c.exchangeRate;
    h.rates.fields["combrfut"] = "7"; // the futures rates play no part in stocks
    h.enter(c.ticket);
    h.markResults();

    h.press();

    EXPECT_EQ(h.results(), c.expected);
    EXPECT_TRUE(h.dialogs.boxes.empty()) << h.dialogs.boxes.front();
    EXPECT_EQ(h.form.Label11.text(), "");
    EXPECT_EQ(h.form.Label43.text(), "");
    EXPECT_TRUE(h.form.Label21.visible());
    EXPECT_TRUE(h.form.Label22.visible());
    // Only a proposal shows the share count; the no-sense outcome leaves it as it was.
    EXPECT_EQ(h.form.Label42.visible(), c.expected.at("Label42") != "прежнее");
}

INSTANTIATE_TEST_SUITE_P(Examples, StockSizing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A stop so near the entry that the market risk shows as 0 leaves no optimal amount: the whole
// capital figures stand, the share count stays empty and the user is told why.
TEST(StockSizingZeroMarketRisk, ExplainsInsteadOfFailingAndKeepsTheWholeCapitalFigures) {
    CalcHarness h;
    h.enter(stock("Лонг", "100000", "2", "100000", "99999,5", "100100"));
    h.markResults();

    h.press();

    EXPECT_EQ(h.results(), (Texts{{"Edit7", "0"},
                                  {"Edit8", "0,1"},
                                  {"Edit13", "100 руб."},
                                  {"Edit12", "0 руб."},
                                  {"Label17", " " + kWholeCapital},
                                  {"Label20", "100000 руб. или 100% от капитала."},
                                  {"Label24", "0,1%"},
                                  {"Label23", "0%"},
                                  {"Label39", "0 руб."},
                                  {"Label40", "100 руб."},
                                  {"Label42", ""}}));
    EXPECT_EQ(h.dialogs.boxes,
              std::vector<std::string>{
                  info("Рыночный риск округлился до нуля: оптимальный размер позиции рассчитать "
                       "нельзя. Увеличьте расстояние до стоп-лосса или размер позиции.")});
}

// A pasted negative risk sends a zero market risk into the smaller-position outcome; nothing of
// the previous ticket may stay beside the new figures.
TEST(StockSizingZeroMarketRisk, SmallerPositionLeavesNoEarlierProposal) {
    CalcHarness h;
    h.enter(stock("Шорт", "100000", "-1", "100000", "100000,4", "99900"));
    h.markResults();

    h.press();

    EXPECT_EQ(h.results(), (Texts{{"Edit7", "0"},
                                  {"Edit8", "0,1"},
                                  {"Edit13", "100 руб."},
                                  {"Edit12", "0 руб."},
                                  {"Label17", kPartOfCapital},
                                  {"Label20", ""},
                                  {"Label24", ""},
                                  {"Label23", ""},
                                  {"Label39", ""},
                                  {"Label40", ""},
                                  {"Label42", ""}}));
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].rfind("info: Рыночный риск округлился до нуля", 0), 0u);
}

} // namespace
} // namespace pelorix::testing
