#include "app/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace pelorix {

bool QtShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url =
        QDir::isAbsolutePath(text) ? QUrl::fromLocalFile(text) : QUrl::fromUserInput(text);
    // A missing document has no application to hand it to; say so rather than do nothing.
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

} // namespace pelorix
