#include "base/app_error.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"
#include "support/temp_folder.h"

#include "support/error_of.h"
#include <algorithm>
#include <functional>

#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace pelorix {
namespace {

using testing::errorOf;

using testing::TempFolder;
using State = TableHandle::State;

constexpr const char* kSchema = R"(
CREATE TABLE "Сurrency" (currency TEXT, Price_step REAL, spread REAL, type TEXT);
INSERT INTO "Сurrency" VALUES ('EUR/USD', 0.0001, 2, 'прямая'), ('USD/JPY', 0.01, 2, 'обратная'),
                              ('EUR/GBP', 0.0001, 3, 'кросс-курс'), ('XXX/YYY', NULL, NULL, NULL);
CREATE TABLE curr (currency TEXT);
INSERT INTO curr VALUES ('A'), ('B'), ('C');
CREATE TABLE commis (combrspot REAL, combrfut REAL, comstockspot REAL, comstockfut REAL);
)";

class TableHandleTest : public ::testing::Test {
protected:
    TableHandleTest() {
        folder.createDatabase(kSchema);
        connection.setProgramFolder(folder.path());
    }

    TableHandle& open(std::string_view table, char separator = ',') {
        handles.push_back(
            std::make_unique<TableHandle>(connection, "ADOTable1", std::string(table), separator));
        handles.back()->open();
        return *handles.back();
    }
    TableHandle& instruments() { return open(kInstrumentTable); }
    TableHandle& currencies() { return open(kCurrencyTable); }

    std::vector<std::string> namesInHandle(const TableHandle& table) {
        std::vector<std::string> names;
        for (int row = 0; row < table.rowCount(); ++row)
            names.push_back(table.cellText(row, 0));
        return names;
    }

    TempFolder folder;
    Connection connection{"ADOConnection1"};
    std::vector<std::unique_ptr<TableHandle>> handles;
};

TEST_F(TableHandleTest, ClosedHandleRefusesEveryOperationAndFindsNoField) {
    TableHandle table(connection, "ADOTable1", "curr", ',');
    const std::string closed = "ADOTable1: Cannot perform this operation on a closed dataset";
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"first", [&] { table.first(); }},
        {"next", [&] { table.next(); }},
        {"edit", [&] { table.edit(); }},
        {"insert", [&] { table.insert(); }},
        {"post", [&] { table.post(); }},
        {"cancel", [&] { table.cancel(); }},
        {"remove", [&] { table.remove(); }},
        {"locate", [&] { table.locate("currency", "A"); }},
        {"moveTo", [&] { table.moveTo(0); }},
        {"setFieldText", [&] { table.setFieldText("currency", "A"); }},
    };
    for (int round = 0; round < 2; ++round) { // never opened, then opened and closed again
        for (const auto& [name, operation] : operations)
            EXPECT_EQ(errorOf(operation), closed) << name << " round " << round;
        EXPECT_EQ(errorOf([&] { table.fieldText("currency"); }),
                  "ADOTable1: Field 'currency' not found");
        EXPECT_EQ(errorOf([&] { table.isNull("currency"); }),
                  "ADOTable1: Field 'currency' not found");
        EXPECT_TRUE(table.eof());
        EXPECT_EQ(table.currentIndex(), -1);
        table.open();
        table.close();
    }
}

TEST_F(TableHandleTest, OpenBrowsesTheFirstRowOrEndOfTableWhenEmpty) {
    TableHandle& table = currencies();
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.currentIndex(), 0);
    EXPECT_EQ(table.fieldText("currency"), "A");

    TableHandle& empty = open(kCommissionTable);
    EXPECT_EQ(empty.state(), State::Browsing);
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.currentIndex(), -1);
    EXPECT_TRUE(empty.isNull("combrspot"));
}

