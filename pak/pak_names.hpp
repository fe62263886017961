#pragma once
// Entry names and the signature line.
#include <cstddef>
#include <string>

#include "platform/files.hpp"

namespace kvx {

// Longer than any file name a system allows; a longer name line is damage.
inline constexpr size_t kMaxEntryNameLength = 1024;

const std::string& HeldSignature();  // ScrambleText of the signature line
// A line of the archive, text of at most maxLength bytes ended by CR LF; false for a longer one.
bool ReadTextLine(const StreamPtr& stream, std::string& line, size_t maxLength);
// Reads one line, no longer than the signature, and tells whether it is the signature.
bool ReadsSignature(const StreamPtr& stream);
std::string NameWithoutDir(const std::string& path);
std::string WithSeparator(const std::string& dir);
// Folds ASCII letters only: other bytes must be equal.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
// Written into a directory, the name stays inside it.
bool SafeEntryName(const std::string& name);
// The scrambled name line holds no CR, LF or NUL, which would cut it short on reading, and is not
// longer than a reader accepts.
bool NameReadsBack(const std::string& name);

}  // namespace kvx
