#include <cmath>
#include <numbers>

#include "parts.hpp"
#include "tools/art/glyphs.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr Rgba kIconOutline = Rgb8(24, 26, 32, 0.9f);

// Icons sit on dark panels, so every shape gets a dark rim that keeps it crisp.
void Outlined(Canvas& icon, const Shape& shape, const Paint& fill, Rgba outline = kIconOutline) {
    icon.Fill(Grow(shape, 1.0f), outline);
    icon.Fill(shape, fill);
}

Paint Down(Rgba top, Rgba bottom, float from = 1, float to = 15) {
    return VerticalGradient(from, to, {{0, top}, {1, bottom}});
}

Shape Page() { return Polygon({{3, 1.5f}, {9.5f, 1.5f}, {13, 5}, {13, 14.5f}, {3, 14.5f}}); }

Canvas PageIcon(bool withText) {
    Canvas icon(16, 16);
    Outlined(icon, Page(), Down(Rgb8(246, 247, 250), Rgb8(196, 202, 212)));
    icon.Fill(Polygon({{9.5f, 1.5f}, {9.5f, 5}, {13, 5}}), Rgb8(160, 168, 182));
    if (withText) {
        for (int line = 0; line < 4; ++line) {
            const float y = 7.0f + 2.0f * line;  // one pixel row each
            icon.Fill(RoundRect(5, y, line == 3 ? 9.0f : 11.0f, y + 1), Rgb8(78, 104, 146));
        }
    }
    return icon;
}

Canvas Item() {
    Canvas icon(16, 16);
    Outlined(icon, Grow(Polygon({{5.5f, 4}, {12, 8}, {5.5f, 12}}), 1.0f),
             Down(Rgb8(60, 196, 244), theme::kSelectionDark, 3, 13));
    icon.Fill(Polygon({{6, 5.2f}, {9.5f, 7.3f}, {6, 7.8f}}), Rgb8(255, 255, 255, 0.35f));
    return icon;
}

Canvas Folder() {
    Canvas icon(16, 16);
    const Shape back = Union({RoundRect(1.5f, 3.5f, 14.5f, 13.5f, 1.2f), RoundRect(1.5f, 2.5f, 7, 5, 1)});
    Outlined(icon, back, Solid(Rgb8(206, 136, 34)), Rgb8(92, 54, 10, 0.95f));
    const Shape front = Polygon({{2.5f, 6}, {14.5f, 6}, {14, 13.5f}, {1.5f, 13.5f}});
    icon.Fill(front, Down(Rgb8(255, 210, 104), Rgb8(234, 154, 40), 6, 13.5f));
    icon.Fill(Segment({3, 6.9f}, {14, 6.9f}, 0.45f), Rgb8(255, 240, 190, 0.8f));
    return icon;
}

Canvas Screen() {
    Canvas icon(16, 16);
    const Shape stand = Union({RoundRect(7, 11, 9, 13.5f), RoundRect(4.5f, 13, 11.5f, 14.5f, 0.7f)});
    Outlined(icon, Union({RoundRect(1.5f, 1.5f, 14.5f, 11.5f, 1.5f), stand}),
             Down(Rgb8(214, 218, 226), Rgb8(140, 146, 158)));
    icon.Fill(RoundRect(3, 3, 13, 10, 0.5f), Down(Rgb8(50, 178, 236), Rgb8(0, 78, 122), 3, 10));
    icon.Fill(Polygon({{3, 3}, {9, 3}, {3, 8}}), Rgb8(255, 255, 255, 0.18f));
    return icon;
}

Canvas Picture() {
    Canvas icon(16, 16);
    const Shape frame = RoundRect(1.5f, 2.5f, 14.5f, 13.5f, 1);
    Outlined(icon, frame, Down(Rgb8(240, 242, 246), Rgb8(200, 204, 212)));
    const Shape view = RoundRect(3, 4, 13, 12);
    icon.Fill(view, Down(Rgb8(96, 180, 236), Rgb8(196, 228, 250), 4, 12));
    icon.Fill(Circle({10.3f, 6.5f}, 1.5f), Rgb8(255, 206, 70));
    icon.Fill(Intersect(view, Polygon({{3, 12}, {6.5f, 7.2f}, {8.8f, 10}, {10.5f, 8.3f}, {13, 12}})),
              Down(Rgb8(84, 184, 96), Rgb8(34, 116, 58), 7, 12));
    return icon;
}

