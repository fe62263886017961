#pragma once
// Shapes as signed distance functions: distance in pixels to the outline,
// negative inside. Pixel (x, y) has its centre at (x + 0.5, y + 0.5).
#include <functional>
#include <vector>

namespace kvx::art {

using Shape = std::function<float(float x, float y)>;

struct Point {
    float x = 0, y = 0;
};

struct Corners {
    float topLeft = 0, topRight = 0, bottomRight = 0, bottomLeft = 0;
    Corners() = default;
    Corners(float all) : topLeft(all), topRight(all), bottomRight(all), bottomLeft(all) {}
    Corners(float tl, float tr, float br, float bl) : topLeft(tl), topRight(tr), bottomRight(br), bottomLeft(bl) {}
};

Shape Circle(Point centre, float radius);
Shape Ellipse(Point centre, float radiusX, float radiusY);
Shape RoundRect(float left, float top, float right, float bottom, Corners radius = {});
// A stroke of the given half width with round ends.
Shape Segment(Point from, Point to, float halfWidth);
Shape Polyline(const std::vector<Point>& points, float halfWidth);
Shape Polygon(std::vector<Point> points);
// Angles in degrees, 0 = +x, 90 = +y (down); the arc runs from `from` to `to` increasing.
Shape Arc(Point centre, float radius, float from, float to, float halfWidth);

Shape Union(std::vector<Shape> shapes);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape cut);
// Positive amount grows the shape and rounds its corners; negative shrinks it.
Shape Grow(Shape shape, float amount);
// A band of the given half width centred on the shape's outline.
Shape Outline(Shape shape, float halfWidth);
Shape Translate(Shape shape, float dx, float dy);
Shape Rotate(Shape shape, Point centre, float degrees);

}  // namespace kvx::art
