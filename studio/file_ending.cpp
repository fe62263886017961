#include "studio/file_ending.hpp"

namespace kvx::studio {

bool HasEnding(const std::string& path, const std::string& ending) {
    return path.size() >= ending.size() && path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
}

std::string WithEnding(const std::string& path, const std::string& ending) {
    return HasEnding(path, ending) ? path : path + ending;
}

}  // namespace kvx::studio
