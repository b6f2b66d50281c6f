#include "app/binder.h"

#include "app/key_events.h"
#include "app/named_objects.h"
#include "app/table_grid_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>

#include <utility>

namespace pelorix {

namespace {

// Marks the top-level widgets that are windows of the program, so that a window can tell
// whether it gets the focus back from another of them or from a message box or another program.
const char* const kProgramWindow = "pelorixWindow";

std::string joinLines(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace

Binder::Binder(HandlerBoundary& boundary, Form& form, QWidget& window)
    : boundary_(boundary), form_(form), window_(&window) {
    const QStringList problems = bindingMismatches(form, window);
    if (!problems.isEmpty())
        throw BindError("The window " + form.name() + " does not match its model:\n" +
                        joinLines(problems));

    const auto named = namedObjects(window);
    for (Control* control : form.controls()) {
        if (control->kind() == ControlKind::Slot) continue;
        QObject* object = named.value(QString::fromStdString(control->name())).front();
        bindings_.push_back({control, object});
        attach(*control, *object);
        control->setObserver([this, control] { paint(*control); });
        paint(*control);
    }
    setUpWindow();
    raisedCount_ = form.raiseCount();
    form.setObserver([this] { paintWindow(); });
    paintWindow();
}

Binder::~Binder() {
    for (const Binding& b : bindings_)
        b.control->setObserver(nullptr);
    form_.setObserver(nullptr);
}

QObject* Binder::objectOf(const Control& control) const {
    for (const Binding& b : bindings_)
        if (b.control == &control) return b.object;
    return nullptr;
}

void Binder::run(const std::function<void()>& handler) {
    boundary_.dispatch(handler);
}

void Binder::listenTo(QObject& object, Control& control) {
    controlOf_.insert(&object, &control);
    object.installEventFilter(this);
}

void Binder::attach(Control& control, QObject& object) {
    if (auto* action = qobject_cast<QAction*>(&object)) {
        connect(action, &QAction::triggered, this, [this, &control] {
            if (control.onClick) run(control.onClick);
        });
        return;
    }
    if (auto* menu = qobject_cast<QMenu*>(&object)) {
        connect(menu, &QMenu::aboutToShow, this, [this, &control] {
            if (control.onClick) run(control.onClick);
        });
        return;
    }
    auto& widget = static_cast<QWidget&>(object);
    listenTo(widget, control);
    switch (control.kind()) {
    case ControlKind::Edit: {
        auto& edit = static_cast<QLineEdit&>(widget);
        connect(&edit, &QLineEdit::textEdited, this,
                [this, &control](const QString& text) { userText(control, text); });
        break;
    }
    case ControlKind::ComboBox: {
        auto& box = static_cast<QComboBox&>(widget);
        // The model sees exactly what the user typed or chose: no completion, no new items.
        box.setEditable(true);
        box.setInsertPolicy(QComboBox::NoInsert);
        box.setCompleter(nullptr);
        listenTo(*box.lineEdit(), control);
        connect(box.lineEdit(), &QLineEdit::textEdited, this,
                [this, &control](const QString& text) { userText(control, text); });
        connect(&box, &QComboBox::activated, this,
                [this, &control, &box](int index) { userText(control, box.itemText(index)); });
        break;
    }
    case ControlKind::TabControl: {
        auto& bar = static_cast<QTabBar&>(widget);
        auto& tabs = static_cast<TabControl&>(control);
        {
            const QSignalBlocker quiet(bar);
            while (bar.count() > 0)
                bar.removeTab(0);
            for (const std::string& tab : tabs.tabs())
                bar.addTab(QString::fromStdString(tab));
        }
        // Model changes reach the bar with its signals blocked, so this is the user's choice.
        connect(&bar, &QTabBar::currentChanged, this,
                [this, &tabs](int index) { run([&tabs, index] { tabs.chooseTab(index); }); });
        break;
    }
    case ControlKind::RadioButton:
        connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked, this,
                [this, &control] { userCheckedRadio(control); });
        break;
    case ControlKind::Button:
        connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked, this,
                [this, &control] {
                    if (control.onClick) run(control.onClick);
                });
        break;
    case ControlKind::Grid:
        // The editing keys reach the grid's key-down handler through the event filter.
        attachGridView(static_cast<QTableView&>(widget), static_cast<Grid&>(control),
                       [this](const std::function<void()>& handler) { run(handler); });
        break;
    case ControlKind::Label:
    case ControlKind::Image: {
        auto& label = static_cast<QLabel&>(widget);
        label.setTextFormat(Qt::PlainText);
        label.setMouseTracking(true);
        if (control.onClick) label.setCursor(Qt::PointingHandCursor);
        break;
    }
    default:
        break;
    }
}

void Binder::setUpWindow() {
    window_->setProperty(kProgramWindow, true);
    window_->setWindowTitle(QString::fromStdString(form_.caption()));
    auto* main = qobject_cast<QMainWindow*>(window_.data());
    QWidget& clientArea = main && main->centralWidget() ? *main->centralWidget() : *window_;
    // The designed client size, grown to hold every control where the desktop's fonts need
    // more room than the design gave; the same in every mode, whatever a mode hides.
    QRect content;
    for (const QWidget* child : clientArea.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) content |= child->geometry();
    const QSize client = QSize(form_.clientWidth(), form_.clientHeight())
                             .expandedTo(QSize(content.right() + 1 + content.left(),
                                               content.bottom() + 1 + content.left()));
    if (main && main->centralWidget()) {
        // The client area excludes the menu bar; the frame follows from both.
        clientArea.setFixedSize(client);
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        window_->setFixedSize(client);
    }
    window_->installEventFilter(this);
}

void Binder::userText(Control& control, const QString& text) {
    auto& textControl = static_cast<TextControl&>(control);
    const std::string value = text.toStdString();
    run([&textControl, &value] { textControl.setText(value); });
}

void Binder::userCheckedRadio(Control& clicked) {
    // The click may have unchecked the other options of the group: the model learns them all.
    run([this, &clicked] {
        for (const Binding& b : bindings_)
            if (b.control->kind() == ControlKind::RadioButton && b.object)
                static_cast<RadioButton*>(b.control)->setChecked(
                    static_cast<QAbstractButton*>(b.object.data())->isChecked());
        if (clicked.onClick) clicked.onClick();
    });
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) return windowEvent(*event);
    Control* control = controlOf_.value(watched);
    if (!control) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(*control, *watched, static_cast<QKeyEvent&>(*event));
    case QEvent::InputMethod:
        return inputMethodText(*control, *watched, static_cast<QInputMethodEvent&>(*event));
    case QEvent::FocusIn:
        run([this, control] { form_.setFocus(*control); });
        return false;
    case QEvent::MouseButtonPress:
        if (qobject_cast<QLineEdit*>(watched) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && control->onClick)
            run(control->onClick);
        return false;
    case QEvent::MouseButtonDblClick:
        // The button going up after a double click ends no second click.
        if (qobject_cast<QLabel*>(watched)) doubleClicked_ = watched;
        return false;
    case QEvent::MouseButtonRelease: {
        if (std::exchange(doubleClicked_, nullptr) == watched) return false;
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint()) && control->onClick)
            run(control->onClick);
        return false;
    }
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (qobject_cast<QLabel*>(watched) && control->onMouseMove) run(control->onMouseMove);
        return false;
    case QEvent::Leave:
        if (qobject_cast<QLabel*>(watched) && control->onMouseLeave) run(control->onMouseLeave);
        return false;
    default:
        return false;
    }
}

