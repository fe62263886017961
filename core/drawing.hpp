#pragma once
// The toolkit's drawing protocol around the platform calls, and the image builders of Create.
#include <cstdint>
#include <string>

#include "core/color.hpp"
#include "platform/font.hpp"
#include "platform/pixmap.hpp"

namespace kvx {

// Draws in blend 3 tinted by colour, then restores white and blend 1; alpha is the caller's.
void DrawImageHandle(int image, int x, int y, const KVX_ColorRef& color, int frame = 0);
// The font stays selected afterwards.
void DrawColoredText(const std::string& text, int x, int y, const KVX_ColorRef& color, const FontPtr& font);
// Style 1: edge B on the bottom and right, edge A on the top and left; style 2 the reverse.
void DrawBevelRect(int x, int y, int w, int h, const KVX_ColorRef& fill, const KVX_ColorRef& edgeA,
                   const KVX_ColorRef& edgeB, int style);
// Solid: a filled rectangle; otherwise an outline covering w + 1 by h + 1 pixels.
void DrawFrameRect(int x, int y, int w, int h, bool solid);
void ResetDrawState();

// Loads, resizes and borders an image; clears the back buffer first, as building images during
// a frame always has. 0 when the source does not load or the size is not positive. Gadgets that
// ask for the same picture of the same file at the same size share one (nobody changes them).
int LoadSizedImage(const std::string& source, int width, int height, int32_t colorA, int32_t colorB, int style);
int LoadSizedImage(const PixmapPtr& source, int width, int height, int32_t colorA, int32_t colorB, int style);
// A skin piece as an image of the default flags, resized unless width is 0; shared like the above.
int LoadSkinPiece(const std::string& source, int width = 0, int height = 0);
// A (w + 1) x (h + 1) copy of the back buffer at x, y; clears the back buffer afterwards.
int GrabScreenImage(int x, int y, int w, int h, bool masked);

}  // namespace kvx
