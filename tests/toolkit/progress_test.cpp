// Progress bars: the label text and where the empty-look overlay starts.
#include "gadgets/progress.hpp"

#include "gadgets/label.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

constexpr unsigned kBodyColor = 0xC00000u;  // the filled look
constexpr unsigned kBarColor = 0x0000C0u;   // the empty look

class ProgressTest : public testing::ToolkitTest {
protected:
    // A bar whose two pictures are replaced by solid ones of the same sizes, so that the probes
    // tell the filled part from the empty part whatever the skin looks like.
    KVX_ProgressRef MakeBar(const std::string& caption, int value, int maximum) {
        auto bar = KVX_Progress::Create(KVX_DesktopWindow, caption, 60, 100, kWidth, kHeight, value, maximum);
        Recolor(bar->BodyImage, kBodyColor);
        Recolor(bar->BarImage, kBarColor);
        return bar;
    }
    static void Recolor(int32_t& handle, unsigned rgb) {
        const ImagePtr image = ImageFromHandle(handle);
        ASSERT_TRUE(image);
        auto solid = std::make_shared<Pixmap>(ImageWidth(image), ImageHeight(image), 0xFF000000u | rgb);
        ReleaseHandle(handle);
        handle = HandleFromImage(LoadImage(solid, kDynamicImage));
    }
    static std::string LabelOf(const KVX_ProgressRef& bar) {
        Frame();
        return bar->Caption ? bar->Caption->Text : "<no label>";
    }
    // Row 2 of the bar from its left edge, one character per pixel: B body, O overlay, - other.
    static std::string TopRow(const KVX_ProgressRef& bar) {
        std::string out;
        for (int x = 0; x <= kWidth; ++x) {
            const unsigned p = BackBufferPixel(bar->AbsX + x, bar->AbsY + 2);
            out += p == kBodyColor ? 'B' : p == kBarColor ? 'O' : '-';
        }
        return out;
    }
    static std::string Run(char c, int n) { return std::string(size_t(n), c); }

    static constexpr int kWidth = 200, kHeight = 40;
};

TEST_F(ProgressTest, LabelIsCaptionBlankPercentAndSign) {
    const KVX_ProgressRef bar = MakeBar("Load", 0, 100);
    EXPECT_EQ(LabelOf(bar), "Load 0%");
    bar->Value = 100;
    EXPECT_EQ(LabelOf(bar), "Load 100%");
    bar->Value = 250;
    EXPECT_EQ(LabelOf(bar), "Load 250%");
    bar->Value = 99.5f;
    EXPECT_EQ(LabelOf(bar), "Load 99%");
    bar->Maximum = 3;
    bar->Value = 1;
    EXPECT_EQ(LabelOf(bar), "Load 33%");

    const KVX_ProgressRef unnamed = MakeBar("", 50, 100);
    EXPECT_EQ(LabelOf(unnamed), " 50%");
}

TEST_F(ProgressTest, OverlayCoversTheInsideRightOfTheFilledLength) {
    const KVX_ProgressRef bar = MakeBar("Load", 0, 100);
    Frame();
    EXPECT_EQ(TopRow(bar), "B" + Run('O', kWidth - 2) + "B-") << "value 0: overlay over the whole inside";
    EXPECT_EQ(BackBufferPixel(bar->AbsX + 1, bar->AbsY), kBodyColor) << "overlay starts one row down";
    EXPECT_EQ(BackBufferPixel(bar->AbsX + 1, bar->AbsY + kHeight - 1), kBodyColor) << "and ends one row early";

    bar->Value = 25;  // 50 of 200 pixels
    Frame();
    EXPECT_EQ(TopRow(bar), Run('B', 51) + Run('O', kWidth - 52) + "B-");

    for (float full : {100.f, 180.f}) {
        bar->Value = full;
        Frame();
        EXPECT_EQ(TopRow(bar), Run('B', kWidth) + "-") << "value " << full;
    }

    bar->Value = -20;  // below the range the bar stays empty instead of filling from the right
    Frame();
    EXPECT_EQ(TopRow(bar), "B" + Run('O', kWidth - 2) + "B-");
}

TEST_F(ProgressTest, ZeroMaximumShowsAnEmptyBarAtZeroPercent) {
    const KVX_ProgressRef bar = MakeBar("Load", 30, 0);
    EXPECT_EQ(LabelOf(bar), "Load 0%");
    EXPECT_EQ(TopRow(bar), "B" + Run('O', kWidth - 2) + "B-");
    bar->Value = 0;
    EXPECT_EQ(LabelOf(bar), "Load 0%");
    EXPECT_EQ(TopRow(bar), "B" + Run('O', kWidth - 2) + "B-");
}

}  // namespace
}  // namespace kvx