TEST_F(TableHandleTest, FieldsReadAsTextInTheUsersLocale) {
    TableHandle& comma = instruments();
    EXPECT_EQ(comma.fieldText("Price_step"), "0,0001");
    EXPECT_EQ(comma.fieldText("spread"), "2");
    EXPECT_EQ(comma.fieldText("Type"), "прямая");
    EXPECT_EQ(comma.fieldText("CURRENCY"), "EUR/USD");
    EXPECT_EQ(errorOf([&] { comma.fieldText("Spread2"); }), "ADOTable1: Field 'Spread2' not found");
    EXPECT_EQ(open(kInstrumentTable, '.').fieldText("Price_step"), "0.0001");
    EXPECT_EQ(comma.columnNames(),
              (std::vector<std::string>{"currency", "Price_step", "spread", "type"}));
}

TEST_F(TableHandleTest, NullCannotBeReadAsTextButShowsEmptyInAGrid) {
    TableHandle& table = instruments();
    ASSERT_TRUE(table.locate("currency", "XXX/YYY"));
    for (const char* field : {"Price_step", "spread", "Type"}) {
        EXPECT_TRUE(table.isNull(field)) << field;
        EXPECT_EQ(errorOf([&] { table.fieldText(field); }),
                  "Could not convert variant of type (Null) into type (OleStr)")
            << field;
    }
    EXPECT_FALSE(table.isNull("currency"));
    EXPECT_EQ(table.cellText(3, 1), "");
    EXPECT_EQ(table.cellText(1, 1), "0,01");
}

TEST_F(TableHandleTest, EditedValueIsSeenAtOnceAndReachesTheFileOnPost) {
    TableHandle& table = instruments();
    table.edit();
    EXPECT_EQ(table.state(), State::Editing);
    table.setFieldText("spread", "2,5");
    EXPECT_EQ(table.fieldText("spread"), "2,5");
    EXPECT_TRUE(table.modified());
    EXPECT_EQ(folder.query("SELECT spread FROM \"Сurrency\" WHERE rowid = 1"), "2.0");

    table.post();
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_EQ(folder.query("SELECT spread FROM \"Сurrency\" WHERE rowid = 1"), "2.5");
    EXPECT_EQ(table.fieldText("spread"), "2,5");
}

TEST_F(TableHandleTest, SettingAFieldWhileBrowsingStartsEditing) {
    TableHandle& table = instruments();
    table.setFieldText("Price_step", "0,001");
    EXPECT_EQ(table.state(), State::Editing);
    table.cancel();
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_EQ(table.fieldText("Price_step"), "0,0001");
}

TEST_F(TableHandleTest, EmptyTableStartsANewRowThatPostInserts) {
    TableHandle& table = open(kCommissionTable);
    table.edit();
    EXPECT_EQ(table.state(), State::Inserting);
    EXPECT_EQ(table.rowCount(), 1);
    table.setFieldText("combrspot", "0,05");
    table.setFieldText("combrfut", "2");
    table.post();
    EXPECT_EQ(folder.query("SELECT * FROM commis"), "0.05|2.0|NULL|NULL");
    EXPECT_EQ(table.fieldText("combrspot"), "0,05");
    EXPECT_FALSE(table.eof());
}

TEST_F(TableHandleTest, PostWhileBrowsingIsRefused) {
    TableHandle& table = currencies();
    EXPECT_EQ(errorOf([&] { table.post(); }), "ADOTable1: Dataset not in edit or insert mode");
}

TEST_F(TableHandleTest, NumberColumnsConvertTextInTheLocale) {
    TableHandle& table = instruments();
    for (const std::string text : {"2.5", "1E400", "-1,8E308"})
        EXPECT_EQ(errorOf([&] { table.setFieldText("spread", text); }),
                  "'" + text + "' is not a valid floating point value");
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_EQ(table.fieldText("spread"), "2");

    table.setFieldText("spread", ""); // an emptied number field holds no value
    EXPECT_TRUE(table.isNull("spread"));
    table.setFieldText("currency", "");
    EXPECT_EQ(table.fieldText("currency"), "");
    table.post();
    EXPECT_EQ(folder.query("SELECT quote(currency), quote(spread) FROM \"Сurrency\" LIMIT 1"),
              "''|NULL");
}

