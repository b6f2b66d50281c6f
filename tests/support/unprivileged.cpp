#include "support/unprivileged.h"

#include <grp.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace pelorix::testing {

namespace {

constexpr uid_t kNobody = 65534;

bool isRoot() {
    return ::geteuid() == 0;
}

} // namespace

std::string asUnprivileged(const std::function<std::string()>& action) {
    if (!isRoot()) return action();
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) throw std::runtime_error("cannot create a pipe");
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string result = "(could not drop root's rights)";
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
            try {
                result = action();
            } catch (const std::exception& e) {
                result = std::string("(exception) ") + e.what();
            }
        }
        const char* data = result.data();
        std::size_t left = result.size();
        while (left > 0) {
            const ssize_t n = ::write(pipeEnds[1], data, left);
            if (n <= 0) break;
            data += n;
            left -= static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return result;
}

void giveToUnprivileged(const std::filesystem::path& path) {
    if (isRoot() && ::chown(path.c_str(), kNobody, kNobody) != 0)
        throw std::runtime_error("cannot hand " + path.string() + " over");
}

} // namespace pelorix::testing
