#pragma once
// Exporting the design as a ready-to-run .bmx program that rebuilds it with the toolkit's Create calls.
#include <string>

namespace kvx::studio {

// Writes the program for the DesignList to `path` (the caller settles the file name's ending).
// False when it could not be written completely; a file already at `path` is then left untouched.
bool ExportSourceTo(const std::string& path);

}  // namespace kvx::studio
