#include "calc_harness.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pelorix::testing {
namespace {

using Boxes = std::vector<std::string>;

const std::string kCapitalLongStocks = "Размер капитала и Риск не могут быть меньше 0 !";
const std::string kCapital = "Размер капитала и Риск не могут быть < 0 !";
const std::string kFill = "Заполните пустые поля !";
const std::string kLongStop = "stop loss должен быть меньше  точки входа!";
const std::string kShortStop = "stop loss должен быть больше  точки входа!";
const std::string kLongTarget = "Цель не должна быть меньше точки входа!";
const std::string kShortTarget = "Цель не должна быть больше точки входа!";
const std::string kStopEqual = "\x43топ лосс не может быть равен точке входа!"; // Latin C
const std::string kStocksLimit = "Цена финансового инструмента больше чем размер Вашего капитала! "
                                 "\rЛибо измените цену входа, либо размер счета";

enum Side { Long, Short };
enum Tab { Stocks = 0, Futures = 1, Forex = 2 };

// A ticket that passes every check of its branch, with one change applied.
Ticket ticket(Side side, Tab tab, const std::function<void(Ticket&)>& change = {}) {
    Ticket t;
    t.side = side == Long ? "Лонг" : "Шорт";
    t.tab = tab;
    t.capital = "100000";
    t.risk = "2";
    t.entry = "100";
    t.stop = side == Long ? "95" : "105";
    t.target = side == Long ? "115" : "85";
    if (change) change(t);
    return t;
}

struct ChainCase {
    const char* name;
    Ticket ticket;
    Boxes boxes; // empty: refused silently
};

const ChainCase kCases[] = {
    // V1 comes first and is silent.
    {"EmptyEntryBeforeCapital",
     ticket(Long, Stocks, [](Ticket& t) { t.entry = "", t.capital = "0"; }),
     {}},
    {"EmptyStop", ticket(Short, Futures, [](Ticket& t) { t.stop = ""; }), {}},
    {"EmptyEntryOnForex", ticket(Long, Forex, [](Ticket& t) { t.entry = ""; }), {}},
    // V2: long stocks have their own wording; a text "0,0" is a value.
    {"ZeroEntryAndZeroCapital",
     ticket(Long, Stocks, [](Ticket& t) { t.entry = "0", t.capital = "0"; }),
     {info(kCapitalLongStocks)}},
    {"EmptyCapitalLongStocks",
     ticket(Long, Stocks, [](Ticket& t) { t.capital = ""; }),
     {info(kCapitalLongStocks)}},
    {"ZeroRiskLongStocks",
     ticket(Long, Stocks, [](Ticket& t) { t.risk = "0"; }),
     {info(kCapitalLongStocks)}},
    {"ZeroCapitalShortStocks",
     ticket(Short, Stocks, [](Ticket& t) { t.capital = "0"; }),
     {info(kCapital)}},
    {"ZeroCapitalLongFutures",
     ticket(Long, Futures, [](Ticket& t) { t.capital = "0"; }),
     {info(kCapital)}},
    {"EmptyRiskShortFutures",
     ticket(Short, Futures, [](Ticket& t) { t.risk = ""; }),
     {info(kCapital)}},
    {"ZeroCapitalLongForex",
     ticket(Long, Forex, [](Ticket& t) { t.capital = "0"; }),
     {info(kCapital)}},
    {"ZeroRiskShortForex", ticket(Short, Forex, [](Ticket& t) { t.risk = "0"; }), {info(kCapital)}},
    {"CapitalZeroCommaZeroMeetsTheStocksLimit",
     ticket(Long, Stocks, [](Ticket& t) { t.capital = "0,0"; }),
     {info(kStocksLimit)}},
    // V3: the market's fields.
    {"ZeroEntry", ticket(Long, Stocks, [](Ticket& t) { t.entry = "0"; }), {info(kFill)}},
    {"EmptyTarget", ticket(Short, Stocks, [](Ticket& t) { t.target = ""; }), {info(kFill)}},
    {"ZeroMargin", ticket(Long, Futures, [](Ticket& t) { t.margin = "0"; }), {info(kFill)}},
    {"EmptyContracts", ticket(Short, Futures, [](Ticket& t) { t.contracts = ""; }), {info(kFill)}},
    {"ZeroPointValue", ticket(Long, Futures, [](Ticket& t) { t.pointValue = "0"; }), {info(kFill)}},
    {"FuturesFieldsDoNotCountOnStocks",
     ticket(Long, Stocks, [](Ticket& t) { t.margin = "0", t.capital = "50"; }),
     {info(kStocksLimit)}},
    {"EmptyLot", ticket(Long, Forex, [](Ticket& t) { t.lot = ""; }), {info(kFill)}},
    // Emptying the instrument box already runs the quote lookup, which finds no instrument.
    {"EmptyInstrument",
     ticket(Short, Forex, [](Ticket& t) { t.instrument = ""; }),
     {plain("Либо запись не найдена,либо не выбран вид валютной пары!"), info(kFill)}},
    {"ShownEmptyUsdRate",
     ticket(Long, Forex, [](Ticket& t) { t.usdRateShown = true; }),
     {info(kFill)}},
    // The fill check lets it pass; the stop check after it refuses.
    {"HiddenEmptyUsdRateIsNotTested",
     ticket(Long, Forex, [](Ticket& t) { t.stop = "100,5"; }),
     {info(kLongStop)}},
    {"ForexFieldsDoNotCountOnFutures",
     ticket(Long, Futures,
            [](Ticket& t) { t.lot = "", t.usdRateShown = true, t.contracts = "50"; }),
     {info("Внимание! Превышен лимит по ГО!")}},
    // V4, long branches: stop, target, equal.
    {"LongStopAboveEntryBeforeTarget",
     ticket(Long, Stocks, [](Ticket& t) { t.stop = "101", t.target = "90"; }),
     {info(kLongStop)}},
    {"LongStopEqualWithLowTargetGetsTarget",
     ticket(Long, Stocks, [](Ticket& t) { t.stop = "100", t.target = "90"; }),
     {info(kLongTarget)}},
    {"LongTargetAtEntry",
     ticket(Long, Futures, [](Ticket& t) { t.target = "100"; }),
     {info(kLongTarget)}},
    {"LongStopEqual", ticket(Long, Forex, [](Ticket& t) { t.stop = "100,0"; }), {info(kStopEqual)}},
    {"LongForexStopAbove",
     ticket(Long, Forex, [](Ticket& t) { t.stop = "100,5"; }),
     {info(kLongStop)}},
    // Short stocks: stop, equal, target.
    {"ShortStocksStopBelow",
     ticket(Short, Stocks, [](Ticket& t) { t.stop = "99", t.target = "120"; }),
     {info(kShortStop)}},
    {"ShortStocksStopEqualBeforeTarget",
     ticket(Short, Stocks, [](Ticket& t) { t.stop = "100", t.target = "120"; }),
     {info(kStopEqual)}},
    {"ShortStocksTargetAtEntry",
     ticket(Short, Stocks, [](Ticket& t) { t.target = "100"; }),
     {info(kShortTarget)}},
    // Short futures: stop, target (above only), equal.
    {"ShortFuturesTargetBeforeStopEqual",
     ticket(Short, Futures, [](Ticket& t) { t.stop = "100", t.target = "101"; }),
     {info(kShortTarget)}},
    {"ShortFuturesTargetAtEntryPassesToStopEqual",
     ticket(Short, Futures, [](Ticket& t) { t.stop = "100", t.target = "100"; }),
     {info(kStopEqual)}},
    {"ShortFuturesStopBelow",
     ticket(Short, Futures, [](Ticket& t) { t.stop = "90"; }),
     {info(kShortStop)}},
    // Short Forex: stop, target (at or above), equal.
    {"ShortForexTargetAtEntryBeforeStopEqual",
     ticket(Short, Forex, [](Ticket& t) { t.stop = "100", t.target = "100"; }),
     {info(kShortTarget)}},
    {"ShortForexStopEqual",
     ticket(Short, Forex, [](Ticket& t) { t.stop = "100"; }),
     {info(kStopEqual)}},
    // V5 of the stocks.
    {"CapitalBelowEntryPrice",
     ticket(Short, Stocks, [](Ticket& t) { t.capital = "99,99"; }),
     {info(kStocksLimit)}},
};

void PrintTo(const ChainCase& c, std::ostream* os) {
    *os << c.name;
}

class ValidationChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ValidationChain, StopsAtTheFirstFailingCheckAndWritesNothing) {
    const ChainCase& c = GetParam();
    CalcHarness h;
    h.enter(c.ticket);
    h.markResults();

