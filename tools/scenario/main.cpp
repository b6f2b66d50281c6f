// Headless scenario runner: builds the five windows over a program folder and plays a script
// of user actions against them, printing every box shown and, on request, every control.
#include "script_text.h"

#include "base/user_actions.h"
#include "ui/program.h"

#include <charconv>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace pelorix;

namespace {

const char* const kHelp = R"(pelorix_scenario — play a script of user actions against the windows

usage: pelorix_scenario [--folder DIR] [--decimal , | .] [SCRIPT]

  --folder DIR   the program folder (settings files, currency.mdb, pictures); the windows read
                 and write there. Without it, a temporary copy of the shipped program folder.
  --decimal SEP  the locale's decimal separator, ',' (default) or '.'.
  SCRIPT         the script file; standard input when missing or '-'.

Script: one command a line; blank lines and lines starting with # are skipped. TEXT is the rest
of the line after one blank, with C escapes (\r \n \t \b \" \\).
  start                       create the five windows, show and activate the main window
  restart                     close the main window (ending the program), then start again
                              over the same folder
  type FormN.Control TEXT     focus the control (Exit of the old, Enter of the new), then type
                              each character through its key filter (\b is Backspace)
  paste FormN.Control TEXT    set the text as a paste does (no key filter)
  key FormN.Control KEY       focus the control and press KEY: Enter Left Right Up Down Insert
                              CtrlDelete Escape Delete
  click FormN.Control         focus it when it takes focus, then click it
  row FormN.Grid N            focus the grid and choose its line N (counted from 0); the row
                              left is stored when changed
  cell FormN.Grid TEXT        focus the grid and type TEXT into the cell of its current line
                              (the first shown column), as a finished cell edit hands it over
  tab N                       the user chooses tab N of the main window's tab strip
  select FormN.Control ITEM   choose ITEM from a list box
  menu ITEMNAME               choose a menu item of the main window (e.g. Forex1, N2)
  answer ok|cancel            the answer to the next confirmation question
  activate FormN              the window becomes the active one
  close FormN                 ask the window to close
  dump [FormN|FormN.Control]  print windows and controls
  write FILE TEXT             write TEXT as the file FILE of the program folder (before start,
                              to set up the settings the windows load)
  file FILE                   print the bytes of the file FILE of the program folder

Output: each command as "> COMMAND", then what it caused: every box as it is shown
  box info|plain "TEXT"
  box error "TEXT" title="TITLE"
  box confirm "TEXT" answer=ok|cancel
for file, one line:
  file capital.txt "100000"   (bytes outside ASCII as \xNN; "missing" when there is none)
and for dump, a line per window and per control:
  Form1 caption="Pelorix" visible=1
  Form1.Edit7 text="5" visible=1 enabled=1 color=white
labels add font=#RRGGBB, list boxes items=N, tab strips index=N, option buttons checked=0|1,
pictures picture="FILE", grids rows=N current=N (-1 for none) lines="A|B|…" (the first shown
column of each line). Texts are printed with C escapes.
)";

class PrintingDialogs : public Dialogs {
public:
    std::deque<bool> answers;

