#include "app/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace pelorix {

void QtShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url =
        QDir::isAbsolutePath(text) ? QUrl::fromLocalFile(text) : QUrl::fromUserInput(text);
    // Like the shell call it stands for, the outcome is not examined: whatever the desktop
    // shows about a missing document or a bad address is all the user sees.
    QDesktopServices::openUrl(url);
}

} // namespace pelorix
