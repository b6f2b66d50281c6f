#include "app/skin.h"
#include "app/table_grid_model.h"
#include "gui_fixture.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

// What Qt's model checker complains about while it watches the grid's model.
QStringList modelComplaints;

void collectComplaints(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) modelComplaints << message;
}

// The settlement currency list's real window over a database of two currencies, shown.
class CurrencyGridView : public ::testing::Test {
protected:
    CurrencyGridView() {
        p.folder.createDatabase("CREATE TABLE curr (currency TEXT UNIQUE);"
                                "INSERT INTO curr VALUES ('руб.'), ('USD');");
        p.program.dispatch([this] { form.FormCreate(); });
        p.program.dispatch([this] { form.show(); });
        modelComplaints.clear();
        previousHandler = qInstallMessageHandler(collectComplaints);
    }
    ~CurrencyGridView() override { qInstallMessageHandler(previousHandler); }

    QStringList shown() const {
        QStringList cells;
        for (int row = 0; row < model().rowCount(); ++row)
            cells << model().index(row, 0).data().toString();
        return cells;
    }
    QAbstractItemModel& model() const { return *view.model(); }
    void click(int row) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(model().index(row, 0)).center());
    }
    std::string stored() const {
        return p.folder.query("SELECT currency FROM curr ORDER BY rowid");
    }

    GuiPrograms p;
    TForm5& form = p.program.Form5;
    Skin skin{p.program};
    QTableView& view = *qobject_cast<QTableView*>(skin.binder(form).objectOf(form.DBGrid1));
    QtMessageHandler previousHandler = nullptr;
};

TEST_F(CurrencyGridView, ShowsTheTableAndFollowsItThroughTheEditingKeys) {
    QAbstractItemModelTester checker(&model(),
                                     QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(model().columnCount(), 1);
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "Валюта расчёта");
    EXPECT_EQ(view.columnWidth(0), 170);
    EXPECT_EQ(shown(), (QStringList{"руб.", "USD"}));
    EXPECT_EQ(view.currentIndex().row(), 0);

    click(1);
    EXPECT_EQ(form.ADOTable1.currentIndex(), 1);
    QTest::keyClick(&view, Qt::Key_Insert);
    EXPECT_EQ(shown(), (QStringList{"руб.", "", "USD"}));
    EXPECT_EQ(view.currentIndex().row(), 1);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(shown(), (QStringList{"руб.", "USD"}));
    EXPECT_EQ(view.currentIndex().row(), 1);

    p.dialogs.answers = {false, true};
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(shown(), (QStringList{"руб.", "USD"}));
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringList{"руб."});
    EXPECT_EQ(stored(), "руб.");
    EXPECT_EQ(p.dialogs.boxes,
              (std::vector<std::string>{"confirm: Delete record?", "confirm: Delete record?"}));

    // The table moved by the program takes the view's current line with it.
    p.program.dispatch([this] { form.ADOTable1.insert(); });
    EXPECT_EQ(view.currentIndex().row(), 0);
    EXPECT_EQ(modelComplaints.join('\n').toStdString(), "");
}

TEST_F(CurrencyGridView, TypingInACellReachesTheTableAndARefusedRowHoldsTheView) {
    auto typeInto = [this](int row, const char* text) {
        view.edit(model().index(row, 0));
        auto* editor = view.viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromUtf8(text));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over, and goes, once back in the event loop.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    click(1);
    typeInto(1, "CHF");
    EXPECT_EQ(form.ADOTable1.fieldText("currency"), "CHF");
    EXPECT_EQ(stored(), "руб.\nUSD");
    click(0);
    EXPECT_EQ(stored(), "руб.\nCHF");

    typeInto(0, "CHF"); // each currency once: the row cannot be stored
    click(1);
    ASSERT_EQ(p.dialogs.boxes.size(), 1u);
    EXPECT_EQ(p.dialogs.boxes[0].rfind("error: ", 0), 0u) << p.dialogs.boxes[0];
    EXPECT_EQ(form.ADOTable1.currentIndex(), 0);
    EXPECT_EQ(view.currentIndex().row(), 0);
    EXPECT_EQ(shown(), (QStringList{"CHF", "CHF"}));
    EXPECT_EQ(modelComplaints.join('\n').toStdString(), "");
}

TEST_F(CurrencyGridView, InsertAndCtrlDeleteWorkWhileACellIsBeingTyped) {
    auto openEditor = [this](int row, const char* text) {
        view.edit(model().index(row, 0));
        QLineEdit* editor = view.viewport()->findChild<QLineEdit*>();
        EXPECT_NE(editor, nullptr);
        if (!editor) return editor;
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromUtf8(text));
        return editor;
    };
    auto settle = [] {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    click(1);
    QLineEdit* editor = openEditor(1, "CHF");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Insert);
    settle();
    EXPECT_EQ(shown(), (QStringList{"руб.", "", "CHF"})) << "the typing went to its row first";
    EXPECT_EQ(stored(), "руб.\nCHF");
    EXPECT_EQ(view.currentIndex().row(), 1);

    editor = openEditor(1, "GBP");
    ASSERT_NE(editor, nullptr);
    p.dialogs.answers = {true};
    QTest::keyClick(editor, Qt::Key_Delete, Qt::ControlModifier);
    settle();
    EXPECT_EQ(p.dialogs.boxes, std::vector<std::string>{"confirm: Delete record?"});
    EXPECT_EQ(shown(), (QStringList{"руб.", "CHF"}));
    EXPECT_EQ(stored(), "руб.\nCHF") << "the new row was dropped, nothing else";
    EXPECT_EQ(modelComplaints.join('\n').toStdString(), "");
}

} // namespace
} // namespace pelorix::testing
