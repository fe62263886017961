// Image fonts: the .fon our tool builds (through FreeType's Windows FNT driver), TrueType,
// the built-in font, failures and "incbin::" loading.
#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cell_font.hpp"
#include "fnt_writer.hpp"
#include "ne_writer.hpp"
#include "platform/font.hpp"
#include "platform/resources.hpp"

using namespace kvx;

namespace {

const std::string kFontDir = KVX_TEST_FONT_DIR;
const std::string kZarvo = kFontDir + "/zarvo.fon";
const std::string kArial = kFontDir + "/arial.ttf";

std::vector<uint8_t> FileBytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A glyph drawn into a cell the way text drawing places it: at (left, top) from the cell's corner.
std::vector<uint8_t> CellImage(const Glyph& glyph, int cellWidth, int cellHeight, int& outside) {
    std::vector<uint8_t> cell(size_t(cellWidth * cellHeight), 0);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x) {
            const uint8_t value = glyph.coverage[size_t(y * glyph.width + x)];
            const int cx = glyph.left + x, cy = glyph.top + y;
            if (cx >= 0 && cx < cellWidth && cy >= 0 && cy < cellHeight)
                cell[size_t(cy * cellWidth + cx)] = value;
            else if (value)
                ++outside;
        }
    return cell;
}

// Every character the source has must come out of the converted font with the same advance
// and the same pixels; returns how many characters were compared.
int ExpectSameGlyphs(const ImageFont& converted, const ImageFont& source, int cellWidth, int cellHeight) {
    int compared = 0;
    for (int code = 32; code <= 255; ++code) {
        const Glyph& want = source.glyphs[code];
        const Glyph& got = converted.glyphs[code];
        EXPECT_TRUE(got.present) << "code " << code;
        if (!want.present || !got.present) continue;
        EXPECT_EQ(got.advance, want.advance) << "code " << code;
        int outside = 0;
        EXPECT_EQ(CellImage(got, cellWidth, cellHeight, outside), CellImage(want, cellWidth, cellHeight, outside))
            << "code " << code;
        EXPECT_EQ(outside, 0) << "code " << code;
        ++compared;
    }
    return compared;
}

int Ink(const Glyph& glyph) {
    return int(std::count_if(glyph.coverage.begin(), glyph.coverage.end(), [](uint8_t v) { return v != 0; }));
}

}  // namespace

TEST(FonFile, IsAWindowsRasterFontFreeTypeReadsThroughItsFntDriver) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, kZarvo.c_str(), 0, &face), 0);
    EXPECT_STREQ(FT_Get_Font_Format(face), "Windows FNT");
    FT_WinFNT_HeaderRec header;
    ASSERT_EQ(FT_Get_WinFNT_Header(face, &header), 0);
    EXPECT_TRUE(header.version == 0x200 || header.version == 0x300);
    EXPECT_EQ(header.charset, FT_WinFNT_ID_CP1252);
    EXPECT_EQ(header.first_char, 32);
    EXPECT_EQ(header.last_char, 255);
    EXPECT_EQ(header.pixel_height, 13);
    EXPECT_EQ(header.pixel_width, 7);
    EXPECT_EQ(header.pitch_and_family & 1, 0) << "fixed pitch";
    EXPECT_STREQ(face->family_name, "Zarvo");
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

TEST(FonFile, GlyphsMatchTheBitmapFontItWasBuiltFrom) {
    const FontPtr fon = LoadImageFont(kZarvo, 13, 4);
    const FontPtr source = LoadImageFont(KVX_ZARVO_SOURCE, 13);
    ASSERT_TRUE(fon);
    ASSERT_TRUE(source);
    EXPECT_GE(ExpectSameGlyphs(*fon, *source, 7, 13), 190);
}

