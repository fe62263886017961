#include <string>

#include "parts.hpp"
#include "tools/art/looks.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kEdge = 8, kMiddle = 128, kHeight = 24;
// The selected tab runs into the border strip below it, so both share this colour.
constexpr Rgba kSelectedBottom = Rgb8(46, 72, 112);

// A whole tab at its stored width; the caps and the uniform middle are cut from it.
Canvas Tab(bool selected) {
    const int width = 2 * kEdge + kMiddle;
    Canvas tab(width, kHeight);
    const Shape face = RoundRect(0, 0, float(width), kHeight + 8.0f, Corners(6, 6, 0, 0));
    const Ramp fill = selected ? Ramp{{0, Rgb8(72, 110, 162)}, {1, kSelectedBottom}}
                               : Ramp{{0, Rgb8(64, 68, 76)}, {1, Rgb8(44, 47, 53)}};
    tab.Fill(face, VerticalGradient(0, kHeight, fill));
    tab.Bevel(Grow(face, -1), 2.0f, Rgb8(255, 255, 255, selected ? 0.28f : 0.16f), Rgb8(0, 0, 0, 0));
    tab.Fill(InnerRing(face), selected ? Rgb8(26, 42, 68) : Rgb8(30, 33, 39));
    if (selected) {
        tab.Fill(Intersect(Grow(face, -1), RoundRect(0, 0, float(width), 3.0f)), theme::kSelectionLight);
    } else {
        tab.Fill(RoundRect(0, kHeight - 1.0f, float(width), float(kHeight)), Rgb8(30, 33, 39));
    }
    return tab;
}

void WriteTab(SkinWriter& out, bool selected) {
    const Canvas tab = Tab(selected);
    const std::string suffix = selected ? "_se.png" : "_un.png";
    out.SkinImage("Tab_left" + suffix, tab.Crop(0, 0, kEdge, kHeight), Layout::Rgba);
    out.SkinImage("Tab_middle" + suffix, tab.Crop(kEdge, 0, kMiddle, kHeight), Layout::Rgb);
    out.SkinImage("Tab_right" + suffix, tab.Crop(kEdge + kMiddle, 0, kEdge, kHeight), Layout::Rgba);
}

Canvas BorderStrip() {
    Canvas strip(256, 6);
    strip.Cover(VerticalGradient(0, 6, {{0, kSelectedBottom}, {1, Rgb8(38, 60, 94)}}));
    return strip;
}

Canvas TabBody() {
    Canvas body(256, 256);
    body.Cover(VerticalGradient(0, 256, {{0, Rgb8(50, 53, 60)}, {1, Rgb8(40, 42, 47)}}));
    body.Cover(VerticalGradient(0, 5, {{0, Rgb8(0, 0, 0, 0.25f)}, {1, Rgb8(0, 0, 0, 0)}}));
    return body;
}

}  // namespace

void WriteTabParts(SkinWriter& out) {
    out.SkinImage("Tab_Body.png", TabBody(), Layout::Rgb);
    out.SkinImage("Tab_Horizontal_Border.png", BorderStrip(), Layout::Rgb);
    WriteTab(out, false);
    WriteTab(out, true);
}

}  // namespace kvx
