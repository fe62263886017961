#pragma once
// The items of a list or combo box, edited in a dialog: a line each, added, renamed, removed and
// moved up or down. Empty items are refused: they could not be told from no items in a file.
#include <optional>
#include <string>
#include <vector>

namespace kvx::studio {

// The items as the user left them with Ok; nothing on Cancel or Escape. A hint, when given, is
// shown under the field.
std::optional<std::vector<std::string>> EditItems(const std::string& title, std::vector<std::string> items,
                                                  const char* hint = nullptr);

}  // namespace kvx::studio