Canvas Sound() {
    Canvas icon(16, 16);
    const Shape speaker = Polygon({{2, 6}, {4.5f, 6}, {8, 2.8f}, {8, 13.2f}, {4.5f, 10}, {2, 10}});
    Outlined(icon, speaker, Down(Rgb8(240, 242, 246), Rgb8(160, 166, 178), 3, 13));
    const Shape waves = Union({Arc({8, 8}, 3.0f, -48, 48, 0.75f), Arc({8, 8}, 5.6f, -52, 52, 0.75f)});
    Outlined(icon, waves, Solid(Rgb8(70, 200, 246)));
    return icon;
}

Canvas Archive() {
    Canvas icon(16, 16);
    Outlined(icon, RoundRect(2, 2.5f, 14, 14.5f, 1.2f), Down(Rgb8(224, 176, 112), Rgb8(156, 106, 52), 2.5f, 14.5f),
             Rgb8(70, 44, 16, 0.95f));
    icon.Fill(RoundRect(2, 2.5f, 14, 5.5f, Corners(1.2f, 1.2f, 0, 0)), Rgb8(120, 78, 34, 0.55f));
    icon.Fill(RoundRect(6.5f, 2.5f, 9.5f, 14.5f), Rgb8(60, 62, 70));
    for (int tooth = 0; tooth < 5; ++tooth) {
        const float y = 3.3f + 2.0f * tooth, x = tooth % 2 ? 8.0f : 7.0f;
        icon.Fill(RoundRect(x, y, x + 1, y + 1), Rgb8(224, 226, 232));
    }
    icon.Fill(RoundRect(6.8f, 11.5f, 9.2f, 14, 0.5f), Rgb8(230, 232, 238));
    return icon;
}

Canvas Program() {
    Canvas icon(16, 16);
    const Shape window = RoundRect(1.5f, 2.5f, 14.5f, 13.5f, 1.5f);
    Outlined(icon, window, Down(Rgb8(236, 239, 244), Rgb8(190, 196, 206)));
    icon.Fill(Intersect(window, RoundRect(0, 0, 16, 5.5f)),
              Down(theme::kSelectionLight, theme::kSelectionDark, 2.5f, 5.5f));
    icon.Fill(Circle({12.6f, 4}, 0.8f), Rgb8(255, 255, 255, 0.9f));
    icon.Fill(Grow(Polygon({{6.5f, 7.3f}, {10.3f, 9.5f}, {6.5f, 11.7f}}), 0.4f), theme::kAccent);
    return icon;
}

Canvas Web() {
    Canvas icon(16, 16);
    const Shape globe = Circle({8, 8}, 6.5f);
    Outlined(icon, globe, RadialGradient(6, 5.5f, 9, 9, {{0, Rgb8(110, 200, 250)}, {1, Rgb8(10, 80, 160)}}));
    const Shape grid = Union({RoundRect(1, 7.5f, 15, 8.5f), Outline(Ellipse({8, 8}, 2.9f, 6.5f), 0.45f),
                              RoundRect(1, 4, 15, 4.8f), RoundRect(1, 11.2f, 15, 12)});
    icon.Fill(Intersect(grid, globe), Rgb8(214, 240, 255, 0.75f));
    return icon;
}

Canvas Cdrom() {
    Canvas icon(16, 16);
    const Shape disc = Subtract(Circle({8, 8}, 6.8f), Circle({8, 8}, 1.6f));
    const Paint sheen = [](float x, float y) {
        const float angle = std::atan2(y - 8, x - 8);
        const float wave = 0.5f + 0.5f * std::cos(2 * angle - 0.8f);
        return Mix(Rgb8(150, 158, 174), Rgb8(246, 248, 252), wave);
    };
    Outlined(icon, disc, sheen);
    const Paint rainbow = [](float x, float y) {
        const float angle = std::atan2(y - 8, x - 8) + std::numbers::pi_v<float>;
        return Rgba{0.5f + 0.5f * std::sin(angle * 2), 0.5f + 0.5f * std::sin(angle * 2 + 2.1f),
                    0.5f + 0.5f * std::sin(angle * 2 + 4.2f), 0.28f};
    };
    icon.Fill(Intersect(disc, Outline(Circle({8, 8}, 4.6f), 1.3f)), rainbow);
    icon.Fill(Outline(Circle({8, 8}, 2.6f), 0.5f), Rgb8(120, 126, 140));
    return icon;
}

