#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace pelorix {

// The message boxes the program shows. Each call is modal: it returns when the user closes it.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information icon, the message, one OK button.
    virtual void information(const std::string& message) = 0;
    // The message and one OK button, no icon.
    virtual void plain(const std::string& message) = 0;
    // Error icon, one OK button; text and title already in their final form.
    virtual void error(const std::string& text, const std::string& title) = 0;
    // Question icon, OK and Cancel; true for OK.
    virtual bool confirm(const std::string& question) = 0;
};

// The desktop shell's service that opens a document or an address with its application.
class Shell {
public:
    virtual ~Shell() = default;
    // False when the desktop could not open it (no such document, no application for it).
    virtual bool open(const std::string& target) = 0;
};

// What every window is handed at creation: the seams and the facts of the platform.
struct Environment {
    Dialogs& dialogs;
    Shell& shell;
    std::filesystem::path programFolder; // the folder of the running program file
    char decimalSeparator = ',';         // the user's locale
    std::string programFileName = "Pelorix";
};

// The error box of an error that no handler caught: its text gets a full stop when the last
// character's code is above that of the full stop; the title is the program file's name up to
// its first full stop, every letter after the first in lower case.
std::string errorBoxText(const std::string& message);
std::string errorBoxTitle(const std::string& programFileName);

// Hands a document or address to the shell; one it cannot open is named in an information box,
// so a click never ends in silence.
void openWithShell(const Environment& env, const std::string& target);
constexpr const char* kCannotOpen = "Не удалось открыть ";

// The handler boundary: runs one event handler; an error it raises ends it there and is shown
// in the error box. Returns false when the handler ended with an error.
bool runHandler(const Environment& env, const std::function<void()>& handler);

} // namespace pelorix
