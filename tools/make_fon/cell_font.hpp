#pragma once
// A bitmap font reduced to what a Windows raster font can hold: one cell height for all
// characters 32..255, each with its own width (= its advance) and a 1-bit bitmap.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

struct CellGlyph {
    int width = 0;
    std::vector<uint8_t> ink;  // width * cell height, row-major, 0 or 1
};

struct CellFont {
    static constexpr int kFirstChar = 32;
    static constexpr int kLastChar = 255;

    std::string faceName;
    std::string copyright;
    int height = 0;  // cell height
    int ascent = 0;  // cell top to baseline
    int ppem = 0;    // the source's em height in pixels
    bool italic = false;
    bool bold = false;
    std::vector<CellGlyph> glyphs;  // kFirstChar..kLastChar
    int droppedPixels = 0;          // source ink left or right of its cell, which a raster font cannot hold

    const CellGlyph& Glyph(int code) const { return glyphs[size_t(code - kFirstChar)]; }
};

// Reads any bitmap font FreeType opens (first strike). Characters the source lacks get
// its default glyph, as FreeType returns it for glyph index 0.
std::optional<CellFont> ReadCellFont(const std::string& path, std::string& error);

}  // namespace kvx
