#pragma once

#include <filesystem>
#include <string_view>

namespace pelorix {

// Makes `bytes` the whole content of `target`, creating it when missing. Returns 0 on success,
// otherwise the errno of the failing step, with the old value in place.
//
// The file must be writable as it stands: a file the user made read-only is refused (EACCES)
// rather than replaced behind his back. A symbolic link is written through to the file it names.
// Where the folder allows it the bytes go to a temporary file beside the target, are flushed,
// and the temporary file is renamed over the target, so a crash or a full disk never leaves a
// half-written value. Where no temporary file can be made there (a folder the user cannot write
// to, holding files he can), the existing file is rewritten in place instead, and its old bytes
// are put back if that write fails.
int writeWholeFile(const std::filesystem::path& target, std::string_view bytes);

// Temporary files that writeWholeFile left beside `fileName` in `folder` when its process was
// killed mid-write (".<name>.<pid>.<n>.tmp", the name in any letter case, the process gone),
// removed on a best-effort basis.
void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view fileName);

} // namespace pelorix
