#include "parts.hpp"
#include "tools/art/glyphs.hpp"

namespace kvx {
namespace {

using namespace art;

// A glossy badge with a soft shadow, a rim, a top sheen and its mark.
Canvas Badge(const Shape& badge, Rgba light, Rgba dark, Rgba rim, const Shape& mark, Rgba markColour) {
    Canvas image(64, 64);
    image.DropShadow(badge, 0, 2.0f, 2.5f, Rgb8(0, 0, 0, 0.5f));
    image.Fill(badge, RadialGradient(24, 16, 48, 48, {{0, light}, {1, dark}}));
    image.Bevel(Grow(badge, -1.5f), 4.0f, Rgb8(255, 255, 255, 0.35f), Rgb8(0, 0, 0, 0.25f));
    image.Fill(Intersect(Grow(badge, -4), Ellipse({32, 14}, 24, 13)),
               VerticalGradient(2, 26, {{0, Rgb8(255, 255, 255, 0.35f)}, {1, Rgb8(255, 255, 255, 0)}}));
    image.Fill(Subtract(badge, Grow(badge, -1.5f)), rim);
    image.DropShadow(mark, 0, 1.5f, 1.2f, Rgb8(0, 0, 0, 0.4f));
    image.Fill(mark, markColour);
    return image;
}

Canvas Ask() {
    return Badge(Circle({32, 31}, 27), Rgb8(92, 186, 240), Rgb8(0, 84, 140), Rgb8(0, 52, 90),
                 QuestionMark({32, 32}, 36, 3.6f), Rgb8(255, 255, 255));
}

Canvas Warning() {
    const Shape triangle = Grow(Polygon({{32, 8}, {57, 53}, {7, 53}}), 4.0f);
    return Badge(triangle, Rgb8(255, 214, 90), Rgb8(226, 128, 0), Rgb8(128, 70, 0), ExclamationMark({32, 38}, 28, 3.2f),
                 Rgb8(48, 32, 8));
}

Canvas Alert() {
    return Badge(Circle({32, 31}, 27), Rgb8(250, 120, 104), Rgb8(160, 22, 22), Rgb8(96, 12, 12),
                 Cross({32, 31}, 24, 3.6f), Rgb8(255, 255, 255));
}

}  // namespace

void WriteMessageSymbols(SkinWriter& out) {
    out.SkinImage("Messagebox_Ask.png", Ask(), Layout::Rgba);
    out.SkinImage("Messagebox_Warning.png", Warning(), Layout::Rgba);
    out.SkinImage("Messagebox_Alert.png", Alert(), Layout::Rgba);
}

}  // namespace kvx
