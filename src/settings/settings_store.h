#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pelorix {

// The one-value settings files beside the program ("capital.txt", "type.txt", …). The program
// reads a value under one spelling ("capital.txt") and writes it under another ("Capital.txt");
// both must reach the same file, so names are matched without regard to ASCII letter case. When
// several entries of the folder match, the one whose name sorts first byte by byte is the file,
// for reading and for writing alike. Saving replaces that entry under its existing name; a name
// that matches nothing is created as given.
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path programFolder);

    // The whole file as UTF-8 text, line breaks as CR LF. Throws
    // AppError("Cannot open file \"<path>\". <system description>").
    std::string load(std::string_view fileName) const;

    // Writes the text unchanged in Windows-1251, no mark, no added line break, replacing the
    // file atomically: a failure leaves the old value in place. Throws
    // AppError("Cannot create file \"<path>\". <description>"); a character the code page
    // cannot hold is refused that way before anything is written.
    void save(std::string_view fileName, std::string_view utf8Text) const;

    // The path `fileName` stands for: the matching entry of the folder, or the name as given.
    std::filesystem::path pathOf(std::string_view fileName) const;

private:
    std::filesystem::path folder_;
};

} // namespace pelorix
