#include "settings/tform5.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pelorix {
namespace {

using testing::RecordingDialogs;
using testing::RecordingShell;
using testing::TempFolder;
using Names = std::vector<std::string>;
using State = TableHandle::State;

// The settlement currency list over its own database; every user action runs behind the
// handler boundary, as the skin runs it.
class CurrencyGrid : public ::testing::Test {
protected:
    explicit CurrencyGrid(const char* sql = "CREATE TABLE curr (currency TEXT UNIQUE);"
                                            "INSERT INTO curr VALUES ('руб.'), ('USD'), ('EUR');") {
        if (sql) folder.createDatabase(sql);
        runHandler(env, [this] { form.FormCreate(); });
    }

    bool user(const std::function<void()>& action) { return runHandler(env, action); }
    bool key(Key k) {
        return user([&] { grid.onKeyDown(k); });
    }
    bool choose(int row) {
        return user([&] { grid.chooseRow(row); });
    }
    bool type(int row, const std::string& text) {
        return user([&] { grid.typeCell(row, 0, text); });
    }

    Names shown() const {
        Names names;
        for (int row = 0; row < grid.rowCount(); ++row)
            names.push_back(grid.cellText(row, 0));
        return names;
    }
    std::string stored() const {
        return folder.query("SELECT coalesce(currency, 'NULL') FROM curr ORDER BY rowid");
    }

    TempFolder folder;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Environment env{dialogs, shell, folder.path(), ',', "Pelorix"};
    TForm5 form{env};
    Grid& grid = form.DBGrid1;
    TableHandle& table = form.ADOTable1;
};

TEST_F(CurrencyGrid, InsertAddsARowBeforeTheCurrentThatMovingAwayStores) {
    ASSERT_TRUE(choose(1));
    ASSERT_TRUE(key(Key::Insert));
    EXPECT_EQ(shown(), (Names{"руб.", "", "USD", "EUR"}));
    EXPECT_EQ(grid.currentRow(), 1);

    ASSERT_TRUE(type(1, "CHF"));
    EXPECT_EQ(stored(), "руб.\nUSD\nEUR"); // not before the user leaves the row
    ASSERT_TRUE(choose(3));
    EXPECT_EQ(stored(), "руб.\nUSD\nEUR\nCHF");
    EXPECT_EQ(shown(), (Names{"руб.", "CHF", "USD", "EUR"}));

    // Typing into another line moves there first; the row is stored on leaving it.
    ASSERT_TRUE(type(0, "RUB"));
    EXPECT_EQ(grid.currentRow(), 0);
    ASSERT_TRUE(choose(2));
    EXPECT_EQ(stored(), "RUB\nUSD\nEUR\nCHF");
    EXPECT_EQ(dialogs.boxes, Names{});
}

TEST_F(CurrencyGrid, CtrlDeleteAsksAndOnlyOkDeletes) {
    struct Case {
        bool ok;
        const char* stored;
        Names shown;
    };
    for (const Case& c : {Case{false, "руб.\nUSD\nEUR", {"руб.", "USD", "EUR"}},
                          Case{true, "руб.\nEUR", {"руб.", "EUR"}}}) {
        SCOPED_TRACE(c.ok);
        ASSERT_TRUE(choose(1));
        dialogs.boxes.clear();
        dialogs.answers = {c.ok};
        ASSERT_TRUE(key(Key::CtrlDelete));
        EXPECT_EQ(dialogs.boxes, Names{"confirm: Delete record?"});
        EXPECT_EQ(stored(), c.stored);
        EXPECT_EQ(shown(), c.shown);
    }
}

TEST_F(CurrencyGrid, EscapeTakesBackTheTypingThenAbandonsTheRow) {
    // A new row.
    ASSERT_TRUE(choose(1));
    ASSERT_TRUE(key(Key::Insert));
    ASSERT_TRUE(type(1, "CHF"));
    ASSERT_TRUE(key(Key::Escape));
    EXPECT_EQ(shown(), (Names{"руб.", "", "USD", "EUR"}));
    EXPECT_EQ(table.state(), State::Inserting);
    ASSERT_TRUE(key(Key::Escape));
    EXPECT_EQ(shown(), (Names{"руб.", "USD", "EUR"}));
    EXPECT_EQ(grid.currentRow(), 1);

    // A row being edited keeps its stored value.
    ASSERT_TRUE(type(1, "XXX"));
    ASSERT_TRUE(key(Key::Escape));
    EXPECT_EQ(shown(), (Names{"руб.", "USD", "EUR"}));
    EXPECT_EQ(table.state(), State::Editing);
    ASSERT_TRUE(key(Key::Escape));
    EXPECT_EQ(table.state(), State::Browsing);
    EXPECT_EQ(stored(), "руб.\nUSD\nEUR");
}

TEST_F(CurrencyGrid, ANewRowWhoseTypingWasTakenBackIsNotStored) {
    ASSERT_TRUE(key(Key::Insert));
    ASSERT_TRUE(type(0, "CHF"));
    ASSERT_TRUE(key(Key::Escape));
    ASSERT_TRUE(choose(2));
    EXPECT_EQ(stored(), "руб.\nUSD\nEUR");
    EXPECT_EQ(shown(), (Names{"руб.", "USD", "EUR"}));
}

TEST_F(CurrencyGrid, ARowTheDatabaseRefusesStaysBeingInsertedWithTheError) {
    ASSERT_TRUE(key(Key::Insert));
    ASSERT_TRUE(type(0, "USD")); // the table holds each currency once
    EXPECT_FALSE(choose(2));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].rfind("error: ", 0), 0u) << dialogs.boxes[0];
    EXPECT_EQ(table.state(), State::Inserting);
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_EQ(shown(), (Names{"USD", "руб.", "USD", "EUR"}));
    EXPECT_EQ(stored(), "руб.\nUSD\nEUR");
}

class EmptyCurrencyGrid : public CurrencyGrid {
protected:
    EmptyCurrencyGrid() : CurrencyGrid("CREATE TABLE curr (currency TEXT);") {}
};

TEST_F(EmptyCurrencyGrid, OpensOnANewRowAndDeletesNothingOnceItIsGone) {
    EXPECT_EQ(shown(), Names{""});
    EXPECT_EQ(table.state(), State::Inserting);
    ASSERT_TRUE(key(Key::Escape));
    EXPECT_EQ(grid.rowCount(), 0);
    ASSERT_TRUE(key(Key::CtrlDelete));
    EXPECT_EQ(dialogs.boxes, Names{});
}

class CurrencyGridWithoutDatabase : public CurrencyGrid {
protected:
    CurrencyGridWithoutDatabase() : CurrencyGrid(nullptr) { dialogs.boxes.clear(); }
};

TEST_F(CurrencyGridWithoutDatabase, InsertReportsTheClosedTableAndTheOtherKeysDoNothing) {
    EXPECT_FALSE(key(Key::Insert));
    EXPECT_EQ(dialogs.boxes,
              Names{"error: ADOTable1: Cannot perform this operation on a closed dataset. "
                    "[Pelorix]"});
    dialogs.boxes.clear();
    EXPECT_TRUE(key(Key::CtrlDelete));
    EXPECT_TRUE(key(Key::Escape));
    EXPECT_EQ(dialogs.boxes, Names{});
    EXPECT_EQ(grid.rowCount(), 0);
}

} // namespace
} // namespace pelorix
