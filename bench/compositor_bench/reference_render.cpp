#include "reference_render.hpp"

#include <algorithm>
#include <cmath>

#include "support/reference_compositor.hpp"

namespace kvx::bench {
namespace {

class ReferenceFrame {
public:
    explicit ReferenceFrame(Intermediate intermediate)
        : channels_(size_t(kWidth) * kHeight * 3, 0.0), round_(intermediate == Intermediate::Rounded) {}

    // BlendPixel takes an integer destination. Alpha blending is affine in the destination, so
    // two calls (onto black and onto white) give the offset and the weight for a real-valued one.
    void Blend(int x, int y, uint32_t source, const Tint& tint) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
        const reference::Paint paint{tint.r / 255.0, tint.g / 255.0, tint.b / 255.0, double(tint.alpha), 3};
        double onBlack[3], onWhite[3];
        reference::BlendPixel(source, 0x000000u, paint, onBlack);
        reference::BlendPixel(source, 0xFFFFFFu, paint, onWhite);
        double* out = &channels_[(size_t(y) * kWidth + x) * 3];
        for (int c = 0; c < 3; ++c) {
            out[c] = onBlack[c] + out[c] * (onWhite[c] - onBlack[c]) / 255.0;
            if (round_) out[c] = std::round(out[c]);
        }
    }

    void Box(int x, int y, int w, int h, const Tint& tint) {
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx) Blend(xx, yy, 0xFFFFFFFFu, tint);
    }

    std::vector<double> Take() { return std::move(channels_); }

private:
    std::vector<double> channels_;
    bool round_;
};

}  // namespace

std::vector<double> RenderReference(const Scene& scene, Intermediate intermediate) {
    ReferenceFrame frame(intermediate);
    for (const Draw& d : scene.draws) {
        switch (d.kind) {
            case DrawKind::Image: {
                const Pixmap& p = *scene.images[size_t(d.image)].pixels;
                for (int y = 0; y < p.height; ++y)
                    for (int x = 0; x < p.width; ++x) frame.Blend(d.x + x, d.y + y, p.at(x, y), d.tint);
                break;
            }
            case DrawKind::Rect:
            case DrawKind::Line: frame.Box(d.x, d.y, d.w, d.h, d.tint); break;
            case DrawKind::Text:
                for (const PlacedGlyph& g : d.glyphs) {
                    const Glyph& glyph = scene.font->glyphs[g.code];
                    for (int y = 0; y < glyph.height; ++y)
                        for (int x = 0; x < glyph.width; ++x) {
                            const uint32_t coverage = glyph.coverage[size_t(y * glyph.width + x)];
                            frame.Blend(g.x + x, g.y + y, coverage << 24 | 0xFFFFFFu, d.tint);
                        }
                }
                break;
        }
    }
    return frame.Take();
}

Difference MaxChannelDifference(const std::vector<uint32_t>& frame, const std::vector<double>& reference) {
    Difference worst;
    for (size_t i = 0; i < frame.size(); ++i) {
        const double error = reference::ChannelError(frame[i], &reference[i * 3]);
        if (error > worst.channels) worst = {error, int(i % kWidth), int(i / kWidth)};
    }
    return worst;
}

}  // namespace kvx::bench
