#pragma once
// The Windows FNT raster font resource: version 2.0, or 3.0 (32-bit glyph offsets) when
// the font does not fit in 64 KB.
#include <cstdint>
#include <vector>

#include "cell_font.hpp"

namespace kvx {

inline constexpr int kScreenDpi = 96;

// The point size whose em is the font's pixel em at the screen resolution the font declares.
int NominalPoints(const CellFont& font);

std::vector<uint8_t> BuildFnt(const CellFont& font);

}  // namespace kvx
