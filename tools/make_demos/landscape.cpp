#include <cmath>
#include <functional>
#include <vector>

#include "demos.hpp"
#include "tools/art/noise.hpp"

namespace kvx {
namespace {

using namespace art;

constexpr int kWidth = 256, kHeight = 192;
constexpr float kHorizon = 128;
constexpr Point kSun{118, kHorizon - 16};

// The area below a skyline traced every two pixels.
Shape Skyline(const std::function<float(float)>& height) {
    std::vector<Point> points{{-2, kHeight + 2.0f}};
    for (float x = -2; x <= kWidth + 2; x += 2) points.push_back({x, height(x)});
    points.push_back({kWidth + 2.0f, kHeight + 2.0f});
    return Polygon(std::move(points));
}

void Sky(Canvas& image) {
    image.Cover(VerticalGradient(
        0, kHorizon,
        {{0, Rgb8(22, 36, 80)}, {0.45f, Rgb8(80, 76, 142)}, {0.8f, Rgb8(226, 140, 120)}, {1, Rgb8(255, 196, 132)}}));
    for (int i = 0; i < 40; ++i) {
        const float x = Hash(i, 1, 7u) * kWidth, y = Hash(i, 2, 7u) * kHorizon * 0.5f;
        const float brightness = 0.35f + 0.65f * Hash(i, 3, 7u);
        image.Fill(Circle({x, y}, 0.45f + 0.35f * Hash(i, 4, 7u)),
                   Rgb8(255, 250, 235, brightness * (1 - y / (kHorizon * 0.5f))));
    }
    const Shape sun = Circle(kSun, 15);
    image.Glow(sun, 46, Rgb8(255, 214, 150, 0.55f));
    image.Fill(sun, VerticalGradient(kSun.y - 15, kSun.y + 15, {{0, Rgb8(255, 244, 200)}, {1, Rgb8(255, 176, 96)}}));
}

void Mountains(Canvas& image) {
    image.Fill(Skyline([](float x) { return kHorizon - 24 - 12 * std::sin(x / 23 + 1) - 6 * std::sin(x / 9.7f); }),
               VerticalGradient(80, kHorizon, {{0, Rgb8(140, 110, 160)}, {1, Rgb8(196, 140, 150)}}));
    image.Fill(
        Skyline([](float x) { return kHorizon - 6 - 22 * std::abs(std::sin(x / 41 + 0.4f)) - 5 * std::sin(x / 13); }),
        VerticalGradient(90, kHorizon, {{0, Rgb8(82, 68, 118)}, {1, Rgb8(118, 88, 128)}}));
}

void Lake(Canvas& image) {
    const Shape water = RoundRect(-1, kHorizon, kWidth + 1.0f, kHeight + 1.0f);
    image.Fill(water, VerticalGradient(kHorizon, kHeight,
                                       {{0, Rgb8(210, 140, 128)}, {0.35f, Rgb8(104, 82, 132)}, {1, Rgb8(28, 34, 72)}}));
    // The sun's broken reflection and a few ripples.
    for (int i = 0; i < 16; ++i) {
        const float y = kHorizon + 2 + i * 3.2f, half = 10 - i * 0.45f + 3 * Hash(i, 5, 9u);
        image.Fill(Segment({kSun.x - half, y}, {kSun.x + half, y}, 0.6f), Rgb8(255, 214, 150, 0.7f - i * 0.035f));
    }
    for (int i = 0; i < 22; ++i) {
        const float x = Hash(i, 6, 9u) * kWidth, y = kHorizon + 4 + Hash(i, 7, 9u) * (kHeight - kHorizon - 6);
        const float half = 4 + 10 * Hash(i, 8, 9u);
        image.Fill(Segment({x - half, y}, {x + half, y}, 0.45f), Rgb8(230, 200, 220, 0.18f));
    }
}

Shape Pine(Point base, float height) {
    const float w = height * 0.36f;
    return Union({Polygon({{base.x, base.y - height},
                           {base.x + w * 0.6f, base.y - height * 0.45f},
                           {base.x - w * 0.6f, base.y - height * 0.45f}}),
                  Polygon({{base.x, base.y - height * 0.7f},
                           {base.x + w, base.y - height * 0.1f},
                           {base.x - w, base.y - height * 0.1f}}),
                  RoundRect(base.x - 0.8f, base.y - height * 0.15f, base.x + 0.8f, base.y)});
}

// Banks rising towards both sides of the picture, with pines on them.
float ShoreHeight(float x) {
    return kHeight - 14 - 26 * std::exp(-x / 40.0f) - 20 * std::exp(-(kWidth - x) / 30.0f) - 2 * std::sin(x / 7);
}

void Shore(Canvas& image) {
    std::vector<Shape> parts{Skyline(ShoreHeight)};
    const struct {
        float x, height;
    } pines[] = {{8, 44}, {20, 36}, {31, 30}, {44, 22}, {58, 16}, {214, 20}, {232, 28}, {244, 36}};
    for (const auto& pine : pines) parts.push_back(Pine({pine.x, ShoreHeight(pine.x) + 3}, pine.height));
    image.Fill(Union(std::move(parts)), Rgb8(24, 24, 46));
}

}  // namespace

Canvas Landscape() {
    Canvas image(kWidth, kHeight);
    Sky(image);
    Mountains(image);
    Lake(image);
    Shore(image);
    return image;
}

}  // namespace kvx