Canvas Floppy() {
    Canvas icon(16, 16);
    const Shape body = Grow(Polygon({{2.5f, 2.5f}, {12, 2.5f}, {13.5f, 4}, {13.5f, 13.5f}, {2.5f, 13.5f}}), 0.5f);
    Outlined(icon, body, Down(Rgb8(72, 116, 190), Rgb8(34, 58, 112), 2, 14));
    icon.Fill(RoundRect(5, 2, 11, 6.5f, 0.4f), Down(Rgb8(226, 230, 236), Rgb8(160, 166, 178), 2, 6.5f));
    icon.Fill(RoundRect(8.6f, 3, 10, 5.6f), Rgb8(54, 64, 84));
    icon.Fill(RoundRect(4, 8.5f, 12, 14, 0.5f), Rgb8(242, 243, 246));
    icon.Fill(Segment({5.3f, 10.5f}, {10.7f, 10.5f}, 0.4f), Rgb8(150, 160, 180));
    return icon;
}

void DriveBox(Canvas& icon, float top, float bottom) {
    Outlined(icon, RoundRect(1.5f, top, 14.5f, bottom, 1.5f),
             Down(Rgb8(222, 226, 232), Rgb8(132, 138, 150), top, bottom));
    icon.Fill(Segment({3, top + 0.9f}, {13, top + 0.9f}, 0.4f), Rgb8(255, 255, 255, 0.7f));
    const float slot = (top + bottom) / 2 + 0.5f;
    icon.Fill(Segment({3.5f, slot}, {9.5f, slot}, 0.5f), Rgb8(84, 90, 102));
    icon.Glow(Circle({12, slot}, 0.9f), 2.0f, Rgb8(80, 255, 120, 0.5f));
    icon.Fill(Circle({12, slot}, 1.0f), Rgb8(70, 232, 110));
}

Canvas Drive() {
    Canvas icon(16, 16);
    DriveBox(icon, 4.5f, 11.5f);
    return icon;
}

Canvas Network() {
    Canvas icon(16, 16);
    Outlined(icon, Union({Segment({8, 8}, {8, 12}, 0.7f), Segment({2.5f, 13}, {13.5f, 13}, 0.7f)}),
             Solid(Rgb8(170, 176, 188)));
    DriveBox(icon, 1.5f, 8);
    for (float x : {2.8f, 8.0f, 13.2f}) Outlined(icon, Circle({x, 13}, 1.5f), Solid(Rgb8(60, 194, 244)));
    return icon;
}

Canvas Ramdrive() {
    Canvas icon(16, 16);
    const Shape board = Subtract(RoundRect(1, 4, 15, 12, 0.8f), RoundRect(7.3f, 11, 8.7f, 13, 0.5f));
    Outlined(icon, board, Down(Rgb8(52, 160, 92), Rgb8(22, 94, 52), 4, 12));
    for (float x : {2.5f, 6.5f, 10.5f}) icon.Fill(RoundRect(x, 5.3f, x + 3, 9.2f, 0.4f), Rgb8(40, 42, 48));
    for (int pin = 0; pin < 8; ++pin) {
        const float x = 1.8f + 1.6f * pin + (pin >= 4 ? 0.8f : 0.0f);
        icon.Fill(RoundRect(x, 10.2f, x + 0.9f, 11.8f), Rgb8(238, 196, 84));
    }
    return icon;
}

}  // namespace

void WriteIcons(SkinWriter& out) {
    out.SkinImage("Icon_Default.png", PageIcon(false), Layout::Rgba);
    out.SkinImage("Icon_Item.png", Item(), Layout::Rgba);
    out.SkinImage("Icon_Folder.png", Folder(), Layout::Rgba);
    out.SkinImage("Icon_Screen.png", Screen(), Layout::Rgba);
    out.SkinImage("Icon_Picture.png", Picture(), Layout::Rgba);
    out.SkinImage("Icon_Sound.png", Sound(), Layout::Rgba);
    out.SkinImage("Icon_Archive.png", Archive(), Layout::Rgba);
    out.SkinImage("Icon_Document.png", PageIcon(true), Layout::Rgba);
    out.SkinImage("Icon_Program.png", Program(), Layout::Rgba);
    out.SkinImage("Icon_Web.png", Web(), Layout::Rgba);
    out.SkinImage("Icon_CDROM.png", Cdrom(), Layout::Rgba);
    out.SkinImage("Icon_Floppy.png", Floppy(), Layout::Rgba);
    out.SkinImage("Icon_Drive.png", Drive(), Layout::Rgba);
    out.SkinImage("Icon_Network.png", Network(), Layout::Rgba);
    out.SkinImage("Icon_Ramdrive.png", Ramdrive(), Layout::Rgba);
}

}  // namespace kvx
