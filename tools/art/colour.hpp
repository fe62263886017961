#pragma once
// Colours and colour ramps of the artwork generators.
#include <vector>

namespace kvx::art {

// Straight (not premultiplied) colour, channels 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgba Rgb8(int r, int g, int b, float a = 1.0f) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }
Rgba Mix(const Rgba& from, const Rgba& to, float t);
Rgba WithAlpha(Rgba colour, float a);
// amount > 0 moves toward white, amount < 0 toward black; alpha is kept.
Rgba Shade(const Rgba& colour, float amount);

struct Stop {
    float at;
    Rgba colour;
};
using Ramp = std::vector<Stop>;

// Colour of the ramp at t (clamped to its first and last stop).
Rgba Sample(const Ramp& ramp, float t);

}  // namespace kvx::art
