#pragma once
// Replacing a file without ever leaving it half written.
#include <functional>
#include <string>

#include "platform/files.hpp"

namespace kvx::studio {

// Writes through `write` into a temporary file beside `path` and moves it over `path` only when
// everything reached the disk. On any failure the previous file stays as it was and the result is
// false.
bool ReplaceFileSafely(const std::string& path, const std::function<void(const StreamPtr&)>& write);

}  // namespace kvx::studio
