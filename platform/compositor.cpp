#include "platform/compositor.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

// The hot kernels are compiled twice, for AVX2 and for any x86-64, and picked at load time.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define KVX_KERNEL __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef KVX_KERNEL
#define KVX_KERNEL
#endif

namespace kvx::compositor {
namespace {

constexpr uint32_t kOne = 65536;  // 1.0 in the 16.16 weights below

// Exactly rounded x / 255 for x <= 255 * 255.
inline uint32_t Div255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

// Per-draw weights: ks = tint * alpha for each channel, kb = alpha scaled so that
// (a * kb + 128) >> 8 is a * alpha / 255 in 16.16.
struct Weights {
    uint32_t ksr, ksg, ksb;
    uint32_t kb;
    uint32_t ka;  // alpha in 16.16, for the alpha test
    uint32_t tr, tg, tb;
    bool plain;   // white tint at full alpha
};

Weights WeightsOf(const Paint& paint) {
    const double alpha = std::clamp<double>(paint.alpha, 0.0, 1.0);
    auto channel = [](int c) { return uint32_t(std::clamp(c, 0, 255)); };
    Weights w{};
    w.tr = channel(paint.r);
    w.tg = channel(paint.g);
    w.tb = channel(paint.b);
    w.ksr = uint32_t(std::lround(w.tr / 255.0 * alpha * kOne));
    w.ksg = uint32_t(std::lround(w.tg / 255.0 * alpha * kOne));
    w.ksb = uint32_t(std::lround(w.tb / 255.0 * alpha * kOne));
    w.kb = uint32_t(std::lround(alpha * kOne * 256.0 / 255.0));
    w.ka = uint32_t(std::lround(alpha * kOne));
    w.plain = w.tr == 255 && w.tg == 255 && w.tb == 255 && alpha >= 1.0;
    return w;
}

inline uint32_t DestWeight(uint32_t a, uint32_t kb) { return kOne - ((a * kb + 128) >> 8); }

// Premultiplied source over the destination, white tint, full alpha.
KVX_KERNEL void OverRow(uint32_t* __restrict d, const uint32_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i) {
        const uint32_t p = s[i], q = d[i];
        const uint32_t inv = 255 - (p >> 24);
        const uint32_t r = ((p >> 16) & 255) + Div255(((q >> 16) & 255) * inv);
        const uint32_t g = ((p >> 8) & 255) + Div255(((q >> 8) & 255) * inv);
        const uint32_t b = (p & 255) + Div255((q & 255) * inv);
        d[i] = (r << 16) | (g << 8) | b;
    }
}

// Premultiplied source, any tint and alpha.
KVX_KERNEL void BlendRow(uint32_t* __restrict d, const uint32_t* __restrict s, int n, uint32_t ksr, uint32_t ksg,
                         uint32_t ksb, uint32_t kb) {
    for (int i = 0; i < n; ++i) {
        const uint32_t p = s[i], q = d[i];
        const uint32_t wa = DestWeight(p >> 24, kb);
        const uint32_t r = (((p >> 16) & 255) * ksr + ((q >> 16) & 255) * wa + 32768) >> 16;
        const uint32_t g = (((p >> 8) & 255) * ksg + ((q >> 8) & 255) * wa + 32768) >> 16;
        const uint32_t b = ((p & 255) * ksb + (q & 255) * wa + 32768) >> 16;
        d[i] = (r << 16) | (g << 8) | b;
    }
}

// A coverage mask in the tint colour.
KVX_KERNEL void CoverageRow(uint32_t* __restrict d, const uint8_t* __restrict m, int n, uint32_t ksr, uint32_t ksg,
                            uint32_t ksb, uint32_t kb) {
    for (int i = 0; i < n; ++i) {
        const uint32_t c = m[i], q = d[i];
        const uint32_t wa = DestWeight(c, kb);
        const uint32_t r = (c * ksr + ((q >> 16) & 255) * wa + 32768) >> 16;
        const uint32_t g = (c * ksg + ((q >> 8) & 255) * wa + 32768) >> 16;
        const uint32_t b = (c * ksb + (q & 255) * wa + 32768) >> 16;
        d[i] = (r << 16) | (g << 8) | b;
    }
}

// A constant colour (already weighted, plus rounding) over the destination.
KVX_KERNEL void FillRow(uint32_t* __restrict d, int n, uint32_t cr, uint32_t cg, uint32_t cb, uint32_t wa) {
    for (int i = 0; i < n; ++i) {
        const uint32_t q = d[i];
        const uint32_t r = (cr + ((q >> 16) & 255) * wa) >> 16;
        const uint32_t g = (cg + ((q >> 8) & 255) * wa) >> 16;
        const uint32_t b = (cb + (q & 255) * wa) >> 16;
        d[i] = (r << 16) | (g << 8) | b;
    }
}

// Modes other than alpha: one pixel from its straight (s) and premultiplied (p) forms.
inline uint32_t OtherModePixel(int blend, uint32_t s, uint32_t p, uint32_t q, const Weights& w, bool& write) {
    const uint32_t sr = (s >> 16) & 255, sg = (s >> 8) & 255, sb = s & 255;
    write = true;
    switch (blend) {
        case 1:  // alpha test at 0.5, opaque write
            if ((s >> 24) * w.ka < 255u * 32768u) {
                write = false;
                return q;
            }
            [[fallthrough]];
        case 2:
            return (Div255(sr * w.tr) << 16) | (Div255(sg * w.tg) << 8) | Div255(sb * w.tb);
        case 4: {
            auto add = [](uint32_t dc, uint32_t pc, uint32_t k) {
                return std::min<uint32_t>(255, dc + ((pc * k + 32768) >> 16));
            };
            return (add((q >> 16) & 255, (p >> 16) & 255, w.ksr) << 16) |
                   (add((q >> 8) & 255, (p >> 8) & 255, w.ksg) << 8) | add(q & 255, p & 255, w.ksb);
        }
        case 5: {
            auto mul = [](uint32_t dc, uint32_t sc, uint32_t t) { return (sc * t * dc + 32512) / 65025; };
            return (mul((q >> 16) & 255, sr, w.tr) << 16) | (mul((q >> 8) & 255, sg, w.tg) << 8) |
                   mul(q & 255, sb, w.tb);
        }
        default:
            write = false;
            return q;
    }
}

// Modes that ignore transparency (solid, shade) must touch every pixel of a row, not just its span.
bool WritesTransparentPixels(int blend) { return blend == 2 || blend == 5; }

}  // namespace

