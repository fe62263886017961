#pragma once
// The directory listing the file and path requesters show: sub-directories with the folder icon,
// then a separator and the files that pass the extension filter, each with an icon by its ending.
#include <cstdint>
#include <string>

#include "gadgets/listbox.hpp"

namespace kvx {

// The skin icon of a file, chosen by the last four characters of its name, ignoring case.
std::string FileIconPath(const std::string& name);
// ".*" passes every file; any other filter a name that ends with it, ignoring case ("" none).
bool MatchesFilter(const std::string& name, const std::string& filter);

// Makes `path` the working directory and fills `list` with its listing (files left out when
// dirsOnly is not 0). "." and "System Volume Information" are never listed, ".." is. A path that
// cannot be entered lists the working directory as it is, so the listing always matches
// CurrentDir(); the result tells whether `path` was entered.
bool ListDirectory(const std::string& path, const KVX_ListboxRef& list, const std::string& filter, uint8_t dirsOnly);

}  // namespace kvx
