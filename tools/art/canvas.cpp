#include "canvas.hpp"

#include <algorithm>
#include <cmath>

#include "noise.hpp"

namespace kvx::art {
namespace {

constexpr int kSubsamples = 4;

float SmoothStep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

uint32_t Quantise(float value, float noise) {
    return uint32_t(std::clamp(std::lround(value * 255.0f + noise), 0L, 255L));
}

// Anti-aliased coverage (0..1) of the pixel at (x, y) by the shape.
float Coverage(const Shape& shape, int x, int y) {
    const float cx = x + 0.5f, cy = y + 0.5f;
    const float centre = shape(cx, cy);
    if (centre >= 1.0f) return 0.0f;
    if (centre <= -1.0f) return 1.0f;
    float sum = 0;
    for (int j = 0; j < kSubsamples; ++j) {
        for (int i = 0; i < kSubsamples; ++i) {
            const float sx = cx + (i + 0.5f) / kSubsamples - 0.5f, sy = cy + (j + 0.5f) / kSubsamples - 0.5f;
            sum += std::clamp(0.5f - shape(sx, sy) * kSubsamples, 0.0f, 1.0f);
        }
    }
    return sum / (kSubsamples * kSubsamples);
}

}  // namespace

Canvas::Canvas(int width, int height, Rgba background)
    : width_(width),
      height_(height),
      pixels_(size_t(width) * size_t(height), Rgba{background.r * background.a, background.g * background.a,
                                                   background.b * background.a, background.a}) {}

void Canvas::Blend(int x, int y, const Rgba& colour, float alpha) {
    alpha = std::clamp(alpha * colour.a, 0.0f, 1.0f);
    if (alpha <= 0) return;
    Rgba& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    const float keep = 1 - alpha;
    p = {colour.r * alpha + p.r * keep, colour.g * alpha + p.g * keep, colour.b * alpha + p.b * keep,
         alpha + p.a * keep};
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float coverage = Coverage(shape, x, y);
            if (coverage > 0) Blend(x, y, paint(x + 0.5f, y + 0.5f), coverage * opacity);
        }
    }
}

void Canvas::Fill(const Shape& shape, Rgba colour, float opacity) { Fill(shape, Solid(colour), opacity); }

void Canvas::Cover(const Paint& paint, float opacity) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) Blend(x, y, paint(x + 0.5f, y + 0.5f), opacity);
}

void Canvas::DropShadow(const Shape& shape, float dx, float dy, float blur, Rgba colour) {
    blur = std::max(blur, 0.5f);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float d = shape(x + 0.5f - dx, y + 0.5f - dy);
            Blend(x, y, colour, 1 - SmoothStep(-blur, blur, d));
        }
    }
}

void Canvas::Glow(const Shape& shape, float radius, Rgba colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float d = shape(x + 0.5f, y + 0.5f);
            if (d <= -1.0f || d >= radius) continue;
            const float fade = 1 - SmoothStep(0, radius, std::max(d, 0.0f));
            Blend(x, y, colour, fade * fade * (1 - Coverage(shape, x, y)));
        }
    }
}

void Canvas::Bevel(const Shape& shape, float depth, Rgba light, Rgba dark) {
    constexpr float kStep = 0.25f;
    const float lightX = -0.35f, lightY = -0.94f;  // towards the light: up and a little left
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float d = shape(px, py);
            if (d >= 1.0f || d <= -depth - 1.0f) continue;
            float gx = shape(px + kStep, py) - shape(px - kStep, py);
            float gy = shape(px, py + kStep) - shape(px, py - kStep);
            const float length = std::sqrt(gx * gx + gy * gy);
            if (length <= 0) continue;
            gx /= length;
            gy /= length;
            const float facing = gx * lightX + gy * lightY;
            const float band = 1 - SmoothStep(0, depth, std::max(-d, 0.0f));
            const float weight = band * Coverage(shape, x, y);
            if (facing > 0)
                Blend(x, y, light, weight * facing);
            else
                Blend(x, y, dark, weight * -facing);
        }
    }
}

void Canvas::Draw(const Canvas& source, int x, int y, float opacity) {
    for (int sy = 0; sy < source.height_; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= height_) continue;
        for (int sx = 0; sx < source.width_; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= width_) continue;
            const Rgba& s = source.pixels_[size_t(sy) * size_t(source.width_) + size_t(sx)];
            if (s.a <= 0) continue;
            Blend(tx, ty, {s.r / s.a, s.g / s.a, s.b / s.a, 1.0f}, s.a * opacity);
        }
    }
}

Canvas Canvas::Crop(int x, int y, int width, int height) const {
    Canvas out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (x + i >= 0 && x + i < width_ && y + j >= 0 && y + j < height_)
                out.pixels_[size_t(j) * size_t(width) + size_t(i)] =
                    pixels_[size_t(y + j) * size_t(width_) + size_t(x + i)];
    return out;
}

Pixmap Canvas::ToPixmap(Layout layout, bool dither) const {
    Pixmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
            const float noise = dither ? Hash(x, y, 0x5EEDu) - 0.5f : 0.0f;
            uint32_t a = 255, r, g, b;
            if (layout == Layout::Rgb) {
                r = Quantise(p.r, noise), g = Quantise(p.g, noise), b = Quantise(p.b, noise);
            } else {
                a = Quantise(p.a, 0);
                if (a == 0) continue;
                r = Quantise(p.r / p.a, noise), g = Quantise(p.g / p.a, noise), b = Quantise(p.b / p.a, noise);
            }
            if ((r | g | b) == 0) r = g = b = 1;
            out.at(x, y) = a << 24 | r << 16 | g << 8 | b;
        }
    }
    return out;
}

bool SavePng(const Canvas& canvas, Layout layout, const std::string& path, bool dither) {
    return SavePixmapPNG(canvas.ToPixmap(layout, dither), path, layout == Layout::Rgba);
}

}  // namespace kvx::art
