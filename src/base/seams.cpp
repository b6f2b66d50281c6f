#include "base/seams.h"

#include "base/app_error.h"

#include <cctype>
#include <new>

namespace pelorix {

std::string errorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

std::string errorBoxTitle(const std::string& programFileName) {
    std::string title = programFileName.substr(0, programFileName.find('.'));
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

void openWithShell(const Environment& env, const std::string& target) {
    if (!env.shell.open(target)) env.dialogs.information(kCannotOpen + target);
}

bool runHandler(const Environment& env, const std::function<void()>& handler) {
    std::string message;
    try {
        handler();
        return true;
    } catch (const AppError& e) {
        message = e.message();
    } catch (const std::bad_alloc&) {
        message = "Out of memory";
    } catch (const std::exception& e) {
        message = e.what();
    }
    env.dialogs.error(errorBoxText(message), errorBoxTitle(env.programFileName));
    return false;
}

} // namespace pelorix
