// The compositor against a real-valued rendering, and the drawing rules callers rely on.
#include <functional>
#include <random>
#include <utility>

#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"
#include "support/reference_compositor.hpp"

namespace kvx {
namespace {

using testing::HeadlessTest;

PixmapPtr RandomPixmap(std::mt19937& rng, int w, int h) {
    auto pixmap = std::make_shared<Pixmap>(w, h);
    for (uint32_t& p : pixmap->pixels) {
        p = rng();
        switch (rng() % 4) {  // plenty of fully opaque and fully transparent pixels too
            case 0: p |= 0xFF000000u; break;
            case 1: p &= 0x00FFFFFFu; break;
            default: break;
        }
    }
    return pixmap;
}

void FillBackground(std::mt19937& rng, std::vector<uint32_t>& saved) {
    saved.resize(size_t(GraphicsWidth()) * GraphicsHeight());
    auto img = std::make_shared<Pixmap>(GraphicsWidth(), GraphicsHeight());
    for (uint32_t& p : img->pixels) p = rng() | 0xFF000000u;
    SetBlend(kSolidBlend);
    SetColor(255, 255, 255);
    DrawImage(LoadImage(img, 0), 0, 0);
    for (int y = 0; y < GraphicsHeight(); ++y)
        for (int x = 0; x < GraphicsWidth(); ++x) saved[size_t(y) * GraphicsWidth() + x] = BackBufferPixel(x, y);
}

class CompositorTest : public HeadlessTest {};

TEST_F(CompositorTest, ImagesInEveryBlendModeMatchTheRealValuedRendering) {
    std::mt19937 rng(7);
    const int tints[][3] = {{255, 255, 255}, {0, 0, 0}, {250, 120, 3}, {17, 200, 99}};
    const float alphas[] = {1.f, 0.25f, 0.8f, 0.5f, 0.01f};
    for (int blend = 1; blend <= 5; ++blend) {
        for (const auto& tint : tints) {
            for (float alpha : alphas) {
                std::vector<uint32_t> before;
                FillBackground(rng, before);
                PixmapPtr source = RandomPixmap(rng, 40, 30);
                SetBlend(blend);
                SetColor(tint[0], tint[1], tint[2]);
                SetAlpha(alpha);
                DrawImage(LoadImage(source, 0), 5, 7);
                reference::Paint paint{tint[0] / 255.0, tint[1] / 255.0, tint[2] / 255.0, alpha, blend};
                for (int y = 0; y < 30; ++y) {
                    for (int x = 0; x < 40; ++x) {
                        const uint32_t dest = before[size_t(y + 7) * GraphicsWidth() + x + 5];
                        const uint32_t src = source->at(x, y);
                        if (blend == 1 && std::abs((src >> 24) / 255.0 * alpha - 0.5) < 1e-3) continue;
                        double want[3];
                        const unsigned got = Pixel(x + 5, y + 7);
                        if (!reference::BlendPixel(src, dest, paint, want)) {
                            ASSERT_EQ(got, dest) << "blend 1 wrote a pixel below the alpha test";
                            continue;
                        }
                        ASSERT_LE(reference::ChannelError(got, want), 1.0)
                            << "blend " << blend << " alpha " << alpha << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(CompositorTest, RectanglesAndTextUseTheCurrentColourAlphaAndBlend) {
    std::mt19937 rng(11);
    for (int blend = 1; blend <= 5; ++blend) {
        std::vector<uint32_t> before;
        FillBackground(rng, before);
        SetBlend(blend);
        SetColor(200, 100, 50);
        SetAlpha(0.8f);
        DrawRect(2, 3, 20, 10);
        reference::Paint paint{200 / 255.0, 100 / 255.0, 50 / 255.0, 0.8, blend};
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                const uint32_t dest = before[size_t(y) * 64 + x];
                const bool inside = x >= 2 && x < 22 && y >= 3 && y < 13;
                if (!inside) {
                    ASSERT_EQ(Pixel(x, y), dest);
                    continue;
                }
                double want[3];
                ASSERT_TRUE(reference::BlendPixel(0xFFFFFFFFu, dest, paint, want));
                ASSERT_LE(reference::ChannelError(Pixel(x, y), want), 1.0) << "blend " << blend;
            }
        }
    }
}

TEST_F(CompositorTest, KnownPixelsOfTheAlphaAndMaskModes) {
    SetClsColor(0, 0, 0);
    Cls();
    SetBlend(kAlphaBlend);
    SetAlpha(0.5f);
    SetColor(255, 255, 255);
    DrawRect(0, 0, 1, 1);
    EXPECT_EQ(Pixel(0, 0), 0x808080u);  // 127.5 rounds up

    // An image drawn tinted black at alpha 0.25 darkens white to three quarters.
    SetClsColor(255, 255, 255);
    Cls();
    SetColor(0, 0, 0);
    SetAlpha(0.25f);
    auto solid = std::make_shared<Pixmap>(2, 2, 0xFF336699u);
    DrawImage(LoadImage(solid, 0), 0, 0);
    EXPECT_EQ(Pixel(0, 0), 0xBFBFBFu);

    // Mode 1 is an alpha test, not a blend: half-transparent pixels are written opaque.
    SetBlend(kMaskBlend);
    SetColor(255, 255, 255);
    SetAlpha(1.f);
    auto half = std::make_shared<Pixmap>(2, 1);
    half->at(0, 0) = 0x80FF0000u;
    half->at(1, 0) = 0x7F00FF00u;
    Cls();
    DrawImage(LoadImage(half, 0), 0, 0);
    EXPECT_EQ(Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(1, 0), 0xFFFFFFu);
}

// A clear that repeats the last one is skipped, so every kind of drawing in between must count.
TEST_F(CompositorTest, ARepeatedClearStillClearsWhatWasDrawnSince) {
    SetClsColor(0, 0, 0);
    auto dot = std::make_shared<Pixmap>(1, 1, 0xFFFFFFFFu);
    const std::function<void()> draws[] = {[] { DrawRect(3, 3, 1, 1); },
                                           [] { DrawLine(3, 3, 3, 3); },
                                           [] { DrawLine(40, 1, 3, 3); },
                                           [] { Plot(3, 3); },
                                           [&] { DrawImage(LoadImage(dot, 0), 3, 3); },
                                           [] { DrawText("Wg", 3, 3); }};
    auto lit = [&] {
        int count = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) count += Pixel(x, y) != 0;
        }
        return count;
    };
    for (const auto& draw : draws) {
        Cls();
        SetColor(255, 255, 255);
        Plot(60, 40);  // the drawn box grows over several calls
        draw();
        ASSERT_GT(lit(), 1);
        Cls();
        EXPECT_EQ(lit(), 0);
    }
    // A clear of part of the buffer leaves what was drawn elsewhere for the next full one.
    Cls();
    Plot(3, 3);
    Plot(50, 30);
    SetViewport(40, 20, 24, 28);
    Cls();
    EXPECT_EQ(Pixel(50, 30), 0u);
    EXPECT_NE(Pixel(3, 3), 0u);
    SetViewport(0, 0, 64, 48);
    Cls();
    EXPECT_EQ(Pixel(3, 3), 0u);
    SetClsColor(0, 0, 9);
    Cls();
    EXPECT_EQ(Pixel(3, 3), 9u) << "another colour clears again";
    SetViewport(0, 0, 2, 2);
    SetClsColor(0, 0, 0);
    Cls();
    SetViewport(0, 0, 64, 48);
    Cls();
    EXPECT_EQ(Pixel(3, 3), 0u) << "a wider area than the last clear is cleared";
    Graphics(64, 48, 0, 60);
    Cls();
    EXPECT_EQ(Pixel(3, 3), 0u);
}

TEST_F(CompositorTest, MaskedImagesLoseTheirBlackPixels) {
    auto pixmap = std::make_shared<Pixmap>(3, 1);
    pixmap->at(0, 0) = 0xFF000000u;  // black: becomes transparent
    pixmap->at(1, 0) = 0xFF010101u;
    pixmap->at(2, 0) = 0xFFFF0000u;
    SetClsColor(0, 0, 255);
    Cls();
    SetBlend(kMaskBlend);
    DrawImage(LoadImage(pixmap, kMaskedImage), 0, 0);
    EXPECT_EQ(Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(Pixel(1, 0), 0x010101u);
    EXPECT_EQ(Pixel(2, 0), 0xFF0000u);
    // Without the flag the black pixel is drawn.
    DrawImage(LoadImage(pixmap, 0), 0, 1);
    EXPECT_EQ(Pixel(0, 1), 0x000000u);
}

TEST_F(CompositorTest, TheViewportClipsEveryKindOfDrawing) {
    SetClsColor(0, 0, 0);
    Cls();
    SetViewport(10, 10, 5, 4);
    SetClsColor(9, 9, 9);
    Cls();
    SetColor(255, 0, 0);
    SetBlend(kAlphaBlend);
    DrawRect(0, 0, 64, 48);
    DrawLine(0, 12, 63, 12);
    DrawLine(12, 0, 12, 47);
    DrawLine(0, 0, 47, 47);
    Plot(30, 30);
    DrawText("Clip", 0, 10);
    SetColor(255, 255, 255);
    DrawImage(LoadImage(std::make_shared<Pixmap>(64, 48, 0xFF00FF00u), 0), 0, 0);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool inside = x >= 10 && x < 15 && y >= 10 && y < 14;
            if (inside) {
                ASSERT_EQ(Pixel(x, y), 0x00FF00u) << x << "," << y;
            } else {
                ASSERT_EQ(Pixel(x, y), 0u) << x << "," << y;
            }
        }
    }
}

TEST_F(CompositorTest, LinesIncludeTheirLastPixelOnlyWhenAsked) {
    SetClsColor(0, 0, 0);
    Cls();
    SetColor(255, 255, 255);
    DrawLine(5, 5, 5, 5, true);
    EXPECT_EQ(Pixel(5, 5), 0xFFFFFFu);
    DrawLine(10, 1, 20, 1, true);
    EXPECT_EQ(Pixel(20, 1), 0xFFFFFFu);
    EXPECT_EQ(Pixel(21, 1), 0u);
    DrawLine(10, 3, 20, 3, false);
    EXPECT_EQ(Pixel(19, 3), 0xFFFFFFu);
    EXPECT_EQ(Pixel(20, 3), 0u);
    DrawLine(0, 10, 9, 19, true);  // a diagonal covers both ends
    EXPECT_EQ(Pixel(0, 10), 0xFFFFFFu);
    EXPECT_EQ(Pixel(9, 19), 0xFFFFFFu);
    EXPECT_EQ(Pixel(5, 15), 0xFFFFFFu);
    DrawLine(30, 30, 30, 30, false);
    EXPECT_EQ(Pixel(30, 30), 0u);
}

TEST(PixmapTest, ResizeKeepsValuesAtTheSameSizeAndInterpolatesBetweenPixels) {
    std::mt19937 rng(3);
    auto pixmap = std::make_shared<Pixmap>(7, 5);
    for (uint32_t& p : pixmap->pixels) p = rng();
    auto same = ResizePixmap(pixmap, 7, 5);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->pixels, pixmap->pixels);

    // 2 -> 4 columns: samples at -0.25 (first alone), 0.25, 0.75, 1.25 (last alone).
    auto row = std::make_shared<Pixmap>(2, 1);
    row->at(0, 0) = 0x00000000u;
    row->at(1, 0) = 0xC8C8C8C8u;
    auto wide = ResizePixmap(row, 4, 1);
    EXPECT_EQ(wide->at(0, 0), 0x00000000u);
    EXPECT_EQ(wide->at(1, 0), 0x32323232u);  // 200 * 0.25
    EXPECT_EQ(wide->at(2, 0), 0x96969696u);  // 200 * 0.75
    EXPECT_EQ(wide->at(3, 0), 0xC8C8C8C8u);
    EXPECT_FALSE(ResizePixmap(pixmap, 0, 5));
    EXPECT_FALSE(ResizePixmap(nullptr, 4, 4));
}

TEST(ResourceTest, IncbinNamesLoadOnlyOnceRegistered) {
    EXPECT_FALSE(LoadImage("incbin::never/registered.png"));
    EXPECT_FALSE(LoadPixmap("incbin::never/registered.png"));
    EXPECT_FALSE(SharedPixmap("incbin::test/three_by_two.png")) << "not registered yet";
    const std::string path = ::testing::TempDir() + "kvx_incbin.png";
    Pixmap picture(3, 2, 0xFF102030u);
    picture.at(0, 0) = 0xFF000000u;  // black: masked away in images
    ASSERT_TRUE(SavePixmapPNG(picture, path, true));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadResource(path, bytes));
    static std::vector<uint8_t> kept;
    kept = bytes;
    RegisterIncbin("test/three_by_two.png", kept.data(), kept.size());
    RegisterIncbin("test/three_by_two.png", "garbage", 7);  // the first registration counts
    ImagePtr image = LoadImage("incbin::test/three_by_two.png");
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image), 3);
    EXPECT_EQ(ImageHeight(image), 2);
    EXPECT_EQ(image->frames[0].pixmap->at(2, 1), 0xFF102030u);
    EXPECT_EQ(image->frames[0].pixmap->at(0, 0), 0u);

    // The decoded picture is shared; an image masks its own copy of it.
    const PixmapPtr shared = SharedPixmap("incbin::test/three_by_two.png");
    ASSERT_TRUE(shared);
    EXPECT_EQ(shared, SharedPixmap("incbin::test/three_by_two.png"));
    EXPECT_NE(shared, LoadPixmap("incbin::test/three_by_two.png"));
    EXPECT_EQ(shared->at(0, 0), 0xFF000000u);
    ImagePtr masked = LoadImage(shared, kMaskedImage);
    EXPECT_EQ(masked->frames[0].pixmap->at(0, 0), 0u);
    EXPECT_EQ(shared->at(0, 0), 0xFF000000u);
    // A pixmap nobody else holds becomes the image's own.
    auto fresh = std::make_shared<Pixmap>(picture);
    const Pixmap* address = fresh.get();
    EXPECT_EQ(LoadImage(std::move(fresh), kMaskedImage)->frames[0].pixmap.get(), address);
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

TEST(GraphicsDeathTest, AMissingFullScreenModeStopsTheProgram) {
    UseBackend(Backend::Headless);
    headless::SetModes({{1024, 768, 32, 60}});
    EXPECT_EXIT(Graphics(999, 555, 32, 60), ::testing::ExitedWithCode(1), "Graphics mode does not exist");
    EXPECT_TRUE(GraphicsModeExists(1024, 768, 32, 0));
    EXPECT_TRUE(GraphicsModeExists(1024, 768, 24, 0)) << "a 32-bit mode has 24-bit colour";
    EXPECT_FALSE(GraphicsModeExists(1024, 768, 16, 0));
    Graphics(999, 555, 0, 60);  // a window needs no full-screen mode
    EXPECT_EQ(GraphicsWidth(), 999);
    EndGraphics();
    headless::Reset();
}

}  // namespace
}  // namespace kvx
