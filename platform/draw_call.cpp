#include "platform/draw_call.hpp"

#include <climits>
#include <cmath>
#include <cstdlib>

namespace kvx {
namespace {

// Far beyond any screen, and small enough that the sums and products of coordinates below fit.
constexpr int kFarPixel = 1 << 29;

template <class Visit>
void ForEachGlyph(const ImageFont& font, const std::string& text, float pen, int top, Visit visit) {
    for (unsigned char c : text) {
        const Glyph& g = font.glyphs[c];
        if (!g.present) continue;
        if (g.width > 0 && g.height > 0) visit(g, PenPixel(pen) + g.left, top + g.top);
        pen += g.advance;
    }
}

// Pixel for pixel as stepping from a to b gives it. Every step moves one pixel along the longer
// axis; k steps along, the line is round(k * shorter / longer) pixels along the other, halves
// rounded up. So only the steps whose pixel lies within the limit along the longer axis are
// worked out, however far off the ends are, and a part drawn within a smaller limit is the same.
void SteppedLine(const compositor::Target& target, const Box& limit, const SteppedLineCall& line,
                 const compositor::Paint& paint) {
    const bool acrossX = std::abs(int64_t(line.bx) - line.ax) >= std::abs(int64_t(line.by) - line.ay);
    const int64_t start = acrossX ? line.ax : line.ay, end = acrossX ? line.bx : line.by;
    const int64_t sideStart = acrossX ? line.ay : line.ax, sideEnd = acrossX ? line.by : line.bx;
    const int64_t longer = std::abs(end - start), shorter = std::abs(sideEnd - sideStart);
    const int64_t step = end > start ? 1 : -1, sideStep = sideEnd > sideStart ? 1 : -1;
    const int64_t low = acrossX ? limit.x0 : limit.y0, high = (acrossX ? limit.x1 : limit.y1) - 1;
    // The steps k whose pixel start + step * k lies within [low, high].
    const int64_t first = std::max<int64_t>(0, step > 0 ? low - start : start - high);
    const int64_t last = std::min(line.lastPixel ? longer : longer - 1, step > 0 ? high - start : start - low);
    for (int64_t k = first; k <= last; ++k) {
        const int64_t along = start + step * k;
        const int64_t side = sideStart + sideStep * ((2 * shorter * k + longer) / (2 * longer));
        const int x = int(acrossX ? along : side), y = int(acrossX ? side : along);
        compositor::FillPixel(target, limit, x, y, paint);
    }
}

struct Drawer {
    const compositor::Target& target;
    const Box& limit;
    const compositor::Paint& paint;

    void operator()(const ClearCall& c) const { compositor::Clear(target, limit, c.color); }
    void operator()(const FillCall& f) const {
        compositor::FillRect(target, limit, f.x, f.y, f.width, f.height, paint);
    }
    void operator()(const SteppedLineCall& l) const { SteppedLine(target, limit, l, paint); }
    void operator()(const ImageCall& i) const {
        compositor::DrawFrame(target, limit, i.image->frames[size_t(i.frame)], i.x, i.y, paint);
    }
    void operator()(const TextCall& t) const {
        ForEachGlyph(*t.font, t.text, t.pen, t.top, [this](const Glyph& g, int x, int y) {
            compositor::DrawCoverage(target, limit, g.coverage.data(), g.width, g.height, x, y, paint);
        });
    }
};

Box BoxAt(const Box& clip, int x, int y, int w, int h) { return Intersection({x, y, x + w, y + h}, clip); }

// Alpha blending at full alpha writes the source's own (tinted) colour where the source is opaque.
bool FullAlpha(const compositor::Paint& paint) { return paint.alpha >= 1.f; }

struct Opacity {
    const DrawCall& call;

    Box operator()(const ClearCall&) const { return call.box; }
    Box operator()(const FillCall&) const {
        const int blend = call.paint.blend;
        return blend == kSolidBlend || ((blend == kAlphaBlend || blend == kMaskBlend) && FullAlpha(call.paint))
                   ? call.box
                   : Box{};
    }
    Box operator()(const SteppedLineCall&) const { return {}; }
    Box operator()(const ImageCall& i) const {
        const int blend = call.paint.blend;
        const ImageFrame& frame = i.image->frames[size_t(i.frame)];
        if (blend == kSolidBlend) return call.box;
        if ((blend != kAlphaBlend && blend != kMaskBlend) || !FullAlpha(call.paint)) return {};
        const int top = i.y + frame.opaqueFirst;
        return BoxAt(call.clip, i.x, top, frame.pixmap->width, frame.opaqueEnd - frame.opaqueFirst);
    }
    Box operator()(const TextCall&) const { return {}; }
};

DrawCall Make(const Box& clip, const Box& box, const compositor::Paint& paint) {
    DrawCall call;
    call.clip = clip;
    call.box = box;
    call.paint = paint;
    return call;
}

}  // namespace

// Truncation and a step down for negative fractions: std::floor is a library call on plain x86-64,
// and every glyph of every text takes one.
int PenPixel(float v) {
    const float held = std::clamp(v, -float(kFarPixel), float(kFarPixel));
    const int truncated = int(held);
    return float(truncated) > held ? truncated - 1 : truncated;
}

DrawCall MakeClear(const Box& clip, uint32_t color) {
    DrawCall call = Make(clip, clip, compositor::Paint{});
    call.what = ClearCall{color};
    return call;
}

DrawCall MakeFill(const Box& clip, const Box& rect, const compositor::Paint& paint) {
    DrawCall call = Make(clip, rect, paint);
    call.what = FillCall{rect.x0, rect.y0, rect.x1 - rect.x0, rect.y1 - rect.y0};
    return call;
}

DrawCall MakeSteppedLine(const Box& clip, const SteppedLineCall& line, const compositor::Paint& paint) {
    const Box ends{std::min(line.ax, line.bx), std::min(line.ay, line.by), std::max(line.ax, line.bx) + 1,
                   std::max(line.ay, line.by) + 1};
    DrawCall call = Make(clip, Intersection(ends, clip), paint);
    call.what = line;
    return call;
}

DrawCall MakeImage(const Box& clip, const ImagePtr& image, int frame, int x, int y, const compositor::Paint& paint) {
    const ImageFrame& picture = image->frames[size_t(frame)];
    DrawCall call = Make(clip, BoxAt(clip, x, y, picture.pixmap->width, picture.pixmap->height), paint);
    call.what = ImageCall{image, frame, x, y, picture.content};
    return call;
}

DrawCall MakeText(const Box& clip, const FontPtr& font, const std::string& text, float pen, int top,
                  const compositor::Paint& paint) {
    Box ink{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    ForEachGlyph(*font, text, pen, top, [&](const Glyph& g, int x, int y) {
        ink = {std::min(ink.x0, x), std::min(ink.y0, y), std::max(ink.x1, x + g.width), std::max(ink.y1, y + g.height)};
    });
    DrawCall call = Make(clip, Intersection(ink, clip), paint);
    call.what = TextCall{font, text, pen, top, font->content};
    return call;
}

void DrawWithin(const DrawCall& call, const compositor::Target& target, const Box& limit) {
    if (!IsEmpty(limit)) std::visit(Drawer{target, limit, call.paint}, call.what);
}

Box OpaqueBox(const DrawCall& call) { return std::visit(Opacity{call}, call.what); }

}  // namespace kvx