TEST(FonFile, LoadsAsThirteenPixelMonoFixedPitchGlyphs) {
    const FontPtr font = LoadImageFont(kZarvo, 13, 4);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->size, 13);
    EXPECT_EQ(font->style, 4);
    EXPECT_EQ(font->ascender, 11);
    for (int code = 32; code <= 255; ++code) {
        const Glyph& glyph = font->glyphs[code];
        ASSERT_TRUE(glyph.present) << code;
        EXPECT_EQ(glyph.height, 13) << code;
        EXPECT_EQ(glyph.advance, 7.f) << code;
        EXPECT_EQ(glyph.top, 0) << code;
        EXPECT_TRUE(std::all_of(glyph.coverage.begin(), glyph.coverage.end(), [](uint8_t v) {
            return v == 0 || v == 255;
        })) << code;
    }
    EXPECT_FALSE(font->glyphs[31].present);
    EXPECT_GT(Ink(font->glyphs['0']), 0);
    EXPECT_EQ(Ink(font->glyphs[' ']), 0);
    // A Latin-1 letter above 127 is its own glyph: the e with the acute accent has more ink than e.
    EXPECT_GT(Ink(font->glyphs[0xE9]), Ink(font->glyphs['e']));
    EXPECT_NE(font->glyphs[0xE9].coverage, font->glyphs['?'].coverage);
}

TEST(TtfFile, RendersAntiAliasedGlyphsPlacedOnTheBaseline) {
    const FontPtr font = LoadImageFont(kArial, 13, 5);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->style, 5);
    EXPECT_GT(font->ascender, 8);
    EXPECT_LE(font->ascender, 13);
    const Glyph& k = font->glyphs['K'];
    const Glyph& x = font->glyphs['x'];
    const Glyph& g = font->glyphs['g'];
    const Glyph& space = font->glyphs[' '];
    ASSERT_TRUE(k.present && x.present && g.present && space.present);
    EXPECT_TRUE(std::any_of(k.coverage.begin(), k.coverage.end(), [](uint8_t v) { return v > 0 && v < 255; }));
    EXPECT_GT(k.height, x.height);
    // Capital and lower case letters stand on the same baseline; g reaches below it.
    EXPECT_EQ(k.top + k.height, x.top + x.height);
    EXPECT_GT(g.top + g.height, x.top + x.height);
    EXPECT_GT(space.advance, 0.f);
    EXPECT_EQ(space.height, 0);
    EXPECT_GT(font->glyphs['M'].advance, font->glyphs['i'].advance);
    EXPECT_TRUE(font->glyphs[0xE9].present);
    EXPECT_GT(font->glyphs[0xE9].height, font->glyphs['e'].height);
}

TEST(ImageFontLoading, GivesNullWithoutUsableFontData) {
    EXPECT_EQ(LoadImageFont(kFontDir + "/no-such-font.ttf", 13), nullptr);
    EXPECT_EQ(LoadImageFont("incbin::never-registered.ttf", 13), nullptr);

    const std::string garbagePath = testing::TempDir() + "/font_test_garbage.ttf";
    std::ofstream(garbagePath, std::ios::binary) << "This is plain text, not a font at all.\n";
    EXPECT_EQ(LoadImageFont(garbagePath, 13), nullptr);
    std::filesystem::remove(garbagePath);

    const std::vector<uint8_t> garbage(4096, 0x5A);
    EXPECT_EQ(LoadImageFontFromMemory(garbage, 13), nullptr);
    EXPECT_EQ(LoadImageFontFromMemory({}, 13), nullptr);

    // A .fon cut short after its headers is refused, not read past its end.
    std::vector<uint8_t> truncated = FileBytesOf(kZarvo);
    ASSERT_GT(truncated.size(), 600u);
    truncated.resize(600);
    EXPECT_EQ(LoadImageFontFromMemory(truncated, 13), nullptr);

    EXPECT_EQ(LoadImageFont(kArial, 0), nullptr);
}
// A font cut short may still open, its glyph data gone: one that cannot draw every letter and digit
// is refused like a missing one, so that the built-in font takes its place.
TEST(ImageFontLoading, RefusesAFontThatCannotDrawBasicLatin) {
    const std::vector<uint8_t> whole = FileBytesOf(kArial);
    ASSERT_GT(whole.size(), 100000u);
    int refused = 0;
    for (size_t cut = 1000; cut < whole.size(); cut += whole.size() / 40) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        const FontPtr font = LoadImageFontFromMemory({whole.data(), cut}, 13);
        if (!font) {
            ++refused;
            continue;
        }
        for (const char* range : {"AZ", "az", "09"})
            for (int code = range[0]; code <= range[1]; ++code) {
                const Glyph& glyph = font->glyphs[size_t(code)];
                EXPECT_TRUE(glyph.present && glyph.advance > 0 &&
                            std::any_of(glyph.coverage.begin(), glyph.coverage.end(), [](uint8_t c) { return c; }))
                    << char(code);
            }
    }
    EXPECT_GT(refused, 0);
}

