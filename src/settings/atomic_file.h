#pragma once

#include <filesystem>
#include <string_view>

namespace pelorix {

// Replaces (or creates) `target` with `bytes` so that a reader, a crash or a full disk never
// sees a half-written file: the bytes go to a temporary file in the same folder, are flushed to
// disk, and the temporary file is renamed over the target. On failure the temporary file is
// removed, the target is untouched, and the errno of the failing step is returned; 0 on success.
int replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace pelorix
