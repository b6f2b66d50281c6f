#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QObject;
class QWidget;

namespace pelorix {

// Names that belong to a window's structure rather than to one of its controls: no name, Qt's
// own internals ("qt_", "_q_") and the skin's own frames and bars ("skin_").
bool isStructuralName(const QString& name);

// The named widgets and actions of a window, by name (a name given twice lists both objects).
// Structural objects are looked through; a named widget is looked into only when it holds
// controls (a group box, a menu); other windows the window owns are left out.
QHash<QString, QList<QObject*>> namedObjects(QWidget& window);

} // namespace pelorix
