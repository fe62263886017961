#include "platform/draw.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/backbuffer.hpp"
#include "platform/display.hpp"
#include "platform/draw_call.hpp"
#include "platform/frame_recorder.hpp"

namespace kvx {
namespace {

struct DrawState {
    compositor::Paint paint;
    int viewX = 0, viewY = 0, viewW = 0, viewH = 0;
    uint32_t clsColor = 0;
    FontPtr font;
};

DrawState& State() {
    static DrawState state;
    return state;
}

Box ViewportClip() {
    const BackBuffer& b = CurrentBackBuffer();
    const DrawState& s = State();
    Box clip;
    clip.x0 = std::clamp(s.viewX, 0, b.width);
    clip.y0 = std::clamp(s.viewY, 0, b.height);
    clip.x1 = int(std::clamp<int64_t>(int64_t(s.viewX) + s.viewW, clip.x0, b.width));
    clip.y1 = int(std::clamp<int64_t>(int64_t(s.viewY) + s.viewH, clip.y0, b.height));
    return clip;
}

// The pixel a coordinate falls in, an absurd one held far off the screen; none for NaN, which
// draws nothing.
std::optional<int> Pixel(float v) {
    if (std::isnan(v)) return std::nullopt;
    return PenPixel(v);
}

const ImageFont& CurrentFont() { return State().font ? *State().font : *DefaultFont(); }

}  // namespace

void SetColor(int r, int g, int b) {
    State().paint.r = std::clamp(r, 0, 255);
    State().paint.g = std::clamp(g, 0, 255);
    State().paint.b = std::clamp(b, 0, 255);
}

void GetColor(int& r, int& g, int& b) {
    r = State().paint.r;
    g = State().paint.g;
    b = State().paint.b;
}

void SetAlpha(float alpha) { State().paint.alpha = alpha; }
float GetAlpha() { return State().paint.alpha; }
void SetBlend(int mode) { State().paint.blend = mode; }
int GetBlend() { return State().paint.blend; }

void SetViewport(int x, int y, int width, int height) {
    DrawState& s = State();
    s.viewX = x;
    s.viewY = y;
    s.viewW = std::max(width, 0);
    s.viewH = std::max(height, 0);
}

void GetViewport(int& x, int& y, int& width, int& height) {
    x = State().viewX;
    y = State().viewY;
    width = State().viewW;
    height = State().viewH;
}

void SetClsColor(int r, int g, int b) {
    State().clsColor = uint32_t(std::clamp(r, 0, 255) << 16 | std::clamp(g, 0, 255) << 8 | std::clamp(b, 0, 255));
}

void SetImageFont(const FontPtr& font) { State().font = font; }
const FontPtr& GetImageFont() { return State().font; }

void ResetPlatformDrawState() {
    DrawState& s = State();
    s.paint = compositor::Paint{};
    s.clsColor = 0;
    s.font = nullptr;
    SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
}

void Cls() { SubmitDraw(MakeClear(ViewportClip(), State().clsColor)); }

namespace {

// A box of any size, cut to the clip before the compositor sees it.
void FillBox(int64_t x, int64_t y, int64_t w, int64_t h) {
    const Box clip = ViewportClip();
    const int64_t x0 = std::max<int64_t>(x, clip.x0), x1 = std::min<int64_t>(x + w, clip.x1);
    const int64_t y0 = std::max<int64_t>(y, clip.y0), y1 = std::min<int64_t>(y + h, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    SubmitDraw(MakeFill(clip, {int(x0), int(y0), int(x1), int(y1)}, State().paint));
}

}  // namespace

void DrawRect(float x, float y, float width, float height) {
    const std::optional<int> x0 = Pixel(x), y0 = Pixel(y), x1 = Pixel(x + width), y1 = Pixel(y + height);
    if (!x0 || !y0 || !x1 || !y1) return;
    FillBox(*x0, *y0, int64_t(*x1) - *x0, int64_t(*y1) - *y0);
}

void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel) {
    const std::optional<int> ax = Pixel(x1), ay = Pixel(y1), bx = Pixel(x2), by = Pixel(y2);
    if (!ax || !ay || !bx || !by) return;
    if (*ax == *bx && *ay == *by) {
        if (lastPixel) FillBox(*ax, *ay, 1, 1);
        return;
    }
    // Outlines are mostly horizontal or vertical: one span each.
    if (*ay == *by || *ax == *bx) {
        const bool horizontal = *ay == *by;
        const int64_t from = horizontal ? *ax : *ay, to = horizontal ? *bx : *by;
        const int64_t length = std::abs(to - from) + (lastPixel ? 1 : 0);
        const int64_t first = lastPixel || to > from ? std::min(from, to) : to + 1;
        if (horizontal) {
            FillBox(first, *ay, length, 1);
        } else {
            FillBox(*ax, first, 1, length);
        }
        return;
    }
    SubmitDraw(MakeSteppedLine(ViewportClip(), {*ax, *ay, *bx, *by, lastPixel}, State().paint));
}

void Plot(float x, float y) {
    const std::optional<int> px = Pixel(x), py = Pixel(y);
    if (px && py) FillBox(*px, *py, 1, 1);
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
    const std::optional<int> px = Pixel(x), py = Pixel(y);
    if (!image || frame < 0 || frame >= int(image->frames.size()) || !px || !py) return;
    SubmitDraw(MakeImage(ViewportClip(), image, frame, *px, *py, State().paint));
}

void DrawText(const std::string& text, float x, float y) {
    const std::optional<int> top = Pixel(y);
    if (!top || std::isnan(x)) return;
    SubmitDraw(MakeText(ViewportClip(), State().font ? State().font : DefaultFont(), text, x, *top, State().paint));
}

int TextWidth(const std::string& text) {
    const ImageFont& font = CurrentFont();
    float width = 0.f;
    for (unsigned char c : text) {
        if (font.glyphs[c].present) width += font.glyphs[c].advance;
    }
    return int(width);
}

int TextHeight(const std::string& text) {
    const ImageFont& font = CurrentFont();
    int height = 0;
    for (unsigned char c : text) {
        if (font.glyphs[c].present) height = std::max(height, font.glyphs[c].height);
    }
    return height;
}

}  // namespace kvx