TEST_F(TableHandleTest, CancelRestoresAnEditAndDropsANewRow) {
    TableHandle& table = currencies();
    table.next();
    table.setFieldText("currency", "Z");
    table.cancel();
    EXPECT_EQ(table.fieldText("currency"), "B");

    table.insert();
    EXPECT_EQ(table.state(), State::Inserting);
    EXPECT_EQ(table.currentIndex(), 1);
    table.setFieldText("currency", "N");
    table.cancel();
    EXPECT_EQ(namesInHandle(table), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(table.fieldText("currency"), "B");
    EXPECT_EQ(folder.query("SELECT count(*) FROM curr"), "3");
}

TEST_F(TableHandleTest, WalkingPastTheLastRowSetsEndOfTableOnThatRow) {
    TableHandle& table = currencies();
    table.next();
    table.next();
    EXPECT_FALSE(table.eof());
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldText("currency"), "C");
    table.first();
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.fieldText("currency"), "A");
}

TEST_F(TableHandleTest, LocateMatchesTheWholeValueWithItsCase) {
    TableHandle& table = instruments();
    ASSERT_TRUE(table.locate("currency", "EUR/GBP"));
    EXPECT_EQ(table.fieldText("Type"), "кросс-курс");
    for (const char* miss : {"eur/gbp", "EUR", "EUR/GBP ", "GBP/EUR", ""})
        EXPECT_FALSE(table.locate("currency", miss)) << miss;
    EXPECT_EQ(table.currentIndex(), 2);
    EXPECT_EQ(errorOf([&] { table.locate("name", "EUR/GBP"); }),
              "ADOTable1: Field 'name' not found");
}

// The search keeps an index of the names; every change of the rows must reach it, or a search
// would land on a stale row.
TEST_F(TableHandleTest, LocateFollowsEveryChangeOfTheRows) {
    TableHandle& table = instruments();
    ASSERT_TRUE(table.locate("currency", "USD/JPY"));

    table.setFieldText("currency", "USD/JPN"); // renamed and saved by the next search
    EXPECT_FALSE(table.locate("currency", "USD/JPY"));
    ASSERT_TRUE(table.locate("currency", "USD/JPN"));
    EXPECT_EQ(table.currentIndex(), 1);

    table.first();
    table.insert(); // a new first row of the same name: the first row of a name is found
    table.setFieldText("currency", "EUR/GBP");
    ASSERT_TRUE(table.locate("currency", "EUR/GBP"));
    EXPECT_EQ(table.currentIndex(), 0);
    table.remove();
    ASSERT_TRUE(table.locate("currency", "EUR/GBP"));
    EXPECT_EQ(table.currentIndex(), 2);

    table.setFieldText("currency", "CHF/JPY"); // taken back before any search
    table.cancel();
    EXPECT_FALSE(table.locate("currency", "CHF/JPY"));
    ASSERT_TRUE(table.locate("currency", "EUR/GBP"));
    EXPECT_EQ(table.currentIndex(), 2);

    // A number field is searched by its text in the locale.
    ASSERT_TRUE(table.locate("Price_step", "0,01"));
    EXPECT_EQ(table.fieldText("currency"), "USD/JPN");
    ASSERT_TRUE(table.locate("currency", "XXX/YYY"));
}

// Moving is how typing reaches the file: each way of moving saves a changed row and quietly
// leaves an unchanged one.
struct Move {
    const char* name;
    void (*run)(TableHandle&);
};

class SaveByMovingTest : public TableHandleTest, public ::testing::WithParamInterface<Move> {};

TEST_P(SaveByMovingTest, ChangedRowIsSavedUnchangedRowIsLeft) {
    TableHandle& table = instruments();
    table.edit();
    GetParam().run(table);
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_EQ(folder.query("SELECT spread FROM \"Сurrency\" WHERE rowid = 1"), "2.0");

    table.first();
    table.edit();
    table.setFieldText("spread", "7");
    GetParam().run(table);
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_FALSE(table.modified());
    EXPECT_EQ(folder.query("SELECT spread FROM \"Сurrency\" WHERE rowid = 1"), "7.0");
}

