#include "app/binder.h"

#include "app/display_text.h"
#include "app/table_grid_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>

namespace pelorix {

namespace {

QColor qtColor(const Color& color) {
    switch (color.role) {
    case Color::Role::White:
        return QColor(255, 255, 255);
    case Color::Role::Red:
        return QColor(255, 0, 0);
    case Color::Role::MenuHighlight:
        // The desktop's colour for highlighted menu items, as the style's palette has it.
        return QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
    case Color::Role::Rgb:
        break;
    }
    return QColor::fromRgb(static_cast<QRgb>(color.rgb & 0xFFFFFF));
}

void setPaletteColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    if (widget.palette().color(QPalette::Active, role) == color &&
        widget.palette().color(QPalette::Disabled, role) == color)
        return;
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

void paintLineText(QLineEdit& edit, const QString& text) {
    // Only a real change moves the cursor (to the end, where typing goes on).
    if (edit.text() != text) edit.setText(text);
}

void paintCombo(QComboBox& box, const ComboBox& model) {
    const QSignalBlocker quietLine(box.lineEdit());
    QStringList items;
    for (const std::string& item : model.items())
        items << QString::fromStdString(item);
    QStringList shown;
    for (int i = 0; i < box.count(); ++i)
        shown << box.itemText(i);
    const QString text = QString::fromStdString(model.text());
    if (shown != items) {
        box.clear();
        box.addItems(items);
        box.setCurrentIndex(-1);
    }
    if (box.currentText() != text) {
        box.setCurrentIndex(box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        box.setEditText(text);
    }
    setPaletteColor(box, QPalette::Base, qtColor(model.color()));
}

void paintPicture(QLabel& label, const Image& model) {
    if (model.picture().empty()) {
        label.setPixmap(QPixmap());
        return;
    }
    // A picture that cannot be loaded leaves the one shown before; the model reports the file.
    QPixmap picture;
    if (picture.load(QString::fromStdString(model.picture()))) label.setPixmap(picture);
}

void paintAction(QAction& action, const Control& control) {
    action.setText(displayText(static_cast<const TextControl&>(control).text()));
    action.setVisible(control.visible());
    action.setEnabled(control.enabled());
}

} // namespace

void Binder::paint(Control& control) {
    QObject* object = objectOf(control);
    if (!object) return;
    if (auto* action = qobject_cast<QAction*>(object)) {
        paintAction(*action, control);
        return;
    }
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        paintAction(*menu->menuAction(), control);
        return;
    }
    auto& widget = static_cast<QWidget&>(*object);
    const QSignalBlocker quiet(widget);
    switch (control.kind()) {
    case ControlKind::Edit: {
        auto& edit = static_cast<QLineEdit&>(widget);
        paintLineText(edit, QString::fromStdString(static_cast<Edit&>(control).text()));
        setPaletteColor(edit, QPalette::Base, qtColor(control.color()));
        break;
    }
    case ControlKind::ComboBox:
        paintCombo(static_cast<QComboBox&>(widget), static_cast<ComboBox&>(control));
        break;
    case ControlKind::Label:
        static_cast<QLabel&>(widget).setText(displayText(static_cast<Label&>(control).text()));
        setPaletteColor(widget, QPalette::WindowText, qtColor(control.fontColor()));
        break;
    case ControlKind::TabControl: {
        auto& bar = static_cast<QTabBar&>(widget);
        const int index = static_cast<TabControl&>(control).tabIndex();
        if (bar.currentIndex() != index) bar.setCurrentIndex(index);
        break;
    }
    case ControlKind::RadioButton: {
        auto& radio = static_cast<QRadioButton&>(widget);
        const auto& model = static_cast<RadioButton&>(control);
        radio.setText(displayText(model.text()));
        // The model decides which options are checked; the group's own exclusivity would refuse
        // to uncheck the checked one.
        radio.setAutoExclusive(false);
        radio.setChecked(model.checked());
        radio.setAutoExclusive(true);
        break;
    }
    case ControlKind::Button:
        static_cast<QAbstractButton&>(widget).setText(
            displayText(static_cast<Button&>(control).text()));
        break;
    case ControlKind::GroupBox:
        static_cast<QGroupBox&>(widget).setTitle(
            displayText(static_cast<GroupBox&>(control).text()));
        break;
    case ControlKind::Image:
        paintPicture(static_cast<QLabel&>(widget), static_cast<Image&>(control));
        break;
    case ControlKind::Grid:
        if (auto* model = qobject_cast<TableGridModel*>(static_cast<QTableView&>(widget).model()))
            model->refresh();
        break;
    default:
        break;
    }
    widget.setEnabled(control.enabled());
    widget.setVisible(control.visible());
}

void Binder::paintWindow() {
    if (form_.raiseCount() != raisedCount_) {
        raisedCount_ = form_.raiseCount();
        window_->show();
        window_->raise();
        window_->activateWindow();
    } else if (window_->isVisible() != form_.visible()) {
        window_->setVisible(form_.visible());
    }
    Control* focused = form_.focused();
    if (focused == focusShown_) return;
    focusShown_ = focused;
    auto* widget = focused ? qobject_cast<QWidget*>(objectOf(*focused)) : nullptr;
    if (widget && !widget->hasFocus() && window_->focusWidget() != widget)
        widget->setFocus(Qt::OtherFocusReason);
}

} // namespace pelorix