    void information(const std::string& m) override { box("info", m); }
    void plain(const std::string& m) override { box("plain", m); }
    void error(const std::string& text, const std::string& title) override {
        std::cout << "box error \"" << scenario::escape(text) << "\" title=\""
                  << scenario::escape(title) << "\"\n";
    }
    bool confirm(const std::string& q) override {
        bool answer = true;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        std::cout << "box confirm \"" << scenario::escape(q)
                  << "\" answer=" << (answer ? "ok" : "cancel") << "\n";
        return answer;
    }

private:
    static void box(const char* kind, const std::string& m) {
        std::cout << "box " << kind << " \"" << scenario::escape(m) << "\"\n";
    }
};

class NullShell : public Shell {
public:
    bool open(const std::string& target) override {
        std::cout << "shell open \"" << scenario::escape(target) << "\"\n";
        return true;
    }
};

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::size_t shownColumn(const Grid& grid) {
    for (std::size_t i = 0; i < grid.columns.size(); ++i)
        if (grid.columns[i].visible) return i;
    throw ScriptError(grid.name() + " shows no column");
}

void dumpControl(const Form& form, const Control& c) {
    std::cout << form.name() << '.' << c.name();
    if (const auto* t = dynamic_cast<const TextControl*>(&c))
        std::cout << " text=\"" << scenario::escape(t->text()) << '"';
    std::cout << " visible=" << c.visible() << " enabled=" << c.enabled()
              << " color=" << c.color().name();
    switch (c.kind()) {
    case ControlKind::Label:
        std::cout << " font=" << c.fontColor().name();
        break;
    case ControlKind::ComboBox:
        std::cout << " items=" << static_cast<const ComboBox&>(c).items().size();
        break;
    case ControlKind::TabControl:
        std::cout << " index=" << static_cast<const TabControl&>(c).tabIndex();
        break;
    case ControlKind::RadioButton:
        std::cout << " checked=" << static_cast<const RadioButton&>(c).checked();
        break;
    case ControlKind::Image:
        std::cout << " picture=\""
                  << scenario::escape(
                         fs::path(static_cast<const Image&>(c).picture()).filename().string())
                  << '"';
        break;
    case ControlKind::Grid: {
        const auto& grid = static_cast<const Grid&>(c);
        std::cout << " rows=" << grid.rowCount() << " current=" << grid.currentRow() << " lines=\"";
        for (int row = 0; row < grid.rowCount(); ++row)
            std::cout << (row ? "|" : "")
                      << scenario::escape(grid.cellText(row, shownColumn(grid)));
        std::cout << '"';
        break;
    }
    default:
        break;
    }
    std::cout << '\n';
}

void dumpForm(const Form& form) {
    std::cout << form.name() << " caption=\"" << scenario::escape(form.caption())
              << "\" visible=" << form.visible() << '\n';
    for (const Control* c : form.controls())
        dumpControl(form, *c);
}

const std::map<std::string, Key> kKeys = {{"Enter", Key::Enter},
                                          {"Left", Key::Left},
                                          {"Right", Key::Right},
                                          {"Up", Key::Up},
                                          {"Down", Key::Down},
                                          {"Insert", Key::Insert},
                                          {"CtrlDelete", Key::CtrlDelete},
                                          {"Escape", Key::Escape},
                                          {"Delete", Key::Delete}};

class Runner {
public:
    Runner(const Environment& env, PrintingDialogs& dialogs)
        : env_(env), program_(std::make_unique<Program>(env)), dialogs_(dialogs) {}

    void run(const std::string& line) {
        std::string command = line.substr(0, line.find(' '));
        std::string rest = line.size() > command.size() ? line.substr(command.size() + 1) : "";
        if (command == "start") {
            start();
        } else if (command == "restart") {
            // The main window closes and ends the program; a new run starts over the same folder.
            if (!program_->close(program_->Form1)) throw ScriptError("the main window stayed open");
            program_ = std::make_unique<Program>(env_);
            start();
        } else if (command == "type") {
            auto [form, control, text] = target(rest);
            user().type(*form, textControl(control), text);
        } else if (command == "paste") {
            auto [form, control, text] = target(rest);
            user().paste(textControl(control), text);
        } else if (command == "select") {
            auto [form, control, text] = target(rest);
            user().select(*form, textControl(control), text);
        } else if (command == "key") {
            auto [form, control, name] = target(rest);
            const auto key = kKeys.find(name);
            if (key == kKeys.end()) throw ScriptError("unknown key " + name);
            user().key(*form, *control, key->second);
        } else if (command == "click") {
            auto [form, control, ignored] = target(rest);
            user().click(*form, *control);
        } else if (command == "row") {
            auto [form, control, text] = target(rest);
            int row = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), row);
            if (error != std::errc() || end != text.data() + text.size())
                throw ScriptError("row takes a line number, got " + text);
            user().chooseRow(*form, gridControl(control), row);
        } else if (command == "cell") {
            auto [form, control, text] = target(rest);
            auto& grid = gridControl(control);
            user().typeCell(*form, grid, shownColumn(grid), text);
        } else if (command == "tab") {
            user().chooseTab(program_->Form1.TabControl1, std::stoi(rest));
        } else if (command == "menu") {
            Control* item = program_->Form1.find(rest);
            if (!item || item->kind() != ControlKind::MenuItem)
                throw ScriptError("unknown menu item " + rest);
            user().click(program_->Form1, *item);
        } else if (command == "answer") {
            if (rest != "ok" && rest != "cancel") throw ScriptError("answer ok or cancel");
            dialogs_.answers.push_back(rest == "ok");
        } else if (command == "activate") {
            program_->activate(form(rest));
        } else if (command == "close") {
            program_->close(form(rest));
        } else if (command == "dump") {
            dump(rest);
        } else if (command == "write") {
            const std::string name = rest.substr(0, rest.find(' '));
            const std::string text = rest.size() > name.size() ? rest.substr(name.size() + 1) : "";
            std::ofstream(program_->env().programFolder / name, std::ios::binary)
                << scenario::unescape(text);
        } else if (command == "file") {
            printFile(rest);
        } else {
            throw ScriptError("unknown command " + command);
        }
    }

