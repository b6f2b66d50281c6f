#include "calc/calculate.h"
#include "calc_harness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pelorix::testing {
namespace {

using Boxes = std::vector<std::string>;

Ticket longStocks() {
    Ticket t;
    t.side = "Лонг";
    t.tab = 0;
    return t;
}

TEST(CommissionRates, AreReadInTheirOrderAndSummedPerMarket) {
    CalcHarness h;
    h.rates.fields = {
        {"combrspot", "0,1"}, {"comstockspot", "0,1"}, {"combrfut", "1,5"}, {"comstockfut", "0,5"}};
    Ticket t;
    t.tab = 1;
    t.entry = "1500";
    t.stop = "1490";
    t.target = "1560";
    h.enter(t);

    h.press();

    EXPECT_EQ(h.rates.reads,
              (std::vector<std::string>{"combrspot", "comstockspot", "combrfut", "comstockfut"}));
    // 3 contracts × 2 per side × 2 sides = 12, 0,01 % of the capital.
    EXPECT_EQ(h.form.Edit7.text(), "0,31");
    EXPECT_EQ(h.form.Edit8.text(), "1,79");

    h.form.TabControl1.setTabIndex(0);
    h.enter(longStocks());
    h.press();
    EXPECT_EQ(h.form.Edit7.text(), "5,39");
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

struct RateFault {
    const char* field;
    std::string stored;
    std::string errorText;
};

void PrintTo(const RateFault& c, std::ostream* os) {
    *os << c.field;
}

class UnreadableCommission : public ::testing::TestWithParam<RateFault> {};

TEST_P(UnreadableCommission, StopsTheCommandBeforeAnythingIsWritten) {
    const RateFault& f = GetParam();
    CalcHarness h;
    h.rates.fields[f.field] = f.stored;
    h.enter(longStocks());
    h.markResults();

    h.press();

    EXPECT_EQ(h.dialogs.boxes, Boxes{errorBox(f.errorText)});
    EXPECT_EQ(h.form.Label43.text(), "цитата");
    for (const auto& [name, text] : h.results())
        EXPECT_EQ(text, "прежнее") << name;
}

const std::string kNullText = "Could not convert variant of type (Null) into type (OleStr)";

INSTANTIATE_TEST_SUITE_P(
    Fields, UnreadableCommission,
    ::testing::Values(RateFault{"combrspot", std::string(FakeCommissionRow::kNull), kNullText},
                      RateFault{"comstockfut", std::string(FakeCommissionRow::kNull), kNullText},
                      RateFault{"comstockspot", "", "'' is not a valid floating point value."},
                      RateFault{"combrfut", "0.5", "'0.5' is not a valid floating point value."}));

// A commission table that could not be opened has no fields: the command stops on the first rate.
TEST(CommissionRates, AnUnopenedCommissionTableEndsTheCommandWithTheMissingField) {
    Connection connection("ADOConnection2");
    const TableHandle closed(connection, "ADOTable2", std::string(kCommissionTable), ',');
    CalcHarness h(closed);
    h.enter(longStocks());
    h.markResults();

    h.press();

    EXPECT_EQ(h.dialogs.boxes, Boxes{errorBox("ADOTable2: Field 'combrspot' not found.")});
    EXPECT_EQ(h.form.Label43.text(), "цитата");
}

// A pasted risk that is no number is read only when the outcome is chosen: the market risk and
// yield already written stay, the rest keeps the earlier texts.
TEST(Conversion, APastedTextStopsWhereItIsReadAndKeepsWhatWasWritten) {
    CalcHarness h;
    h.enter(longStocks());
    runHandler(h.env, [&] { h.form.Edit2.setText("2о"); }); // a Cyrillic о, pasted
    h.markResults();
    h.dialogs.boxes.clear();

    h.press();

    EXPECT_EQ(h.dialogs.boxes, Boxes{errorBox("'2о' is not a valid floating point value.")});
    const auto r = h.results();
    EXPECT_EQ(r.at("Edit7"), "5");
    EXPECT_EQ(r.at("Edit8"), "15");
    EXPECT_EQ(r.at("Edit13"), "15000 руб.");
    EXPECT_EQ(r.at("Edit12"), "5000 руб.");
    EXPECT_EQ(r.at("Label17"), "прежнее");
    EXPECT_EQ(h.form.Label11.text(), "");
}

// Until the Forex sizing is wired in, a Forex ticket runs the instrument search before its
// checks and reaches the lot sizing only when they pass.
TEST(ForexSeam, SearchesBeforeTheChecksAndSizesOnlyAPassedTicket) {
    CalcHarness h;
    std::vector<std::string> calls;
    ForexBranch forex{[&] { calls.push_back("find:" + h.form.ComboBox3.text()); },
                      [&](const TradeTicket& t, const ResultView&, PositionSide side) {
                          calls.push_back(std::string("size:") +
                                          (side == PositionSide::Short ? "short:" : "long:") +
                                          t.lot.text());
                      }};
    Ticket t;
    t.tab = 2;
    t.side = "Шорт";
    t.stop = "105";
    t.target = "85";
    t.entry = "";
    h.enter(t);

    calculate(h.form.ticket(), h.form.results(), h.rates, h.dialogs, forex);
    EXPECT_EQ(calls, std::vector<std::string>{"find:EUR/USD"});

    h.form.Edit3.setText("100");
    calculate(h.form.ticket(), h.form.results(), h.rates, h.dialogs, forex);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"find:EUR/USD", "find:EUR/USD", "size:short:10000"}));

    h.form.Label43.setText("цитата");
    h.form.ComboBox1.setText("Лонг");
    calculate(h.form.ticket(), h.form.results(), h.rates, h.dialogs, forex);
    EXPECT_EQ(calls.size(), 4u); // searched, then refused by the long stop check
    EXPECT_EQ(h.dialogs.boxes, Boxes{info("stop loss должен быть меньше  точки входа!")});
    EXPECT_EQ(h.form.Label43.text(), "");
}

} // namespace
} // namespace pelorix::testing
