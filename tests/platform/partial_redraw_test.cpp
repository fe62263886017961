// Frames drawn again only where they changed give the pixels of frames drawn whole.
#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "support/headless_fixture.hpp"
#include "support/redraw_check.hpp"

namespace kvx {
namespace {

constexpr int kWidth = 400, kHeight = 300;

// Something a frame draws, with the drawing state it draws in.
struct Piece {
    enum Kind { Picture, Box, Line, Words, ViewportClear, Snapshot } kind = Box;
    int x = 0, y = 0, w = 0, h = 0;  // a line runs from x, y to x + w, y + h
    int picture = 0;
    int r = 255, g = 255, b = 255;
    float alpha = 1.f;
    int blend = kAlphaBlend;
    bool clipped = false;
    int vx = 0, vy = 0, vw = 0, vh = 0;
};

class PartialRedrawTest : public testing::HeadlessTest {
protected:
    void SetUp() override {
        OpenDisplay(kWidth, kHeight);
        std::mt19937 rng(11);
        pictures_.push_back(Picture(rng, 90, 70, [](std::mt19937&, int, int) { return 0xFF000000u; }));
        pictures_.push_back(Picture(rng, 40, 30, [](std::mt19937& r, int, int) {
            const uint32_t alphas[] = {0u, 0x80000000u, 0xFF000000u, uint32_t(r() & 0xFFu) << 24};
            return alphas[r() % 4];
        }));
        // Opaque below a transparent band, as a window's body under its rounded top.
        pictures_.push_back(Picture(rng, 120, 80, [](std::mt19937&, int, int y) { return y < 6 ? 0u : 0xFF000000u; }));
        pictures_.push_back(CreateImage(24, 24, 1, kDynamicImage));
        snapshot_ = CreateImage(30, 20, 1, kDynamicImage);
    }

    template <class Alpha>
    static ImagePtr Picture(std::mt19937& rng, int w, int h, Alpha alpha) {
        auto pixels = std::make_shared<Pixmap>(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) pixels->at(x, y) = alpha(rng, x, y) | (rng() & 0x00FFFFFFu);
        return LoadImage(pixels, 0);
    }

    Piece RandomPiece(std::mt19937& rng) const {
        Piece p;
        const int kinds = 100;
        const int roll = int(rng() % kinds);
        p.kind = roll < 35   ? Piece::Picture
                 : roll < 60 ? Piece::Box
                 : roll < 75 ? Piece::Line
                 : roll < 92 ? Piece::Words
                 : roll < 96 ? Piece::ViewportClear
                             : Piece::Snapshot;
        p.x = int(rng() % (kWidth + 60)) - 30;
        p.y = int(rng() % (kHeight + 60)) - 30;
        p.w = int(rng() % 160) - (p.kind == Piece::Line ? 80 : 0);
        p.h = int(rng() % 120) - (p.kind == Piece::Line ? 60 : 0);
        p.picture = int(rng() % pictures_.size());
        p.r = int(rng() % 256), p.g = int(rng() % 256), p.b = int(rng() % 256);
        if (rng() % 3 == 0) p.r = p.g = p.b = 255;
        const float alphas[] = {1.f, 1.f, 0.5f, 0.25f, 0.9f};
        p.alpha = alphas[rng() % 5];
        const int blends[] = {kAlphaBlend, kAlphaBlend, kAlphaBlend, kMaskBlend, kSolidBlend, kLightBlend, kShadeBlend};
        p.blend = blends[rng() % 7];
        p.clipped = rng() % 4 == 0;
        p.vx = int(rng() % kWidth), p.vy = int(rng() % kHeight);
        p.vw = int(rng() % 200), p.vh = int(rng() % 150);
        return p;
    }

    void Draw(const Piece& p) const {
        if (p.clipped) SetViewport(p.vx, p.vy, p.vw, p.vh);
        SetColor(p.r, p.g, p.b);
        SetAlpha(p.alpha);
        SetBlend(p.blend);
        switch (p.kind) {
            case Piece::Picture: DrawImage(pictures_[size_t(p.picture)], float(p.x), float(p.y)); break;
            case Piece::Box: DrawRect(float(p.x), float(p.y), float(p.w), float(p.h)); break;
            case Piece::Line: DrawLine(float(p.x), float(p.y), float(p.x + p.w), float(p.y + p.h)); break;
            case Piece::Words: DrawText("Korvex " + std::to_string(p.w), float(p.x), float(p.y)); break;
            case Piece::ViewportClear:
                SetViewport(p.vx, p.vy, p.vw, p.vh);
                SetClsColor(p.r, p.g, p.b);
                Cls();
                SetClsColor(0, 0, 0);
                break;
            case Piece::Snapshot:
                // Reading the back buffer mid-frame sees the frame so far.
                GrabImage(snapshot_, p.x, p.y);
                DrawImage(snapshot_, float(p.x + p.w / 4), float(p.y + p.h / 4));
                break;
        }
        SetViewport(0, 0, kWidth, kHeight);
    }

