#pragma once
// Writing the design as a .kvx file: a banner, then one section per designed gadget.
#include <string>
#include <vector>

#include "design/designed_gadget.hpp"

namespace kvx::studio {

// Writes the DesignList to `path` as it stands (the caller settles the file name's ending).
// Empty Parent texts become "False" in the records. False when the file could not be written
// completely, in which case a file already at `path` is left untouched.
bool SaveDesignTo(const std::string& path);

// The bytes SaveDesignTo writes, in pieces: the banner, and one record's section, which leaves
// the record as it was. A design's file is the banner and its sections in list order.
std::string DesignBanner();
std::string SectionText(DesignedGadget& record);
std::string DesignText(const std::vector<DesignedGadgetRef>& records);

}  // namespace kvx::studio
