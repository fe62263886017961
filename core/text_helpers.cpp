#include "core/text_helpers.hpp"

#include <algorithm>

namespace kvx {

std::string DeleteChars(const std::string& text, int pos, int n) {
    const int length = int(text.size());
    pos = std::clamp(pos, 0, length);
    const int end = std::min(pos + std::max(n, 0), length);
    return text.substr(0, size_t(pos)) + text.substr(size_t(end));
}

std::string InsertString(const std::string& text, const std::string& insert, int pos) {
    if (pos <= 0) return insert + text;
    if (pos > int(text.size())) return text + insert;
    return text.substr(0, size_t(pos)) + insert + text.substr(size_t(pos));
}

}  // namespace kvx
