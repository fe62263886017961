// Colour icons: hover and pressed bevels, clicks that need press and release on the same icon.
#include "gadgets/color_icon.hpp"

#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

unsigned Rgb(const KVX_ColorRef& color) { return unsigned(ToARGB(color)) & 0xFFFFFFu; }

class ColorIconTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        KVX_CursorKind = 0;  // keep the pointer's picture off the probed pixels
        KVX_PressedGadget = 0;
        KVX_PressReleased = 1;
        red_ = KVX_ColorIcon::Create(nullptr, 100, 100, 60, 40, KVX_Color::Create(200, 0, 0));
        green_ = KVX_ColorIcon::Create(nullptr, 300, 100, 60, 40, KVX_Color::Create(0, 200, 0));
        Frame();
    }
    void TearDown() override {
        headless::ReleaseMouse(1);
        Frame();
        KVX_CursorKind = 10;
        ToolkitTest::TearDown();
    }

    static int CenterX(const KVX_ColorIconRef& icon) { return icon->AbsX + icon->Width / 2; }
    static int CenterY(const KVX_ColorIconRef& icon) { return icon->AbsY + icon->Height / 2; }
    static void PressOn(const KVX_ColorIconRef& icon) {
        headless::MoveMouse(CenterX(icon), CenterY(icon));
        headless::PressMouse(1);
        Frame();
    }
    static void ReleaseAt(int x, int y) {
        headless::MoveMouse(x, y);
        headless::ReleaseMouse(1);
        Frame();
    }
    static unsigned TopLeft(const KVX_ColorIconRef& icon) { return BackBufferPixel(icon->AbsX, icon->AbsY); }
    static unsigned BottomRight(const KVX_ColorIconRef& icon) {
        return BackBufferPixel(icon->AbsX + icon->Width - 1, icon->AbsY + icon->Height - 1);
    }
    static unsigned Inside(const KVX_ColorIconRef& icon) { return BackBufferPixel(icon->AbsX + 5, icon->AbsY + 5); }

    KVX_ColorIconRef red_, green_;
};

TEST_F(ColorIconTest, ClickIsReportedOnceAndTheIconSkipsExactlyOneFrame) {
    const unsigned a = Rgb(KVX_SchemeColors.ColorIconEdgeA), b = Rgb(KVX_SchemeColors.ColorIconEdgeB);
    EXPECT_EQ(TopLeft(red_), a) << "normal: top and left in edge A";
    EXPECT_EQ(BottomRight(red_), b);
    EXPECT_EQ(Inside(red_), 0xC80000u);

    headless::MoveMouse(CenterX(red_), CenterY(red_));
    Frame();
    EXPECT_EQ(red_->State, 1);
    EXPECT_EQ(TopLeft(red_), a);

    ASSERT_NE(red_->ClickSound, 0);
    headless::ResetSoundsPlayed();
    PressOn(red_);
    Frame();  // still held
    EXPECT_EQ(red_->State, 2);
    EXPECT_EQ(red_->Pressed(), 1);
    EXPECT_EQ(red_->Clicked(), 0);
    EXPECT_EQ(TopLeft(red_), b) << "pressed: the edges swap";
    EXPECT_EQ(BottomRight(red_), a);
    EXPECT_EQ(headless::SoundsPlayed(), 1) << "one click sound per press";

    ReleaseAt(CenterX(red_), CenterY(red_));
    EXPECT_EQ(Inside(red_), 0u) << "nothing drawn in the frame the click completes";
    EXPECT_EQ(TopLeft(red_), 0u);
    EXPECT_EQ(Inside(green_), 0x00C800u);
    EXPECT_EQ(red_->Clicked(), 1);
    EXPECT_EQ(red_->Clicked(), 0);
    EXPECT_EQ(KVX_PressReleased, 1);

    Frame();
    EXPECT_EQ(Inside(red_), 0xC80000u) << "drawn again the frame after";
    EXPECT_EQ(red_->Clicked(), 0);

    PressOn(red_);
    EXPECT_EQ(headless::SoundsPlayed(), 2) << "the latch opens again after a click";
}

TEST_F(ColorIconTest, ClickNotReadInItsFrameIsGoneTheNextFrame) {
    PressOn(red_);
    ReleaseAt(CenterX(red_), CenterY(red_));
    EXPECT_EQ(red_->State, 3);
    Frame();
    EXPECT_EQ(red_->Clicked(), 0);
}

TEST_F(ColorIconTest, PressOnOneIconAndReleaseOnAnotherClicksNeither) {
    PressOn(green_);
    ReleaseAt(CenterX(red_), CenterY(red_));
    EXPECT_EQ(red_->Clicked(), 0);
    EXPECT_EQ(green_->Clicked(), 0);
    EXPECT_EQ(Inside(red_), 0xC80000u);
    EXPECT_EQ(KVX_PressedGadget, 0) << "the press ends with its release";
}

TEST_F(ColorIconTest, PressMovedOffAndReleasedElsewhereGivesNoClickButEndsThePress) {
    const unsigned a = Rgb(KVX_SchemeColors.ColorIconEdgeA), b = Rgb(KVX_SchemeColors.ColorIconEdgeB);
    PressOn(red_);
    EXPECT_EQ(KVX_PressReleased, 0);
    headless::MoveMouse(CenterX(red_), red_->AbsY + red_->Height + 30);
    Frame();
    EXPECT_EQ(red_->State, 0);
    EXPECT_EQ(TopLeft(red_), a) << "held off the icon: the normal look";
    headless::MoveMouse(CenterX(red_), CenterY(red_));
    Frame();
    EXPECT_EQ(TopLeft(red_), b) << "back over it: pressed again";

    ReleaseAt(CenterX(red_), red_->AbsY + red_->Height + 30);
    EXPECT_EQ(red_->Clicked(), 0);
    EXPECT_EQ(KVX_PressReleased, 1) << "a press released elsewhere must not keep windows from dragging";
}

TEST_F(ColorIconTest, DisabledIconsBlockedInputAndDisabledParentsIgnoreTheMouse) {
    auto pressIgnored = [&](const char* why) {
        PressOn(red_);
        EXPECT_EQ(red_->State, 0) << why;
        EXPECT_EQ(KVX_PressedGadget, 0) << why;
        const unsigned inside = Inside(red_);
        ReleaseAt(CenterX(red_), CenterY(red_));
        EXPECT_EQ(red_->Clicked(), 0) << why;
        return inside;
    };
    red_->Disabled = 1;
    EXPECT_NEAR(int(pressIgnored("icon disabled") >> 16), 100, 1) << "drawn at half alpha";
    red_->Disabled = 0;
    ComboOpen = 1;
    pressIgnored("combo list open");
    ComboOpen = 0;
    MenuOpen = 1;
    pressIgnored("menu open");
    MenuOpen = 0;
    // As under a modal dialog: the window stays inactive even when clicked.
    KVX_DesktopWindow->Disabled = 1;
    KVX_ActivationAllowed = 0;
    EXPECT_EQ(pressIgnored("parent disabled"), 0xC80000u) << "a disabled parent leaves the icon's own alpha";
    KVX_ActivationAllowed = 1;
}

}  // namespace
}  // namespace kvx
