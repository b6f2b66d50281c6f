#pragma once

#include "base/controls.h"

#include <QString>

class QObject;

namespace pelorix {

// Which widget class shows which kind of control.

// The kind as the misfit messages name it ("Edit", "Label", …).
QString kindName(ControlKind kind);
// The Qt class a control of that kind needs ("QLineEdit", "QAction or QMenu", …); empty for a
// hidden value slot, which has no widget.
QString widgetClassFor(ControlKind kind);
bool fitsKind(ControlKind kind, const QObject& object);

} // namespace pelorix
