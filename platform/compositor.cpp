#include "platform/compositor.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

// The 8-lane vectors below never cross a call (everything they touch is inlined), so GCC's note
// about their calling convention does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace kvx::compositor {
namespace {

// Everything a draw runs is inlined into its entry point, and the entry points are compiled
// twice below, for AVX2 and for any x86-64; one set is picked at start-up.
#define KVX_INLINE [[gnu::always_inline]] inline

constexpr uint32_t kOne = 65536;  // 1.0 in the 16.16 weights below

// Exactly rounded x / 255 for x <= 255 * 255.
KVX_INLINE uint32_t Div255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

uint32_t Round(double v) { return uint32_t(v + 0.5); }  // v >= 0

// Per-draw weights. ks = tint * alpha per channel in 16.16. kb and kt are alpha and tint * alpha
// scaled by 256/255, so that (a * k + 128) >> 8 is the 16.16 weight of a source alpha a (0..255).
struct Weights {
    uint32_t ksr, ksg, ksb;
    uint32_t ktr, ktg, ktb;
    uint32_t kb;
    uint32_t ka;  // alpha in 16.16, for the alpha test
    uint32_t tr, tg, tb;
    bool plain;  // white tint at full alpha
    bool white;
    bool black;
};

Weights WeightsOf(const Paint& paint) {
    const double alpha = std::clamp<double>(paint.alpha, 0.0, 1.0);
    auto channel = [](int c) { return uint32_t(std::clamp(c, 0, 255)); };
    Weights w{};
    w.tr = channel(paint.r);
    w.tg = channel(paint.g);
    w.tb = channel(paint.b);
    const double perTint = alpha * kOne / 255.0;
    w.ksr = Round(w.tr * perTint);
    w.ksg = Round(w.tg * perTint);
    w.ksb = Round(w.tb * perTint);
    const double straight = alpha * kOne * 256.0 / 255.0;
    w.kb = Round(straight);
    // Never above kb, so that a tinted source weight stays within the alpha weight.
    w.ktr = std::min(w.kb, Round(w.tr * (straight / 255.0)));
    w.ktg = std::min(w.kb, Round(w.tg * (straight / 255.0)));
    w.ktb = std::min(w.kb, Round(w.tb * (straight / 255.0)));
    w.ka = Round(alpha * kOne);
    w.white = w.tr == 255 && w.tg == 255 && w.tb == 255;
    w.black = w.tr == 0 && w.tg == 0 && w.tb == 0;
    w.plain = w.white && alpha >= 1.0;
    return w;
}

// For one pixel's alpha or coverage (uint32_t) or eight (Lanes, below).
template <class T>
KVX_INLINE T SourceWeight(const T& a, uint32_t k) {
    return (a * k + 128) >> 8;
}
template <class T>
KVX_INLINE T DestWeight(const T& a, uint32_t kb) {
    return kOne - SourceWeight(a, kb);
}

// Eight pixels at a time, one 32-bit lane each: one AVX2 register, or two SSE2 ones in the plain
// code. The same integer operations run on single pixels too, so both give the same bits.
using Lanes = uint32_t __attribute__((vector_size(32)));
using SignedLanes = int32_t __attribute__((vector_size(32)));

template <class T>
struct SignedOf {
    using type = int32_t;
};
template <>
struct SignedOf<Lanes> {
    using type = SignedLanes;
};

KVX_INLINE uint64_t Load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
// Eight bytes, lowest first, as lanes.
KVX_INLINE Lanes Widen(uint64_t bytes) {
    const uint32_t lo = uint32_t(bytes), hi = uint32_t(bytes >> 32);
    return (Lanes{lo, lo, lo, lo, hi, hi, hi, hi} >> Lanes{0, 8, 16, 24, 0, 8, 16, 24}) & 255;
}
KVX_INLINE Lanes Load(const uint8_t* p) { return Widen(Load64(p)); }
KVX_INLINE Lanes Load(const uint32_t* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
KVX_INLINE void Store(uint32_t* p, const Lanes& v) { std::memcpy(p, &v, sizeof v); }

// Runs pixel(source, destination) along a row, eight pixels at a time. The last block may overlap
// the one before: it is worked out from the destination as it was, so the overlap gets the same
// result twice. Rows shorter than a block go pixel by pixel.
template <class Source, class PixelFn>
KVX_INLINE void Row(uint32_t* d, const Source* s, int n, PixelFn pixel) {
    if (n < 8) {
        for (int i = 0; i < n; ++i) d[i] = pixel(uint32_t(s[i]), d[i]);
        return;
    }
    const Lanes tail = pixel(Load(s + n - 8), Load(d + n - 8));
    for (int i = 0; i < n - 8; i += 8) Store(d + i, pixel(Load(s + i), Load(d + i)));
    Store(d + n - 8, tail);
}

// Straight source over the destination, white tint: d + (s - d) * weight, rounded once.
KVX_INLINE void BlendRow(uint32_t* d, const uint32_t* s, int n, uint32_t kb) {
    Row(
        d, s, n, [kb](const auto& p, const auto& q) __attribute__((always_inline)) {
            using Value = std::remove_cvref_t<decltype(p)>;
            using Signed = typename SignedOf<Value>::type;
            const Signed wa = Signed(SourceWeight(Value(p >> 24), kb));
            auto mix = [&wa](const Value& sc, const Value& dc) __attribute__((always_inline)) {
                return Value(Signed(dc) + ((Signed(sc - dc) * wa + 32768) >> 16));
            };
            return mix((p >> 16) & 255, (q >> 16) & 255) << 16 | mix((p >> 8) & 255, (q >> 8) & 255) << 8 |
                   mix(p & 255, q & 255);
        });
}

// Straight source, any tint and alpha, rounded once.
KVX_INLINE void TintRow(uint32_t* d, const uint32_t* s, int n, const Weights& w) {
    Row(
        d, s, n, [&w](const auto& p, const auto& q) __attribute__((always_inline)) {
            using Value = std::remove_cvref_t<decltype(p)>;
            const Value a = p >> 24, wd = DestWeight(a, w.kb);
            const auto r = (((p >> 16) & 255) * SourceWeight(a, w.ktr) + ((q >> 16) & 255) * wd + 32768) >> 16;
            const auto g = (((p >> 8) & 255) * SourceWeight(a, w.ktg) + ((q >> 8) & 255) * wd + 32768) >> 16;
            const auto b = ((p & 255) * SourceWeight(a, w.ktb) + (q & 255) * wd + 32768) >> 16;
            return r << 16 | g << 8 | b;
        });
}

// A coverage mask in the tint colour, for one pixel or eight.
KVX_INLINE auto CoverageBlend(const Weights& w) {
    return [&w](const auto& c, const auto& q) __attribute__((always_inline)) {
        const auto wa = DestWeight(c, w.kb);
        const auto r = (c * w.ksr + ((q >> 16) & 255) * wa + 32768) >> 16;
        const auto g = (c * w.ksg + ((q >> 8) & 255) * wa + 32768) >> 16;
        const auto b = (c * w.ksb + (q & 255) * wa + 32768) >> 16;
        return r << 16 | g << 8 | b;
    };
}

// A constant colour (already weighted, plus rounding) over the destination.
KVX_INLINE void FillRow(uint32_t* __restrict d, int n, uint32_t cr, uint32_t cg, uint32_t cb, uint32_t wa) {
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
        case kMaskBlend:  // alpha test at 0.5, opaque write
            if ((s >> 24) * w.ka < 255u * 32768u) {
                write = false;
                return q;
            }
            [[fallthrough]];
        case kSolidBlend: return (Div255(sr * w.tr) << 16) | (Div255(sg * w.tg) << 8) | Div255(sb * w.tb);
        case kLightBlend: {
            auto add = [](uint32_t dc, uint32_t pc, uint32_t k) {
                return std::min<uint32_t>(255, dc + ((pc * k + 32768) >> 16));
            };
            return (add((q >> 16) & 255, (p >> 16) & 255, w.ksr) << 16) |
                   (add((q >> 8) & 255, (p >> 8) & 255, w.ksg) << 8) | add(q & 255, p & 255, w.ksb);
        }
        case kShadeBlend: {
            auto mul = [](uint32_t dc, uint32_t sc, uint32_t t) { return (sc * t * dc + 32512) / 65025; };
            return (mul((q >> 16) & 255, sr, w.tr) << 16) | (mul((q >> 8) & 255, sg, w.tg) << 8) |
                   mul(q & 255, sb, w.tb);
        }
        default: write = false; return q;
    }
}

// Modes that ignore transparency (solid, shade) must touch every pixel of a row, not just its span.
bool WritesTransparentPixels(int blend) { return blend == kSolidBlend || blend == kShadeBlend; }

KVX_INLINE void FillRectBody(const Target& target, const Clip& clip, int x, int y, int w, int h, const Paint& paint) {
    const int x0 = std::max(x, clip.x0), x1 = std::min(x + w, clip.x1);
    const int y0 = std::max(y, clip.y0), y1 = std::min(y + h, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    const Weights wt = WeightsOf(paint);
    const int n = x1 - x0;
    if (paint.blend == kAlphaBlend) {
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

// Alpha blending of one row span of an image.
KVX_INLINE void AlphaRow(uint32_t* d, const uint32_t* s, int n, bool opaque, const Weights& wt) {
    if (wt.plain && opaque) {
        std::memcpy(d, s, size_t(n) * sizeof(uint32_t));
    } else if (wt.white) {
        BlendRow(d, s, n, wt.kb);
    } else if (opaque && wt.black) {
        // A shadow: the source colour drops out and the destination weight is the same everywhere.
        FillRow(d, n, 32768, 32768, 32768, DestWeight(255, wt.kb));
    } else {
        TintRow(d, s, n, wt);
    }
}

KVX_INLINE void DrawFrameBody(const Target& target, const Clip& clip, const ImageFrame& frame, int x, int y,
                              const Paint& paint) {
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
        const uint32_t* straight = frame.pixmap->pixels.data() + size_t(sy) * w + sx0;
        const int n = sx1 - sx0;
        if (paint.blend == kAlphaBlend) {
            AlphaRow(d, straight, n, info.opaque, wt);
            continue;
        }
        const uint32_t* s = paint.blend == kLightBlend ? frame.Premultiplied().data() + size_t(sy) * w + sx0 : straight;
        for (int i = 0; i < n; ++i) {
            bool write;
            uint32_t out = OtherModePixel(paint.blend, straight[i], s[i], d[i], wt, write);
            if (write) d[i] = out;
        }
    }
}

// A coverage row shorter than a block (a glyph row) still goes as one block when the clip leaves
// room on the right: its coverage is padded with zeros, which leave the destination as it is. The
// eight bytes are read from the row or, near the end of the mask, from the mask's last eight.
template <class Blend>
KVX_INLINE void ShortCoverageRow(uint32_t* d, const uint8_t* m, int n, const uint8_t* end, const Blend& blend) {
    const uint64_t bytes = m + 8 <= end ? Load64(m) : Load64(end - 8) >> (8 * (m - (end - 8)));
    Store(d, blend(Widen(bytes & ((uint64_t(1) << (8 * n)) - 1)), Load(d)));
}

KVX_INLINE void DrawCoverageBody(const Target& target, const Clip& clip, const uint8_t* coverage, int w, int h, int x,
                                 int y, const Paint& paint) {
    const int x0 = std::max(x, clip.x0), x1 = std::min(x + w, clip.x1);
    const int y0 = std::max(y, clip.y0), y1 = std::min(y + h, clip.y1);
    if (x0 >= x1 || y0 >= y1) return;
    const Weights wt = WeightsOf(paint);
    const auto alphaBlend = CoverageBlend(wt);
    const int n = x1 - x0, blend = paint.blend;
    const uint8_t* end = coverage + size_t(w) * size_t(h);
    const bool shortRows = blend == kAlphaBlend && n < 8 && clip.x1 - x0 >= 8 && end - coverage >= 8;
    for (int yy = y0; yy < y1; ++yy) {
        uint32_t* d = target.pixels + size_t(yy) * target.width + x0;
        const uint8_t* m = coverage + size_t(yy - y) * w + (x0 - x);
        if (shortRows) {
            ShortCoverageRow(d, m, n, end, alphaBlend);
        } else if (blend == kAlphaBlend) {
            Row(d, m, n, alphaBlend);
        } else {
            for (int i = 0; i < n; ++i) {
                const uint32_t c = m[i];
                const uint32_t straight = (c << 24) | 0x00FFFFFFu;
                const uint32_t premul = c * 0x01010101u;
                bool write;
                uint32_t out = OtherModePixel(blend, straight, premul, d[i], wt, write);
                if (write) d[i] = out;
            }
        }
    }
}

struct Kernels {
    void (*fillRect)(const Target&, const Clip&, int, int, int, int, const Paint&);
    void (*drawFrame)(const Target&, const Clip&, const ImageFrame&, int, int, const Paint&);
    void (*drawCoverage)(const Target&, const Clip&, const uint8_t*, int, int, int, int, const Paint&);
};

#define KVX_KERNEL_SET(name, attributes)                                                                             \
    attributes void FillRect##name(const Target& t, const Clip& c, int x, int y, int w, int h, const Paint& p) {     \
        FillRectBody(t, c, x, y, w, h, p);                                                                           \
    }                                                                                                                \
    attributes void DrawFrame##name(const Target& t, const Clip& c, const ImageFrame& f, int x, int y,               \
                                    const Paint& p) {                                                                \
        DrawFrameBody(t, c, f, x, y, p);                                                                             \
    }                                                                                                                \
    attributes void DrawCoverage##name(const Target& t, const Clip& c, const uint8_t* m, int w, int h, int x, int y, \
                                       const Paint& p) {                                                             \
        DrawCoverageBody(t, c, m, w, h, x, y, p);                                                                    \
    }                                                                                                                \
    constexpr Kernels k##name##Kernels{FillRect##name, DrawFrame##name, DrawCoverage##name};

