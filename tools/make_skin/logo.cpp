#include "parts.hpp"
#include "tools/art/brand.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kWidth = 400, kHeight = 211;

void PaintEmblem(Canvas& logo, Point centre, float radius) {
    const Emblem emblem = MakeEmblem(centre, radius);
    logo.DropShadow(emblem.badge, 0, 4, 6, Rgb8(0, 0, 0, 0.55f));
    logo.Fill(emblem.badge,
              RadialGradient(centre.x - radius * 0.35f, centre.y - radius * 0.45f, radius * 1.7f, radius * 1.7f,
                             {{0, Rgb8(40, 184, 236)}, {0.55f, Rgb8(0, 112, 164)}, {1, Rgb8(0, 52, 88)}}));
    logo.Bevel(Grow(emblem.badge, -2), 6, Rgb8(255, 255, 255, 0.4f), Rgb8(0, 0, 0, 0.35f));
    logo.Fill(Subtract(emblem.badge, Grow(emblem.badge, -2.5f)), Rgb8(0, 40, 70));
    const Shape mark = Union({emblem.stem, emblem.chevron});
    logo.DropShadow(mark, 1.5f, 3, 2.5f, Rgb8(0, 20, 40, 0.6f));
    logo.Fill(emblem.stem, VerticalGradient(centre.y - radius, centre.y + radius,
                                            {{0, Rgb8(255, 255, 255)}, {1, Rgb8(196, 214, 232)}}));
    logo.Fill(emblem.chevron, VerticalGradient(centre.y - radius * 0.5f, centre.y + radius * 0.5f,
                                               {{0, Rgb8(255, 196, 80)}, {1, theme::kAccentDark}}));
    logo.Bevel(mark, 2.5f, Rgb8(255, 255, 255, 0.45f), Rgb8(0, 0, 0, 0.25f));
}

void PaintWordmark(Canvas& logo, float left, float right, float baseline) {
    constexpr float kStrokeRatio = 0.115f;
    const float probe = MakeWordmark({0, 0}, 100, 100 * kStrokeRatio).width / 100;
    const float cap = (right - left) / probe;
    const Wordmark word = MakeWordmark({left, baseline}, cap, cap * kStrokeRatio);
    logo.DropShadow(word.letters, 2, 4, 4, Rgb8(0, 0, 0, 0.55f));
    logo.Fill(Grow(word.letters, 1.5f), Rgb8(16, 26, 42));
    logo.Fill(word.letters,
              VerticalGradient(baseline - cap, baseline, {{0, Rgb8(255, 255, 255)}, {1, Rgb8(182, 198, 220)}}));
    logo.Bevel(word.letters, 2.5f, Rgb8(255, 255, 255, 0.5f), Rgb8(30, 50, 80, 0.35f));
    const Shape rule = RoundRect(left + 2, baseline + 14, right, baseline + 18, 2);
    logo.Fill(rule, HorizontalGradient(left, right,
                                       {{0, theme::kAccent},
                                        {0.6f, WithAlpha(theme::kAccentLight, 0.6f)},
                                        {1, WithAlpha(theme::kAccentLight, 0)}}));
}

}  // namespace

void WriteLogo(SkinWriter& out) {
    Canvas logo(kWidth, kHeight);
    PaintEmblem(logo, {86, 104}, 74);
    PaintWordmark(logo, 182, 392, 126);
    out.Graphic("KorvexLogo.png", logo, Layout::Rgba);
}

}  // namespace kvx
