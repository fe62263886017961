#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "parts.hpp"
#include "tools/art/glyphs.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Rgba kCursorOutline = Rgb8(12, 14, 18);

// The two cursor sets: set 1 is a light arrow with cyan accents, set 2 a blue
// arrow with amber accents.
struct CursorStyle {
    float scale;
    Ramp body;
    bool lightRim;
    Rgba glint;
    Rgba badgeLight, badgeDark;
    Rgba spinner;
};

CursorStyle Set1() {
    return {1.25f,
            {{0, Rgb8(252, 253, 255)}, {1, Rgb8(196, 204, 218)}},
            false,
            Rgb8(90, 210, 255),
            theme::kSelectionLight,
            theme::kSelectionDark,
            Rgb8(40, 196, 250)};
}

CursorStyle Set2() {
    return {1.3f,
            {{0, Rgb8(48, 186, 240)}, {1, Rgb8(0, 84, 138)}},
            true,
            Rgb8(255, 255, 255),
            theme::kAccentLight,
            theme::kAccentDark,
            theme::kAccentLight};
}

// The outline round the arrow's tip covers the cell's top-left pixel, the hot spot.
constexpr Point kTip{1.0f, 1.0f};
constexpr Point kAxis{0.40f, 0.916f};  // from the tip towards the tail
constexpr float kAxisLength = 19.5f;

Shape ArrowShape(float scale) {
    const Point outline[] = {{0, 0},        {0, 16},       {3.8f, 12.4f}, {6.5f, 18.4f},
                             {9.1f, 17.2f}, {6.5f, 11.4f}, {11.4f, 11.4f}};
    std::vector<Point> points;
    for (Point p : outline) points.push_back({kTip.x + p.x * scale, kTip.y + p.y * scale});
    return Polygon(points);
}

// Arrow with a glint at `glint` (0 = tip, 1 = tail); a negative value draws none.
void PaintArrow(Canvas& cell, const CursorStyle& style, float scale, float glint) {
    const Shape arrow = ArrowShape(scale);
    cell.Fill(Grow(arrow, 1.15f), kCursorOutline);
    cell.Fill(arrow, VerticalGradient(kTip.y, kTip.y + 18 * scale, style.body));
    if (style.lightRim) cell.Fill(Subtract(arrow, Grow(arrow, -1.1f)), Rgb8(232, 242, 252));
    if (glint < 0) return;
    const float at = glint * kAxisLength * scale, width = 3.2f * scale;
    const Rgba colour = style.glint;
    cell.Fill(Grow(arrow, style.lightRim ? -1.0f : 0.0f), [=](float x, float y) {
        const float along = (x - kTip.x) * kAxis.x + (y - kTip.y) * kAxis.y;
        const float strength = std::max(0.0f, 1 - std::abs(along - at) / width);
        return WithAlpha(colour, 0.9f * strength * strength);
    });
}

void PaintBadge(Canvas& cell, const CursorStyle& style, Point centre, float radius, float glow) {
    const Shape disc = Circle(centre, radius);
    cell.Fill(Grow(disc, 1.1f), kCursorOutline);
    cell.Fill(disc, VerticalGradient(centre.y - radius, centre.y + radius,
                                     {{0, Shade(style.badgeLight, 0.35f * glow)}, {1, style.badgeDark}}));
    cell.Fill(QuestionMark(centre, radius * 1.55f, radius * 0.2f), Rgb8(255, 255, 255));
}

void PaintSpinner(Canvas& cell, const CursorStyle& style, Point centre, float headDegrees) {
    constexpr float kRadius = 6.0f, kHalf = 1.7f;
    cell.Fill(Outline(Circle(centre, kRadius), kHalf + 1.1f), kCursorOutline);
    cell.Fill(Outline(Circle(centre, kRadius), kHalf), Rgb8(70, 76, 88));
    // A bright head with a fading tail behind it.
    constexpr int kTailSteps = 6;
    for (int i = kTailSteps - 1; i >= 0; --i) {
        const float to = headDegrees - i * 22.0f, from = to - 22.0f;
        cell.Fill(Arc(centre, kRadius, from, to, kHalf), WithAlpha(style.spinner, 1.0f - float(i) / kTailSteps));
    }
    cell.Fill(Circle({centre.x + kRadius * std::cos(headDegrees * kPi / 180),
                      centre.y + kRadius * std::sin(headDegrees * kPi / 180)},
                     kHalf),
              Rgb8(255, 255, 255));
}

using FramePainter = std::function<void(Canvas& cell, int frame)>;

Canvas Strip(int stripWidth, int cellWidth, int cellHeight, int frames, const FramePainter& paint) {
    Canvas strip(stripWidth, cellHeight);
    for (int frame = 0; frame < frames; ++frame) {
        Canvas cell(cellWidth, cellHeight);
        paint(cell, frame);
        strip.Draw(cell, frame * cellWidth, 0);
    }
    return strip;
}

void WriteSet(SkinWriter& out, const std::string& prefix, const CursorStyle& style, bool narrow) {
    // Set 1 has narrower 28x30 cells for its normal and help cursors.
    const int cellWidth = narrow ? 28 : 32, cellHeight = narrow ? 30 : 32;
    const int normalFrames = narrow ? 9 : 6, helpFrames = narrow ? 11 : 6;
    const int normalStrip = narrow ? 280 : 224, helpStrip = narrow ? 336 : 224;

    out.Graphic(
        prefix + "_Normal.png",
        Strip(normalStrip, cellWidth, cellHeight, normalFrames,
              [&](Canvas& cell, int frame) { PaintArrow(cell, style, style.scale, (frame + 0.5f) / normalFrames); }),
        Layout::Rgba);

    const Point badge{cellWidth - 8.0f, cellHeight - 8.5f};
    out.Graphic(prefix + "_Help.png",
                Strip(helpStrip, cellWidth, cellHeight, helpFrames,
                      [&](Canvas& cell, int frame) {
                          // A quarter-frame offset keeps the rise and the fall of the pulse from repeating a frame.
                          const float pulse = 0.5f + 0.5f * std::cos(2 * kPi * (frame + 0.25f) / helpFrames);
                          PaintArrow(cell, style, style.scale * 0.82f, -1);
                          PaintBadge(cell, style, badge, 5.2f + 1.4f * pulse, pulse);
                      }),
                Layout::Rgba);

    out.Graphic(prefix + "_Busy.png",
                Strip(224, 32, 32, 6,
                      [&](Canvas& cell, int frame) {
                          PaintArrow(cell, style, style.scale * 0.82f, -1);
                          PaintSpinner(cell, style, {23, 23}, -90.0f + 60.0f * frame);
                      }),
                Layout::Rgba);
}

}  // namespace

void WriteCursors(SkinWriter& out) {
    WriteSet(out, "Mouse01", Set1(), true);
    WriteSet(out, "Mouse02", Set2(), false);
}

}  // namespace kvx
