#pragma once
// Where the toolkit's own files (its two fonts) are found: in the working folder as always, then
// in $KORVEX_DATA_DIR, then in the installed share/korvex beside the program's bin folder, so an
// installed studio or application started from anywhere finds them.
#include <string>

namespace kvx {

// The first existing of those places for `name`; `name` itself when none has it.
std::string DataFilePath(const std::string& name);

}  // namespace kvx
