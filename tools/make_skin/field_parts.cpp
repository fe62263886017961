#include "parts.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

// A recessed strip: gradient across its short side, shadowed along the top (or left) edge.
Canvas Sunken(int width, int height, Rgba near, Rgba far, float shadow = 0.4f) {
    Canvas field(width, height);
    const bool vertical = height > width;
    const float depth = float(vertical ? width : height);
    const Ramp ramp{{0, near}, {1, far}};
    field.Cover(vertical ? HorizontalGradient(0, depth, ramp) : VerticalGradient(0, depth, ramp));
    const Ramp fade{{0, Rgb8(0, 0, 0, shadow)}, {1, Rgb8(0, 0, 0, 0)}};
    field.Cover(vertical ? HorizontalGradient(0, 3.5f, fade) : VerticalGradient(0, 3.5f, fade));
    return field;
}

Canvas FocusedInput() {
    Canvas field = Sunken(256, 20, Rgb8(28, 35, 48), Rgb8(40, 50, 66), 0.45f);
    field.Cover(VerticalGradient(
        12, 20, {{0, WithAlpha(theme::kSelectionLight, 0)}, {1, WithAlpha(theme::kSelectionLight, 0.22f)}}));
    return field;
}

Canvas OpenCombo() {
    Canvas field = Sunken(256, 20, Rgb8(34, 46, 66), Rgb8(46, 62, 88), 0.35f);
    field.Fill(RoundRect(0, 0, 256, 1), WithAlpha(theme::kSelectionLight, 0.5f));
    return field;
}

// The body shows the filled look; the smaller bar image slides over the part still empty.
Canvas ProgressFill(int height) {
    Canvas bar(256, height);
    const float h = float(height);
    bar.Cover(VerticalGradient(0, h,
                               {{0, Rgb8(86, 196, 236)},
                                {0.45f, theme::kSelectionLight},
                                {0.55f, theme::kSelection},
                                {1, theme::kSelectionDark}}));
    // Gentle diagonal bands, the usual sign of a progress bar.
    for (int i = -2; i < 256 / 16 + 2; ++i) {
        const float x = i * 16.0f;
        bar.Fill(Polygon({{x, h}, {x + 8, h}, {x + 17, 0}, {x + 9, 0}}), Rgb8(255, 255, 255, 0.07f));
    }
    bar.Fill(RoundRect(0, 0, 256, 1), Rgb8(170, 230, 250, 0.6f));
    bar.Fill(RoundRect(0, h - 1, 256, h), Rgb8(0, 60, 86, 0.8f));
    return bar;
}

Canvas ComboRow(bool highlighted) {
    Canvas row(128, 16);
    if (!highlighted) {
        row.Cover(VerticalGradient(0, 16, {{0, Rgb8(46, 49, 55)}, {1, Rgb8(40, 42, 47)}}));
        row.Fill(RoundRect(0, 15, 128, 16), Rgb8(36, 38, 43));
        return row;
    }
    row.Cover(VerticalGradient(0, 16, {{0, Rgb8(26, 164, 214)}, {1, Rgb8(0, 112, 156)}}));
    row.Fill(RoundRect(0, 0, 128, 1), Rgb8(120, 210, 240, 0.7f));
    row.Fill(RoundRect(0, 15, 128, 16), Rgb8(0, 80, 112));
    return row;
}

Canvas ScrollTrack(bool vertical) {
    Canvas track = vertical ? Sunken(20, 256, Rgb8(27, 30, 35), Rgb8(40, 43, 49))
                            : Sunken(256, 20, Rgb8(27, 30, 35), Rgb8(40, 43, 49));
    const Shape groove = vertical ? RoundRect(9, 0, 11, 256) : RoundRect(0, 9, 256, 11);
    track.Fill(groove, Rgb8(18, 20, 24, 0.6f));
    return track;
}

Canvas ListBody() {
    Canvas body(256, 256);
    body.Cover(VerticalGradient(0, 256, {{0, Rgb8(34, 37, 42)}, {1, Rgb8(29, 31, 36)}}));
    body.Cover(VerticalGradient(0, 4, {{0, Rgb8(0, 0, 0, 0.3f)}, {1, Rgb8(0, 0, 0, 0)}}));
    return body;
}

}  // namespace

void WriteFieldParts(SkinWriter& out) {
    out.SkinImage("Input_Unselect.png", Sunken(256, 20, theme::kFieldTop, theme::kFieldBottom), Layout::Rgb);
    out.SkinImage("Input_Select.png", FocusedInput(), Layout::Rgb);
    out.SkinImage("Progress_Body.png", ProgressFill(21), Layout::Rgb);
    out.SkinImage("Progress_Bar.png", Sunken(256, 18, Rgb8(22, 24, 28), Rgb8(36, 39, 44), 0.5f), Layout::Rgb);
    out.SkinImage("Combo_Body_un.png", Sunken(256, 20, Rgb8(30, 33, 38), Rgb8(42, 45, 51), 0.3f), Layout::Rgb);
    out.SkinImage("Combo_Body_se.png", OpenCombo(), Layout::Rgb);
    out.SkinImage("Combo_Bar_un.png", ComboRow(false), Layout::Rgb);
    out.SkinImage("Combo_Bar_se.png", ComboRow(true), Layout::Rgb);
    out.SkinImage("Scrollbar_Horizontal_Body.png", ScrollTrack(false), Layout::Rgb);
    out.SkinImage("Scrollbar_Vertical_Body.png", ScrollTrack(true), Layout::Rgb);
    out.SkinImage("Listbox_Body.png", ListBody(), Layout::Rgb);
}

}  // namespace kvx
