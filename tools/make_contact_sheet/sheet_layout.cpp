#include "sheet_layout.hpp"

#include <algorithm>

namespace kvx {

int TileWidth(const SheetTile& tile, int labelWidth) {
    const int pictureWidth =
        tile.cellWidth > 0 ? tile.frames * tile.cellWidth + (tile.frames - 1) * kFrameGap : tile.picture->width;
    return std::max(pictureWidth, labelWidth);
}

int LayOutSheet(std::vector<SheetSection>& sections, int sheetWidth, int (*labelWidth)(const std::string&)) {
    int y = kSheetMargin;
    for (SheetSection& section : sections) {
        section.y = y;
        y += kLabelHeight + 6;
        int x = kSheetMargin, rowHeight = 0;
        for (SheetTile& tile : section.tiles) {
            const int width = TileWidth(tile, labelWidth(tile.label));
            const int height = (tile.cellHeight > 0 ? tile.cellHeight : tile.picture->height) + kLabelHeight;
            if (x > kSheetMargin && x + width > sheetWidth - kSheetMargin) {
                x = kSheetMargin;
                y += rowHeight + kSheetMargin;
                rowHeight = 0;
            }
            tile.x = x;
            tile.y = y;
            x += width + kSheetMargin;
            rowHeight = std::max(rowHeight, height);
        }
        y += rowHeight + 2 * kSheetMargin;
    }
    return y;
}

PixmapPtr Enlarge(const Pixmap& picture, int factor) {
    auto out = std::make_shared<Pixmap>(picture.width * factor, picture.height * factor);
    for (int y = 0; y < out->height; ++y)
        for (int x = 0; x < out->width; ++x) out->at(x, y) = picture.at(x / factor, y / factor);
    return out;
}

}  // namespace kvx
