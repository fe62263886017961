// Drawing with numbers no caller means: NaN draws nothing, coordinates far off the screen cost no
// more than the pixels on it, and lines cut at the screen's edge keep every pixel they had.
#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <utility>

#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"

namespace kvx {
namespace {

using Points = std::set<std::pair<int, int>>;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

class AbsurdNumbersTest : public testing::HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        SetClsColor(0, 0, 0);
        Cls();
        SetColor(255, 255, 255);
    }
    static Points Lit() {
        Points lit;
        for (int y = 0; y < GraphicsHeight(); ++y)
            for (int x = 0; x < GraphicsWidth(); ++x)
                if (Pixel(x, y)) lit.insert({x, y});
        return lit;
    }
};

// The pixels of a line stepped from end to end, as drawing did before it cut lines to the screen.
Points SteppedLine(int ax, int ay, int bx, int by, bool lastPixel) {
    Points points;
    const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    for (int err = dx + dy;;) {
        const bool atEnd = ax == bx && ay == by;
        if (atEnd && !lastPixel) break;
        if (ax >= 0 && ay >= 0 && ax < GraphicsWidth() && ay < GraphicsHeight()) points.insert({ax, ay});
        if (atEnd) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
    return points;
}

TEST_F(AbsurdNumbersTest, NaNDrawsNothingAndInfinitiesStayOffTheScreen) {
    auto white = std::make_shared<Pixmap>(8, 8);
    for (uint32_t& p : white->pixels) p = 0xFFFFFFFFu;
    const ImagePtr image = LoadImage(white, 0);
    const auto everyPrimitive = [&](float x, float y, float x2, float y2) {
        DrawRect(x, y, x2 - x, y2 - y);
        DrawLine(x, y, x2, y2);
        DrawLine(x, y, x, y2);
        DrawLine(x, y, x2, y);
        Plot(x, y);
        DrawImage(image, x, y);
        DrawText("Korvex", x, y);
    };
    everyPrimitive(kNaN, 5, 20, 20);
    everyPrimitive(5, kNaN, 20, 20);
    DrawRect(5, 5, kNaN, 10);
    DrawRect(5, 5, 10, kNaN);
    DrawLine(5, 5, kNaN, 20);
    DrawLine(5, 5, 20, kNaN);
    SetAlpha(kNaN);
    for (const int blend : {kMaskBlend, kSolidBlend, kAlphaBlend, kLightBlend}) {
        SetBlend(blend);
        everyPrimitive(5, 5, 20, 20);
    }
    EXPECT_TRUE(Lit().empty());

    SetAlpha(1);
    SetBlend(kSolidBlend);
    for (const float far : {kInfinity, -kInfinity, 1e30f, -1e30f}) everyPrimitive(far, far, far, far);
    EXPECT_TRUE(Lit().empty());
    DrawRect(-1e30f, 3, 2e30f, 1);
    EXPECT_EQ(Lit().size(), size_t(GraphicsWidth()));
}

TEST_F(AbsurdNumbersTest, LinesCutAtTheScreenKeepEveryPixelStepsWouldGive) {
    std::mt19937 random(2024);
    // Ends far off the screen, and ends near or on it.
    for (int i = 0; i < 400; ++i) {
        const int range = i % 4 < 2 ? 4000 : 100;
        auto coordinate = [&] { return int(random() % range) - range / 2 + 30; };
        const int ax = coordinate(), ay = coordinate() / (i % 3 + 1), bx = coordinate(), by = coordinate();
        const bool lastPixel = i % 2 == 0;
        Cls();
        DrawLine(float(ax), float(ay), float(bx), float(by), lastPixel);
        ASSERT_EQ(Lit(), SteppedLine(ax, ay, bx, by, lastPixel)) << ax << "," << ay << " to " << bx << "," << by;
    }
    // Through the screen from a billion pixels away, in no time: the diagonal itself.
    Cls();
    const auto start = std::chrono::steady_clock::now();
    DrawLine(-1e9f, -1e9f, 1e9f, 1e9f);
    DrawLine(-1e9f, 1e9f, 1e9f, 1e9f - 1e3f);  // and one that never comes near the screen
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    Points diagonal;
    for (int i = 0; i < GraphicsHeight(); ++i) diagonal.insert({i, i});
    EXPECT_EQ(Lit(), diagonal);
}

}  // namespace
}  // namespace kvx
