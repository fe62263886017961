#pragma once
// A design as a self-contained C++ header: a struct with a member per window and gadget, named
// by its handle, and a Create() that makes them as KVX_LoadDesign would.
#include <string>
#include <vector>

#include "design/designed_gadget.hpp"

namespace kvx::studio {

// `sourceName` is the design's file name, for the header's first line. A `schemePath` gives the
// struct a LoadScheme() that loads that colour scheme, to be called before Create().
std::string CppHeaderText(const std::vector<DesignedGadgetRef>& records, const std::string& structName,
                          const std::string& sourceName, const std::string& schemePath = "");

// Writes the header of the DesignList to `path`, its struct named after the file ("main_menu.hpp"
// gives MainMenu). False when it could not be written completely; the old file then stays.
bool ExportHeaderTo(const std::string& path);

}  // namespace kvx::studio
