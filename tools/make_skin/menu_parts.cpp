#include "parts.hpp"
#include "tools/art/glyphs.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

// The bar is stretched across the screen; its lowest rows fade into a soft shadow.
Canvas MenuBar() {
    Canvas bar(128, 30);
    const Shape face = RoundRect(0, 0, 128, 27);
    bar.Fill(face, VerticalGradient(0, 27, {{0, Rgb8(74, 78, 87)}, {0.5f, Rgb8(56, 59, 66)}, {1, Rgb8(44, 46, 52)}}));
    bar.Fill(RoundRect(0, 0, 128, 1), Rgb8(255, 255, 255, 0.18f));
    bar.Fill(RoundRect(0, 26, 128, 27), theme::kEdgeDark);
    bar.Fill(RoundRect(0, 27, 128, 30), VerticalGradient(27, 30, {{0, Rgb8(0, 0, 0, 0.4f)}, {1, Rgb8(0, 0, 0, 0)}}));
    return bar;
}

Canvas CheckMark() {
    Canvas mark(15, 15);
    const Shape tick = Tick({7.5f, 7.6f}, 11.0f, 1.45f);
    mark.Fill(Grow(tick, 1.0f), Rgb8(20, 20, 24, 0.55f));
    mark.Fill(tick, Rgb8(255, 255, 255));
    return mark;
}

}  // namespace

void WriteMenuParts(SkinWriter& out) {
    out.SkinImage("Menu_Bar.png", MenuBar(), Layout::Rgba);
    out.SkinImage("Menu_Checkmark.png", CheckMark(), Layout::Rgba);
}

}  // namespace kvx