private:
    void start() {
        program_->create();
        program_->Form1.show();
        program_->activate(program_->Form1);
    }

    UserActions user() { return UserActions(*program_); }

    Form& form(const std::string& name) const {
        Form* f = program_->findForm(name);
        if (!f) throw ScriptError("unknown window " + name);
        return *f;
    }

    std::tuple<Form*, Control*, std::string> target(const std::string& rest) const {
        const std::string ref = rest.substr(0, rest.find(' '));
        const std::string text = rest.size() > ref.size() ? rest.substr(ref.size() + 1) : "";
        const auto dot = ref.find('.');
        if (dot == std::string::npos) throw ScriptError("expected FormN.Control, got " + ref);
        Form& f = form(ref.substr(0, dot));
        Control* c = f.find(ref.substr(dot + 1));
        if (!c) throw ScriptError("unknown control " + ref);
        return {&f, c, scenario::unescape(text)};
    }

    static TextControl& textControl(Control* c) {
        auto* t = dynamic_cast<TextControl*>(c);
        if (!t) throw ScriptError(c->name() + " holds no text");
        return *t;
    }

    static Grid& gridControl(Control* c) {
        if (c->kind() != ControlKind::Grid) throw ScriptError(c->name() + " is not a grid");
        return static_cast<Grid&>(*c);
    }

    void dump(const std::string& what) const {
        if (what.empty()) {
            for (const Form* f : program_->forms())
                dumpForm(*f);
        } else if (what.find('.') == std::string::npos) {
            dumpForm(form(what));
        } else {
            auto [f, c, ignored] = target(what);
            dumpControl(*f, *c);
        }
    }

    void printFile(const std::string& name) const {
        std::ifstream in(program_->env().programFolder / name, std::ios::binary);
        if (!in) {
            std::cout << "file " << name << " missing\n";
            return;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::string shown;
        for (const char byte : bytes) {
            const auto code = static_cast<unsigned char>(byte);
            if (code < 0x80) {
                shown += scenario::escape(std::string(1, byte));
            } else {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", code);
                shown += hex;
            }
        }
        std::cout << "file " << name << " \"" << shown << "\"\n";
    }

    const Environment& env_;
    std::unique_ptr<Program> program_;
    PrintingDialogs& dialogs_;
};

fs::path temporaryProgramFolder() {
    const fs::path folder =
        fs::temp_directory_path() / ("pelorix-scenario-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::copy(PELORIX_PROGRAM_DIR, folder, fs::copy_options::recursive);
    return folder;
}

} // namespace

int main(int argc, char** argv) {
    std::string folderArg;
    std::string scriptArg = "-";
    char separator = ',';
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--folder" && i + 1 < argc) {
            folderArg = argv[++i];
        } else if (a == "--decimal" && i + 1 < argc) {
            const std::string s = argv[++i];
            if (s != "," && s != ".") {
                std::cerr << "pelorix_scenario: --decimal takes , or .\n";
                return 2;
            }
            separator = s[0];
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            std::cerr << "pelorix_scenario: unknown option " << a << " (see --help)\n";
            return 2;
        } else {
            scriptArg = a;
        }
    }

    std::ifstream file;
    if (scriptArg != "-") {
        file.open(scriptArg);
        if (!file) {
            std::cerr << "pelorix_scenario: cannot read " << scriptArg << "\n";
            return 2;
        }
    }
    std::istream& in = scriptArg == "-" ? std::cin : file;

    const bool temporary = folderArg.empty();
    fs::path folder;
    try {
        folder = temporary ? temporaryProgramFolder() : fs::absolute(folderArg);
    } catch (const std::exception& e) {
        std::cerr << "pelorix_scenario: " << e.what() << "\n";
        return 2;
    }

    PrintingDialogs dialogs;
    NullShell shell;
    const Environment env{dialogs, shell, folder, separator, "Pelorix"};
    int status = 0;
    {
        Runner runner(env, dialogs);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            std::cout << "> " << line << '\n';
            try {
                runner.run(line);
            } catch (const std::exception& e) {
                std::cout.flush();
                std::cerr << "pelorix_scenario: line " << number << ": " << e.what() << "\n";
                status = 2;
                break;
            }
        }
    }
    std::cout.flush();
    if (temporary) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    return status;
}