    void Frame(const std::vector<Piece>& pieces, bool clear = true) const {
        if (clear) Cls();
        for (const Piece& p : pieces) Draw(p);
        zglSwapBuffers();
    }

    // Repaints the dynamic picture, as a program changing an image between frames does.
    void Repaint(std::mt19937& rng) const {
        const PixmapPtr pixels = LockImage(pictures_[3]);
        for (uint32_t& p : pixels->pixels) p = rng() | 0x80000000u;
        UnlockImage(pictures_[3]);
    }

    std::vector<ImagePtr> pictures_;
    ImagePtr snapshot_;
};

TEST_F(PartialRedrawTest, RandomFramesAndEditsDrawTheSamePixelsAsFullRedraws) {
    std::mt19937 rng(2024);
    std::vector<Piece> pieces;
    for (int i = 0; i < 30; ++i) pieces.push_back(RandomPiece(rng));
    Frame(pieces);
    const testing::RedrawCheck check;
    for (int frame = 0; frame < 400; ++frame) {
        for (int edits = int(rng() % 4); edits > 0; --edits) {
            const size_t at = rng() % pieces.size();
            switch (rng() % 7) {
                case 0: pieces[at].x += int(rng() % 9) - 4, pieces[at].y += int(rng() % 9) - 4; break;
                case 1: pieces[at].r = int(rng() % 256), pieces[at].alpha = rng() % 2 ? 1.f : 0.5f; break;
                case 2: pieces.insert(pieces.begin() + std::ptrdiff_t(at), RandomPiece(rng)); break;
                case 3:
                    if (pieces.size() > 5) pieces.erase(pieces.begin() + std::ptrdiff_t(at));
                    break;
                case 4: std::swap(pieces[at], pieces[rng() % pieces.size()]); break;
                case 5: Repaint(rng); break;
                default: pieces[at].clipped = !pieces[at].clipped; break;
            }
        }
        // Now and then a frame without a clear blends over what the last one left.
        Frame(pieces, rng() % 8 != 0);
    }
    EXPECT_EQ(check.Frames(), 400);
    EXPECT_LT(check.Recomposed(), int64_t(400) * kWidth * kHeight) << "some frames drew only part of the screen";
}

TEST_F(PartialRedrawTest, OnlyWhatChangedIsDrawnAgainAndNothingWhenNothingDid) {
    std::mt19937 rng(5);
    std::vector<Piece> pieces;
    for (int i = 0; i < 40; ++i) {
        Piece p = RandomPiece(rng);
        if (p.kind == Piece::Snapshot) p.kind = Piece::Box;
        p.picture %= 3;  // the dynamic picture only where placed below
        pieces.push_back(p);
    }
    Frame(pieces);
    std::optional<testing::RedrawCheck> check(std::in_place);
    Frame(pieces);
    EXPECT_EQ(PixelsRecomposed(), 0);

    // A small box moved: its old and new places, within the blocks they fall in.
    Piece& moved = pieces[20];
    moved = Piece{};
    moved.x = 200, moved.y = 140, moved.w = moved.h = 10;
    Frame(pieces);
    moved.x += 3;
    Frame(pieces);
    EXPECT_GT(PixelsRecomposed(), 0);
    EXPECT_LE(PixelsRecomposed(), 13 * 10);
    Frame(pieces);
    EXPECT_EQ(PixelsRecomposed(), 0);

    // Changed pixels of a picture show although every call is the same.
    pieces[21] = Piece{};
    pieces[21].kind = Piece::Picture;
    pieces[21].picture = 3;
    Frame(pieces);
    Repaint(rng);
    Frame(pieces);
    EXPECT_EQ(PixelsRecomposed(), 24 * 24);

    check.reset();
    SetRedrawMode(RedrawMode::Full);
    Frame(pieces);
    EXPECT_EQ(PixelsRecomposed(), int64_t(kWidth) * kHeight);
    SetRedrawMode(RedrawMode::Changes);
}

}  // namespace
}  // namespace kvx
