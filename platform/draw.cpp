#include "platform/draw.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

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
    clip.x1 = int(std::clamp<int64_t>(int64_t(s.viewX) + s.viewW, clip.x0, b.width));
    clip.y1 = int(std::clamp<int64_t>(int64_t(s.viewY) + s.viewH, clip.y0, b.height));
    return clip;
}

// Far beyond any screen, and small enough that the sums and products of coordinates below fit.
constexpr int kFarPixel = 1 << 29;

// The pixel a coordinate falls in, an absurd one held far off the screen; none for NaN, which
// draws nothing.
std::optional<int> Pixel(float v) {
    if (std::isnan(v)) return std::nullopt;
    return int(std::floor(std::clamp(v, -float(kFarPixel), float(kFarPixel))));
}

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

namespace {

// A box of any size, cut to the clip before the compositor sees it.
void FillBox(BackBuffer& b, int64_t x, int64_t y, int64_t w, int64_t h) {
    const compositor::Clip clip = ClipOf(b);
    const int64_t x0 = std::max<int64_t>(x, clip.x0), x1 = std::min<int64_t>(x + w, clip.x1);
    const int64_t y0 = std::max<int64_t>(y, clip.y0), y1 = std::min<int64_t>(y + h, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    compositor::FillRect(TargetOf(b), clip, int(x0), int(y0), int(x1 - x0), int(y1 - y0), State().paint);
}

// A line that is neither horizontal nor vertical, pixel for pixel as stepping from a to b gives it.
// Every step moves one pixel along the longer axis; k steps along, the line is
// round(k * shorter / longer) pixels along the other, halves rounded up. So only the steps whose
// pixel lies within the clip along the longer axis are worked out, however far off the ends are.
void SteppedLine(BackBuffer& b, int ax, int ay, int bx, int by, bool lastPixel) {
    const compositor::Clip clip = ClipOf(b);
    const bool acrossX = std::abs(int64_t(bx) - ax) >= std::abs(int64_t(by) - ay);
    const int64_t start = acrossX ? ax : ay, end = acrossX ? bx : by;
    const int64_t sideStart = acrossX ? ay : ax, sideEnd = acrossX ? by : bx;
    const int64_t longer = std::abs(end - start), shorter = std::abs(sideEnd - sideStart);
    const int64_t step = end > start ? 1 : -1, sideStep = sideEnd > sideStart ? 1 : -1;
    const int64_t low = acrossX ? clip.x0 : clip.y0, high = (acrossX ? clip.x1 : clip.y1) - 1;
    // The steps k whose pixel start + step * k lies within [low, high].
    const int64_t first = std::max<int64_t>(0, step > 0 ? low - start : start - high);
    const int64_t last = std::min(lastPixel ? longer : longer - 1, step > 0 ? high - start : start - low);
    const compositor::Target target = TargetOf(b);
    for (int64_t k = first; k <= last; ++k) {
        const int64_t along = start + step * k;
        const int64_t side = sideStart + sideStep * ((2 * shorter * k + longer) / (2 * longer));
        const int x = int(acrossX ? along : side), y = int(acrossX ? side : along);
        compositor::FillPixel(target, clip, x, y, State().paint);
    }
}

}  // namespace

void DrawRect(float x, float y, float width, float height) {
    const std::optional<int> x0 = Pixel(x), y0 = Pixel(y), x1 = Pixel(x + width), y1 = Pixel(y + height);
    if (!x0 || !y0 || !x1 || !y1) return;
    const int64_t w = int64_t(*x1) - *x0, h = int64_t(*y1) - *y0;
    FillBox(Canvas(*x0, *y0, w, h), *x0, *y0, w, h);
}

void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel) {
    const std::optional<int> ax = Pixel(x1), ay = Pixel(y1), bx = Pixel(x2), by = Pixel(y2);
    if (!ax || !ay || !bx || !by) return;
    const int x0 = std::min(*ax, *bx), y0 = std::min(*ay, *by);
    const int64_t w = std::abs(int64_t(*bx) - *ax) + 1, h = std::abs(int64_t(*by) - *ay) + 1;
    BackBuffer& b = Canvas(x0, y0, w, h);
    if (*ax == *bx && *ay == *by) {
        if (lastPixel) FillBox(b, *ax, *ay, 1, 1);
        return;
    }
    // Outlines are mostly horizontal or vertical: one span each.
    if (*ay == *by || *ax == *bx) {
        const bool horizontal = *ay == *by;
        const int64_t from = horizontal ? *ax : *ay, to = horizontal ? *bx : *by;
        const int64_t length = lastPixel ? w * h : w * h - 1;
        const int64_t first = lastPixel || to > from ? std::min(from, to) : to + 1;
        if (horizontal) {
            FillBox(b, first, *ay, length, 1);
        } else {
            FillBox(b, *ax, first, 1, length);
        }
        return;
    }
    SteppedLine(b, *ax, *ay, *bx, *by, lastPixel);
}

void Plot(float x, float y) {
    const std::optional<int> px = Pixel(x), py = Pixel(y);
    if (px && py) FillBox(Canvas(*px, *py, 1, 1), *px, *py, 1, 1);
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
    const std::optional<int> px = Pixel(x), py = Pixel(y);
    if (!image || frame < 0 || frame >= int(image->frames.size()) || !px || !py) return;
    const ImageFrame& picture = image->frames[size_t(frame)];
    BackBuffer& b = Canvas(*px, *py, picture.pixmap->width, picture.pixmap->height);
    compositor::DrawFrame(TargetOf(b), ClipOf(b), picture, *px, *py, State().paint);
}

void DrawText(const std::string& text, float x, float y) {
    BackBuffer& b = CurrentBackBuffer();
    const compositor::Target target = TargetOf(b);
    const compositor::Clip clip = ClipOf(b);
    const ImageFont& font = CurrentFont();
    const std::optional<int> top = Pixel(y);
    if (!top || std::isnan(x)) return;
    float pen = x;
    for (unsigned char c : text) {
        const Glyph& g = font.glyphs[c];
        if (!g.present) continue;
        if (g.width > 0 && g.height > 0) {
            const int left = *Pixel(pen) + g.left;
            MarkDrawn(b, clip, left, *top + g.top, g.width, g.height);
            compositor::DrawCoverage(target, clip, g.coverage.data(), g.width, g.height, left, *top + g.top,
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
