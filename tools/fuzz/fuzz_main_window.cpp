// libFuzzer target: text typed or pasted into the main window's fields, then the calculate
// command, on a tab the input chooses. Every box must carry a readable message; the sanitizers
// watch the rest.
#include "base/text.h"
#include "base/user_actions.h"
#include "support/recording_dialogs.h"
#include "ui/program.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::filesystem::path programFolder;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The fields a user fills before calculating, in the order the input's pieces go to them.
std::vector<pelorix::TextControl*> entryFields(pelorix::TForm1& f) {
    return {&f.Edit1, &f.Edit2,  &f.Edit6,  &f.Edit3,     &f.Edit4,     &f.Edit5,
            &f.Edit9, &f.Edit11, &f.Edit10, &f.ComboBox3, &f.ComboBox2, &f.ComboBox1};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A copy of the shipped program folder: the windows read their settings and tables there.
    programFolder =
        std::filesystem::temp_directory_path() / ("pelorix-fuzz-" + std::to_string(::getpid()));
    std::filesystem::remove_all(programFolder);
    std::filesystem::copy(PELORIX_PROGRAM_DIR, programFolder,
                          std::filesystem::copy_options::recursive);
    std::atexit([] { std::filesystem::remove_all(programFolder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    pelorix::testing::RecordingDialogs dialogs;
    pelorix::testing::RecordingShell shell;
    const char separator = (data[0] & 0x80) ? '.' : ',';
    const pelorix::Environment env{dialogs, shell, programFolder, separator, "Pelorix"};
    pelorix::Program program(env);
    program.create();
    program.Form1.show();
    program.activate(program.Form1);
    pelorix::UserActions user(program);
    user.chooseTab(program.Form1.TabControl1, data[0] % 3);

    // The rest: pieces split at 0xFF (never part of UTF-8 text), each going to the next field;
    // a piece's first byte says whether it is typed key by key (odd) or pasted (even).
    const auto fields = entryFields(program.Form1);
    std::size_t field = 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    while (!rest.empty() && field < fields.size()) {
        const std::size_t end = rest.find('\xFF');
        const std::string_view piece = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        pelorix::TextControl& control = *fields[field++];
        if (piece.empty()) continue;
        // Text from the keyboard or the clipboard is always well-formed.
        const std::string text = pelorix::encodeUtf8(pelorix::decodeUtf8(piece.substr(1)));
        if (piece.front() & 1)
            user.type(program.Form1, control, text);
        else
            user.paste(control, text);
    }
    user.click(program.Form1, program.Form1.Button1);

    for (const std::string& box : dialogs.boxes) {
        const std::size_t title = box.starts_with("error: ") ? std::string(" [Pelorix]").size() : 0;
        check(box.size() > box.find(": ") + 2 + title, "a box says something");
        check(pelorix::encodeUtf8(pelorix::decodeUtf8(box)) == box, "a box is readable text");
    }
    return 0;
}
