#include "settings/atomic_file.h"

#include "base/text.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace pelorix {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

// Closes the descriptor when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the error a delayed write may only show here.
    int close() {
        const int fd = fd_;
        fd_ = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int fd_;
};

// A new file beside the target under a name nobody else uses; -1 with errno set on failure.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    // Appended piece by piece: g++ 12 at -O3 takes "." + name + "." for overlapping copies.
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += '.';
    leaf += std::to_string(::getpid());
    leaf += '.';
    const std::string stem = (target.parent_path() / leaf).string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem;
        name += std::to_string(counter++);
        name += kTemporarySuffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int writeAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return 0;
}

// The rename is durable only once the folder itself is flushed; a folder that cannot be
// flushed still holds the new value, so this is done on a best-effort basis.
void flushFolder(const std::filesystem::path& folder) {
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// The file a chain of symbolic links ends at; the path itself when it is no link.
std::filesystem::path followLinks(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

// Temporary file, flush, rename: the target shows the old value or the new one, never a part.
// `couldCreate` tells the caller whether the temporary file could be made at all.
int replaceAtomically(const std::filesystem::path& target, std::string_view bytes,
                      const struct stat* old, bool& couldCreate) {
    std::string temporary;
    FileDescriptor fd(createTemporary(target, temporary));
    couldCreate = fd.get() >= 0;
    if (!couldCreate) return errno;

    int error = writeAllAt(fd.get(), bytes, 0);
    // A file the user set up keeps its permissions when its value is replaced.
    if (error == 0 && old) ::fchmod(fd.get(), old->st_mode & 07777);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (const int closeError = fd.close(); error == 0) error = closeError;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    flushFolder(target.parent_path());
    return 0;
}

// What the file holds now, to put back if rewriting it fails; empty when it cannot be read.
std::string currentBytes(const std::filesystem::path& target, off_t size) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const FileDescriptor fd(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return {};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ::pread(fd.get(), bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// Overwrites the open file from its start and cuts it to the new length.
int rewriteInPlace(int fd, const std::filesystem::path& target, std::string_view bytes,
                   const struct stat& old) {
    const std::string before = currentBytes(target, old.st_size);
    int error = writeAllAt(fd, bytes, 0);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error != 0 && static_cast<off_t>(before.size()) == old.st_size) {
        writeAllAt(fd, before, 0);
        if (::ftruncate(fd, old.st_size) == 0) ::fsync(fd);
    }
    return error;
}

bool isOwnTemporary(std::string_view entry, std::string_view fileName, pid_t& pid) {
    // "." name "." pid "." counter ".tmp"
    if (!entry.starts_with('.') || !entry.ends_with(kTemporarySuffix)) return false;
    entry.remove_prefix(1);
    entry.remove_suffix(kTemporarySuffix.size());
    if (entry.size() <= fileName.size() + 1 ||
        !equalsIgnoringAsciiCase(entry.substr(0, fileName.size()), fileName) ||
        entry[fileName.size()] != '.')
        return false;
    entry.remove_prefix(fileName.size() + 1);
    const std::size_t dot = entry.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == entry.size()) return false;
    const auto allDigits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    const std::string_view pidText = entry.substr(0, dot);
    if (!allDigits(pidText) || !allDigits(entry.substr(dot + 1)) || pidText.size() > 9)
        return false;
    pid = static_cast<pid_t>(std::stol(std::string(pidText)));
    return true;
}

} // namespace

int writeWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = followLinks(path);
    // Opening for writing asks the system whether this user may change the file as it stands.
    // (Without blocking: a named pipe in place of the file must not hang the window.)
    FileDescriptor existing(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    if (existing.get() < 0 && errno != ENOENT) return errno;
    struct stat old {};
    const bool exists = existing.get() >= 0 && ::fstat(existing.get(), &old) == 0;

    bool couldCreate = false;
    const int error = replaceAtomically(target, bytes, exists ? &old : nullptr, couldCreate);
    // A folder that takes no new entry (or a rename the system refuses, as for a file mounted
    // in place) still lets the user keep the value in the file he can write.
    if (error != 0 && exists && (!couldCreate || error == EBUSY || error == EPERM))
        return rewriteInPlace(existing.get(), target, bytes, old);
    return error;
}

void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view fileName) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        pid_t pid = 0;
        if (!isOwnTemporary(it->path().filename().string(), fileName, pid)) continue;
        // A program still running in the same folder may be writing this one right now.
        if (pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

} // namespace pelorix
