#include <vector>

#include "demos.hpp"
#include "tools/art/theme.hpp"

namespace kvx {
namespace {

using namespace art;

Shape Gear(Point c, float radius) {
    std::vector<Shape> parts{Circle(c, radius * 0.74f)};
    const Shape tooth = RoundRect(c.x - radius * 0.2f, c.y - radius, c.x + radius * 0.2f, c.y, radius * 0.08f);
    for (int i = 0; i < 8; ++i) parts.push_back(Rotate(tooth, c, 45.0f * i));
    return Subtract(Union(std::move(parts)), Circle(c, radius * 0.3f));
}

}  // namespace

// A rounded tile with an engraved gear: the gear is darker than the face, so a
// white caption stays readable across it, and the tile survives stretching.
Canvas IconButton(Look look) {
    Canvas image(64, 64);
    const Shape face = RoundRect(1.5f, 1.5f, 62.5f, 61.0f, 10);
    image.DropShadow(face, 0, 1.5f, 1.5f, theme::kShadow);
    PaintControl(image, face, 1.5f, 61, look);
    image.Fill(Intersect(Grow(face, -2), Ellipse({32, 6}, 40, 24)),
               Rgb8(255, 255, 255, look == Look::Pressed ? 0.03f : 0.08f));

    const float shift = look == Look::Pressed ? 1.0f : 0.0f;
    const Shape gear = Gear({32 + shift, 31 + shift}, 19);
    const Rgba fill = look == Look::Hover     ? Rgb8(0, 62, 104)
                      : look == Look::Pressed ? Rgb8(12, 20, 34)
                                              : Rgb8(30, 34, 42);
    image.Fill(Translate(gear, 0, 1.2f), Rgb8(255, 255, 255, look == Look::Pressed ? 0.08f : 0.16f));
    image.Fill(gear, fill);
    image.Bevel(gear, 2.5f, Rgb8(0, 0, 0, 0.5f),
                look == Look::Hover ? WithAlpha(theme::kSelectionLight, 0.9f) : Rgb8(255, 255, 255, 0.2f));
    return image;
}

}  // namespace kvx
