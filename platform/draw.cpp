#include "platform/draw.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/backbuffer.hpp"
#include "platform/compositor.hpp"
#include "platform/display.hpp"

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

compositor::Target TargetOf(BackBuffer& b) { return {b.pixels.data(), b.width, b.height}; }

compositor::Clip ClipOf(const BackBuffer& b) {
    const DrawState& s = State();
    compositor::Clip clip;
    clip.x0 = std::clamp(s.viewX, 0, b.width);
    clip.y0 = std::clamp(s.viewY, 0, b.height);
    clip.x1 = std::clamp(s.viewX + s.viewW, clip.x0, b.width);
    clip.y1 = std::clamp(s.viewY + s.viewH, clip.y0, b.height);
    return clip;
}

int Pixel(float v) { return int(std::floor(v)); }

// The buffer every draw call writes through, so that a later clear knows it changed.
BackBuffer& Canvas() {
    BackBuffer& b = CurrentBackBuffer();
    b.cleared.reset();
    return b;
}

bool Covers(const compositor::Clip& outer, const compositor::Clip& inner) {
    return outer.x0 <= inner.x0 && outer.y0 <= inner.y0 && outer.x1 >= inner.x1 && outer.y1 >= inner.y1;
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

void Cls() {
    BackBuffer& b = CurrentBackBuffer();
    const compositor::Clip clip = ClipOf(b);
    const uint32_t color = State().clsColor;
    if (b.cleared && b.cleared->color == color && Covers(b.cleared->area, clip)) return;
    compositor::Clear(TargetOf(b), clip, color);
    b.cleared = BackBuffer::Cleared{clip, color};
}

void DrawRect(float x, float y, float width, float height) {
    BackBuffer& b = Canvas();
    const int x0 = Pixel(x), y0 = Pixel(y);
    const int w = Pixel(x + width) - x0, h = Pixel(y + height) - y0;
    if (w > 0 && h > 0) compositor::FillRect(TargetOf(b), ClipOf(b), x0, y0, w, h, State().paint);
}

void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel) {
    BackBuffer& b = Canvas();
    const compositor::Target target = TargetOf(b);
    const compositor::Clip clip = ClipOf(b);
    const compositor::Paint& paint = State().paint;
    int ax = Pixel(x1), ay = Pixel(y1);
    const int bx = Pixel(x2), by = Pixel(y2);
    if (ax == bx && ay == by) {
        if (lastPixel) compositor::FillPixel(target, clip, ax, ay, paint);
        return;
    }
    // Outlines are mostly horizontal or vertical: one span each.
    if (ay == by || ax == bx) {
        const bool horizontal = ay == by;
        const int a = horizontal ? ax : ay;
        int end = horizontal ? bx : by;
        if (!lastPixel) end += end > a ? -1 : 1;
        const int from = std::min(a, end), length = std::abs(end - a) + 1;
        if (horizontal) {
            compositor::FillRect(target, clip, from, ay, length, 1, paint);
        } else {
            compositor::FillRect(target, clip, ax, from, 1, length, paint);
        }
        return;
    }
    const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    while (true) {
        const bool atEnd = ax == bx && ay == by;
        if (atEnd && !lastPixel) break;
        compositor::FillPixel(target, clip, ax, ay, paint);
        if (atEnd) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
}

void Plot(float x, float y) {
    BackBuffer& b = Canvas();
    compositor::FillPixel(TargetOf(b), ClipOf(b), Pixel(x), Pixel(y), State().paint);
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= int(image->frames.size())) return;
    BackBuffer& b = Canvas();
    compositor::DrawFrame(TargetOf(b), ClipOf(b), image->frames[size_t(frame)], Pixel(x), Pixel(y), State().paint);
}

void DrawText(const std::string& text, float x, float y) {
    BackBuffer& b = Canvas();
    const compositor::Target target = TargetOf(b);
    const compositor::Clip clip = ClipOf(b);
    const ImageFont& font = CurrentFont();
    const int top = Pixel(y);
    float pen = x;
    for (unsigned char c : text) {
        const Glyph& g = font.glyphs[c];
        if (!g.present) continue;
        if (g.width > 0 && g.height > 0) {
            compositor::DrawCoverage(target, clip, g.coverage.data(), g.width, g.height, Pixel(pen) + g.left,
                                     top + g.top, State().paint);
        }
        pen += g.advance;
    }
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
