// The compositor's row kernels: alpha blending rounded once for rows of every length (their
// 8-pixel blocks, overlapping tails and padded glyph rows), and the same pixels from the AVX2 and
// the plain x86-64 code.
#include <random>

#include "platform/compositor.hpp"
#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"
#include "support/reference_compositor.hpp"

namespace kvx {
namespace {

using testing::HeadlessTest;

constexpr int kW = 64, kH = 48;

std::vector<uint32_t> Screen() {
    std::vector<uint32_t> pixels(size_t(kW) * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) pixels[size_t(y) * kW + x] = BackBufferPixel(x, y);
    return pixels;
}

void RandomBackground(std::mt19937& rng) {
    auto pixmap = std::make_shared<Pixmap>(kW, kH);
    for (uint32_t& p : pixmap->pixels) p = rng() | 0xFF000000u;
    SetBlend(kSolidBlend);
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawImage(LoadImage(pixmap, 0), 0, 0);
}

// Rows of every kind: transparent, opaque, mixed, and partly transparent pixels.
PixmapPtr RandomPicture(std::mt19937& rng, int w, int h) {
    auto pixmap = std::make_shared<Pixmap>(w, h);
    for (int y = 0; y < h; ++y) {
        const int kind = int(rng() % 4);
        for (int x = 0; x < w; ++x) {
            uint32_t p = rng();
            if (kind == 0 || (kind == 2 && rng() % 2)) p |= 0xFF000000u;
            if (kind == 1 && rng() % 3 == 0) p &= 0x00FFFFFFu;
            pixmap->at(x, y) = p;
        }
    }
    return pixmap;
}

// A font whose every glyph is one random coverage block of the given size, drawn at the pen.
FontPtr BlockFont(std::mt19937& rng, int w, int h) {
    auto font = std::make_shared<ImageFont>();
    for (int code = 'a'; code <= 'z'; ++code) {
        Glyph& g = font->glyphs[size_t(code)];
        g.present = true;
        g.advance = float(w);
        g.width = w;
        g.height = h;
        g.coverage.resize(size_t(w) * h);
        for (uint8_t& c : g.coverage) c = rng() % 3 ? uint8_t(rng()) : (rng() % 2 ? 0 : 255);
    }
    return font;
}

struct PaintCase {
    int r, g, b;
    float alpha;
};
const PaintCase kPaints[] = {{255, 255, 255, 1.f}, {255, 255, 255, 0.6f}, {0, 0, 0, 0.25f},       {0, 0, 0, 1.f},
                             {250, 120, 3, 0.8f},  {17, 200, 99, 1.f},    {255, 255, 255, 0.01f}, {90, 90, 255, 0.f}};

void UsePaint(const PaintCase& p) {
    SetBlend(kAlphaBlend);
    SetColor(p.r, p.g, p.b);
    SetAlpha(p.alpha);
}

// Every pixel of the screen against the reference for one alpha-blended draw of straight source
// pixels src(x, y) over the rectangle at x0, y0: blended pixels within half a step and a little
// (one rounding), all others unchanged.
template <class Source>
void ExpectRoundedOnce(const std::vector<uint32_t>& before, const PaintCase& p, int x0, int y0, int w, int h,
                       Source src, const char* what) {
    const reference::Paint paint{p.r / 255.0, p.g / 255.0, p.b / 255.0, p.alpha, 3};
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const uint32_t dest = before[size_t(y) * kW + x];
            const unsigned got = BackBufferPixel(x, y);
            if (x < x0 || y < y0 || x >= x0 + w || y >= y0 + h) {
                ASSERT_EQ(got, dest) << what << " touched " << x << "," << y;
                continue;
            }
            double want[3];
            reference::BlendPixel(src(x - x0, y - y0), dest, paint, want);
            ASSERT_LE(reference::ChannelError(got, want), 0.51)
                << what << " " << w << "x" << h << " at " << x << "," << y << " tint " << p.r << "," << p.g << ","
                << p.b << " alpha " << p.alpha;
        }
    }
}

class CompositorKernelTest : public HeadlessTest {
protected:
    void SetUp() override { OpenDisplay(kW, kH); }
    void TearDown() override {
        compositor::UsePlainKernels(false);
        HeadlessTest::TearDown();
    }
};

TEST_F(CompositorKernelTest, AlphaBlendingRoundsOnceForEveryRowLength) {
    std::mt19937 rng(5);
    for (bool plain : {false, true}) {
        compositor::UsePlainKernels(plain);
        for (int w = 1; w <= 27; ++w) {
            for (const PaintCase& p : kPaints) {
                RandomBackground(rng);
                const std::vector<uint32_t> before = Screen();
                PixmapPtr picture = RandomPicture(rng, w, 3);
                const int x = int(rng() % (kW - w + 1)), y = int(rng() % (kH - 3));
                UsePaint(p);
                DrawImage(LoadImage(picture, 0), float(x), float(y));
                ExpectRoundedOnce(
                    before, p, x, y, w, 3, [&](int sx, int sy) { return picture->at(sx, sy); }, "image");

                // Glyph rows, also against the right edge, where a block of eight does not fit.
                RandomBackground(rng);
                const std::vector<uint32_t> under = Screen();
                const int gh = 1 + int(rng() % 4);
                const int gx = rng() % 2 ? kW - w : int(rng() % (kW - w + 1));
                FontPtr font = BlockFont(rng, w, gh);
                SetImageFont(font);
                UsePaint(p);
                DrawText("q", float(gx), float(y));
                const Glyph& glyph = font->glyphs['q'];
                auto coverage = [&](int sx, int sy) {
                    return uint32_t(glyph.coverage[size_t(sy * w + sx)]) << 24 | 0xFFFFFFu;
                };
                ExpectRoundedOnce(under, p, gx, y, w, gh, coverage, "glyph");
            }
        }
    }
}

TEST_F(CompositorKernelTest, Avx2AndPlainKernelsDrawTheSamePixels) {
    if (!compositor::Avx2KernelsAvailable()) GTEST_SKIP() << "no AVX2 on this processor";
    auto draw = [](bool plain) {
        compositor::UsePlainKernels(plain);
        std::mt19937 rng(21);
        SetViewport(0, 0, kW, kH);
        RandomBackground(rng);
        for (int i = 0; i < 400; ++i) {
            UsePaint(kPaints[rng() % std::size(kPaints)]);
            SetBlend(1 + int(rng() % 5));
            const int x = int(rng() % (kW + 20)) - 10, y = int(rng() % (kH + 10)) - 5;
            const int w = 1 + int(rng() % 40), h = 1 + int(rng() % 6);
            if (rng() % 5 == 0)
                SetViewport(int(rng() % 20), int(rng() % 20), 10 + int(rng() % 40), 10 + int(rng() % 30));
            switch (rng() % 3) {
                case 0: DrawImage(LoadImage(RandomPicture(rng, w, h), 0), float(x), float(y)); break;
                case 1: DrawRect(float(x), float(y), float(w), float(h)); break;
                default:
                    SetImageFont(BlockFont(rng, 1 + w % 12, h));
                    DrawText("abc", float(x), float(y));
                    break;
            }
            if (rng() % 7 == 0) SetViewport(0, 0, kW, kH);
        }
        return Screen();
    };
    const std::vector<uint32_t> avx2 = draw(false);
    const std::vector<uint32_t> plain = draw(true);
    for (size_t i = 0; i < avx2.size(); ++i) ASSERT_EQ(avx2[i], plain[i]) << "pixel " << i % kW << "," << i / kW;
}

}  // namespace
}  // namespace kvx
