#pragma once

#include <filesystem>
#include <string_view>

namespace pelorix {

// The entry of `folder` that `fileName` stands for, names compared without regard to ASCII
// letter case (the program reads "capital.txt" and writes "Capital.txt", and the user may have
// copied the folder from a system that ignores case). Of several matches a file wins over a
// folder, then the name that sorts first byte by byte; without a match, the name as given.
std::filesystem::path entryOf(const std::filesystem::path& folder, std::string_view fileName);

} // namespace pelorix
