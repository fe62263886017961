#pragma once
// Image fonts: glyphs for code points 32..255 rendered once as 8-bit coverage masks.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/content_serial.hpp"

namespace kvx {

struct Glyph {
    bool present = false;
    float advance = 0.f;  // pen advance in pixels (may be fractional)
    int left = 0;         // bitmap offset from the pen position
    int top = 0;          // bitmap offset from the top of the glyph cell
    int width = 0;
    int height = 0;                 // glyph-bitmap height, what TextHeight measures
    std::vector<uint8_t> coverage;  // width * height, 0..255
};

struct ImageFont {
    int size = 0;
    int style = 0;
    int ascender = 0;  // pixels from the cell top to the baseline
    std::array<Glyph, 256> glyphs;
    uint64_t content = NewContentSerial();
};
using FontPtr = std::shared_ptr<ImageFont>;

// Scalable fonts render anti-aliased; bitmap fonts (.fon, .pcf) as opaque/transparent pixels.
// Accepts files and "incbin::" names; null when the file cannot be read.
FontPtr LoadImageFont(const std::string& path, int size, int style = 0);
FontPtr LoadImageFontFromMemory(std::span<const uint8_t> bytes, int size, int style = 0);

// The font compiled into the program, used whenever no image font is selected.
const FontPtr& DefaultFont();

}  // namespace kvx
