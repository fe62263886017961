#include "colour.hpp"

#include <algorithm>

namespace kvx::art {

Rgba Mix(const Rgba& from, const Rgba& to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Rgba WithAlpha(Rgba colour, float a) {
    colour.a = a;
    return colour;
}

Rgba Shade(const Rgba& colour, float amount) {
    const Rgba target = amount >= 0 ? Rgba{1, 1, 1, colour.a} : Rgba{0, 0, 0, colour.a};
    return Mix(colour, target, std::min(1.0f, amount >= 0 ? amount : -amount));
}

Rgba Sample(const Ramp& ramp, float t) {
    if (ramp.empty()) return {};
    if (t <= ramp.front().at) return ramp.front().colour;
    for (size_t i = 1; i < ramp.size(); ++i) {
        if (t <= ramp[i].at) {
            const float span = ramp[i].at - ramp[i - 1].at;
            const float local = span > 0 ? (t - ramp[i - 1].at) / span : 1.0f;
            return Mix(ramp[i - 1].colour, ramp[i].colour, local);
        }
    }
    return ramp.back().colour;
}

}  // namespace kvx::art
