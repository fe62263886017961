#pragma once
// Directory names as the requesters build them: "/" separates, a trailing "/" marks a directory.
#include <string>

namespace kvx {

inline std::string WithTrailingSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

// `dir` and `name` joined by one "/".
inline std::string JoinPath(const std::string& dir, const std::string& name) { return WithTrailingSlash(dir) + name; }

}  // namespace kvx