std::u32string Binder::filtered(Control& control, const std::u32string& typed) {
    auto* text = dynamic_cast<TextControl*>(&control);
    if (!text) return typed;
    std::u32string passed;
    for (const char32_t ch : typed) {
        std::optional<char32_t> kept; // a filter that fails refuses the character
        run([text, ch, &kept] { kept = text->filterKey(ch); });
        if (kept) passed.push_back(*kept);
    }
    return passed;
}

void Binder::resend(QObject& receiver, QEvent& replacement) {
    resending_ = true;
    QCoreApplication::sendEvent(&receiver, &replacement);
    resending_ = false;
}

bool Binder::keyPress(Control& control, QObject& receiver, QKeyEvent& event) {
    if (resending_) return false;
    // The key-down handler comes first and never consumes the key: it still does its ordinary
    // work in the field it was pressed in.
    if (const auto key = modelKey(event); key && control.onKeyDown)
        run([&control, k = *key] { control.onKeyDown(k); });

    const std::u32string typed = typedCharacters(event);
    if (typed.empty()) return false;
    const std::u32string passed = filtered(control, typed);
    if (passed == typed) return false;
    if (passed.empty()) return true; // refused: the field never sees it
    // Replaced: the field gets the filter's characters instead, typed plainly.
    QKeyEvent replaced(QEvent::KeyPress, keyCodeFor(passed), Qt::NoModifier, fromCodePoints(passed),
                       event.isAutoRepeat());
    resend(receiver, replaced);
    return true;
}

bool Binder::inputMethodText(Control& control, QObject& receiver, QInputMethodEvent& event) {
    // An input method hands over typed text without key presses; it passes the same filter.
    if (resending_ || event.commitString().isEmpty()) return false;
    const std::u32string typed = event.commitString().toStdU32String();
    const std::u32string passed = filtered(control, typed);
    if (passed == typed) return false;
    QInputMethodEvent replaced(event.preeditString(), event.attributes());
    replaced.setCommitString(fromCodePoints(passed), event.replacementStart(),
                             event.replacementLength());
    resend(receiver, replaced);
    return true;
}

bool Binder::windowEvent(QEvent& event) {
    switch (event.type()) {
    case QEvent::WindowActivate:
        // Only a return from another window of the program counts; closing a message box over
        // the window does not, so a handler that shows one cannot run itself again and again.
        if (skipNextActivation_) {
            skipNextActivation_ = false;
            return false;
        }
        boundary_.activate(form_);
        return false;
    case QEvent::WindowDeactivate: {
        const QWidget* next = QApplication::activeWindow();
        skipNextActivation_ = !(next && next->property(kProgramWindow).toBool());
        return false;
    }
    case QEvent::Close:
        if (!boundary_.close(form_)) {
            event.ignore();
            return true;
        }
        emit closed();
        return false;
    default:
        return false;
    }
}

} // namespace pelorix
