#pragma once

#include <exception>
#include <string>
#include <utility>

namespace pelorix {

// The one error type of the program. Whatever no handler catches travels as an AppError up to
// the handler boundary, which shows its message in the error box; what the handler already
// changed stays changed.
class AppError : public std::exception {
public:
    explicit AppError(std::string message) : message_(std::move(message)) {}
    // The whole text: a quoted text may hold a NUL, at which what() stops.
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

} // namespace pelorix
