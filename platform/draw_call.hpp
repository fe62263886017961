#pragma once
// One draw call as the back buffer gets it (internal to the platform layer): what it draws, the
// viewport and paint in force, and the box of every pixel it may write. A frame is kept as the
// list of its calls, so that it can be compared with the frame before and drawn again in parts.
#include <cstdint>
#include <string>
#include <variant>

#include "platform/clip_box.hpp"
#include "platform/font.hpp"
#include "platform/image.hpp"

namespace kvx {

struct ClearCall {
    uint32_t color = 0;
    bool operator==(const ClearCall&) const = default;
};

// A rectangle already cut to the viewport.
struct FillCall {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const FillCall&) const = default;
};

// A line that is neither horizontal nor vertical (those are fills).
struct SteppedLineCall {
    int ax = 0, ay = 0, bx = 0, by = 0;
    bool lastPixel = true;
    bool operator==(const SteppedLineCall&) const = default;
};

// The image is held until the call is drawn; calls are told apart by the frame's content serial.
struct ImageCall {
    ImagePtr image;
    int frame = 0;
    int x = 0, y = 0;
    uint64_t content = 0;
    bool operator==(const ImageCall& o) const { return content == o.content && x == o.x && y == o.y; }
};

struct TextCall {
    FontPtr font;
    std::string text;
    float pen = 0.f;  // where the first glyph's pen starts
    int top = 0;
    uint64_t content = 0;
    bool operator==(const TextCall& o) const {
        return content == o.content && pen == o.pen && top == o.top && text == o.text;
    }
};

struct DrawCall {
    std::variant<ClearCall, FillCall, SteppedLineCall, ImageCall, TextCall> what;
    Box clip;  // the viewport, within the back buffer
    Box box;   // every pixel the call may write, within the clip
    compositor::Paint paint;

    // Same pixels from the same pixels underneath.
    bool operator==(const DrawCall& o) const {
        return box == o.box && clip == o.clip && paint == o.paint && what == o.what;
    }
    bool IsClear() const { return std::holds_alternative<ClearCall>(what); }
};

DrawCall MakeClear(const Box& clip, uint32_t color);
DrawCall MakeFill(const Box& clip, const Box& rect, const compositor::Paint& paint);
DrawCall MakeSteppedLine(const Box& clip, const SteppedLineCall& line, const compositor::Paint& paint);
DrawCall MakeImage(const Box& clip, const ImagePtr& image, int frame, int x, int y, const compositor::Paint& paint);
DrawCall MakeText(const Box& clip, const FontPtr& font, const std::string& text, float pen, int top,
                  const compositor::Paint& paint);

// Draws the call's pixels that fall within `limit` (inside the call's clip) into the target.
void DrawWithin(const DrawCall& call, const compositor::Target& target, const Box& limit);

// The pixels the call writes whatever was under them; empty when it blends everywhere.
Box OpaqueBox(const DrawCall& call);

// The pen's pixel: coordinates are held within 2^29 pixels, so that their sums and products fit.
int PenPixel(float v);

}  // namespace kvx
