#pragma once
// The designs last opened or saved, newest first, kept in the config folder between runs; as many
// as the preferences say.
#include <string>
#include <vector>

namespace kvx::studio {

// Reads the list the last run left ("recent.txt", a path a line); a damaged one gives what it can.
std::vector<std::string> LoadRecentFiles();
// Puts the path first (once) and writes the list back; false when it could not be written.
bool RememberRecentFile(const std::string& path);

}  // namespace kvx::studio
