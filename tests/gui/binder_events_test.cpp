#include "app/binder.h"
#include "app/qt_dialogs.h"
#include "base/app_error.h"
#include "gui_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

// A window with one control of each kind the events concern, and a close request it can
// refuse.
class ProbeForm : public Form {
public:
    explicit ProbeForm(const Environment& env) : Form(env, "Probe", "Проба", 200, 120) {}
    bool FormClose() override { return allowClose; }
    bool allowClose = true;

    Edit Edit1{this, "Edit1", "0"};
    Edit Edit2{this, "Edit2"};
    Label Label1{this, "Label1", "link"};
    Button Button1{this, "Button1", "Go"};
    ComboBox Box1{this, "Box1", "a", {"a", "b"}};
    RadioButton RB1{this, "RB1", "one", true};
    RadioButton RB2{this, "RB2", "two"};
};

class BinderEventsTest : public ::testing::Test {
protected:
    BinderEventsTest() {
        root.setObjectName("Probe");
        for (const char* name : {"Edit1", "Edit2"})
            (new QLineEdit(&root))->setObjectName(name);
        (new QLabel(&root))->setObjectName("Label1");
        (new QPushButton(&root))->setObjectName("Button1");
        (new QComboBox(&root))->setObjectName("Box1");
        for (const char* name : {"RB1", "RB2"})
            (new QRadioButton(&root))->setObjectName(name);
        binder = std::make_unique<Binder>(p.boundary, form, root);
    }
    template <class W> W& widget(const Control& control) {
        return *qobject_cast<W*>(binder->objectOf(control));
    }

    ProbeSurroundings p;
    ProbeForm form{p.env};
    QWidget root;
    std::unique_ptr<Binder> binder;
};

TEST_F(BinderEventsTest, WindowTakesCaptionAndFixedClientSize) {
    EXPECT_EQ(root.windowTitle(), "Проба");
    EXPECT_EQ(root.minimumSize(), QSize(200, 120));
    EXPECT_EQ(root.maximumSize(), QSize(200, 120));
}

TEST_F(BinderEventsTest, ARefusedCloseKeepsTheWindowOpen) {
    form.show();
    ASSERT_TRUE(root.isVisible());
    QSignalSpy closed(binder.get(), &Binder::closed);

    form.allowClose = false;
    EXPECT_FALSE(root.close());
    EXPECT_TRUE(root.isVisible());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(closed.count(), 0);

    form.allowClose = true;
    EXPECT_TRUE(root.close());
    EXPECT_FALSE(root.isVisible());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(BinderEventsTest, AHandlerErrorEndsInTheErrorBox) {
    int clicks = 0;
    form.Button1.onClick = [&] {
        ++clicks;
        form.Edit2.setText("written before the error");
        throw AppError("Floating point division by zero");
    };
    QTest::mouseClick(&widget<QPushButton>(form.Button1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(p.dialogs.boxes,
              std::vector<std::string>{"error: Floating point division by zero. [Pelorix]"});
    EXPECT_EQ(widget<QLineEdit>(form.Edit2).text(), "written before the error");
}

TEST_F(BinderEventsTest, FocusMovesRunExitAndEnterBothWays) {
    std::vector<std::string> calls;
    form.Edit1.onEnter = [&] { calls.push_back("enter 1"); };
    form.Edit1.onExit = [&] { calls.push_back("exit 1"); };
    form.Edit2.onEnter = [&] { calls.push_back("enter 2"); };

    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&widget<QLineEdit>(form.Edit1), &in);
    EXPECT_EQ(form.focused(), &form.Edit1);

    // The model moves the focus (as Enter does in the entry fields): the widget follows.
    form.setFocus(form.Edit2);
    EXPECT_EQ(root.focusWidget(), &widget<QLineEdit>(form.Edit2));
    EXPECT_EQ(calls, (std::vector<std::string>{"enter 1", "exit 1", "enter 2"}));
}

TEST_F(BinderEventsTest, KeyDownRunsAndTheKeyStillDoesItsWork) {
    std::vector<Key> keys;
    form.Edit1.onKeyDown = [&](Key k) { keys.push_back(k); };
    auto& edit = widget<QLineEdit>(form.Edit1);
    form.Edit1.setText("12");
    edit.setCursorPosition(2);
    QSignalSpy returns(&edit, &QLineEdit::returnPressed);

    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Delete, Qt::ControlModifier);

    EXPECT_EQ(keys, (std::vector<Key>{Key::Left, Key::Enter, Key::Down, Key::CtrlDelete}));
    EXPECT_EQ(edit.cursorPosition(), 1);
    EXPECT_EQ(returns.count(), 1);
}

TEST_F(BinderEventsTest, ClicksAndHoverReachTheirHandlers) {
    std::vector<std::string> calls;
    form.Edit1.onClick = [&] { calls.push_back("edit click"); };
    form.Label1.onClick = [&] { calls.push_back("label click"); };
    form.Label1.onMouseMove = [&] { calls.push_back("move"); };
    form.Label1.onMouseLeave = [&] { calls.push_back("leave"); };
    auto& label = widget<QLabel>(form.Label1);
    label.resize(40, 16);

    QTest::mouseClick(&widget<QLineEdit>(form.Edit1), Qt::LeftButton);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    // A double click is one click, not two.
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &second);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &up);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&label, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);

    EXPECT_EQ(calls, (std::vector<std::string>{"edit click", "label click", "move", "leave"}));
}

