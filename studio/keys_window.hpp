#pragma once
// The list of the studio's keys, in a window of its own that stays until Ok, Enter or Escape.
#include <string>
#include <utility>
#include <vector>

namespace kvx::studio {

// Every shortcut of the studio: the keys, and what they do.
const std::vector<std::pair<std::string, std::string>>& Shortcuts();
void ShowShortcuts();

}  // namespace kvx::studio
