#include "app/widget_kinds.h"

#include <QObject>

namespace pelorix {

QString kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return QStringLiteral("Edit");
    case ControlKind::Label:
        return QStringLiteral("Label");
    case ControlKind::ComboBox:
        return QStringLiteral("ComboBox");
    case ControlKind::TabControl:
        return QStringLiteral("TabControl");
    case ControlKind::RadioButton:
        return QStringLiteral("RadioButton");
    case ControlKind::Button:
        return QStringLiteral("Button");
    case ControlKind::GroupBox:
        return QStringLiteral("GroupBox");
    case ControlKind::Image:
        return QStringLiteral("Image");
    case ControlKind::MenuItem:
        return QStringLiteral("MenuItem");
    case ControlKind::Grid:
        return QStringLiteral("Grid");
    case ControlKind::Navigator:
        return QStringLiteral("Navigator");
    case ControlKind::Slot:
        return QStringLiteral("Slot");
    }
    return QStringLiteral("?");
}

QString widgetClassFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return QStringLiteral("QLineEdit");
    case ControlKind::Label:
    case ControlKind::Image:
        return QStringLiteral("QLabel");
    case ControlKind::ComboBox:
        return QStringLiteral("QComboBox");
    case ControlKind::TabControl:
        return QStringLiteral("QTabBar");
    case ControlKind::RadioButton:
        return QStringLiteral("QRadioButton");
    case ControlKind::Button:
        return QStringLiteral("QPushButton");
    case ControlKind::GroupBox:
        return QStringLiteral("QGroupBox");
    case ControlKind::MenuItem:
        return QStringLiteral("QAction or QMenu");
    case ControlKind::Grid:
        return QStringLiteral("QTableView");
    case ControlKind::Navigator:
        return QStringLiteral("QWidget or QFrame");
    case ControlKind::Slot:
        break;
    }
    return {};
}

bool fitsKind(ControlKind kind, const QObject& object) {
    switch (kind) {
    case ControlKind::MenuItem:
        return object.inherits("QAction") || object.inherits("QMenu");
    case ControlKind::Navigator: {
        // A bare frame only: anything richer would be a control of its own.
        const QString cls = QString::fromLatin1(object.metaObject()->className());
        return cls == QLatin1String("QWidget") || cls == QLatin1String("QFrame");
    }
    case ControlKind::Slot:
        return false;
    default:
        return object.inherits(widgetClassFor(kind).toLatin1().constData());
    }
}

} // namespace pelorix
