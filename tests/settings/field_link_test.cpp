#include "base/field_link.h"
#include "base/grid.h"
#include "settings/connection.h"
#include "settings/reference_database.h"
#include "settings/table_handle.h"
#include "support/error_of.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace pelorix {
namespace {

using testing::errorOf;

// The instruments as the reference editor shows them: a grid of names and, beside it, the price
// step in an edit box and the pair type in a pick list, all over the one table handle.
class BoundInstruments : public ::testing::Test {
protected:
    BoundInstruments() {
        folder.createDatabase(R"(
CREATE TABLE "Сurrency" (currency TEXT, Price_step REAL, spread REAL, type TEXT);
INSERT INTO "Сurrency" VALUES ('EUR/USD', 0.0001, 2, 'прямая'), ('USD/JPY', 0.01, 2, 'обратная'),
                              ('XXX/YYY', NULL, NULL, NULL);)");
        connection.setProgramFolder(folder.path());
        table.open();
        grid.bind(table, dialogs);
    }

    // What each of the three shows: the grid's current line, then the two boxes.
    std::vector<std::string> shown() const {
        return {grid.cellText(grid.currentRow(), 0), priceStep.text(), pairType.text()};
    }
    std::string stored() const {
        return folder.query("SELECT currency || ' ' || coalesce(Price_step, 'NULL') || ' ' || "
                            "coalesce(type, 'NULL') FROM \"Сurrency\" ORDER BY rowid");
    }

    testing::TempFolder folder;
    testing::RecordingDialogs dialogs;
    Connection connection{"ADOConnection1"};
    TableHandle table{connection, "ADOTable1", std::string(kInstrumentTable), ','};
    Grid grid{nullptr, "DBGrid1", {{"currency", "Инструмент", 120, true}}};
    Edit priceStep{nullptr, "DBEdit1"};
    ComboBox pairType{nullptr, "DBComboBox1", "", {"прямая", "обратная", "кросс-курс"}};
    FieldLink priceStepLink{priceStep, table, "Price_step"};
    FieldLink pairTypeLink{pairType, table, "type"};
};

using Shown = std::vector<std::string>;

TEST_F(BoundInstruments, EveryMoveShowsTheNewRowInAllThreeWithoutEditingIt) {
    EXPECT_EQ(shown(), (Shown{"EUR/USD", "0,0001", "прямая"}));
    grid.chooseRow(1);
    EXPECT_EQ(shown(), (Shown{"USD/JPY", "0,01", "обратная"}));
    grid.chooseRow(2);
    EXPECT_EQ(shown(), (Shown{"XXX/YYY", "", ""})) << "missing values show as empty boxes";
    table.first();
    EXPECT_EQ(shown(), (Shown{"EUR/USD", "0,0001", "прямая"}));
    EXPECT_EQ(table.state(), TableHandle::State::Browsing);
}

TEST_F(BoundInstruments, TypingEditsTheRowAndMovingAwayStoresIt) {
    priceStep.setText("0,");
    priceStep.typeChar(U'5');
    EXPECT_EQ(priceStep.text(), "0,5") << "the box keeps the typing as it stands";
    pairType.setText("кросс-курс"); // chosen from the list
    EXPECT_EQ(table.state(), TableHandle::State::Editing);
    EXPECT_EQ(shown(), (Shown{"EUR/USD", "0,5", "кросс-курс"}));

    grid.chooseRow(1);
    EXPECT_EQ(shown(), (Shown{"USD/JPY", "0,01", "обратная"}));
    EXPECT_EQ(stored(), "EUR/USD 0.5 кросс-курс\nUSD/JPY 0.01 обратная\nXXX/YYY NULL NULL");
    grid.chooseRow(0);
    EXPECT_EQ(shown(), (Shown{"EUR/USD", "0,5", "кросс-курс"}));
}

TEST_F(BoundInstruments, CancellingAnEditShowsTheRowAsItWas) {
    priceStep.setText("7");
    pairType.setText("обратная");
    grid.keyDown(Key::Escape); // the grid's own cell was not typed into: the edit is dropped
    EXPECT_EQ(shown(), (Shown{"EUR/USD", "0,0001", "прямая"}));
    EXPECT_EQ(table.state(), TableHandle::State::Browsing);
    grid.chooseRow(1);
    EXPECT_EQ(stored(), "EUR/USD 0.0001 прямая\nUSD/JPY 0.01 обратная\nXXX/YYY NULL NULL");
}

TEST_F(BoundInstruments, InsertedAndDeletedRowsKeepTheBoxesOnTheCurrentRow) {
    grid.chooseRow(1);
    grid.keyDown(Key::Insert);
    EXPECT_EQ(shown(), (Shown{"", "", ""}));
    grid.typeCell(1, 0, "AUD/USD");
    priceStep.setText("0,0001");
    pairType.setText("прямая");
    grid.chooseRow(0);
    EXPECT_EQ(shown(), (Shown{"EUR/USD", "0,0001", "прямая"}));

    grid.chooseRow(2);
    EXPECT_EQ(shown(), (Shown{"USD/JPY", "0,01", "обратная"}));
    grid.keyDown(Key::CtrlDelete); // the question is answered OK
    EXPECT_EQ(shown(), (Shown{"XXX/YYY", "", ""}));
    EXPECT_EQ(stored(), "EUR/USD 0.0001 прямая\nXXX/YYY NULL NULL\nAUD/USD 0.0001 прямая");

    grid.keyDown(Key::Insert);
    grid.keyDown(Key::Escape); // an untouched new row is abandoned
    EXPECT_EQ(shown(), (Shown{"XXX/YYY", "", ""}));
}

TEST_F(BoundInstruments, EveryListenerKeepsHearingUntilItsOwnSubscriptionIsDropped) {
    Grid second{nullptr, "DBGrid2", {{"currency", "Инструмент", 120, true}}};
    second.bind(table, dialogs);
    std::vector<TableChange> heard;
    Subscription listener = table.subscribe([&](TableChange c) { heard.push_back(c); });

    grid.chooseRow(1);
    EXPECT_EQ(second.currentRow(), 1);
    EXPECT_EQ(shown(), (Shown{"USD/JPY", "0,01", "обратная"})) << "the first listeners still hear";

    priceStep.setText("0,02");
    grid.keyDown(Key::Insert);
    listener.reset();
    grid.keyDown(Key::Escape);
    EXPECT_EQ(heard, (std::vector<TableChange>{TableChange::RowMoved, TableChange::StateChanged,
                                               TableChange::ValueChanged, TableChange::StateChanged,
                                               TableChange::RowsInserted}));
}

TEST_F(BoundInstruments, AClosedTableShowsNothingAndRefusesTheTyping) {
    table.close();
    EXPECT_EQ(priceStep.text(), "");
    EXPECT_EQ(pairType.text(), "");
    EXPECT_EQ(errorOf([&] { priceStep.setText("1"); }),
              "ADOTable1: Cannot perform this operation on a closed dataset");
}

} // namespace
} // namespace pelorix