INSTANTIATE_TEST_SUITE_P(
    Moves, SaveByMovingTest,
    ::testing::Values(Move{"first", [](TableHandle& t) { t.first(); }},
                      Move{"next", [](TableHandle& t) { t.next(); }},
                      Move{"locate", [](TableHandle& t) { t.locate("currency", "EUR/GBP"); }},
                      Move{"locate_missing", [](TableHandle& t) { t.locate("currency", "no"); }},
                      Move{"moveTo", [](TableHandle& t) { t.moveTo(2); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableHandleTest, InsertedRowStandsBeforeTheCurrentAndIsSavedByMovingAway) {
    TableHandle& table = currencies();
    table.next();
    table.setFieldText("currency", "BB");
    table.insert(); // leaving the changed row B saves it first
    EXPECT_EQ(folder.query("SELECT currency FROM curr WHERE rowid = 2"), "BB");
    table.setFieldText("currency", "EUR");
    EXPECT_EQ(namesInHandle(table), (std::vector<std::string>{"A", "EUR", "BB", "C"}));
    table.moveTo(0);
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "A\nBB\nC\nEUR");
    EXPECT_EQ(namesInHandle(table), (std::vector<std::string>{"A", "EUR", "BB", "C"}));
}

TEST_F(TableHandleTest, UntouchedNewRowVanishesWhenTheGridMovesBelowIt) {
    TableHandle& table = currencies();
    table.insert();  // shown rows: new, A, B, C
    table.moveTo(3); // the user clicks C
    EXPECT_EQ(table.fieldText("currency"), "C");
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(folder.query("SELECT count(*) FROM curr"), "3");
}

TEST_F(TableHandleTest, RemoveDeletesFromFileAndCopy) {
    TableHandle& table = currencies();
    table.moveTo(2);
    table.remove();
    EXPECT_EQ(namesInHandle(table), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(table.fieldText("currency"), "B"); // the last row went, the one above is current
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "A\nB");

    table.insert();
    table.remove(); // a row being inserted is only dropped
    EXPECT_EQ(table.rowCount(), 2);

    table.remove();
    table.remove();
    EXPECT_TRUE(table.eof());
    table.remove(); // nothing left: nothing happens
    EXPECT_EQ(folder.query("SELECT count(*) FROM curr"), "0");
}

TEST_F(TableHandleTest, OpeningAgainKeepsThePendingEdit) {
    TableHandle& table = currencies();
    table.setFieldText("currency", "RUB");
    table.open();
    EXPECT_EQ(table.state(), State::Editing);
    EXPECT_EQ(table.fieldText("currency"), "RUB");
}

TEST_F(TableHandleTest, IntegerColumnsReadAsNumbers) {
    folder.query(
        "CREATE TABLE counts (n INTEGER, label TEXT); INSERT INTO counts VALUES (5, '7');");
    TableHandle& table = open("counts");
    EXPECT_EQ(table.fieldText("n"), "5");
    table.setFieldText("n", "1,5E1");
    table.setFieldText("label", "1,5E1"); // a text column keeps text as typed
    table.post();
    EXPECT_EQ(folder.query("SELECT n, label FROM counts"), "15|1,5E1");
}

constexpr const char* kRowChanged = "Row cannot be located for updating. Some values may have "
                                    "been changed since it was last read.";

// Two windows hold the same table through their own connections.
class TwoHandlesTest : public TableHandleTest {
protected:
    TwoHandlesTest() {
        other.setProgramFolder(folder.path());
        mine.open();
        theirs.open();
    }
    Connection other{"ADOConnection2"};
    TableHandle mine{connection, "ADOTable1", "curr", ','};
    TableHandle theirs{other, "ADOTable1", "curr", ','};
};

TEST_F(TwoHandlesTest, EachSeesOnlyItsOwnNewRows) {
    mine.insert();
    mine.setFieldText("currency", "CHF");
    mine.post();
    theirs.insert();
    theirs.setFieldText("currency", "JPY");
    theirs.post();
    EXPECT_EQ(namesInHandle(mine), (std::vector<std::string>{"CHF", "A", "B", "C"}));
    EXPECT_EQ(namesInHandle(theirs), (std::vector<std::string>{"JPY", "A", "B", "C"}));
    EXPECT_FALSE(theirs.locate("currency", "CHF"));
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "A\nB\nC\nCHF\nJPY");
}

TEST_F(TwoHandlesTest, SavingARowAnotherHandleDeletedFailsAndKeepsTheEdit) {
    theirs.remove(); // row A
    mine.setFieldText("currency", "AA");
    EXPECT_EQ(errorOf([&] { mine.post(); }), kRowChanged);
    EXPECT_EQ(mine.state(), State::Editing);
    EXPECT_EQ(mine.fieldText("currency"), "AA");
    EXPECT_EQ(errorOf([&] { mine.next(); }), kRowChanged) << "moving tries to save again";
    mine.cancel();
    mine.next();
    EXPECT_EQ(mine.fieldText("currency"), "B");
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "B\nC");
}

