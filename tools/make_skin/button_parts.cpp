#include <string>
#include <utility>

#include "parts.hpp"
#include "tools/art/glyphs.hpp"
#include "tools/art/looks.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kButtonPiece = 15, kButtonHeight = 23;

// A button three pieces wide; the middle third is uniform across and is the stretched slice.
void WritePushButton(SkinWriter& out, Look look) {
    Canvas button(3 * kButtonPiece, kButtonHeight);
    const Shape face = RoundRect(0.5f, 0.5f, 3 * kButtonPiece - 0.5f, kButtonHeight - 1.5f, 6);
    button.DropShadow(face, 0, 1.0f, 0.7f, theme::kShadow);
    PaintControl(button, face, 0.5f, kButtonHeight - 1.5f, look);
    const std::string suffix = std::string("_") + Suffix(look) + ".png";
    out.SkinImage("Button_left" + suffix, button.Crop(0, 0, kButtonPiece, kButtonHeight), Layout::Rgba);
    out.SkinImage("Button_middle" + suffix, button.Crop(kButtonPiece, 0, kButtonPiece, kButtonHeight), Layout::Rgba);
    out.SkinImage("Button_right" + suffix, button.Crop(2 * kButtonPiece, 0, kButtonPiece, kButtonHeight), Layout::Rgba);
}

// A square button face filling the whole image (the gadgets frame it themselves).
Canvas SquareButton(Look look, const Shape& glyph) {
    Canvas image(20, 20);
    const Shape face = RoundRect(0, 0, 20, 20);
    PaintControl(image, face, 0, 20, look);
    const Shape placed = look == Look::Pressed ? Translate(glyph, 0.5f, 0.5f) : glyph;
    image.DropShadow(placed, 0, 1.0f, 0.6f, Rgb8(0, 0, 0, 0.5f));
    image.Fill(placed, RaisedColours(look).glyph);
    return image;
}

void WriteArrows(SkinWriter& out) {
    const std::pair<Direction, const char*> arrows[] = {{Direction::Left, "Arrow_Left_"},
                                                        {Direction::Right, "Arrow_Right_"},
                                                        {Direction::Up, "Arrow_Up_"},
                                                        {Direction::Down, "Arrow_Down_"}};
    for (const auto& [direction, prefix] : arrows) {
        const Shape glyph = ArrowHead({10, 10}, 10.5f, direction);
        for (Look look : kAllLooks)
            out.SkinImage(std::string(prefix) + Suffix(look) + ".png", SquareButton(look, glyph), Layout::Rgb);
    }
}

void WriteComboSymbols(SkinWriter& out) {
    const Shape glyph =
        Union({ArrowHead({10, 8.8f}, 10.0f, Direction::Down), RoundRect(5.5f, 13.2f, 14.5f, 14.8f, 0.6f)});
    out.SkinImage("Combo_Symbol_un.png", SquareButton(Look::Normal, glyph), Layout::Rgb);
    out.SkinImage("Combo_Symbol_se.png", SquareButton(Look::Pressed, glyph), Layout::Rgb);
}

Canvas CheckBox(bool checked) {
    Canvas image(18, 18, Rgb8(52, 55, 61));
    const Shape box = RoundRect(0.5f, 0.5f, 17.5f, 17.5f, 3.5f);
    if (checked) {
        image.Fill(box, VerticalGradient(1, 17, {{0, theme::kSelectionLight}, {1, theme::kSelectionDark}}));
        image.Bevel(Grow(box, -1), 2.0f, Rgb8(255, 255, 255, 0.3f), Rgb8(0, 0, 0, 0.2f));
        image.Fill(InnerRing(box), Rgb8(0, 70, 100));
        const Shape tick = Tick({9, 9.2f}, 11.0f, 1.55f);
        image.DropShadow(tick, 0, 1.0f, 0.7f, Rgb8(0, 30, 50, 0.6f));
        image.Fill(tick, Rgb8(255, 255, 255));
    } else {
        image.Fill(box, VerticalGradient(1, 17, {{0, theme::kFieldTop}, {1, theme::kFieldBottom}}));
        image.Bevel(Grow(box, -1), 3.0f, Rgb8(0, 0, 0, 0.45f), Rgb8(255, 255, 255, 0.06f));
        image.Fill(InnerRing(box), theme::kEdgeLight);
    }
    return image;
}

}  // namespace

void WriteButtonParts(SkinWriter& out) {
    for (Look look : kAllLooks) WritePushButton(out, look);
    out.SkinImage("Checkbox_un.png", CheckBox(false), Layout::Rgb);
    out.SkinImage("Checkbox_se.png", CheckBox(true), Layout::Rgb);
    WriteArrows(out);
    WriteComboSymbols(out);
}

}  // namespace kvx
