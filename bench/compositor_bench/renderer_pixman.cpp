// pixman: premultiplied a8r8g8b8 pictures composited OVER an x8r8g8b8 frame.
// Tints are solid sources: a black-tinted picture is solid black through the picture as a mask,
// a tinted glyph is the solid colour through its a8 coverage, rectangles and lines are solid boxes.
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <stdexcept>

#include "renderer.hpp"

namespace kvx::bench {
namespace {

struct ImageUnref {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, ImageUnref>;

uint32_t Premultiply(uint32_t p) {
    const uint32_t a = p >> 24;
    auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
    return a << 24 | mul((p >> 16) & 255) << 16 | mul((p >> 8) & 255) << 8 | mul(p & 255);
}

// One composite call of the frame.
struct Op {
    pixman_image_t* source;
    pixman_image_t* mask;  // may be null
    int x, y, w, h;
};

class PixmanRenderer final : public Renderer {
public:
    explicit PixmanRenderer(const Scene& scene) : frame_(size_t(kWidth) * kHeight) {
        target_ = Bits(PIXMAN_x8r8g8b8, kWidth, kHeight, frame_.data(), kWidth * 4);
        // Opaque pictures go in as x8r8g8b8, which pixman copies instead of blending.
        for (const SceneImage& image : scene.images) {
            const Pixmap& p = *image.pixels;
            std::vector<uint32_t>& bits = buffers_.emplace_back(p.pixels.size());
            for (size_t i = 0; i < bits.size(); ++i) bits[i] = image.opaque ? p.pixels[i] : Premultiply(p.pixels[i]);
            images_.push_back(
                Bits(image.opaque ? PIXMAN_x8r8g8b8 : PIXMAN_a8r8g8b8, p.width, p.height, bits.data(), p.width * 4));
        }
        for (const Draw& d : scene.draws) {
            firstOps_.push_back(ops_.size());
            Plan(scene, d);
        }
        firstOps_.push_back(ops_.size());
    }

    const char* Name() const override { return "pixman"; }

    void Render(size_t draw) override {
        for (size_t i = firstOps_[draw]; i < firstOps_[draw + 1]; ++i) {
            const Op& op = ops_[i];
            pixman_image_composite32(PIXMAN_OP_OVER, op.source, op.mask, target_.get(), 0, 0, 0, 0, op.x, op.y, op.w,
                                     op.h);
        }
    }

    std::vector<uint32_t> Pixels() const override {
        std::vector<uint32_t> pixels(frame_);
        for (uint32_t& p : pixels) p &= 0xFFFFFFu;
        return pixels;
    }

private:
    static PixmanImage Bits(pixman_format_code_t format, int w, int h, void* bits, int stride) {
        PixmanImage image(pixman_image_create_bits(format, w, h, static_cast<uint32_t*>(bits), stride));
        if (!image) throw std::runtime_error("pixman_image_create_bits failed");
        return image;
    }

    pixman_image_t* Solid(const Tint& t) {
        const double a = std::clamp(double(t.alpha), 0.0, 1.0);
        auto c16 = [a](int c) { return uint16_t(std::lround(c / 255.0 * a * 65535)); };
        const pixman_color_t colour{c16(t.r), c16(t.g), c16(t.b), c16(255)};
        const uint64_t key =
            uint64_t(colour.red) << 48 | uint64_t(colour.green) << 32 | uint64_t(colour.blue) << 16 | colour.alpha;
        PixmanImage& solid = solids_[key];
        if (!solid) solid.reset(pixman_image_create_solid_fill(&colour));
        return solid.get();
    }

    pixman_image_t* GlyphMask(const Glyph& glyph, unsigned char code) {
        PixmanImage& mask = glyphs_[code];
        if (mask) return mask.get();
        const int stride = (glyph.width + 3) & ~3;
        std::vector<uint32_t>& bits = buffers_.emplace_back(size_t(stride / 4) * glyph.height);
        auto* bytes = reinterpret_cast<uint8_t*>(bits.data());
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x) bytes[y * stride + x] = glyph.coverage[size_t(y * glyph.width + x)];
        mask = Bits(PIXMAN_a8, glyph.width, glyph.height, bits.data(), stride);
        return mask.get();
    }

    void Plan(const Scene& scene, const Draw& d) {
        switch (d.kind) {
            case DrawKind::Image: {
                const Pixmap& p = *scene.images[size_t(d.image)].pixels;
                pixman_image_t* picture = images_[size_t(d.image)].get();
                if (d.tint.White() && d.tint.alpha == 1.f) {
                    ops_.push_back({picture, nullptr, d.x, d.y, p.width, p.height});
                } else if (d.tint.r == 0 && d.tint.g == 0 && d.tint.b == 0) {
                    ops_.push_back({Solid(d.tint), picture, d.x, d.y, p.width, p.height});
                } else {
                    throw std::invalid_argument("pixman renderer: only white and black picture tints are set up");
                }
                break;
            }
            case DrawKind::Rect:
            case DrawKind::Line: ops_.push_back({Solid(d.tint), nullptr, d.x, d.y, d.w, d.h}); break;
            case DrawKind::Text:
                for (const PlacedGlyph& g : d.glyphs) {
                    const Glyph& glyph = scene.font->glyphs[g.code];
                    ops_.push_back({Solid(d.tint), GlyphMask(glyph, g.code), g.x, g.y, glyph.width, glyph.height});
                }
                break;
        }
    }

    std::vector<uint32_t> frame_;
    std::deque<std::vector<uint32_t>> buffers_;  // pixel memory behind the pixman images, never moved
    PixmanImage target_;
    std::vector<PixmanImage> images_;
    std::map<unsigned char, PixmanImage> glyphs_;
    std::map<uint64_t, PixmanImage> solids_;
    std::vector<Op> ops_;
    std::vector<size_t> firstOps_;  // draw i is ops_[firstOps_[i], firstOps_[i + 1])
};

}  // namespace

std::unique_ptr<Renderer> MakePixmanRenderer(const Scene& scene) { return std::make_unique<PixmanRenderer>(scene); }

}  // namespace kvx::bench