    h.press();

    EXPECT_EQ(h.dialogs.boxes, c.boxes);
    for (const auto& [name, text] : h.results())
        EXPECT_EQ(text, "прежнее") << name;
    EXPECT_EQ(h.form.Label43.text(), "");
    EXPECT_EQ(h.form.Label11.text(), "ГО:");
}

INSTANTIATE_TEST_SUITE_P(AllBranches, ValidationChain, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Dispatch, AnUnknownSideOrTabOnlyClearsTheQuotation) {
    for (const std::string side : {"лонг", "", "Лонг "}) {
        CalcHarness h;
        h.enter(ticket(Long, Stocks, [&](Ticket& t) { t.side = side, t.capital = "0"; }));
        h.markResults();
        h.press();
        EXPECT_TRUE(h.dialogs.boxes.empty()) << side;
        EXPECT_EQ(h.results().at("Edit7"), "прежнее") << side;
        EXPECT_EQ(h.form.Label43.text(), "") << side;
    }
    CalcHarness h;
    h.enter(ticket(Long, Stocks, [](Ticket& t) { t.capital = "0"; }));
    h.form.TabControl1.setTabIndex(-1);
    h.markResults();
    h.press();
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(h.form.Label43.text(), "");
}

TEST(Dispatch, ARefusedTicketLeavesTheEarlierResultsOnScreen) {
    CalcHarness h;
    h.enter(ticket(Long, Stocks));
    h.press();
    const auto before = h.results();
    ASSERT_EQ(before.at("Edit7"), "5");

    h.form.Edit4.setText("101");
    h.press();

    EXPECT_EQ(h.dialogs.boxes, Boxes{info(kLongStop)});
    EXPECT_EQ(h.results(), before);
}

} // namespace
} // namespace pelorix::testing
