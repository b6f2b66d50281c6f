#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pelorix {

// The one-value settings files beside the program ("capital.txt", "type.txt", …). The program
// reads a value under one spelling ("capital.txt") and writes it under another ("Capital.txt");
// both reach the same file, found by the folder's one name rule (entryOf), for reading and for
// writing alike. Saving replaces that entry under its existing name; a name that matches
// nothing is created as given.
class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path programFolder);

    // The whole file as UTF-8 text, line breaks as CR LF. Throws
    // AppError("Cannot open file \"<path>\". <system description>"), also for a file larger
    // than 64 KiB.
    std::string load(std::string_view fileName) const;

    // Writes the text unchanged, no added line break: in Windows-1251 without a mark, or as
    // UTF-8 with its mark when the code page cannot hold it (encodeSettingsFile). A failure
    // leaves the old value in place (writeWholeFile). Throws
    // AppError("Cannot create file \"<path>\". <description>").
    void save(std::string_view fileName, std::string_view utf8Text) const;

    // The path `fileName` stands for: the matching entry of the folder, or the name as given.
    std::filesystem::path pathOf(std::string_view fileName) const;
    // Whether any entry of the folder goes by that name (a dangling link counts).
    bool exists(std::string_view fileName) const;
    // Removes what a killed run left of its saves of that file.
    void removeStaleTemporaries(std::string_view fileName) const;

private:
    std::filesystem::path folder_;
};

} // namespace pelorix
