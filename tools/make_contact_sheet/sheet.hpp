#pragma once
#include <string>

namespace kvx {

// Every skin image (small ones enlarged), every cursor frame and the logo, labelled.
bool WriteContactSheet(const std::string& graphicsDir, const std::string& outputPath);
// The skin assembled into gadgets the way the toolkit sizes them, enlarged twice.
bool WriteMockup(const std::string& graphicsDir, const std::string& outputPath);

}  // namespace kvx