void Clear(const Target& target, const Clip& clip, uint32_t xrgb) {
    for (int y = clip.y0; y < clip.y1; ++y) {
        uint32_t* row = target.pixels + size_t(y) * target.width;
        std::fill(row + clip.x0, row + clip.x1, xrgb);
    }
}

void FillRect(const Target& target, const Clip& clip, int x, int y, int w, int h, const Paint& paint) {
    const int x0 = std::max(x, clip.x0), x1 = std::min(x + w, clip.x1);
    const int y0 = std::max(y, clip.y0), y1 = std::min(y + h, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    const Weights wt = WeightsOf(paint);
    const int n = x1 - x0;
    if (paint.blend == 3) {
        const uint32_t wa = DestWeight(255, wt.kb);
        if (wa == 0) {
            const uint32_t colour = (wt.tr << 16) | (wt.tg << 8) | wt.tb;
            for (int yy = y0; yy < y1; ++yy) std::fill_n(target.pixels + size_t(yy) * target.width + x0, n, colour);
            return;
        }
        const uint32_t cr = 255 * wt.ksr + 32768, cg = 255 * wt.ksg + 32768, cb = 255 * wt.ksb + 32768;
        for (int yy = y0; yy < y1; ++yy) FillRow(target.pixels + size_t(yy) * target.width + x0, n, cr, cg, cb, wa);
        return;
    }
    for (int yy = y0; yy < y1; ++yy) {
        uint32_t* row = target.pixels + size_t(yy) * target.width;
        for (int xx = x0; xx < x1; ++xx) {
            bool write;
            uint32_t out = OtherModePixel(paint.blend, 0xFFFFFFFFu, 0xFFFFFFFFu, row[xx], wt, write);
            if (write) row[xx] = out;
        }
    }
}

void FillPixel(const Target& target, const Clip& clip, int x, int y, const Paint& paint) {
    FillRect(target, clip, x, y, 1, 1, paint);
}

void DrawFrame(const Target& target, const Clip& clip, const ImageFrame& frame, int x, int y, const Paint& paint) {
    const int w = frame.pixmap->width, h = frame.pixmap->height;
    const int y0 = std::max(y, clip.y0), y1 = std::min(y + h, clip.y1);
    if (y0 >= y1 || x >= clip.x1 || x + w <= clip.x0) return;
    const Weights wt = WeightsOf(paint);
    const bool fullRows = WritesTransparentPixels(paint.blend);
    for (int yy = y0; yy < y1; ++yy) {
        const int sy = yy - y;
        const ImageFrame::Row& info = frame.rows[size_t(sy)];
        const int first = fullRows ? 0 : info.first, end = fullRows ? w : info.end;
        const int sx0 = std::max(first, clip.x0 - x), sx1 = std::min(end, clip.x1 - x);
        if (sx0 >= sx1) continue;
        uint32_t* d = target.pixels + size_t(yy) * target.width + (x + sx0);
        const uint32_t* s = frame.premul.data() + size_t(sy) * w + sx0;
        const int n = sx1 - sx0;
        if (paint.blend == 3) {
            if (wt.plain) {
                if (info.opaque) {
                    std::memcpy(d, s, size_t(n) * sizeof(uint32_t));
                } else {
                    OverRow(d, s, n);
                }
            } else {
                BlendRow(d, s, n, wt.ksr, wt.ksg, wt.ksb, wt.kb);
            }
            continue;
        }
        const uint32_t* straight = frame.pixmap->pixels.data() + size_t(sy) * w + sx0;
        for (int i = 0; i < n; ++i) {
            bool write;
            uint32_t out = OtherModePixel(paint.blend, straight[i], s[i], d[i], wt, write);
            if (write) d[i] = out;
        }
    }
}

void DrawCoverage(const Target& target, const Clip& clip, const uint8_t* coverage, int w, int h, int x, int y,
                  const Paint& paint) {
    const int x0 = std::max(x, clip.x0), x1 = std::min(x + w, clip.x1);
    const int y0 = std::max(y, clip.y0), y1 = std::min(y + h, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    const Weights wt = WeightsOf(paint);
    const int n = x1 - x0;
    for (int yy = y0; yy < y1; ++yy) {
        uint32_t* d = target.pixels + size_t(yy) * target.width + x0;
        const uint8_t* m = coverage + size_t(yy - y) * w + (x0 - x);
        if (paint.blend == 3) {
            CoverageRow(d, m, n, wt.ksr, wt.ksg, wt.ksb, wt.kb);
            continue;
        }
        for (int i = 0; i < n; ++i) {
            const uint32_t c = m[i];
            const uint32_t straight = (c << 24) | 0x00FFFFFFu;
            const uint32_t premul = c * 0x01010101u;
            bool write;
            uint32_t out = OtherModePixel(paint.blend, straight, premul, d[i], wt, write);
            if (write) d[i] = out;
        }
    }
}

}  // namespace kvx::compositor
