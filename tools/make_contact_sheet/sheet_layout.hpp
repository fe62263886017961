#pragma once
// Places labelled tiles left to right in rows, under section headings.
#include <string>
#include <vector>

#include "platform/pixmap.hpp"

namespace kvx {

struct SheetTile {
    std::string label;
    PixmapPtr picture;  // already enlarged for viewing
    int cellWidth = 0;  // > 0: an animation strip shown as separate frames
    int cellHeight = 0;
    int frames = 1;
    int x = 0, y = 0;  // filled in by LayOutSheet
};

struct SheetSection {
    std::string heading;
    std::vector<SheetTile> tiles;
    int y = 0;
};

inline constexpr int kSheetMargin = 12;
inline constexpr int kLabelHeight = 16;
inline constexpr int kFrameGap = 6;

// Width a tile takes on the sheet, label included.
int TileWidth(const SheetTile& tile, int labelWidth);
// Assigns positions for a sheet of the given width; returns the height needed.
int LayOutSheet(std::vector<SheetSection>& sections, int sheetWidth, int (*labelWidth)(const std::string&));

// Nearest-neighbour enlargement, so single pixels can be judged.
PixmapPtr Enlarge(const Pixmap& picture, int factor);

}  // namespace kvx
