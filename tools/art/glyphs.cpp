#include "glyphs.hpp"

#include <algorithm>

namespace kvx::art {

Shape ArrowHead(Point c, float size, Direction direction) {
    const float rounding = size * 0.08f;
    const float h = size * 0.5f - rounding, w = size * 0.32f - rounding;
    Shape up = Polygon({{c.x, c.y - w}, {c.x + h, c.y + w}, {c.x - h, c.y + w}});
    float angle = 0;
    switch (direction) {
        case Direction::Up: angle = 0; break;
        case Direction::Right: angle = 90; break;
        case Direction::Down: angle = 180; break;
        case Direction::Left: angle = 270; break;
    }
    return Grow(Rotate(up, c, angle), rounding);
}

Shape Tick(Point c, float size, float halfWidth) {
    return Polyline({{c.x - 0.36f * size, c.y + 0.02f * size},
                     {c.x - 0.1f * size, c.y + 0.28f * size},
                     {c.x + 0.38f * size, c.y - 0.3f * size}},
                    halfWidth);
}

Shape Cross(Point c, float size, float halfWidth) {
    const float r = size * 0.5f - halfWidth;
    return Union({Segment({c.x - r, c.y - r}, {c.x + r, c.y + r}, halfWidth),
                  Segment({c.x + r, c.y - r}, {c.x - r, c.y + r}, halfWidth)});
}

Shape QuestionMark(Point c, float height, float halfWidth) {
    const float top = c.y - height / 2, bottom = c.y + height / 2;
    const float dotRadius = halfWidth * 1.2f, gap = std::max(halfWidth, 0.08f * height);
    const Point dot{c.x, bottom - dotRadius};
    const float radius = height * 0.21f;
    const Point hook{c.x, top + halfWidth + radius};
    const Point hookEnd{hook.x + radius * 0.7071f, hook.y + radius * 0.7071f};
    const float stemEnd = dot.y - dotRadius - gap - halfWidth;
    return Union({Arc(hook, radius, 180, 405, halfWidth),
                  Polyline({hookEnd, {c.x, std::min(stemEnd, hookEnd.y + radius * 0.5f)}, {c.x, stemEnd}}, halfWidth),
                  Circle(dot, dotRadius)});
}

Shape ExclamationMark(Point c, float height, float halfWidth) {
    const float r = halfWidth * 0.35f;
    const float dotRadius = halfWidth * 1.1f, gap = std::max(halfWidth, 0.08f * height);
    const Point dot{c.x, c.y + height / 2 - dotRadius};
    const float top = c.y - height / 2 + r, bottom = dot.y - dotRadius - gap - r;
    return Union({Grow(Polygon({{c.x - halfWidth * 1.1f + r, top},
                                {c.x + halfWidth * 1.1f - r, top},
                                {c.x + halfWidth * 0.7f - r, bottom},
                                {c.x - halfWidth * 0.7f + r, bottom}}),
                       r),
                  Circle(dot, dotRadius)});
}

Padlock MakePadlock(Point c, float size) {
    const float bodyTop = c.y - 0.04f * size;
    const float shackleRadius = 0.2f * size, shackleHalf = 0.07f * size;
    const Point shackleCentre{c.x, c.y - 0.16f * size};
    Padlock lock;
    lock.body = RoundRect(c.x - 0.36f * size, bodyTop, c.x + 0.36f * size, c.y + 0.44f * size, 0.1f * size);
    lock.shackle =
        Union({Arc(shackleCentre, shackleRadius, 180, 360, shackleHalf),
               Segment({c.x - shackleRadius, shackleCentre.y}, {c.x - shackleRadius, bodyTop}, shackleHalf),
               Segment({c.x + shackleRadius, shackleCentre.y}, {c.x + shackleRadius, bodyTop}, shackleHalf)});
    lock.keyhole = Union({Circle({c.x, c.y + 0.14f * size}, 0.075f * size),
                          Segment({c.x, c.y + 0.14f * size}, {c.x, c.y + 0.28f * size}, 0.035f * size)});
    return lock;
}

}  // namespace kvx::art
