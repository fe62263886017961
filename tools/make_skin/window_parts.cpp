#include <string>
#include <utility>

#include "parts.hpp"
#include "tools/art/glyphs.hpp"
#include "tools/art/looks.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kCapWidth = 15, kTitleMiddle = 86, kTitleHeight = 23;

// The whole title bar at its stored width; the caps and the middle are cut from it,
// so the middle slice is uniform across and stretches cleanly.
Canvas TitleBar(bool active) {
    const int width = 2 * kCapWidth + kTitleMiddle;
    Canvas bar(width, kTitleHeight);
    const Shape face = RoundRect(0, 0, float(width), kTitleHeight + 10.0f, Corners(6, 6, 0, 0));
    const Ramp fill = active ? Ramp{{0, Rgb8(86, 122, 176)}, {0.5f, Rgb8(58, 88, 134)}, {1, Rgb8(40, 62, 98)}}
                             : Ramp{{0, Rgb8(86, 89, 96)}, {0.5f, Rgb8(62, 65, 71)}, {1, Rgb8(48, 50, 55)}};
    bar.Fill(face, VerticalGradient(0, kTitleHeight, fill));
    bar.Fill(Intersect(face, RoundRect(0, 0, float(width), kTitleHeight * 0.45f)), Rgb8(255, 255, 255, 0.05f));
    bar.Bevel(Grow(face, -1), 2.0f, Rgb8(255, 255, 255, active ? 0.3f : 0.2f), Rgb8(0, 0, 0, 0));
    bar.Fill(InnerRing(face), active ? Rgb8(24, 38, 62) : Rgb8(32, 34, 38));
    bar.Fill(RoundRect(1, kTitleHeight - 1.0f, width - 1.0f, float(kTitleHeight)),
             active ? theme::kSelection : Rgb8(40, 42, 46));
    return bar;
}

void WriteTitle(SkinWriter& out, bool active) {
    const Canvas bar = TitleBar(active);
    const std::string suffix = active ? "_se.png" : "_un.png";
    out.SkinImage("Window_title_left" + suffix, bar.Crop(0, 0, kCapWidth, kTitleHeight), Layout::Rgba);
    out.SkinImage("Window_title_middle" + suffix, bar.Crop(kCapWidth, 0, kTitleMiddle, kTitleHeight), Layout::Rgb);
    out.SkinImage("Window_title_right" + suffix, bar.Crop(kCapWidth + kTitleMiddle, 0, kCapWidth, kTitleHeight),
                  Layout::Rgba);
}

Canvas WindowBody() {
    Canvas body(256, 256);
    body.Cover(VerticalGradient(0, 256, {{0, Rgb8(60, 63, 70)}, {0.1f, theme::kPanelTop}, {1, theme::kPanelBottom}}));
    return body;
}

enum class TitleButton { Lock, Minimize, Close };

Shape TitleGlyph(TitleButton kind, Point c) {
    switch (kind) {
        case TitleButton::Close: return Cross(c, 7.6f, 1.2f);
        case TitleButton::Minimize: return Segment({c.x - 3.8f, c.y + 3.0f}, {c.x + 3.8f, c.y + 3.0f}, 1.25f);
        case TitleButton::Lock: break;
    }
    const Padlock lock = MakePadlock({c.x, c.y + 0.3f}, 11.0f);
    return Union({Subtract(lock.body, lock.keyhole), lock.shackle});
}

Canvas TitleButtonImage(TitleButton kind, Look look) {
    Canvas image(20, 20);
    const Point centre{10, 10};
    const Shape disc = Circle(centre, 8.3f);
    const bool close = kind == TitleButton::Close;
    const Rgba light = close ? Rgb8(240, 104, 92) : Rgb8(44, 176, 226);
    const Rgba dark = close ? Rgb8(178, 46, 40) : Rgb8(0, 104, 150);
    Rgba glyph = theme::kGlyph;
    Point at = centre;
    switch (look) {
        case Look::Normal:
            image.Fill(disc, Rgb8(255, 255, 255, 0.1f));
            image.Fill(InnerRing(disc), Rgb8(255, 255, 255, 0.16f));
            break;
        case Look::Hover:
            image.Fill(disc, VerticalGradient(2, 18, {{0, light}, {1, dark}}));
            image.Bevel(disc, 2.0f, Rgb8(255, 255, 255, 0.45f), Rgb8(0, 0, 0, 0.25f));
            image.Fill(InnerRing(disc), Rgb8(16, 20, 28, 0.55f));
            glyph = Rgb8(255, 255, 255);
            break;
        case Look::Pressed:
            image.Fill(disc, VerticalGradient(2, 18, {{0, Shade(dark, -0.35f)}, {1, dark}}));
            image.Bevel(disc, 3.0f, Rgb8(0, 0, 0, 0.55f), Rgb8(255, 255, 255, 0.12f));
            image.Fill(InnerRing(disc), Rgb8(16, 20, 28, 0.6f));
            glyph = Rgb8(214, 222, 232);
            at = {centre.x + 0.5f, centre.y + 0.5f};
            break;
    }
    const Shape mark = TitleGlyph(kind, at);
    image.DropShadow(mark, 0, 0.8f, 0.6f, Rgb8(0, 0, 0, 0.45f));
    image.Fill(mark, glyph);
    return image;
}

}  // namespace

void WriteWindowParts(SkinWriter& out) {
    WriteTitle(out, true);
    WriteTitle(out, false);
    out.SkinImage("Window_Body.png", WindowBody(), Layout::Rgb);
    const std::pair<TitleButton, const char*> buttons[] = {{TitleButton::Lock, "Window_Lock_"},
                                                           {TitleButton::Minimize, "Window_Minimize_"},
                                                           {TitleButton::Close, "Window_Close_"}};
    for (const auto& [kind, prefix] : buttons)
        for (Look look : kAllLooks)
            out.SkinImage(std::string(prefix) + Suffix(look) + ".png", TitleButtonImage(kind, look), Layout::Rgba);
}

}  // namespace kvx
