#include "app/binder.h"
#include "app/window_trees.h"
#include "gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <gtest/gtest.h>

namespace pelorix::testing {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> lines(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

TEST(WindowBinding, EveryDesignerFileMatchesItsModelBothWays) {
    GuiPrograms p;
    for (Form* form : p.program.forms()) {
        SCOPED_TRACE(form->name());
        const auto window = buildWindowTree(form->name());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(lines(bindingMismatches(*form, *window)), Lines{});
    }
}

// A form of three controls and a slot, for breaking its widget tree on purpose.
class SmallForm : public Form {
public:
    explicit SmallForm(const Environment& env) : Form(env, "Small", "Small", 100, 80) {}
    Edit Edit1{this, "Edit1"};
    Label Label1{this, "Label1"};
    MenuItem N1{this, "N1", "Menu"};
    Slot Memo1{this, "Memo1"};
};

struct SmallTree {
    QWidget root;
    QLineEdit* edit = new QLineEdit(&root);
    QLabel* label = new QLabel(&root);
    QAction* action = new QAction(&root);
    SmallTree() {
        root.setObjectName("Small");
        edit->setObjectName("Edit1");
        label->setObjectName("Label1");
        action->setObjectName("N1");
        // Structure and Qt's own objects never count as controls.
        (new QWidget(&root))->setObjectName("skin_frame");
        (new QLabel(&root))->setObjectName("qt_internal");
        new QLabel(&root);
        // Nor do the insides of a control, nor another window the window owns.
        (new QLabel(edit))->setObjectName("Inside");
        auto* tool = new QWidget(&root, Qt::Tool);
        tool->setObjectName("OtherWindow");
        (new QLabel(tool))->setObjectName("LabelOfOther");
    }
};

TEST(WindowBinding, AMatchingTreeBindsAndLooksThroughStructure) {
    ProbeSurroundings p;
    SmallForm form(p.env);
    SmallTree tree;
    EXPECT_EQ(lines(bindingMismatches(form, tree.root)), Lines{});
    Binder binder(p.boundary, form, tree.root);
    EXPECT_EQ(binder.objectOf(form.Edit1), tree.edit);
    EXPECT_EQ(binder.objectOf(form.N1), tree.action);
    EXPECT_EQ(binder.objectOf(form.Memo1), nullptr);
}

TEST(WindowBinding, EachMisfitIsNamedAndBindingRefuses) {
    struct Case {
        const char* what;
        std::function<void(SmallTree&)> breakIt;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"missing widget", [](SmallTree& t) { delete t.label; },
         "Label1 (Label) has no widget; it needs a QLabel"},
        {"wrong class",
         [](SmallTree& t) {
             delete t.edit;
             (new QLabel(&t.root))->setObjectName("Edit1");
         },
         "Edit1 (Edit) needs a QLineEdit, not a QLabel"},
        {"widget without control",
         [](SmallTree& t) { (new QLabel(&t.root))->setObjectName("Label99"); },
         "Label99 (QLabel) has no control"},
        {"name given twice", [](SmallTree& t) { (new QLabel(&t.root))->setObjectName("Label1"); },
         "Label1 (Label) has 2 widgets of that name"},
        {"slot with a widget",
         [](SmallTree& t) { (new QLineEdit(&t.root))->setObjectName("Memo1"); },
         "Memo1 is a hidden value slot but has a QLineEdit"},
        {"menu item without action", [](SmallTree& t) { delete t.action; },
         "N1 (MenuItem) has no widget; it needs a QAction or QMenu"},
        {"window of another name", [](SmallTree& t) { t.root.setObjectName("Form9"); },
         "the window is named 'Form9', not 'Small'"},
    };
    ProbeSurroundings p;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SmallForm form(p.env);
        SmallTree tree;
        c.breakIt(tree);
        EXPECT_EQ(lines(bindingMismatches(form, tree.root)), Lines{c.expected});
        try {
            Binder binder(p.boundary, form, tree.root);
            ADD_FAILURE() << "bound a tree that does not match";
        } catch (const BindError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("The window Small does not match"), std::string::npos);
            EXPECT_NE(message.find(c.expected), std::string::npos) << message;
        }
    }
}

TEST(WindowBinding, AMenuCanStandForAMenuItem) {
    ProbeSurroundings p;
    SmallForm form(p.env);
    SmallTree tree;
    delete tree.action;
    auto* menu = new QMenu(&tree.root);
    menu->setObjectName("N1");
    ASSERT_EQ(lines(bindingMismatches(form, tree.root)), Lines{});
    Binder binder(p.boundary, form, tree.root);
    form.N1.setText("Справка");
    EXPECT_EQ(menu->title(), "Справка");
}

} // namespace
} // namespace pelorix::testing
