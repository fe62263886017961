// Signed distances of the artwork shapes, their combinations, and the glyphs built from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/art/brand.hpp"
#include "tools/art/glyphs.hpp"
#include "tools/art/shape.hpp"

namespace kvx::art {
namespace {

TEST(ArtShapes, BasicShapesMeasureTrueDistances) {
    const Shape circle = Circle({10, 10}, 4);
    EXPECT_FLOAT_EQ(circle(10, 10), -4);
    EXPECT_NEAR(circle(14, 10), 0, 1e-5);
    EXPECT_NEAR(circle(13, 14), 1, 1e-5);  // 5 from the centre

    const Shape box = RoundRect(0, 0, 10, 6, 2);
    EXPECT_NEAR(box(5, 3), -3, 1e-5);
    EXPECT_NEAR(box(5, -1), 1, 1e-5);
    EXPECT_NEAR(box(12, 3), 2, 1e-5);
    // Beyond a rounded corner the distance is measured from the corner's circle.
    EXPECT_NEAR(box(11, 7), std::sqrt(3.0f * 3.0f + 3.0f * 3.0f) - 2, 1e-4);
    const Shape square = RoundRect(0, 0, 10, 6);
    EXPECT_NEAR(square(11, 7), std::sqrt(2.0f), 1e-5);
    const Shape topRounded = RoundRect(0, 0, 10, 10, Corners(3, 3, 0, 0));
    EXPECT_GT(topRounded(0.3f, 0.3f), 0);  // cut away at the top
    EXPECT_LT(topRounded(0.3f, 9.7f), 0);  // square at the bottom

    const Shape stroke = Segment({0, 0}, {10, 0}, 1);
    EXPECT_NEAR(stroke(5, 3), 2, 1e-5);
    EXPECT_NEAR(stroke(13, 4), 4, 1e-5);  // from the round end

    const Shape triangle = Polygon({{0, 0}, {10, 0}, {0, 10}});
    EXPECT_NEAR(triangle(2, 1), -1, 1e-5);
    EXPECT_NEAR(triangle(5, -2), 2, 1e-5);
    EXPECT_GT(triangle(6, 6), 0);

    const Shape arc = Arc({0, 0}, 10, 0, 90, 1);  // from +x round to +y (downwards)
    EXPECT_NEAR(arc(0, 10), -1, 1e-4);
    EXPECT_NEAR(arc(7.0710678f, 7.0710678f), -1, 1e-4);
    EXPECT_NEAR(arc(0, -10), std::sqrt(200.0f) - 1, 1e-3);  // outside the sweep: nearest end
    // A sweep across 0 degrees leaves its gap where it should: between 0 and 40.
    const Shape open = Arc({0, 0}, 10, 40, 360, 1);
    EXPECT_LT(open(10, 0), 0);
    EXPECT_LT(open(0, -10), 0);
    EXPECT_NEAR(open(9.3969f, 3.4202f), 2 * 10 * std::sin(10 * 3.14159265f / 180) - 1, 1e-3);
}

TEST(ArtShapes, CombinationsAndTransforms) {
    const Shape a = Circle({0, 0}, 2), b = Circle({10, 0}, 2);
    const Shape both = Union({a, b});
    EXPECT_LT(both(0, 0), 0);
    EXPECT_LT(both(10, 0), 0);
    EXPECT_NEAR(both(5, 0), 3, 1e-5);

    const Shape donut = Subtract(Circle({0, 0}, 5), Circle({0, 0}, 2));
    EXPECT_GT(donut(0, 0), 0);
    EXPECT_LT(donut(3.5f, 0), 0);
    EXPECT_GT(Intersect(a, b)(1, 0), 0);

    EXPECT_NEAR(Grow(a, 1)(3, 0), 0, 1e-5);
    EXPECT_NEAR(Outline(a, 0.5f)(2, 0), -0.5f, 1e-5);
    EXPECT_GT(Outline(a, 0.5f)(0, 0), 0);
    EXPECT_NEAR(Translate(a, 5, 5)(5, 5), -2, 1e-5);

    const Shape bar = Segment({0, 0}, {10, 0}, 1);
    const Shape turned = Rotate(bar, {0, 0}, 90);  // now pointing down (+y)
    EXPECT_LT(turned(0, 8), 0);
    EXPECT_GT(turned(8, 0), 0);
}

struct Box {
    float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
};

// The bounding box of a shape's inside, found on a fine grid over the given area.
Box Extent(const Shape& shape, float left, float top, float right, float bottom) {
    Box box;
    for (float y = top; y <= bottom; y += 0.125f) {
        for (float x = left; x <= right; x += 0.125f) {
            if (shape(x, y) >= 0) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    }
    return box;
}

// How far a shape reaches from a point in one direction.
float Reach(const Shape& shape, Point centre, float dx, float dy) {
    float best = 0;
    for (float t = 0; t < 20; t += 0.05f)
        if (shape(centre.x + dx * t, centre.y + dy * t) < 0) best = t;
    return best;
}

TEST(ArtGlyphs, ArrowHeadsPointTheirWayAndMarksAreCentred) {
    const Point c{20, 20};
    struct {
        Direction direction;
        float dx, dy;
    } cases[] = {{Direction::Up, 0, -1}, {Direction::Down, 0, 1}, {Direction::Left, -1, 0}, {Direction::Right, 1, 0}};
    for (const auto& [direction, dx, dy] : cases) {
        const Shape arrow = ArrowHead(c, 10, direction);
        EXPECT_LT(arrow(c.x, c.y), 0);
        // The tip is narrow: just behind it the arrow is thinner than near its base.
        const float forward = Reach(arrow, c, dx, dy), backward = Reach(arrow, c, -dx, -dy);
        EXPECT_NEAR(forward, backward, 0.5f);
        const Point nearTip{c.x + dx * forward * 0.7f, c.y + dy * forward * 0.7f};
        const Point nearBase{c.x - dx * backward * 0.7f, c.y - dy * backward * 0.7f};
        EXPECT_LT(Reach(arrow, nearTip, dy, dx), Reach(arrow, nearBase, dy, dx));
        EXPECT_LE(Reach(arrow, c, dy, dx), 5.01f);  // never wider than its size
    }
    const Shape tick = Tick(c, 10, 1);
    EXPECT_LT(tick(c.x + 3.8f, c.y - 3), 0);  // the long arm ends high on the right
    EXPECT_LT(tick(c.x - 3.6f, c.y + 0.2f), 0);
    EXPECT_GT(tick(c.x - 3.6f, c.y - 3), 0);
    for (const Shape& mark : {Cross(c, 10, 1), QuestionMark(c, 10, 1), ExclamationMark(c, 10, 1)}) {
        const Box box = Extent(mark, c.x - 10, c.y - 10, c.x + 10, c.y + 10);
        EXPECT_NEAR(box.top, c.y - 5, 0.2f);
        EXPECT_NEAR(box.bottom, c.y + 5, 0.2f);
        EXPECT_NEAR((box.left + box.right) / 2, c.x, 0.6f);
    }
    // The dot stands apart from the stroke above it.
    for (const Shape& mark : {QuestionMark(c, 10, 1), ExclamationMark(c, 10, 1)}) {
        float y = c.y + 4.9f;
        ASSERT_LT(mark(c.x, y), 0);
        while (y > c.y - 5 && mark(c.x, y) < 0) y -= 0.1f;  // up through the dot
        const float gapBottom = y;
        while (y > c.y - 5 && mark(c.x, y) >= 0) y -= 0.1f;  // up through the gap
        EXPECT_GT(gapBottom - y, 0.8f);
        EXPECT_GT(y, c.y - 5);
    }
    const Padlock lock = MakePadlock(c, 10);
    EXPECT_LT(lock.body(c.x, c.y + 2), 0);
    EXPECT_LT(lock.keyhole(c.x, c.y + 1.5f), 0);
    EXPECT_GT(lock.shackle(c.x, c.y - 1.6f), 0);  // the opening under the shackle's arc
}

TEST(ArtBrand, WordmarkAndEmblemStayWithinTheirBounds) {
    const float cap = 40, half = 4;
    const Wordmark word = MakeWordmark({10, 100}, cap, half);
    const Box box = Extent(word.letters, 0, 40, 300, 120);
    EXPECT_NEAR(box.left, 10, 0.5f);
    EXPECT_NEAR(box.right, 10 + word.width, 0.5f);
    EXPECT_NEAR(box.bottom, 100, 0.5f);
    EXPECT_NEAR(box.top, 100 - cap, 0.5f);
    // Doubling every size doubles the width.
    EXPECT_NEAR(MakeWordmark({0, 0}, 2 * cap, 2 * half).width, 2 * word.width, 1e-3f);

    const Emblem emblem = MakeEmblem({50, 50}, 30);
    EXPECT_LT(emblem.badge(50, 50), 0);
    EXPECT_NEAR(emblem.badge(50, 20), 0, 0.8f);  // a corner points straight up
    EXPECT_GT(emblem.badge(50, 81), 0);
    // The letter lies well inside the badge.
    const Shape letter = Union({emblem.stem, emblem.chevron});
    const Box mark = Extent(letter, 0, 0, 100, 100);
    EXPECT_LT(mark.bottom - mark.top, 30 * 1.2f);
    for (float y = 0; y < 100; y += 0.5f)
        for (float x = 0; x < 100; x += 0.5f)
            if (letter(x, y) < 0) {
                ASSERT_LT(emblem.badge(x, y), -3) << x << "," << y;
            }
}

}  // namespace
}  // namespace kvx::art
