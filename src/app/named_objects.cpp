#include "app/named_objects.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QWidget>

namespace pelorix {

namespace {

bool holdsControls(const QObject& object) {
    return qobject_cast<const QGroupBox*>(&object) || qobject_cast<const QMenu*>(&object);
}

void collect(QObject& parent, QHash<QString, QList<QObject*>>& found) {
    for (QObject* child : parent.children()) {
        const auto* widget = qobject_cast<QWidget*>(child);
        // Other windows the window owns are not its controls; its menus' pop-ups are.
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget)) continue;
        const QString name = child->objectName();
        if (isStructuralName(name)) {
            collect(*child, found);
            continue;
        }
        if (widget || qobject_cast<QAction*>(child)) found[name].append(child);
        if (holdsControls(*child)) collect(*child, found);
    }
}

} // namespace

bool isStructuralName(const QString& name) {
    return name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
           name.startsWith(QLatin1String("_q_")) || name.startsWith(QLatin1String("skin_"));
}

QHash<QString, QList<QObject*>> namedObjects(QWidget& window) {
    QHash<QString, QList<QObject*>> found;
    collect(window, found);
    return found;
}

} // namespace pelorix
