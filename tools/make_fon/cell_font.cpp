#include "cell_font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_BDF_H

#include <algorithm>
#include <memory>

namespace kvx {
namespace {

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

// A glyph as the source draws it, before it is fitted into a cell.
struct SourceGlyph {
    int advance = 0;
    int left = 0;
    int top = 0;  // baseline to bitmap top
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> ink;  // width * rows, 0 or 1
};

// Latin-1 equals Unicode for 32..255; faces without a Unicode map index by byte value.
bool SelectCharmap(FT_Face face) {
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) return true;
    return face->num_charmaps > 0 && FT_Set_Charmap(face, face->charmaps[0]) == 0;
}

std::string AtomProperty(FT_Face face, const char* name) {
    BDF_PropertyRec property;
    if (FT_Get_BDF_Property(face, name, &property) == 0 && property.type == BDF_PROPERTY_TYPE_ATOM && property.u.atom)
        return property.u.atom;
    return {};
}

bool LoadSourceGlyph(FT_Library library, FT_Face face, FT_ULong code, SourceGlyph& glyph) {
    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    FT_Bitmap gray;
    FT_Bitmap_Init(&gray);
    const bool converted = FT_Bitmap_Convert(library, &slot->bitmap, &gray, 1) == 0;
    if (converted) {
        glyph.advance = std::max(0, int((slot->advance.x + 32) >> 6));
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = int(gray.width);
        glyph.rows = int(gray.rows);
        const int levels = std::max(2, int(gray.num_grays));
        glyph.ink.resize(size_t(glyph.width) * size_t(glyph.rows));
        for (int y = 0; y < glyph.rows; ++y)
            for (int x = 0; x < glyph.width; ++x)
                glyph.ink[size_t(y * glyph.width + x)] = gray.buffer[y * gray.pitch + x] * 2 >= levels - 1;
    }
    FT_Bitmap_Done(library, &gray);
    return converted;
}

// The cell keeps the face's ascent and descent, grown so that no glyph loses rows.
void FitCellHeight(FT_Face face, const std::vector<SourceGlyph>& glyphs, CellFont& font) {
    int ascent = int((face->size->metrics.ascender + 63) >> 6);
    int descent = int((-face->size->metrics.descender + 63) >> 6);
    for (const SourceGlyph& glyph : glyphs) {
        if (glyph.rows == 0) continue;
        ascent = std::max(ascent, glyph.top);
        descent = std::max(descent, glyph.rows - glyph.top);
    }
    font.ascent = ascent;
    font.height = ascent + descent;
}

CellGlyph PlaceInCell(const SourceGlyph& source, const CellFont& font, int& dropped) {
    CellGlyph cell;
    cell.width = source.advance;
    cell.ink.assign(size_t(cell.width) * size_t(font.height), 0);
    for (int y = 0; y < source.rows; ++y)
        for (int x = 0; x < source.width; ++x) {
            if (!source.ink[size_t(y * source.width + x)]) continue;
            const int cx = source.left + x;
            const int cy = font.ascent - source.top + y;
            if (cx < 0 || cx >= cell.width || cy < 0 || cy >= font.height)
                ++dropped;
            else
                cell.ink[size_t(cy * cell.width + cx)] = 1;
        }
    return cell;
}

}  // namespace

std::optional<CellFont> ReadCellFont(const std::string& path, std::string& error) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        error = "FreeType cannot start";
        return std::nullopt;
    }
    std::unique_ptr<FT_LibraryRec_, LibraryDeleter> library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), 0, &rawFace) != 0) {
        error = "not a font FreeType can read";
        return std::nullopt;
    }
    std::unique_ptr<FT_FaceRec_, FaceDeleter> face(rawFace);
    if (FT_IS_SCALABLE(face.get()) || face->num_fixed_sizes < 1 || FT_Select_Size(face.get(), 0) != 0) {
        error = "not a bitmap font";
        return std::nullopt;
    }
    if (!SelectCharmap(face.get())) {
        error = "the font has no character map";
        return std::nullopt;
    }

    std::vector<SourceGlyph> sources(CellFont::kLastChar - CellFont::kFirstChar + 1);
    for (int code = CellFont::kFirstChar; code <= CellFont::kLastChar; ++code)
        if (!LoadSourceGlyph(library.get(), face.get(), FT_ULong(code), sources[size_t(code - CellFont::kFirstChar)])) {
            error = "character " + std::to_string(code) + " cannot be rendered";
            return std::nullopt;
        }

    CellFont font;
    font.faceName = face->family_name ? face->family_name : "";
    font.copyright = AtomProperty(face.get(), "COPYRIGHT");
    font.ppem = int(face->size->metrics.y_ppem);
    font.italic = face->style_flags & FT_STYLE_FLAG_ITALIC;
    font.bold = face->style_flags & FT_STYLE_FLAG_BOLD;
    FitCellHeight(face.get(), sources, font);
    for (const SourceGlyph& source : sources) font.glyphs.push_back(PlaceInCell(source, font, font.droppedPixels));
    return font;
}

}  // namespace kvx
