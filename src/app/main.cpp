#include "app/qt_dialogs.h"
#include "app/qt_shell.h"
#include "app/skin.h"
#include "ui/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <filesystem>

namespace {

// The user's decimal separator as the number fields expect it; a locale with anything other
// than a comma or a point gets the comma.
char decimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point == QLatin1String(".")) return '.';
    return ',';
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Only the main window's close ends the program; the tool windows never do.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programFileName =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    pelorix::QtDialogs dialogs(QString::fromStdString(pelorix::errorBoxTitle(programFileName)));
    pelorix::QtShell shell;
    const pelorix::Environment env{
        dialogs, shell,
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String()),
        decimalSeparator(), programFileName};

    pelorix::Program program(env);
    std::unique_ptr<pelorix::Skin> skin;
    try {
        skin = std::make_unique<pelorix::Skin>(program);
    } catch (const pelorix::BindError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        dialogs.error(e.what(), pelorix::errorBoxTitle(programFileName));
        return 1;
    }
    QObject::connect(&skin->binder(program.Form1), &pelorix::Binder::closed, &app,
                     &QCoreApplication::quit);
    program.create();
    program.Form1.show();
    return QApplication::exec();
}
