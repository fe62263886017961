#pragma once
// The extension rule of the file commands: compared byte for byte, case-sensitively.
#include <string>

namespace kvx::studio {

bool HasEnding(const std::string& path, const std::string& ending);
// The path unchanged when it has the ending, else with the ending appended ("ui.BMX" gives "ui.BMX.bmx").
std::string WithEnding(const std::string& path, const std::string& ending);

}  // namespace kvx::studio
