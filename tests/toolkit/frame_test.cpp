// Frames: the pre-rendered outline, its caption gap and its placement on the screen.
#include "gadgets/frame.hpp"

#include "core/skin.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

unsigned Rgb(const KVX_ColorRef& color) { return unsigned(ToARGB(color)) & 0xFFFFFFu; }

class FrameTest : public testing::ToolkitTest {
protected:
    static int CaptionWidth(const std::string& caption) {
        SetImageFont(KVX_GuiFont);
        return TextWidth(caption);
    }
    static int HalfCaptionHeight(const std::string& caption) {
        SetImageFont(KVX_GuiFont);
        return TextHeight(caption) / 2;
    }

    // One character per pixel of an image row: D dark line, L light line, . transparent.
    static std::string ImageRow(int image, int row) {
        const ImagePtr picture = ImageFromHandle(image);
        const Pixmap& pixels = *picture->frames[0].pixmap;
        std::string out;
        for (int x = 0; x < pixels.width; ++x) out += Classify(pixels.at(x, row));
        return out;
    }
    static std::string ImageColumn(int image, int column) {
        const ImagePtr picture = ImageFromHandle(image);
        const Pixmap& pixels = *picture->frames[0].pixmap;
        std::string out;
        for (int y = 0; y < pixels.height; ++y) out += Classify(pixels.at(column, y));
        return out;
    }
    static char Classify(uint32_t argb) {
        if ((argb >> 24) == 0) return '.';
        const unsigned rgb = argb & 0xFFFFFFu;
        if (rgb == Rgb(KVX_SchemeColors.FrameLineA)) return 'D';
        if (rgb == Rgb(KVX_SchemeColors.FrameLineB)) return 'L';
        return '?';
    }
    static std::string Run(char c, int n) { return std::string(size_t(std::max(n, 0)), c); }
};

TEST_F(FrameTest, OutlineImageHasTheCaptionGapBetween12And16PlusTextWidth) {
    const std::string caption = "Options";
    const int w = 200, h = 100, tw = CaptionWidth(caption), half = HalfCaptionHeight(caption);
    ASSERT_GT(tw, 0);
    const KVX_FrameRef frame = KVX_Frame::Create(KVX_DesktopWindow, caption, 40, 60, w, h);
    const ImagePtr image = ImageFromHandle(frame->FrameImage);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image), w + 2);
    EXPECT_EQ(ImageHeight(image), h + half + 3);

    EXPECT_EQ(ImageRow(frame->FrameImage, half), Run('D', 13) + Run('.', 3 + tw) + Run('D', w - 16 - tw) + "L.");
    EXPECT_EQ(ImageRow(frame->FrameImage, half + h), Run('L', w + 1) + ".");
    EXPECT_EQ(ImageColumn(frame->FrameImage, 0), Run('.', half) + Run('D', h) + "L" + Run('.', 2));
    EXPECT_EQ(ImageColumn(frame->FrameImage, w), Run('.', half) + Run('L', h + 1) + Run('.', 2));
    for (int row = 0; row < half; ++row) EXPECT_EQ(ImageRow(frame->FrameImage, row), Run('.', w + 2));
    EXPECT_EQ(ImageRow(frame->FrameImage, half + h / 2), Run('D', 1) + Run('.', w - 1) + "L.");
}

TEST_F(FrameTest, CaptionsReachingTheRightEdgeLeaveOnlyTheEdgeSegments) {
    const std::string caption = "A caption far wider than its frame";
    const int tw = CaptionWidth(caption), half = HalfCaptionHeight(caption);
    const int narrow = tw / 2;
    ASSERT_GT(narrow, 24);
    const KVX_FrameRef wide = KVX_Frame::Create(KVX_DesktopWindow, caption, 40, 60, narrow, 50);
    EXPECT_EQ(ImageRow(wide->FrameImage, half), Run('D', 13) + Run('.', narrow - 23) + Run('D', 10) + "L.");

    // 16 + tw past the width but tw within it: no right-hand segment, not even a stray pixel.
    const KVX_FrameRef tight = KVX_Frame::Create(KVX_DesktopWindow, caption, 40, 60, tw + 8, 50);
    EXPECT_EQ(ImageRow(tight->FrameImage, half), Run('D', 13) + Run('.', tw + 8 - 13) + "L.");
}

TEST_F(FrameTest, DrawsOutlineAndCaptionAtItsPlace) {
    const std::string caption = "Group";
    const int w = 120, h = 60, half = HalfCaptionHeight(caption), tw = CaptionWidth(caption);
    const KVX_FrameRef frame = KVX_Frame::Create(KVX_DesktopWindow, caption, 40, 80, w, h);
    Frame();
    const int ax = frame->AbsX, ay = frame->AbsY;
    const unsigned dark = Rgb(KVX_SchemeColors.FrameLineA), light = Rgb(KVX_SchemeColors.FrameLineB);
    EXPECT_EQ(BackBufferPixel(ax, ay + half), dark);
    EXPECT_EQ(BackBufferPixel(ax + 12, ay + half), dark);
    EXPECT_EQ(BackBufferPixel(ax + w - 5, ay + half), dark);
    EXPECT_EQ(BackBufferPixel(ax, ay + half + h - 1), dark);
    EXPECT_EQ(BackBufferPixel(ax + w, ay + half + h), light);
    EXPECT_EQ(BackBufferPixel(ax + w / 2, ay + half + h / 2), 0u);

    // The caption sits in the gap, starting 15 pixels in.
    const int top = ay - KVX_LineHeight / 4;
    auto litPixels = [&](int left, int right) {
        int lit = 0;
        for (int y = top; y < top + KVX_LineHeight; ++y) {
            for (int x = left; x < right; ++x) lit += (BackBufferPixel(x, y) >> 16) > 200;
        }
        return lit;
    };
    EXPECT_GT(litPixels(ax + 15, ax + 15 + tw), 0);
    EXPECT_EQ(litPixels(ax - 10, ax + 15), 0);
}

TEST_F(FrameTest, OffScreenPartsStayEmptyAndFreeReleasesTheImage) {
    const int half = HalfCaptionHeight("Left");
    const KVX_FrameRef frame = KVX_Frame::Create(nullptr, "Left", -10, 40, 60, 30);
    EXPECT_TRUE(frame->ParentGadget() == nullptr);
    const std::string top = ImageRow(frame->FrameImage, half);
    EXPECT_EQ(top.substr(0, 10), Run('.', 10)) << "the outline left of the screen is missing";
    EXPECT_EQ(top.substr(10, 3), "DDD");
    EXPECT_EQ(ImageColumn(frame->FrameImage, 0), Run('.', half + 33));

    const int handle = frame->FrameImage;
    frame->Free();
    EXPECT_EQ(frame->FrameImage, 0);
    EXPECT_EQ(frame->Closed, 1);
    EXPECT_EQ(ImageFromHandle(handle), nullptr);
}

}  // namespace
}  // namespace kvx
