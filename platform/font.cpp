#include "platform/font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "platform/embedded.hpp"
#include "platform/resources.hpp"

namespace kvx {

extern const EmbeddedFile kDefaultFontFiles[];

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
constexpr int kDefaultFontSize = 13;
// A font file may declare its glyphs any size (a .fon glyph may even share its bits with all the
// others), so a damaged one could ask for gigabytes of coverage. A glyph wider or taller than
// kGlyphSideFactor line heights is dropped, as is any glyph past kCoverageLimit pixels for the
// font: room for the 224 glyphs of a font some 500 pixels high.
constexpr int kGlyphSideFactor = 4;
constexpr int64_t kCoverageLimit = int64_t(64) << 20;

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

// FreeType's copy of a glyph bitmap as one byte per pixel, values 0..num_grays-1. One serves all
// the glyphs of a font: a conversion reuses its buffer when the glyph fits.
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

// Grey levels 0..levels-1 to coverage 0..255, one division per level rather than per pixel; a
// value past the top level counts as full. Glyphs of one font share their level count.
const std::array<uint8_t, 256>& CoverageTable(int levels) {
    static int tableLevels = 0;
    static std::array<uint8_t, 256> table{};
    if (levels != tableLevels) {
        for (int value = 0; value < 256; ++value) {
            const int level = std::min(value, levels - 1);
            table[size_t(value)] = uint8_t((level * 255 + (levels - 1) / 2) / (levels - 1));
        }
        tableLevels = levels;
    }
    return table;
}

// What a font's glyphs may still take.
struct GlyphBudget {
    int64_t side;
    int64_t coverage = kCoverageLimit;
};

// Scalable glyphs render anti-aliased; bitmap strikes come as 1-bit pixels and end up 0 or 255.
Glyph RenderGlyph(GrayBitmap& gray, FT_Face face, FT_UInt index, int ascender, GlyphBudget& budget) {
    Glyph glyph;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
    const FT_GlyphSlot slot = face->glyph;
    const int64_t area = int64_t(slot->bitmap.width) * slot->bitmap.rows;
    if (slot->bitmap.width > budget.side || slot->bitmap.rows > budget.side || area > budget.coverage) return glyph;
    budget.coverage -= area;
    if (!gray.ConvertFrom(slot->bitmap)) return glyph;
    const FT_Bitmap& bitmap = gray.Get();
    const int levels = std::max(2, int(bitmap.num_grays));

    glyph.present = true;
    glyph.advance = float(slot->advance.x) / 64.f;
    glyph.left = slot->bitmap_left;
    glyph.top = ascender - slot->bitmap_top;
    glyph.width = int(bitmap.width);
    glyph.height = int(bitmap.rows);
    const std::array<uint8_t, 256>& coverageOf = CoverageTable(levels);
    glyph.coverage.resize(size_t(glyph.width) * size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
        uint8_t* out = glyph.coverage.data() + size_t(y) * size_t(glyph.width);
        for (int x = 0; x < glyph.width; ++x) out[x] = coverageOf[row[x]];
    }
    return glyph;
}

// A font that opens but has lost its glyph data (a file cut short) would leave every text invisible
// and every line 0 pixels high: it must draw each letter and digit to count as a font.
bool DrawsBasicLatin(const ImageFont& font) {
    for (const auto& [first, last] : {std::pair{'A', 'Z'}, {'a', 'z'}, {'0', '9'}}) {
        for (int code = first; code <= last; ++code) {
            const Glyph& glyph = font.glyphs[size_t(code)];
            const bool inked =
                std::any_of(glyph.coverage.begin(), glyph.coverage.end(), [](uint8_t c) { return c != 0; });
            if (!glyph.present || glyph.advance <= 0.f || !inked) return false;
        }
    }
    return true;
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
    const FT_Pos height = std::clamp<FT_Pos>(face->size->metrics.height, 0, FT_Pos(1) << 30);
    const int lineHeight = std::max(size, int((height + 63) >> 6));
    GlyphBudget budget{int64_t(kGlyphSideFactor) * lineHeight};
    GrayBitmap gray(library.get());
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const FT_UInt index = FT_Get_Char_Index(face.get(), FT_ULong(code));
        if (index != 0) font->glyphs[size_t(code)] = RenderGlyph(gray, face.get(), index, font->ascender, budget);
    }
    return DrawsBasicLatin(*font) ? font : nullptr;
}

const FontPtr& DefaultFont() {
    static const FontPtr font = [] {
        const EmbeddedFile& file = kDefaultFontFiles[0];
        return LoadImageFontFromMemory({file.begin, file.size()}, kDefaultFontSize);
    }();
    return font;
}

}  // namespace kvx
