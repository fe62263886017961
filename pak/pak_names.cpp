#include "pak/pak_names.hpp"

#include <algorithm>

#include "pak/pak.hpp"

namespace kvx {

const std::string& HeldSignature() {
    static const std::string held =
        "\x69\x4d\x50\x54\x47\x5a\x02\x50\x47\x51\x4d\x57\x50\x41\x47\x02\x52"
        "\x43\x49\x0e\x02\x44\x4d\x50\x4f\x43\x56\x02\x13\x0c\x12\x02\x0f\x0f";
    return held;
}

bool ReadTextLine(const StreamPtr& stream, std::string& line, size_t maxLength) {
    return ReadLine(stream, line, maxLength + 1);  // the CR before the LF counts too
}

bool ReadsSignature(const StreamPtr& stream) {
    std::string line;
    return ReadTextLine(stream, line, HeldSignature().size()) && ScrambleText(line) == HeldSignature();
}

std::string NameWithoutDir(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithSeparator(const std::string& dir) {
    if (dir.empty()) return "./";
    return dir.back() == '/' ? dir : dir + '/';
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool SafeEntryName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

bool NameReadsBack(const std::string& name) {
    return name.size() <= kMaxEntryNameLength &&
           ScrambleText(name).find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace kvx
