#pragma once

#include "base/form.h"
#include "base/handler_boundary.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <stdexcept>
#include <vector>

class QInputMethodEvent;
class QKeyEvent;

namespace pelorix {

// A window's widget tree does not fit its model; the message lists every misfit.
class BindError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every way the widget tree built for a window and the window's model fail to match, one line
// each; empty when they match. The window itself carries the form's name; every control except
// a hidden value slot has exactly one widget (or action) of its kind under the control's name;
// every named widget and action has a control. The insides of a control's widget (a combo box's
// line edit, a tab bar's scroll buttons) and other windows it owns are not looked at.
QStringList bindingMismatches(const Form& form, QWidget& window);

// Joins one window model to its widget tree, knowing nothing of any particular window.
// User to model: typed characters pass the control's key filter, user edits and choices become
// model texts, and focus moves, clicks, keys, hover, activation and close requests run the
// model's handlers behind the program's handler boundary. Model to widgets: every change of a
// control or of the window repaints its widget, with the widget's signals blocked so that a
// repaint never reads as a user action.
class Binder : public QObject {
    Q_OBJECT
public:
    // Throws BindError when the tree does not match the model.
    Binder(HandlerBoundary& boundary, Form& form, QWidget& window);
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    Form& form() const { return form_; }
    QWidget& window() const { return *window_; }
    // The widget or action that shows the control; nullptr for a hidden value slot.
    QObject* objectOf(const Control& control) const;

signals:
    // The user closed the window and its model let it close.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        Control* control;
        QPointer<QObject> object;
    };

    void attach(Control& control, QObject& object);
    void listenTo(QObject& object, Control& control);
    void paint(Control& control);
    void paintWindow();
    void setUpWindow();

    bool windowEvent(QEvent& event);
    bool keyPress(Control& control, QObject& receiver, QKeyEvent& event);
    bool inputMethodText(Control& control, QObject& receiver, QInputMethodEvent& event);
    // What the control's key filter lets through of the typed characters, as replaced.
    std::u32string filtered(Control& control, const std::u32string& typed);
    void resend(QObject& receiver, QEvent& replacement);
    void userText(Control& control, const QString& text);
    void userCheckedRadio(Control& control);
    void run(const std::function<void()>& handler);

    HandlerBoundary& boundary_;
    Form& form_;
    QPointer<QWidget> window_;
    std::vector<Binding> bindings_;
    QHash<QObject*, Control*> controlOf_;
    int raisedCount_ = 0;
    Control* focusShown_ = nullptr;
    bool skipNextActivation_ = false;
    bool resending_ = false;
    QObject* doubleClicked_ = nullptr;
};

} // namespace pelorix
