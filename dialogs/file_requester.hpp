#pragma once
// The modal open/save dialog: drives, a directory listing, a name field and an extension filter.
#include <cstdint>
#include <string>

#include "dialogs/directory_listing.hpp"
#include "dialogs/drive_list.hpp"
#include "gadgets/combo.hpp"

namespace kvx {

// Where the next file or path requester starts ("" = the working directory), and the filter
// the last file requester ended with.
extern std::string LastDirectory;
extern std::string LastFilter;

// filters: extensions with the dot, "|"-separated (".kvx|.*"; ".*" lists every file); path ""
// keeps LastDirectory. save 1 names the OK button "Save" and lets a typed name win over the one
// picked in the list. Returns directory + "/" + name, or "" when cancelled or when the
// application window is closed meanwhile.
std::string KVX_FileRequester(const std::string& title, const std::string& path, const std::string& filters,
                              const std::string& defaultFilter, uint8_t save);

// One entry per "|"-separated piece of `filters` (empty pieces too), then `selected` chosen.
void FillFilterList(const KVX_ComboRef& combo, std::string filters, const std::string& selected);

}  // namespace kvx
