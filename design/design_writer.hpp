#pragma once
// Writing the design as a .kvx file: a banner, then one section per designed gadget.
#include <string>

namespace kvx::studio {

// Writes the DesignList to `path` as it stands (the caller settles the file name's ending).
// Empty Parent texts become "False" in the records. False when the file could not be written
// completely, in which case a file already at `path` is left untouched.
bool SaveDesignTo(const std::string& path);

}  // namespace kvx::studio
