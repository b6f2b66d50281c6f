#include "settings/folder_entry.h"

#include "base/text.h"

#include <optional>
#include <string>
#include <system_error>
#include <tuple>

namespace pelorix {

std::filesystem::path entryOf(const std::filesystem::path& folder, std::string_view fileName) {
    std::optional<std::tuple<bool, std::string>> best; // (is a folder, name): smallest wins
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!equalsIgnoringAsciiCase(name, fileName)) continue;
        std::error_code ignored;
        auto candidate = std::make_tuple(it->is_directory(ignored), std::move(name));
        if (!best || candidate < *best) best = std::move(candidate);
    }
    return folder / (best ? std::get<1>(*best) : std::string(fileName));
}

} // namespace pelorix
