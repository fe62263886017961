#include <cmath>

#include "demos.hpp"
#include "tools/art/noise.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kWidth = 1024, kHeight = 768;

// Distance to the wave y = centre + two sines; dividing by the slope keeps
// bands grown from it evenly wide.
Shape Wave(float centre, float amplitude, float phase) {
    return [=](float x, float y) {
        const float a = x / 260.0f + phase, b = x / 110.0f + phase * 2.7f;
        const float curve = centre + amplitude * std::sin(a) + amplitude * 0.4f * std::sin(b);
        const float slope = amplitude / 260.0f * std::cos(a) + amplitude * 0.4f / 110.0f * std::cos(b);
        return std::abs(y - curve) / std::sqrt(1 + slope * slope);
    };
}

}  // namespace

Canvas AppBackground() {
    Canvas image(kWidth, kHeight);
    image.Cover(LinearGradient(0, 0, kWidth, kHeight,
                               {{0, Rgb8(24, 58, 78)}, {0.5f, Rgb8(19, 33, 54)}, {1, Rgb8(13, 17, 30)}}));
    // A faint haze, so the large gradient does not look flat.
    image.Cover([](float x, float y) { return Rgb8(140, 200, 230, 0.06f * FractalNoise(x, y, 240, 4, 11u)); });
    image.Cover(RadialGradient(860, 120, 520, 420, {{0, Rgb8(0, 150, 204, 0.16f)}, {1, Rgb8(0, 150, 204, 0)}}));
    for (int i = 0; i < 6; ++i) {
        const float centre = 420.0f + 38.0f * i, amplitude = 58.0f - 5.0f * i, phase = 0.8f * i;
        const float halfWidth = 26.0f + 9.0f * i;
        const Ramp glow{{0, Rgb8(120, 210, 240, 0.05f)}, {1, Rgb8(120, 210, 240, 0)}};
        const Shape wave = Wave(centre, amplitude, phase);
        image.Fill(Grow(wave, halfWidth), [=](float x, float y) { return Sample(glow, wave(x, y) / halfWidth); });
        image.Fill(Grow(wave, 0.6f), Rgb8(150, 220, 245, 0.1f));
    }
    image.Cover(RadialGradient(kWidth / 2.0f, kHeight / 2.0f, 780, 620,
                               {{0.6f, Rgb8(4, 6, 10, 0)}, {1, Rgb8(4, 6, 10, 0.4f)}}));
    return image;
}

}  // namespace kvx
