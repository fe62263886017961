#pragma once
// Item lookup by text, as combo and menu entries are found: letter case does not count.
#include <algorithm>
#include <string>

namespace kvx {

// Latin-1 lower case: ASCII letters and the accented capitals 0xC0..0xDE except the sign 0xD7.
inline unsigned char FoldLatin1(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

inline bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldLatin1(static_cast<unsigned char>(x)) == FoldLatin1(static_cast<unsigned char>(y));
           });
}

}  // namespace kvx
