#pragma once

#include <stdexcept>
#include <string>

namespace pelorix {

// The one error type of the program. Whatever no handler catches travels as an AppError up to
// the handler boundary, which shows its message in the error box; what the handler already
// changed stays changed.
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

} // namespace pelorix
