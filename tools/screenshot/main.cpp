// Renders a window to a PNG without a display, over a temporary copy of the program folder:
// the main window (optionally after typing a stock ticket and pressing the calculate button) or
// any other window by its name.
#include "app/qt_dialogs.h"
#include "app/qt_shell.h"
#include "app/skin.h"
#include "ui/program.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <filesystem>
#include <iostream>

using namespace pelorix;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: pelorix_screenshot OUT.png [--calculate | Form2 … Form5]\n";
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir folder;
    std::filesystem::copy(PELORIX_PROGRAM_DIR, folder.path().toStdString(),
                          std::filesystem::copy_options::recursive);

    QtDialogs dialogs("Pelorix");
    QtShell shell;
    const Environment env{dialogs, shell, folder.path().toStdString(), ',', "Pelorix"};
    Program program(env);
    Skin skin(program);
    program.create();
    if (argc > 2 && std::string(argv[2]) == "--calculate") {
        auto& f = program.Form1;
        f.Edit3.setText("100");
        f.Edit4.setText("95");
        f.Edit5.setText("115");
        program.dispatch([&f] { f.Button1Click(); });
    }
    const Form* shown = argc > 2 ? program.findForm(argv[2]) : nullptr;
    QWidget& window = shown ? skin.window(*shown) : skin.mainWindow();
    window.show();
    app.processEvents();
    return window.grab().save(argv[1]) ? 0 : 1;
}
