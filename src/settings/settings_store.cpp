#include "settings/settings_store.h"

#include "base/app_error.h"
#include "settings/atomic_file.h"
#include "settings/file_encoding.h"
#include "settings/folder_entry.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pelorix {

namespace {

[[noreturn]] void throwOpenError(const std::filesystem::path& path, int error) {
    throw AppError("Cannot open file \"" + path.string() + "\". " + std::strerror(error));
}

// A settings file holds one short value. Anything bigger is no value of the user's (a log
// saved under the name, a device) and would freeze the window while it loads.
constexpr std::size_t kLargestFile = 64 * 1024;

[[noreturn]] void throwTooLarge(const std::filesystem::path& path) {
    throw AppError("Cannot open file \"" + path.string() +
                   "\". The file is larger than 64 KiB, too large for a settings value");
}

// The whole file; any failure on the way is the open error. A named pipe in place of the file
// reads as what is there now, without waiting for a writer.
std::string readAll(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
        if (bytes.size() > kLargestFile) {
            ::close(fd);
            throwTooLarge(path);
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)) {}

std::filesystem::path SettingsStore::pathOf(std::string_view fileName) const {
    return entryOf(folder_, fileName);
}

bool SettingsStore::exists(std::string_view fileName) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(pathOf(fileName), ec));
}

void SettingsStore::removeStaleTemporaries(std::string_view fileName) const {
    pelorix::removeStaleTemporaries(folder_, fileName);
}

std::string SettingsStore::load(std::string_view fileName) const {
    return decodeSettingsFile(readAll(pathOf(fileName)));
}

void SettingsStore::save(std::string_view fileName, std::string_view utf8Text) const {
    const std::filesystem::path path = pathOf(fileName);
    if (const int error = writeWholeFile(path, encodeSettingsFile(utf8Text)); error != 0)
        throw AppError("Cannot create file \"" + path.string() + "\". " + std::strerror(error));
}

} // namespace pelorix