KVX_KERNEL_SET(Plain, )
#if defined(__x86_64__)
KVX_KERNEL_SET(Avx2, [[gnu::target("avx2")]])
bool HasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#else
constexpr const Kernels& kAvx2Kernels = kPlainKernels;
bool HasAvx2() { return false; }
#endif

const Kernels*& Active() {
    static const Kernels* active = HasAvx2() ? &kAvx2Kernels : &kPlainKernels;
    return active;
}

}  // namespace

bool Avx2KernelsAvailable() {
    static const bool available = HasAvx2();
    return available;
}

void UsePlainKernels(bool plain) { Active() = (plain || !Avx2KernelsAvailable()) ? &kPlainKernels : &kAvx2Kernels; }

void Clear(const Target& target, const Clip& clip, uint32_t xrgb) {
    for (int y = clip.y0; y < clip.y1; ++y) {
        uint32_t* row = target.pixels + size_t(y) * target.width;
        std::fill(row + clip.x0, row + clip.x1, xrgb);
    }
}

// An alpha that is no number draws nothing: no weight can be worked out from it.
void FillRect(const Target& target, const Clip& clip, int x, int y, int w, int h, const Paint& paint) {
    if (!std::isnan(paint.alpha)) Active()->fillRect(target, clip, x, y, w, h, paint);
}

void FillPixel(const Target& target, const Clip& clip, int x, int y, const Paint& paint) {
    FillRect(target, clip, x, y, 1, 1, paint);
}

void DrawFrame(const Target& target, const Clip& clip, const ImageFrame& frame, int x, int y, const Paint& paint) {
    if (!std::isnan(paint.alpha)) Active()->drawFrame(target, clip, frame, x, y, paint);
}

void DrawCoverage(const Target& target, const Clip& clip, const uint8_t* coverage, int w, int h, int x, int y,
                  const Paint& paint) {
    if (!std::isnan(paint.alpha)) Active()->drawCoverage(target, clip, coverage, w, h, x, y, paint);
}

}  // namespace kvx::compositor
