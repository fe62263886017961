#include "platform/draw.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

bool IsEmpty(const compositor::Clip& c) { return c.x0 >= c.x1 || c.y0 >= c.y1; }

compositor::Clip Intersection(const compositor::Clip& a, const compositor::Clip& b) {
    compositor::Clip c{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
    return IsEmpty(c) ? compositor::Clip{} : c;
}

compositor::Clip BoundingBox(const compositor::Clip& a, const compositor::Clip& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

bool Covers(const compositor::Clip& outer, const compositor::Clip& inner) {
    return IsEmpty(inner) ||
           (outer.x0 <= inner.x0 && outer.y0 <= inner.y0 && outer.x1 >= inner.x1 && outer.y1 >= inner.y1);
}

// Every draw call names the box it may write, so that a later clear knows what changed.
void MarkDrawn(BackBuffer& b, const compositor::Clip& clip, int x, int y, int64_t w, int64_t h) {
    if (!b.cleared || w <= 0 || h <= 0) return;
    auto end = [](int from, int64_t length) { return int(std::min<int64_t>(from + length, INT32_MAX)); };
    const compositor::Clip touched = Intersection({x, y, end(x, w), end(y, h)}, clip);
    b.cleared->drawn = BoundingBox(b.cleared->drawn, touched);
}

BackBuffer& Canvas(int x, int y, int64_t w, int64_t h) {
    BackBuffer& b = CurrentBackBuffer();
    MarkDrawn(b, ClipOf(b), x, y, w, h);
    return b;
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
    if (b.cleared && b.cleared->color == color && Covers(b.cleared->area, clip)) {
        compositor::Clear(TargetOf(b), Intersection(b.cleared->drawn, clip), color);
        // A box is not cut in two: drawing outside this clear's area keeps the whole box marked.
        if (Covers(clip, b.cleared->drawn)) b.cleared->drawn = {};
        return;
    }
    compositor::Clear(TargetOf(b), clip, color);
    b.cleared = BackBuffer::Cleared{clip, color, {}};
}

void DrawRect(float x, float y, float width, float height) {
    const int x0 = Pixel(x), y0 = Pixel(y);
    const int w = Pixel(x + width) - x0, h = Pixel(y + height) - y0;
    BackBuffer& b = Canvas(x0, y0, w, h);
    if (w > 0 && h > 0) compositor::FillRect(TargetOf(b), ClipOf(b), x0, y0, w, h, State().paint);
}

void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel) {
    int ax = Pixel(x1), ay = Pixel(y1);
    const int bx = Pixel(x2), by = Pixel(y2);
    BackBuffer& b = Canvas(std::min(ax, bx), std::min(ay, by), std::abs(int64_t(bx) - ax) + 1,
                           std::abs(int64_t(by) - ay) + 1);
    const compositor::Target target = TargetOf(b);
    const compositor::Clip clip = ClipOf(b);
    const compositor::Paint& paint = State().paint;
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
    BackBuffer& b = Canvas(Pixel(x), Pixel(y), 1, 1);
    compositor::FillPixel(TargetOf(b), ClipOf(b), Pixel(x), Pixel(y), State().paint);
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= int(image->frames.size())) return;
    const ImageFrame& picture = image->frames[size_t(frame)];
    BackBuffer& b = Canvas(Pixel(x), Pixel(y), picture.pixmap->width, picture.pixmap->height);
    compositor::DrawFrame(TargetOf(b), ClipOf(b), picture, Pixel(x), Pixel(y), State().paint);
}

void DrawText(const std::string& text, float x, float y) {
    BackBuffer& b = CurrentBackBuffer();
    const compositor::Target target = TargetOf(b);
    const compositor::Clip clip = ClipOf(b);
    const ImageFont& font = CurrentFont();
    const int top = Pixel(y);
    float pen = x;
    for (unsigned char c : text) {
        const Glyph& g = font.glyphs[c];
        if (!g.present) continue;
        if (g.width > 0 && g.height > 0) {
            const int left = Pixel(pen) + g.left;
            MarkDrawn(b, clip, left, top + g.top, g.width, g.height);
            compositor::DrawCoverage(target, clip, g.coverage.data(), g.width, g.height, left, top + g.top,
                                     State().paint);
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
