// The canvas: anti-aliased coverage, compositing, effects, conversion to pixels and PNG output.
#include "tools/art/canvas.hpp"

#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "tools/art/noise.hpp"

namespace kvx::art {
namespace {

int Alpha(uint32_t p) { return int(p >> 24); }
int Red(uint32_t p) { return int(p >> 16 & 0xFF); }
int Green(uint32_t p) { return int(p >> 8 & 0xFF); }
int Blue(uint32_t p) { return int(p & 0xFF); }

TEST(ArtCanvas, FillCoversWholePixelsAndShadesEdges) {
    Canvas canvas(6, 4);
    canvas.Fill(RoundRect(0, 0, 2, 4), Rgb8(255, 0, 0));
    canvas.Fill(RoundRect(3, 0, 4.5f, 4), Rgb8(0, 255, 0));
    const Pixmap pixels = canvas.ToPixmap(Layout::Rgba);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(pixels.at(0, y), 0xFFFF0000u);
        EXPECT_EQ(pixels.at(1, y), 0xFFFF0000u);
        EXPECT_EQ(pixels.at(2, y), 0u);
        EXPECT_EQ(pixels.at(3, y), 0xFF00FF00u);
        EXPECT_NEAR(Alpha(pixels.at(4, y)), 128, 3);  // half covered
        EXPECT_EQ(Green(pixels.at(4, y)), 255);       // straight colour kept
        EXPECT_EQ(pixels.at(5, y), 0u);
    }

    // A disc's total coverage is its area.
    Canvas disc(40, 40);
    disc.Fill(Circle({20.3f, 19.6f}, 12.5f), Rgb8(255, 255, 255));
    double area = 0;
    const Pixmap discPixels = disc.ToPixmap(Layout::Rgba);
    for (uint32_t p : discPixels.pixels) area += Alpha(p) / 255.0;
    EXPECT_NEAR(area, 3.14159265 * 12.5 * 12.5, 3.0);
}

TEST(ArtCanvas, CompositesOverWithPaintAlphaAndOpacity) {
    Canvas canvas(3, 1, Rgb8(0, 0, 255));
    const Shape all = RoundRect(-1, -1, 4, 2);
    canvas.Fill(
        all, [](float x, float) { return Rgb8(255, 0, 0, x < 1 ? 0.5f : 1.0f); }, 1.0f);
    const Pixmap pixels = canvas.ToPixmap(Layout::Rgb);
    EXPECT_NEAR(Red(pixels.at(0, 0)), 128, 1);
    EXPECT_NEAR(Blue(pixels.at(0, 0)), 128, 1);
    EXPECT_EQ(pixels.at(1, 0), 0xFFFF0000u);

    Canvas faded(1, 1, Rgb8(0, 0, 0, 0));
    faded.Fill(all, Rgb8(200, 100, 50), 0.25f);
    const uint32_t p = faded.ToPixmap(Layout::Rgba).at(0, 0);
    EXPECT_NEAR(Alpha(p), 64, 1);
    EXPECT_EQ(Red(p), 200);
    EXPECT_EQ(Green(p), 100);

    // Transparent over transparent stays transparent; over a colour keeps the colour.
    Canvas layered(2, 1);
    layered.Fill(RoundRect(0, 0, 1, 1), Rgb8(10, 20, 30, 0.5f));
    layered.Fill(RoundRect(0, 0, 1, 1), Rgb8(10, 20, 30, 0.5f));
    EXPECT_NEAR(Alpha(layered.ToPixmap(Layout::Rgba).at(0, 0)), 191, 1);
    EXPECT_EQ(layered.ToPixmap(Layout::Rgba).at(1, 0), 0u);
}

TEST(ArtCanvas, PixelsNeverUseTheMaskColourForVisiblePixels) {
    Canvas canvas(4, 1);
    canvas.Fill(RoundRect(0, 0, 1, 1), Rgb8(0, 0, 0));
    canvas.Fill(RoundRect(1, 0, 2, 1), Rgb8(0, 0, 0, 0.5f));
    canvas.Fill(RoundRect(2, 0, 3, 1), Rgb8(0, 0, 1));
    const Pixmap rgba = canvas.ToPixmap(Layout::Rgba);
    EXPECT_EQ(rgba.at(0, 0), 0xFF010101u);
    EXPECT_EQ(rgba.at(1, 0) & 0xFFFFFFu, 0x010101u);
    EXPECT_NEAR(Alpha(rgba.at(1, 0)), 128, 1);
    EXPECT_EQ(rgba.at(2, 0), 0xFF000001u);  // not black: kept as it is
    EXPECT_EQ(rgba.at(3, 0), 0u);           // transparent: black with alpha 0
    const Pixmap rgb = canvas.ToPixmap(Layout::Rgb);
    for (uint32_t p : rgb.pixels) {
        EXPECT_EQ(Alpha(p), 255);
        EXPECT_NE(p & 0xFFFFFFu, 0u);
    }

    // Dithering moves a channel by at most one step and is the same on every run.
    Canvas grey(64, 64, Rgba{0.5f, 0.5f, 0.5f, 1});
    const Pixmap once = grey.ToPixmap(Layout::Rgb, true), again = grey.ToPixmap(Layout::Rgb, true);
    EXPECT_EQ(once.pixels, again.pixels);
    bool varies = false;
    for (uint32_t p : once.pixels) {
        EXPECT_NEAR(Red(p), 127.5, 1.0);
        varies = varies || Red(p) != Red(once.pixels[0]);
    }
    EXPECT_TRUE(varies);
}

TEST(ArtCanvas, EffectsStayWhereTheyBelong) {
    Canvas canvas(30, 30);
    const Shape square = RoundRect(10, 10, 20, 20);
    canvas.DropShadow(square, 4, 4, 1, Rgb8(0, 0, 0, 1));
    canvas.Glow(square, 3, Rgb8(255, 255, 0, 1));
    canvas.Fill(square, Rgb8(128, 128, 128));
    canvas.Bevel(square, 2, Rgb8(255, 255, 255, 1), Rgb8(0, 0, 0, 1));
    const Pixmap p = canvas.ToPixmap(Layout::Rgba);
    EXPECT_EQ(Alpha(p.at(22, 22)), 255);              // shadow below right
    EXPECT_EQ(Alpha(p.at(5, 5)), 0);                  // nothing far away
    EXPECT_GT(Alpha(p.at(15, 8)), 0);                 // glow just outside
    EXPECT_EQ(Alpha(p.at(15, 4)), 0);                 // but not beyond its radius
    EXPECT_GT(Red(p.at(15, 10)), Red(p.at(15, 15)));  // lit top edge
    EXPECT_LT(Red(p.at(15, 19)), Red(p.at(15, 15)));  // dark bottom edge
    EXPECT_EQ(p.at(15, 15), 0xFF808080u);             // the middle untouched

    Canvas target(4, 4);
    target.Draw(canvas.Crop(14, 14, 2, 2), 1, 1);
    const Pixmap drawn = target.ToPixmap(Layout::Rgba);
    EXPECT_EQ(drawn.at(1, 1), 0xFF808080u);
    EXPECT_EQ(drawn.at(0, 0), 0u);
    EXPECT_EQ(drawn.at(3, 3), 0u);
}

TEST(ArtCanvas, SavesRgbaAndRgbPngs) {
    const auto dir = std::filesystem::temp_directory_path() / "kvx_art_canvas_test";
    std::filesystem::create_directories(dir);
    Canvas canvas(5, 3);
    canvas.Fill(Circle({2.5f, 1.5f}, 1.2f), Rgb8(40, 80, 120));
    for (Layout layout : {Layout::Rgba, Layout::Rgb}) {
        const auto path = dir / (layout == Layout::Rgba ? "rgba.png" : "rgb.png");
        ASSERT_TRUE(SavePng(canvas, layout, path.string()));
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&image, path.string().c_str()));
        EXPECT_EQ(image.width, 5u);
        EXPECT_EQ(image.height, 3u);
        EXPECT_EQ((image.format & PNG_FORMAT_FLAG_ALPHA) != 0, layout == Layout::Rgba);
        png_image_free(&image);
    }
    std::filesystem::remove_all(dir);
}

