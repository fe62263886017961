#pragma once
// Entry names and the signature line.
#include <string>

namespace kvx {

const std::string& HeldSignature();  // ScrambleText of the signature line
std::string NameWithoutDir(const std::string& path);
std::string WithSeparator(const std::string& dir);
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
// Written into a directory, the name stays inside it.
bool SafeEntryName(const std::string& name);
// The scrambled name line holds no CR, LF or NUL, which would cut it short on reading.
bool NameReadsBack(const std::string& name);

}  // namespace kvx
