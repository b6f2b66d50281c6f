#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace pelorix::testing {

// Runs `action` in a child process as a user without root's powers when the tests run as root
// (root writes any file whatever its mode), as the current user otherwise, and returns what it
// returned. That is how a folder or file the user may not write is tried, root or not.
std::string asUnprivileged(const std::function<std::string()>& action);

// Hands a file or folder to the user asUnprivileged runs as (nothing when not root), so that
// only its mode decides what that user may do with it.
void giveToUnprivileged(const std::filesystem::path& path);

} // namespace pelorix::testing