TEST(ArtPaintAndNoise, GradientsFollowTheirRampsAndNoiseRepeats) {
    const Ramp ramp{{0, Rgb8(0, 0, 0)}, {0.5f, Rgb8(255, 0, 0)}, {1, Rgb8(255, 255, 255)}};
    EXPECT_FLOAT_EQ(Sample(ramp, -1).r, 0);
    EXPECT_FLOAT_EQ(Sample(ramp, 0.25f).r, 0.5f);
    EXPECT_FLOAT_EQ(Sample(ramp, 0.75f).g, 0.5f);
    EXPECT_FLOAT_EQ(Sample(ramp, 2).b, 1);
    EXPECT_FLOAT_EQ(VerticalGradient(10, 20, ramp)(99, 15).r, 1);
    EXPECT_FLOAT_EQ(HorizontalGradient(10, 20, ramp)(12.5f, 99).r, 0.5f);
    EXPECT_NEAR(LinearGradient(0, 0, 10, 10, ramp)(10, 0).r, 1, 1e-6);  // halfway along the diagonal
    EXPECT_NEAR(RadialGradient(0, 0, 10, 20, ramp)(0, 10).r, 1, 1e-6);
    EXPECT_FLOAT_EQ(Shade(Rgb8(0, 0, 0), 0.5f).r, 0.5f);
    EXPECT_FLOAT_EQ(Shade(Rgb8(255, 255, 255), -0.25f).g, 0.75f);

    EXPECT_EQ(Hash(3, 4, 1u), Hash(3, 4, 1u));
    EXPECT_NE(Hash(3, 4, 1u), Hash(3, 4, 2u));
    EXPECT_NE(Hash(3, 4, 1u), Hash(4, 3, 1u));
    double sum = 0;
    for (int i = 0; i < 4000; ++i) {
        const float h = Hash(i, i * 7, 5u);
        ASSERT_GE(h, 0.0f);
        ASSERT_LT(h, 1.0f);
        sum += h;
    }
    EXPECT_NEAR(sum / 4000, 0.5, 0.03);
    // Value noise is smooth: neighbouring samples a tenth of a cell apart stay close.
    for (float x = 0; x < 50; x += 0.7f) {
        const float a = ValueNoise(x, 3, 10, 9u), b = ValueNoise(x + 1, 3, 10, 9u);
        EXPECT_LT(std::abs(a - b), 0.2f);
        EXPECT_GE(FractalNoise(x, 3, 10, 4, 9u), 0.0f);
        EXPECT_LT(FractalNoise(x, 3, 10, 4, 9u), 1.0f);
    }
    EXPECT_FLOAT_EQ(ValueNoise(20, 30, 10, 9u), Hash(2, 3, 9u));  // lattice points are the hash
}

}  // namespace
}  // namespace kvx::art
