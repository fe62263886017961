#pragma once
// Small helpers of the gadgets: flag toggling and text editing at a character position.
#include <string>

namespace kvx {

inline int Toggle(int v) { return 1 - v; }

// The text without the n characters that follow its first pos characters.
std::string DeleteChars(const std::string& text, int pos, int n);
// insert placed right after the pos-th character (first for pos 0, last past the end).
std::string InsertString(const std::string& text, const std::string& insert, int pos);

}  // namespace kvx
