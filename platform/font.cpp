#include "platform/font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <algorithm>
#include <cstdlib>

#include "platform/embedded.hpp"
#include "platform/resources.hpp"

namespace kvx {

extern const EmbeddedFile kDefaultFontFiles[];

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
constexpr int kDefaultFontSize = 13;

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

// FreeType's copy of a glyph bitmap as one byte per pixel, values 0..num_grays-1.
class GrayBitmap {
public:
    explicit GrayBitmap(FT_Library library) : library_(library) { FT_Bitmap_Init(&bitmap_); }
    ~GrayBitmap() { FT_Bitmap_Done(library_, &bitmap_); }
    GrayBitmap(const GrayBitmap&) = delete;
    GrayBitmap& operator=(const GrayBitmap&) = delete;

    bool ConvertFrom(const FT_Bitmap& source) { return FT_Bitmap_Convert(library_, &source, &bitmap_, 1) == 0; }
    const FT_Bitmap& Get() const { return bitmap_; }

private:
    FT_Library library_;
    FT_Bitmap bitmap_;
};

// Bitmap-only faces come in fixed strikes; take the one nearest the requested height.
bool SetPixelSize(FT_Face face, int size) {
    if (FT_IS_SCALABLE(face)) return FT_Set_Pixel_Sizes(face, 0, FT_UInt(size)) == 0;
    if (face->num_fixed_sizes < 1) return false;
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i)
        if (std::abs(face->available_sizes[i].height - size) < std::abs(face->available_sizes[best].height - size))
            best = i;
    return FT_Select_Size(face, best) == 0;
}

// Latin-1 equals Unicode for 32..255; faces without a Unicode map (Windows FNT) index by byte value.
bool SelectCharmap(FT_Face face) {
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) return true;
    return face->num_charmaps > 0 && FT_Set_Charmap(face, face->charmaps[0]) == 0;
}

// Scalable glyphs render anti-aliased; bitmap strikes come as 1-bit pixels and end up 0 or 255.
Glyph RenderGlyph(FT_Library library, FT_Face face, FT_UInt index, int ascender) {
    Glyph glyph;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
    const FT_GlyphSlot slot = face->glyph;
    GrayBitmap gray(library);
    if (!gray.ConvertFrom(slot->bitmap)) return glyph;
    const FT_Bitmap& bitmap = gray.Get();
    const int levels = std::max(2, int(bitmap.num_grays));

    glyph.present = true;
    glyph.advance = float(slot->advance.x) / 64.f;
    glyph.left = slot->bitmap_left;
    glyph.top = ascender - slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    glyph.coverage.resize(size_t(glyph.width) * size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x) {
            const int value = bitmap.buffer[y * bitmap.pitch + x];
            glyph.coverage[size_t(y * glyph.width + x)] = uint8_t((value * 255 + (levels - 1) / 2) / (levels - 1));
        }
    return glyph;
}

}  // namespace

FontPtr LoadImageFont(const std::string& path, int size, int style) {
    std::vector<uint8_t> bytes;
    if (!ReadResource(path, bytes)) return nullptr;
    return LoadImageFontFromMemory(bytes, size, style);
}

FontPtr LoadImageFontFromMemory(std::span<const uint8_t> bytes, int size, int style) {
    if (bytes.empty() || size < 1) return nullptr;
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) return nullptr;
    const std::unique_ptr<FT_LibraryRec_, LibraryDeleter> library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Memory_Face(library.get(), bytes.data(), FT_Long(bytes.size()), 0, &rawFace) != 0) return nullptr;
    const std::unique_ptr<FT_FaceRec_, FaceDeleter> face(rawFace);
    if (!SetPixelSize(face.get(), size) || !SelectCharmap(face.get())) return nullptr;

    auto font = std::make_shared<ImageFont>();
    font->size = size;
    font->style = style;
    font->ascender = int((face->size->metrics.ascender + 63) >> 6);
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const FT_UInt index = FT_Get_Char_Index(face.get(), FT_ULong(code));
        if (index != 0) font->glyphs[size_t(code)] = RenderGlyph(library.get(), face.get(), index, font->ascender);
    }
    return font;
}

const FontPtr& DefaultFont() {
    static const FontPtr font = [] {
        const EmbeddedFile& file = kDefaultFontFiles[0];
        return LoadImageFontFromMemory({file.begin, file.size()}, kDefaultFontSize);
    }();
    return font;
}

}  // namespace kvx
