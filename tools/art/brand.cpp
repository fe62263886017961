#include "brand.hpp"

#include <cmath>
#include <numbers>
#include <vector>

namespace kvx::art {

Emblem MakeEmblem(Point c, float radius) {
    const float rounding = radius * 0.14f;
    std::vector<Point> corners;
    for (int i = 0; i < 6; ++i) {
        const float angle = (-90.0f + 60.0f * i) * std::numbers::pi_v<float> / 180.0f;
        corners.push_back({c.x + (radius - rounding) * std::cos(angle), c.y + (radius - rounding) * std::sin(angle)});
    }
    const float half = radius * 0.1f;
    const float top = c.y - radius * 0.42f, bottom = c.y + radius * 0.42f;
    return {Grow(Polygon(corners), rounding), Segment({c.x - radius * 0.3f, top}, {c.x - radius * 0.3f, bottom}, half),
            Polyline({{c.x + radius * 0.32f, top}, {c.x - radius * 0.06f, c.y}, {c.x + radius * 0.32f, bottom}}, half)};
}

Wordmark MakeWordmark(Point origin, float capHeight, float halfWidth) {
    // Centre lines of a geometric monoline face; x-height and spacing follow the cap height.
    const float cap = capHeight - 2 * halfWidth;
    const float xh = cap * 0.7f;
    const float gap = capHeight * 0.2f + 2 * halfWidth;
    const float base = origin.y - halfWidth;
    float x = origin.x + halfWidth;
    std::vector<Shape> strokes;

    // K
    const float kTop = base - cap, kWidth = cap * 0.62f;
    strokes.push_back(Segment({x, kTop}, {x, base}, halfWidth));
    const Point armTop{x + kWidth, kTop}, armFoot{x + halfWidth * 0.5f, base - cap * 0.38f};
    const Point join{armTop.x + (armFoot.x - armTop.x) * 0.58f, armTop.y + (armFoot.y - armTop.y) * 0.58f};
    strokes.push_back(Segment(armTop, armFoot, halfWidth));
    strokes.push_back(Segment(join, {x + kWidth + halfWidth * 0.3f, base}, halfWidth));
    x += kWidth + gap;

    // o
    const float r = xh * 0.5f;
    strokes.push_back(Arc({x + r, base - r}, r, 0, 360, halfWidth));
    x += 2 * r + gap;

    // r
    strokes.push_back(Segment({x, base - xh}, {x, base}, halfWidth));
    strokes.push_back(Arc({x + r * 0.95f, base - xh + r * 0.95f}, r * 0.95f, 180, 300, halfWidth));
    x += r * 1.45f + gap * 0.8f;

    // v
    strokes.push_back(Polyline({{x, base - xh}, {x + xh * 0.45f, base}, {x + xh * 0.9f, base - xh}}, halfWidth));
    x += xh * 0.9f + gap;

    // e
    strokes.push_back(Segment({x, base - r}, {x + 2 * r, base - r}, halfWidth));
    strokes.push_back(Arc({x + r, base - r}, r, 40, 360, halfWidth));
    x += 2 * r + gap;

    // x
    strokes.push_back(Segment({x, base - xh}, {x + xh * 0.85f, base}, halfWidth));
    strokes.push_back(Segment({x + xh * 0.85f, base - xh}, {x, base}, halfWidth));
    x += xh * 0.85f;

    return {Union(std::move(strokes)), x + halfWidth - origin.x};
}

}  // namespace kvx::art
