#include "pictures.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

namespace kvx::bench {
namespace {

constexpr int kTitleHeight = 23;
constexpr int kCapWidth = 15;
constexpr int kMiddleWidth = 86;

uint32_t Argb(int a, int r, int g, int b) {
    auto c = [](int v) { return uint32_t(std::clamp(v, 0, 255)); };
    return c(a) << 24 | c(r) << 16 | c(g) << 8 | c(b);
}

int Mix(int a, int b, double t) { return int(std::lround(a + (b - a) * t)); }

// Fraction of the pixel (x, y) inside a shape, 4x4 samples: anti-aliased edges.
double Coverage(int x, int y, const std::function<bool(double, double)>& inside) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
    return hits / 16.0;
}

// The title bar's vertical gradient, shared by its three pieces so that they join seamlessly.
uint32_t TitleColour(int y, int alpha) {
    const double t = y / double(kTitleHeight - 1);
    return Argb(alpha, Mix(70, 28, t), Mix(112, 58, t), Mix(178, 112, t));
}

}  // namespace

PixmapPtr BackgroundPicture(int width, int height) {
    auto p = std::make_shared<Pixmap>(width, height);
    for (int y = 0; y < height; ++y) {
        const double t = y / double(height - 1);
        for (int x = 0; x < width; ++x) {
            const int stripe = ((x + y) / 6) % 2 ? 3 : 0;  // a faint diagonal weave
            const double glow = 1.0 - std::min(1.0, std::hypot(x - width * 0.7, y - height * 0.3) / width);
            p->at(x, y) = Argb(255, Mix(34, 14, t) + stripe + int(18 * glow), Mix(46, 20, t) + stripe + int(22 * glow),
                               Mix(66, 32, t) + stripe + int(30 * glow));
        }
    }
    return p;
}

PixmapPtr WindowBodyPicture(int size, int hue) {
    auto p = std::make_shared<Pixmap>(size, size);
    for (int y = 0; y < size; ++y) {
        const double t = y / double(size - 1);
        for (int x = 0; x < size; ++x) {
            const bool edge = x == 0 || y == size - 1 || x == size - 1;
            const int lift = edge ? 30 : 0;
            p->at(x, y) = Argb(255, Mix(58, 44, t) + lift + hue, Mix(64, 50, t) + lift, Mix(76, 60, t) + lift - hue);
        }
    }
    return p;
}

PixmapPtr TitleCapPicture(bool right) {
    auto p = std::make_shared<Pixmap>(kCapWidth, kTitleHeight);
    constexpr double radius = 7;
    for (int y = 0; y < kTitleHeight; ++y) {
        for (int x = 0; x < kCapWidth; ++x) {
            const int ox = right ? kCapWidth - 1 - x : x;  // distance from the outer edge
            const double c = Coverage(ox, y, [](double px, double py) {
                if (px >= radius || py >= radius) return true;
                return std::hypot(px - radius, py - radius) <= radius;
            });
            p->at(x, y) = TitleColour(y, int(std::lround(c * 255)));
        }
    }
    return p;
}

PixmapPtr TitleMiddlePicture() {
    auto p = std::make_shared<Pixmap>(kMiddleWidth, kTitleHeight);
    for (int y = 0; y < kTitleHeight; ++y)
        for (int x = 0; x < kMiddleWidth; ++x) p->at(x, y) = TitleColour(y, 255);
    return p;
}

PixmapPtr TallIconPicture(int variant) {
    auto p = std::make_shared<Pixmap>(15, 23);
    const int r = 90 + 40 * variant, g = 200 - 30 * variant, b = 120 + 25 * variant;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 15; ++x) {
            // A rounded slab with a soft half-transparent rim.
            const double body = Coverage(x, y, [](double px, double py) {
                const double dx = std::max({0.0, 4 - px, px - 11}), dy = std::max({0.0, 5 - py, py - 18});
                return std::hypot(dx, dy) <= 3;
            });
            const double rim = Coverage(x, y, [](double px, double py) {
                const double dx = std::max({0.0, 3 - px, px - 12}), dy = std::max({0.0, 4 - py, py - 19});
                return std::hypot(dx, dy) <= 3;
            });
            const double a = body + (rim - body) * 0.35;
            const double shade = 1.0 - y / 40.0;
            p->at(x, y) = a > 0 ? Argb(int(std::lround(a * 255)), int(r * shade), int(g * shade), int(b * shade)) : 0;
        }
    }
    return p;
}

PixmapPtr RoundIconPicture(int variant) {
    auto p = std::make_shared<Pixmap>(20, 20);
    const int r = 230 - 35 * variant, g = 150 + 20 * variant, b = 60 + 50 * variant;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const double disc = Coverage(x, y, [](double px, double py) { return std::hypot(px - 10, py - 10) <= 7; });
            const double halo =
                Coverage(x, y, [](double px, double py) { return std::hypot(px - 10, py - 10) <= 9.5; });
            const double a = disc + (halo - disc) * 0.3;
            const double light = 1.0 + 0.25 * (1.0 - std::hypot(x - 7.0, y - 7.0) / 10.0);
            p->at(x, y) = a > 0 ? Argb(int(std::lround(a * 255)), int(r * light), int(g * light), int(b * light)) : 0;
        }
    }
    return p;
}

}  // namespace kvx::bench
