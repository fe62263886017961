#pragma once
// The versions of the libraries the platform runs on, as the loaded libraries report them.
#include <string>
#include <utility>
#include <vector>

namespace kvx {

// ("SDL2", "2.26.5"), ("libpng", "1.6.39"), ("FreeType", "2.12.1"), ("zlib", "1.2.13").
std::vector<std::pair<std::string, std::string>> PlatformLibraryVersions();

}  // namespace kvx
