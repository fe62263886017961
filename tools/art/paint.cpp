#include "paint.hpp"

#include <cmath>
#include <utility>

namespace kvx::art {

Paint Solid(Rgba colour) {
    return [colour](float, float) { return colour; };
}

Paint LinearGradient(float x0, float y0, float x1, float y1, Ramp ramp) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float lengthSquared = dx * dx + dy * dy;
    return [=, ramp = std::move(ramp)](float x, float y) {
        const float t = lengthSquared > 0 ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0.0f;
        return Sample(ramp, t);
    };
}

Paint VerticalGradient(float top, float bottom, Ramp ramp) {
    return LinearGradient(0, top, 0, bottom, std::move(ramp));
}

Paint HorizontalGradient(float left, float right, Ramp ramp) {
    return LinearGradient(left, 0, right, 0, std::move(ramp));
}

Paint RadialGradient(float cx, float cy, float radiusX, float radiusY, Ramp ramp) {
    return [=, ramp = std::move(ramp)](float x, float y) {
        const float u = (x - cx) / radiusX, v = (y - cy) / radiusY;
        return Sample(ramp, std::sqrt(u * u + v * v));
    };
}

}  // namespace kvx::art