// A row changed through the other handle is never overwritten unseen: the first save fails and
// keeps the user's edit; cancelling then shows the row as the file holds it, and saving again
// replaces it knowingly.
TEST_F(TwoHandlesTest, SavingARowAnotherHandleChangedFailsOnce) {
    for (const bool saveAgain : {true, false}) {
        SCOPED_TRACE(saveAgain ? "saved again" : "cancelled");
        for (TableHandle* handle : {&mine, &theirs}) {
            handle->close();
            handle->open();
        }
        theirs.setFieldText("currency", saveAgain ? "AX" : "AY");
        theirs.post();
        mine.setFieldText("currency", "AA");
        EXPECT_EQ(errorOf([&] { mine.post(); }), kRowChanged);
        EXPECT_EQ(mine.fieldText("currency"), "AA");
        if (saveAgain) {
            mine.next();
            EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid LIMIT 1"), "AA");
        } else {
            mine.cancel();
            EXPECT_EQ(mine.fieldText("currency"), "AY");
            mine.next();
            EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid LIMIT 1"), "AY");
        }
    }
}

TEST_F(TwoHandlesTest, SavingANumberChangedElsewhereIsDetectedToo) {
    TableHandle mineRates(connection, "ADOTable2", "commis", ',');
    TableHandle theirRates(other, "ADOTable2", "commis", ',');
    folder.query("INSERT INTO commis VALUES (0.1, 2, 0.01, 1)");
    mineRates.open();
    theirRates.open();
    theirRates.setFieldText("combrfut", "2,5");
    theirRates.post();
    mineRates.setFieldText("combrspot", "0,2");
    EXPECT_EQ(errorOf([&] { mineRates.post(); }), kRowChanged);
    mineRates.post();
    EXPECT_EQ(folder.query("SELECT combrspot, combrfut FROM commis"), "0.2|2.5");
}

TEST_F(TwoHandlesTest, DeletingARowChangedOrDeletedElsewhereFails) {
    theirs.setFieldText("currency", "AX"); // row A changed
    theirs.next();
    theirs.remove(); // row B deleted

    EXPECT_EQ(errorOf([&] { mine.remove(); }), kRowChanged);
    EXPECT_EQ(mine.fieldText("currency"), "AX") << "shown as it now is";
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "AX\nC");
    mine.remove(); // asked again, knowingly
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid"), "C");

    ASSERT_EQ(mine.fieldText("currency"), "B");
    EXPECT_EQ(errorOf([&] { mine.remove(); }), kRowChanged);
    EXPECT_EQ(namesInHandle(mine), std::vector<std::string>{"C"}) << "gone here too";
}

TEST_F(TableHandleTest, SavingWhileAnotherProgramLocksTheFileFailsAndKeepsTheEdit) {
    Connection impatient("ADOConnection1", std::chrono::milliseconds(50));
    impatient.setProgramFolder(folder.path());
    TableHandle mine(impatient, "ADOTable1", "curr", ',');
    mine.open();
    sqlite3* locker = nullptr;
    ASSERT_EQ(sqlite3_open(folder.file("currency.mdb").c_str(), &locker), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(locker, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    mine.setFieldText("currency", "AA");
    EXPECT_EQ(errorOf([&] { mine.post(); }),
              "The database file '" + folder.file("currency.mdb").string() +
                  "' is locked by another program; nothing was changed, try again later");
    EXPECT_EQ(mine.state(), State::Editing);

    sqlite3_exec(locker, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(locker);
    mine.post();
    EXPECT_EQ(folder.query("SELECT currency FROM curr ORDER BY rowid LIMIT 1"), "AA");
}

} // namespace
} // namespace pelorix
