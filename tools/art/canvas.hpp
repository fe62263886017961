#pragma once
// A floating-point RGBA canvas with anti-aliased shape fills and the usual effects.
#include <string>
#include <vector>

#include "colour.hpp"
#include "paint.hpp"
#include "platform/pixmap.hpp"
#include "shape.hpp"

namespace kvx::art {

// How a canvas is stored: with an alpha channel, or opaque.
enum class Layout { Rgba, Rgb };

class Canvas {
public:
    Canvas(int width, int height, Rgba background = {});

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Composites the paint over the canvas where the shape covers it; the
    // paint's own alpha and `opacity` scale the coverage.
    void Fill(const Shape& shape, const Paint& paint, float opacity = 1.0f);
    void Fill(const Shape& shape, Rgba colour, float opacity = 1.0f);
    void Cover(const Paint& paint, float opacity = 1.0f);

    // A soft copy of the shape, offset and blurred by about `blur` pixels.
    void DropShadow(const Shape& shape, float dx, float dy, float blur, Rgba colour);
    // A halo outside the shape fading out over `radius` pixels.
    void Glow(const Shape& shape, float radius, Rgba colour);
    // Inner edges lit from the top left: `light` where the outline faces the
    // light, `dark` where it faces away, fading over `depth` pixels inward.
    void Bevel(const Shape& shape, float depth, Rgba light, Rgba dark);

    void Draw(const Canvas& source, int x, int y, float opacity = 1.0f);
    Canvas Crop(int x, int y, int width, int height) const;

    // 8-bit pixels. Rgb: flattened over black, alpha 255. Rgba: fully
    // transparent pixels become 0. Visible pixels are never exactly black,
    // because masked loading turns black into transparency. `dither` adds
    // half-step noise against banding in large gradients.
    Pixmap ToPixmap(Layout layout, bool dither = false) const;

private:
    void Blend(int x, int y, const Rgba& colour, float alpha);

    int width_;
    int height_;
    std::vector<Rgba> pixels_;  // premultiplied
};

bool SavePng(const Canvas& canvas, Layout layout, const std::string& path, bool dither = false);

}  // namespace kvx::art
