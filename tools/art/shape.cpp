#include "shape.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace kvx::art {
namespace {

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

float SegmentDistance(Point p, Point a, Point b) {
    const float px = p.x - a.x, py = p.y - a.y, bx = b.x - a.x, by = b.y - a.y;
    const float lengthSquared = bx * bx + by * by;
    const float t = lengthSquared > 0 ? std::clamp((px * bx + py * by) / lengthSquared, 0.0f, 1.0f) : 0.0f;
    return Length(px - bx * t, py - by * t);
}

float Radians(float degrees) { return degrees * std::numbers::pi_v<float> / 180.0f; }

}  // namespace

Shape Circle(Point c, float radius) {
    return [=](float x, float y) { return Length(x - c.x, y - c.y) - radius; };
}

Shape Ellipse(Point c, float radiusX, float radiusY) {
    const float smaller = std::min(radiusX, radiusY);
    return [=](float x, float y) { return (Length((x - c.x) / radiusX, (y - c.y) / radiusY) - 1.0f) * smaller; };
}

Shape RoundRect(float left, float top, float right, float bottom, Corners radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2, hy = (bottom - top) / 2;
    return [=](float x, float y) {
        const float px = x - cx, py = y - cy;
        float r =
            px > 0 ? (py > 0 ? radius.bottomRight : radius.topRight) : (py > 0 ? radius.bottomLeft : radius.topLeft);
        r = std::min({r, hx, hy});
        const float qx = std::abs(px) - hx + r, qy = std::abs(py) - hy + r;
        return std::min(std::max(qx, qy), 0.0f) + Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) - r;
    };
}

Shape Segment(Point from, Point to, float halfWidth) {
    return [=](float x, float y) { return SegmentDistance({x, y}, from, to) - halfWidth; };
}

Shape Polyline(const std::vector<Point>& points, float halfWidth) {
    return [points, halfWidth](float x, float y) {
        float best = 1e9f;
        for (size_t i = 1; i < points.size(); ++i)
            best = std::min(best, SegmentDistance({x, y}, points[i - 1], points[i]));
        return best - halfWidth;
    };
}

Shape Polygon(std::vector<Point> points) {
    return [points = std::move(points)](float x, float y) {
        const size_t n = points.size();
        float best = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = points[j], b = points[i];
            best = std::min(best, SegmentDistance({x, y}, a, b));
            if ((b.y > y) != (a.y > y) && x < (a.x - b.x) * (y - b.y) / (a.y - b.y) + b.x) inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Arc(Point c, float radius, float from, float to, float halfWidth) {
    const Point start{c.x + radius * std::cos(Radians(from)), c.y + radius * std::sin(Radians(from))};
    const Point end{c.x + radius * std::cos(Radians(to)), c.y + radius * std::sin(Radians(to))};
    return [=](float x, float y) {
        float angle = std::atan2(y - c.y, x - c.x) * 180.0f / std::numbers::pi_v<float>;
        angle = std::fmod(angle - from + 720.0f, 360.0f);
        if (angle <= to - from) return std::abs(Length(x - c.x, y - c.y) - radius) - halfWidth;
        return std::min(Length(x - start.x, y - start.y), Length(x - end.x, y - end.y)) - halfWidth;
    };
}

Shape Union(std::vector<Shape> shapes) {
    return [shapes = std::move(shapes)](float x, float y) {
        float best = 1e9f;
        for (const Shape& shape : shapes) best = std::min(best, shape(x, y));
        return best;
    };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape cut) {
    return [a = std::move(a), cut = std::move(cut)](float x, float y) { return std::max(a(x, y), -cut(x, y)); };
}

Shape Grow(Shape shape, float amount) {
    return [shape = std::move(shape), amount](float x, float y) { return shape(x, y) - amount; };
}

Shape Outline(Shape shape, float halfWidth) {
    return [shape = std::move(shape), halfWidth](float x, float y) { return std::abs(shape(x, y)) - halfWidth; };
}

Shape Translate(Shape shape, float dx, float dy) {
    return [shape = std::move(shape), dx, dy](float x, float y) { return shape(x - dx, y - dy); };
}

Shape Rotate(Shape shape, Point c, float degrees) {
    const float cs = std::cos(Radians(-degrees)), sn = std::sin(Radians(-degrees));
    return [shape = std::move(shape), c, cs, sn](float x, float y) {
        const float dx = x - c.x, dy = y - c.y;
        return shape(c.x + dx * cs - dy * sn, c.y + dx * sn + dy * cs);
    };
}

}  // namespace kvx::art
