#include "fnt_writer.hpp"

#include <algorithm>

#include "byte_writer.hpp"

namespace kvx {
namespace {

constexpr unsigned kVersion2 = 0x200;
constexpr unsigned kVersion3 = 0x300;
constexpr size_t kHeaderSize2 = 118;
constexpr size_t kHeaderSize3 = 148;
constexpr unsigned kAnsiCharset = 0;
constexpr unsigned kVariablePitch = 0x01;  // low bit of dfPitchAndFamily set = variable pitch
constexpr unsigned kFamilyModern = 0x30;   // fixed-pitch faces
constexpr unsigned kFamilySwiss = 0x20;
constexpr uint32_t kFlagFixed = 0x01;
constexpr uint32_t kFlagProportional = 0x02;
constexpr uint32_t kFlagOneColour = 0x10;
constexpr unsigned kWeightNormal = 400;
constexpr unsigned kWeightBold = 700;

int Stripes(int width) { return (width + 7) / 8; }
size_t BitmapSize(int width, int height) { return size_t(Stripes(width)) * size_t(height); }

// Glyph bits are stored in 8-pixel-wide column stripes, each top to bottom, leftmost pixel in the high bit.
void WriteGlyphBits(ByteWriter& out, const CellGlyph& glyph, int height) {
    for (int stripe = 0; stripe < Stripes(glyph.width); ++stripe)
        for (int y = 0; y < height; ++y) {
            unsigned byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = stripe * 8 + bit;
                if (x < glyph.width && glyph.ink[size_t(y * glyph.width + x)]) byte |= 0x80u >> bit;
            }
            out.U8(byte);
        }
}

}  // namespace

int NominalPoints(const CellFont& font) {
    const int em = std::min(font.ppem > 0 ? font.ppem : font.height, font.height);
    return (em * 72 + kScreenDpi / 2) / kScreenDpi;
}

std::vector<uint8_t> BuildFnt(const CellFont& font) {
    const int height = font.height;
    int maxWidth = 0;
    int totalWidth = 0;
    size_t bitmapBytes = 0;
    for (const CellGlyph& glyph : font.glyphs) {
        maxWidth = std::max(maxWidth, glyph.width);
        totalWidth += glyph.width;
        bitmapBytes += BitmapSize(glyph.width, height);
    }
    const bool fixedPitch = std::all_of(font.glyphs.begin(), font.glyphs.end(),
                                        [&](const CellGlyph& g) { return g.width == font.glyphs.front().width; });
    const int averageWidth = font.Glyph('x').width > 0 ? font.Glyph('x').width : maxWidth;

    // The character table ends with one extra entry, a blank "absolute space" glyph.
    const CellGlyph absoluteSpace{averageWidth, std::vector<uint8_t>(size_t(averageWidth) * size_t(height), 0)};
    bitmapBytes += BitmapSize(absoluteSpace.width, height);
    const size_t entries = font.glyphs.size() + 1;

    const size_t sizeAsVersion2 = kHeaderSize2 + entries * 4 + bitmapBytes + font.faceName.size() + 1;
    const bool version3 = sizeAsVersion2 > 0xFFFF;
    const size_t headerSize = version3 ? kHeaderSize3 : kHeaderSize2;
    const size_t bitsOffset = headerSize + entries * (version3 ? 6 : 4);
    const size_t faceOffset = bitsOffset + bitmapBytes;
    const size_t fileSize = faceOffset + font.faceName.size() + 1;

    ByteWriter out;
    out.U16(version3 ? kVersion3 : kVersion2);
    out.U32(uint32_t(fileSize));
    out.FixedText(font.copyright, 60);
    out.U16(0);  // raster font
    out.U16(unsigned(NominalPoints(font)));
    out.U16(kScreenDpi);
    out.U16(kScreenDpi);
    out.U16(unsigned(font.ascent));
    out.U16(unsigned(std::max(0, height - font.ppem)));  // internal leading
    out.U16(0);                                          // external leading
    out.U8(font.italic);
    out.U8(0);  // underline
    out.U8(0);  // strike-out
    out.U16(font.bold ? kWeightBold : kWeightNormal);
    out.U8(kAnsiCharset);
    out.U16(fixedPitch ? unsigned(maxWidth) : 0);
    out.U16(unsigned(height));
    out.U8(fixedPitch ? kFamilyModern : kFamilySwiss | kVariablePitch);
    out.U16(unsigned(averageWidth));
    out.U16(unsigned(maxWidth));
    out.U8(CellFont::kFirstChar);
    out.U8(CellFont::kLastChar);
    out.U8('?' - CellFont::kFirstChar);             // default character, relative to the first
    out.U8(' ' - CellFont::kFirstChar);             // break character, relative to the first
    out.U16(unsigned((totalWidth + 15) / 16 * 2));  // row bytes of the whole strike, even
    out.U32(0);                                     // no device name
    out.U32(uint32_t(faceOffset));
    out.U32(0);  // bits pointer, filled in by the loader
    out.U32(uint32_t(bitsOffset));
    out.U8(0);
    if (version3) {
        out.U32((fixedPitch ? kFlagFixed : kFlagProportional) | kFlagOneColour);
        out.Zeros(2 * 3 + 4 + 16);  // A/B/C spaces, colour table, reserved
    }

    size_t glyphOffset = bitsOffset;
    auto writeEntry = [&](const CellGlyph& glyph) {
        out.U16(unsigned(glyph.width));
        if (version3)
            out.U32(uint32_t(glyphOffset));
        else
            out.U16(unsigned(glyphOffset));
        glyphOffset += BitmapSize(glyph.width, height);
    };
    for (const CellGlyph& glyph : font.glyphs) writeEntry(glyph);
    writeEntry(absoluteSpace);

    for (const CellGlyph& glyph : font.glyphs) WriteGlyphBits(out, glyph, height);
    WriteGlyphBits(out, absoluteSpace, height);
    out.CText(font.faceName);
    return out.Bytes();
}

}  // namespace kvx
