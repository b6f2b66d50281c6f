#include "settings/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pelorix {

namespace {

// A new file beside the target under a name nobody else uses; -1 with errno set on failure.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    const std::string stem =
        (target.parent_path() / ("." + target.filename().string() + ".")).string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The rename is durable only once the folder itself is flushed; a folder that cannot be
// flushed still holds the new value, so this is done on a best-effort basis.
void flushFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

int replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return errno;

    int error = writeAll(fd, bytes);
    // A file the user set up keeps its permissions when its value is replaced.
    struct stat old {};
    if (error == 0 && ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    flushFolder(target.parent_path());
    return 0;
}

} // namespace pelorix
