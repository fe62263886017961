#pragma once
// The designs last opened or saved, newest first, kept in the config folder between runs.
#include <string>
#include <vector>

namespace kvx::studio {

inline constexpr size_t kRecentFileCount = 8;

// Reads the list the last run left ("recent.txt", a path a line); a damaged one gives what it can.
std::vector<std::string> LoadRecentFiles();
// Puts the path first (once) and writes the list back; false when it could not be written.
bool RememberRecentFile(const std::string& path);

}  // namespace kvx::studio
