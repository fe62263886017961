#pragma once
// A Windows font library: a 16-bit NE executable with no code, holding a FONTDIR and one FONT resource.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

// fnt is a complete FNT resource; nullopt when it is too large for the NE resource table.
std::optional<std::vector<uint8_t>> BuildFon(const std::vector<uint8_t>& fnt, const std::string& faceName, int points);

}  // namespace kvx
