#include "settings/settings_store.h"

#include "base/app_error.h"
#include "base/text.h"
#include "settings/atomic_file.h"
#include "settings/file_encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace pelorix {

namespace {

[[noreturn]] void throwOpenError(const std::filesystem::path& path, int error) {
    throw AppError("Cannot open file \"" + path.string() + "\". " + std::strerror(error));
}

[[noreturn]] void throwCreateError(const std::filesystem::path& path, const std::string& why) {
    throw AppError("Cannot create file \"" + path.string() + "\". " + why);
}

// The whole file; any failure on the way is the open error.
std::string readAll(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throwOpenError(path, errno);
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            throwOpenError(path, error);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)) {}

std::filesystem::path SettingsStore::pathOf(std::string_view fileName) const {
    std::optional<std::string> match;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (equalsIgnoringAsciiCase(name, fileName) && (!match || name < *match))
            match = std::move(name);
    }
    return folder_ / (match ? *match : std::string(fileName));
}

std::string SettingsStore::load(std::string_view fileName) const {
    return decodeSettingsFile(readAll(pathOf(fileName)));
}

void SettingsStore::save(std::string_view fileName, std::string_view utf8Text) const {
    const std::filesystem::path path = pathOf(fileName);
    std::string bytes;
    try {
        bytes = encodeWindows1251(utf8Text);
    } catch (const AppError& e) {
        throwCreateError(path, e.message());
    }
    if (const int error = replaceFileAtomically(path, bytes); error != 0)
        throwCreateError(path, std::strerror(error));
}

} // namespace pelorix
