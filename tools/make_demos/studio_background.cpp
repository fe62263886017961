#include <algorithm>

#include "demos.hpp"
#include "tools/art/brand.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kWidth = 1024, kHeight = 768;

float Fade(float from, float to, float value) {
    const float t = std::clamp((value - from) / (to - from), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// A drafting grid (20-pixel cells, every fifth line stronger), faded out where
// the tool window and the status line sit.
Paint DraftingGrid() {
    return [](float x, float y) {
        const int ix = int(x), iy = int(y);
        float alpha = 0;
        if (ix % 100 == 0 || iy % 100 == 0)
            alpha = 0.06f;
        else if (ix % 20 == 0 || iy % 20 == 0)
            alpha = 0.028f;
        const float calmRight = 1 - Fade(700, 820, x);
        const float calmStatus = 1 - Fade(660, 700, y) * (1 - Fade(380, 480, x));
        return Rgb8(150, 190, 240, alpha * calmRight * calmStatus);
    };
}

}  // namespace

Canvas StudioBackground() {
    Canvas image(kWidth, kHeight);
    image.Cover(VerticalGradient(0, kHeight, {{0, Rgb8(42, 52, 69)}, {0.6f, Rgb8(29, 36, 48)}, {1, Rgb8(18, 22, 30)}}));
    image.Cover(RadialGradient(360, 260, 640, 480, {{0, Rgb8(76, 104, 140, 0.35f)}, {1, Rgb8(76, 104, 140, 0)}}));
    image.Cover(DraftingGrid());

    const Emblem emblem = MakeEmblem({400, 380}, 250);
    image.Fill(emblem.badge,
               RadialGradient(330, 250, 380, 380, {{0, Rgb8(130, 180, 240, 0.07f)}, {1, Rgb8(130, 180, 240, 0.015f)}}));
    image.Fill(Outline(emblem.badge, 1.5f), Rgb8(150, 196, 245, 0.1f));
    image.Fill(emblem.stem, Rgb8(160, 205, 250, 0.05f));
    image.Fill(emblem.chevron, Rgb8(255, 170, 60, 0.045f));

    image.Cover(RadialGradient(kWidth / 2.0f, kHeight / 2.0f, 760, 600,
                               {{0.55f, Rgb8(6, 8, 12, 0)}, {1, Rgb8(6, 8, 12, 0.45f)}}));
    return image;
}

}  // namespace kvx
