#pragma once
// Replacing a file without ever leaving it half written.
#include <functional>
#include <string>

#include "platform/files.hpp"

namespace kvx::studio {

// Writes through `write` into a temporary created exclusively beside `path` (never through a
// link) and moves it over `path` only when everything reached the disk, keeping the old file's
// permission bits. On any failure the previous file stays as it was and the result is false.
bool ReplaceFileSafely(const std::string& path, const std::function<void(const StreamPtr&)>& write);

}  // namespace kvx::studio