// A damaged font may declare glyphs far larger than its line, all drawn from the same bits: such
// glyphs are dropped and the rest of the font still loads. The fuzzer's .fon lost its v that way,
// so it is refused as a whole.
TEST(ImageFontLoading, DropsGlyphsFarLargerThanTheLine) {
    std::string error;
    std::optional<CellFont> cells = ReadCellFont(KVX_ZARVO_SOURCE, error);
    ASSERT_TRUE(cells) << error;
    constexpr int kWide = 13 * 4 + 1, kTilde = '~';
    CellGlyph& tilde = cells->glyphs[size_t(kTilde - CellFont::kFirstChar)];
    tilde.width = kWide;
    tilde.ink.assign(size_t(kWide * cells->height), 1);
    const std::optional<std::vector<uint8_t>> fon = BuildFon(BuildFnt(*cells), "Wide", NominalPoints(*cells));
    ASSERT_TRUE(fon);
    const FontPtr font = LoadImageFontFromMemory(*fon, 13);
    ASSERT_TRUE(font);
    EXPECT_FALSE(font->glyphs[kTilde].present);
    EXPECT_TRUE(font->glyphs['}'].present);

    const char* source = std::getenv("KVX_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string damaged = std::string(source) + "/fuzz/regressions/font/wide-glyphs.fon";
    ASSERT_GT(std::filesystem::file_size(damaged), 0u);
    EXPECT_EQ(LoadImageFont(damaged, 13), nullptr);
}

TEST(ImageFontLoading, ReadsARegisteredIncbinFontLikeItsFile) {
    static const std::vector<uint8_t> bytes = FileBytesOf(kArial);
    ASSERT_FALSE(bytes.empty());
    RegisterIncbin("font_test_arial.ttf", bytes.data(), bytes.size());
    const FontPtr embedded = LoadImageFont("incbin::font_test_arial.ttf", 13, 5);
    const FontPtr file = LoadImageFont(kArial, 13, 5);
    ASSERT_TRUE(embedded);
    ASSERT_TRUE(file);
    for (int code : {int('K'), int('o'), 0xE9}) {
        EXPECT_EQ(embedded->glyphs[code].coverage, file->glyphs[code].coverage);
        EXPECT_EQ(embedded->glyphs[code].advance, file->glyphs[code].advance);
    }
}

TEST(DefaultFont, IsTheBuiltInSixByThirteenFont) {
    const FontPtr& font = DefaultFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(&DefaultFont(), &font);
    EXPECT_EQ(font->size, 13);
    for (int code = 32; code <= 255; ++code) {
        ASSERT_TRUE(font->glyphs[code].present) << code;
        EXPECT_EQ(font->glyphs[code].advance, 6.f) << code;
    }
    const FontPtr source = LoadImageFont(KVX_DEFAULT_FONT_SOURCE, 13);
    ASSERT_TRUE(source);
    EXPECT_GE(ExpectSameGlyphs(*font, *source, 6, 13), 190);
}
