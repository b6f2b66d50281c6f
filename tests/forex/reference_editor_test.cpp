#include "support/program_fixture.h"

#include <gtest/gtest.h>

namespace pelorix {
namespace {

using testing::Boxes;

// The Forex reference editor of a started program, opened from the menu on its first
// instrument, EUR/USD (step 0,0001, spread 2, direct).
class ReferenceEditor : public testing::ProgramTest {
protected:
    ReferenceEditor() {
        start();
        program->Form1.Forex2.onClick();
    }

    bool save() {
        return user([this] { editor().BitBtn1Click(); });
    }
    std::string stored(const std::string& name) const {
        return folder.query("SELECT coalesce(Price_step, 'NULL'), coalesce(spread, 'NULL') FROM "
                            "\"Сurrency\" WHERE currency = '" +
                            name + "'");
    }
    TForm3& editor() const { return program->Form3; }
    static std::string info(const char* message) { return std::string("info: ") + message; }
};

TEST_F(ReferenceEditor, APriceStepWithoutValueIsRefusedAndNothingIsSaved) {
    for (const char* step : {"", "0", "0,0", "00", ",", "0E5"}) {
        SCOPED_TRACE(step);
        editor().DBEdit1.setText(step);
        editor().DBEdit2.setText("7");
        dialogs.boxes.clear();
        ASSERT_TRUE(save());
        EXPECT_EQ(dialogs.boxes, Boxes{info(TForm3::kEnterPriceStep)});
        EXPECT_TRUE(editor().visible());
        EXPECT_EQ(editor().ADOTable1.state(), TableHandle::State::Editing);
        EXPECT_EQ(stored("EUR/USD"), "0.0001|2.0");
    }
}

TEST_F(ReferenceEditor, AnEmptySpreadBecomesZeroInTheRowAndTheSecondPressSaves) {
    editor().DBEdit1.setText("0,0001");
    editor().DBEdit2.setText("");
    ASSERT_TRUE(save());
    EXPECT_EQ(dialogs.boxes, Boxes{info(TForm3::kEmptySpread)});
    EXPECT_EQ(editor().DBEdit2.text(), "0");
    EXPECT_EQ(editor().ADOTable1.fieldText("spread"), "0");
    EXPECT_TRUE(editor().visible());
    EXPECT_EQ(stored("EUR/USD"), "0.0001|2.0") << "not saved before the second press";

    dialogs.boxes.clear();
    ASSERT_TRUE(save());
    EXPECT_EQ(dialogs.boxes, Boxes{});
    EXPECT_FALSE(editor().visible());
    EXPECT_EQ(stored("EUR/USD"), "0.0001|0.0");
}

// The save reruns the main window's lookup for its instrument: the edited row is stored by the
// lookup's search whatever it finds, and the window stays open only on an instrument that lacks
// its price step or type.
TEST_F(ReferenceEditor, TheSaveStoresTheRowAndFollowsTheMainWindowsInstrument) {
    struct Case {
        const char* instrument; // the main window's
        const char* box;
        bool staysOpen;
        const char* current; // the editor's current row afterwards
        const char* pointValue;
    };
    const char* notFound = "plain: Либо запись не найдена,либо не выбран вид валютной пары!";
    const char* missing =
        "plain: В справочнике Forex отсутствуют значения необходимые для расчётов. Внесите их";
    for (const Case& c : {Case{"EUR/USD", nullptr, false, "EUR/USD", "1"},
                          Case{"USD/JPY", nullptr, false, "USD/JPY", "1,25"},
                          Case{"XXX/YYY", notFound, false, "EUR/USD", "before"},
                          Case{"NOK/USD", missing, true, "NOK/USD", "before"}}) {
        SCOPED_TRACE(c.instrument);
        folder.query("INSERT INTO \"Сurrency\" VALUES ('NOK/USD', 0.0001, 2, NULL)");
        start();
        auto& f1 = program->Form1;
        f1.ComboBox3.setText(c.instrument);
        f1.Edit3.setText("80");
        f1.Edit14.setText("before");
        program->Form1.Forex2.onClick();
        ASSERT_TRUE(user([this] { editor().DBGrid1.chooseRow(0); }));
        editor().DBEdit2.setText("5");
        dialogs.boxes.clear();

        ASSERT_TRUE(save());
        EXPECT_EQ(dialogs.boxes, c.box ? Boxes{c.box} : Boxes{});
        EXPECT_EQ(editor().visible(), c.staysOpen);
        EXPECT_EQ(editor().ADOTable1.fieldText("currency"), c.current);
        EXPECT_EQ(f1.Edit14.text(), c.pointValue);
        EXPECT_EQ(stored("EUR/USD"), "0.0001|5.0");
        folder.query("UPDATE \"Сurrency\" SET spread = 2 WHERE currency = 'EUR/USD'");
        folder.query("DELETE FROM \"Сurrency\" WHERE currency = 'NOK/USD'");
    }
}

TEST_F(ReferenceEditor, ARowTheDatabaseRefusesKeepsTheWindowOpenWithTheRowInEdit) {
    editor().DBEdit2.setText("5");
    folder.query("DROP TABLE \"Сurrency\"");
    EXPECT_FALSE(save());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].rfind("error: ", 0), 0u) << dialogs.boxes[0];
    EXPECT_TRUE(editor().visible());
    EXPECT_EQ(editor().ADOTable1.state(), TableHandle::State::Editing);
}

TEST_F(ReferenceEditor, ClosingIsRefusedWhileThePriceStepHasNoValue) {
    struct Case {
        const char* step;
        bool closes;
    };
    for (const Case& c :
         {Case{"", false}, Case{"0", false}, Case{"0,0", false}, Case{"0,0001", true}}) {
        SCOPED_TRACE(c.step);
        editor().show();
        editor().DBEdit1.setText(c.step);
        dialogs.boxes.clear();
        EXPECT_EQ(program->close(editor()), c.closes);
        EXPECT_EQ(editor().visible(), !c.closes);
        EXPECT_EQ(dialogs.boxes, c.closes ? Boxes{} : Boxes{info(TForm3::kEnterPriceStep)});
    }
}

TEST_F(ReferenceEditor, AnEditorWithoutInstrumentsCanAlwaysBeClosed) {
    folder.query("DELETE FROM \"Сurrency\"");
    start();
    program->Form1.Forex2.onClick();
    ASSERT_TRUE(user([this] { editor().ADOTable1.cancel(); })); // leave the new empty row
    EXPECT_TRUE(program->close(editor()));
    EXPECT_EQ(dialogs.boxes, Boxes{});
}

TEST_F(ReferenceEditor, KeyFilters) {
    struct Case {
        TextControl& field;
        const char* before;
        std::u32string typed;
        const char* after;
    };
    for (const Case& c :
         {Case{editor().DBEdit1, "", U"0.0001", "0,0001"},
          Case{editor().DBEdit1, "1234567890", U"\b", "1234567890"},
          Case{editor().DBEdit2, "1,5", U",", "1,5"}, Case{editor().DBEdit2, "2", U"a,5", "2,5"},
          Case{editor().DBComboBox1, "прямая", U"\bx1", "прямая"}}) {
        SCOPED_TRACE(c.field.name());
        editor().DBEdit1.setText("1,5"); // the other field's separator does not matter
        c.field.setText(c.before);
        for (const char32_t ch : c.typed)
            c.field.typeChar(ch);
        EXPECT_EQ(c.field.text(), c.after);
    }
}

} // namespace
} // namespace pelorix
