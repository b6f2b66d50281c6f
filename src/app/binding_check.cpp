#include "app/binder.h"
#include "app/named_objects.h"
#include "app/widget_kinds.h"

#include <QWidget>

#include <algorithm>

namespace pelorix {

namespace {

QString className(const QObject& object) {
    return QString::fromLatin1(object.metaObject()->className());
}

} // namespace

QStringList bindingMismatches(const Form& form, QWidget& window) {
    const QString formName = QString::fromStdString(form.name());
    QStringList problems;
    if (window.objectName() != formName)
        problems << QStringLiteral("the window is named '%1', not '%2'")
                        .arg(window.objectName(), formName);

    const auto named = namedObjects(window);
    for (const Control* control : form.controls()) {
        const QString name = QString::fromStdString(control->name());
        const QString kind = kindName(control->kind());
        const auto objects = named.value(name);
        if (control->kind() == ControlKind::Slot) {
            if (!objects.isEmpty())
                problems << QStringLiteral("%1 is a hidden value slot but has a %2")
                                .arg(name, className(*objects.front()));
            continue;
        }
        if (objects.isEmpty()) {
            problems << QStringLiteral("%1 (%2) has no widget; it needs a %3")
                            .arg(name, kind, widgetClassFor(control->kind()));
        } else if (objects.size() > 1) {
            problems << QStringLiteral("%1 (%2) has %3 widgets of that name")
                            .arg(name, kind)
                            .arg(objects.size());
        } else if (!fitsKind(control->kind(), *objects.front())) {
            problems << QStringLiteral("%1 (%2) needs a %3, not a %4")
                            .arg(name, kind, widgetClassFor(control->kind()),
                                 className(*objects.front()));
        }
    }
    QStringList names = named.keys();
    std::sort(names.begin(), names.end());
    for (const QString& name : names)
        if (!form.find(name.toStdString()))
            problems << QStringLiteral("%1 (%2) has no control")
                            .arg(name, className(*named.value(name).front()));
    return problems;
}

} // namespace pelorix