TEST_F(BinderEventsTest, UserTextReachesTheModelButRepaintsDoNotEcho) {
    int changes = 0;
    form.Box1.onChange = [&] { ++changes; };
    auto& box = widget<QComboBox>(form.Box1);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.currentText(), "a");

    QTest::keyClicks(&box, "x");
    EXPECT_EQ(form.Box1.text(), "ax");
    EXPECT_EQ(changes, 1);

    // A model write repaints without reading back as a user edit.
    form.Box1.setText("b");
    EXPECT_EQ(box.currentText(), "b");
    EXPECT_EQ(changes, 2);
    form.Box1.setItems({"c"});
    EXPECT_EQ(box.count(), 1);
    EXPECT_EQ(form.Box1.text(), "b");
    EXPECT_EQ(box.currentText(), "b");
    EXPECT_EQ(changes, 2);
}

TEST_F(BinderEventsTest, TheModelLearnsEveryOptionAUserClickChanged) {
    auto& second = widget<QRadioButton>(form.RB2);
    EXPECT_TRUE(widget<QRadioButton>(form.RB1).isChecked());
    QTest::mouseClick(&second, Qt::LeftButton);
    EXPECT_TRUE(form.RB2.checked());
    EXPECT_FALSE(form.RB1.checked());

    // The model decides alone: it can check an option back.
    form.RB2.setChecked(false);
    form.RB1.setChecked(true);
    EXPECT_TRUE(widget<QRadioButton>(form.RB1).isChecked());
    EXPECT_FALSE(second.isChecked());
}

} // namespace
} // namespace pelorix::testing

namespace pelorix::testing {
namespace {

// A window whose activation fails with a message box, as the Forex quote lookup does when the
// chosen instrument is not in the reference table.
class FailingOnActivation : public Form {
public:
    FailingOnActivation(const Environment& env, Dialogs& boxes)
        : Form(env, "Probe", "Проба", 200, 120), boxes_(boxes) {}
    void FormActivate() override {
        ++activations;
        boxes_.plain("Либо запись не найдена,либо не выбран вид валютной пары!");
    }
    int activations = 0;

private:
    Dialogs& boxes_;
};

// Closing the box gives the focus back to the window; that must not count as the user coming
// back, or the box would show again and again. A return from another window of the program does
// count.
TEST(ActivationBoxes, ABoxShownOnActivationIsShownOncePerReturnToTheWindow) {
    ProbeSurroundings p;
    QtDialogs boxes("Pelorix");
    FailingOnActivation form(p.env, boxes);
    QWidget root;
    root.setObjectName("Probe");
    Binder binder(p.boundary, form, root);
    // The user closes each box at once, and the desktop hands the focus back to the window.
    int closed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
            ++closed;
            root.activateWindow();
        }
    });
    closer.start(20);

    form.show();
    QTest::qWait(300);
    EXPECT_EQ(form.activations, 1);
    EXPECT_EQ(closed, 1);

    Form other(p.env, "Other", "Другое", 100, 80);
    QWidget otherRoot;
    otherRoot.setObjectName("Other");
    Binder otherBinder(p.boundary, other, otherRoot);
    other.show();
    QTest::qWait(100);
    form.show();
    QTest::qWait(300);
    EXPECT_EQ(form.activations, 2);
    EXPECT_EQ(closed, 2);
}

} // namespace
} // namespace pelorix::testing
