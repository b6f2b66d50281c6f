#pragma once

#include "base/app_error.h"

#include <functional>
#include <string>

namespace pelorix::testing {

// The message of the AppError that `action` throws, or "(no error)" when it throws none.
inline std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& e) {
        return e.message();
    }
    return "(no error)";
}

} // namespace pelorix::testing
