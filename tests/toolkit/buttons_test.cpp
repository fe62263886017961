// Push and custom buttons: looks by state, the one-frame click, the press latch, tooltips.
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/custom_button.hpp"
#include "gadgets/label.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class ButtonTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        window = KVX_Window::Create("Buttons", 100, 100, 400, 300, 0, 0, 0);
        button = KVX_PushButton::Create(window, "Press", 20, 30, 120);
        Frame();
    }
    int Left() const { return button->AbsX; }
    int Top() const { return button->AbsY; }
    KVX_WindowRef window;
    KVX_PushButtonRef button;
};

TEST_F(ButtonTest, NarrowButtonsAreWidenedAndSlicedFromTheSkin) {
    KVX_PushButtonRef small = KVX_PushButton::Create(window, "x", 0, 0, 20);
    EXPECT_EQ(small->Width, 35);
    EXPECT_EQ(small->CapWidth, 15);
    EXPECT_EQ(small->Height, 23);
    EXPECT_EQ(ImageWidth(ImageFromHandle(small->NormalMiddle)), 35 - 2 * 15);
    EXPECT_EQ(ImageWidth(ImageFromHandle(button->PressMiddle)), 120 - 30);
    EXPECT_EQ(button->Caption->X, 60) << "caption centred at creation";
}

TEST_F(ButtonTest, AClickIsReportedOnceAfterAReleaseInside) {
    headless::ResetSoundsPlayed();
    MoveTo(Left() + 10, Top() + 10);
    EXPECT_EQ(button->State, 1);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(button->State, 2);
    EXPECT_EQ(button->Pressed(), 1);
    EXPECT_EQ(KVX_PressReleased, 0);
    Frame();
    EXPECT_EQ(headless::SoundsPlayed(), 1) << "one click sound per press";
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(KVX_PressReleased, 1);
    EXPECT_EQ(button->Clicked(), 1);
    EXPECT_EQ(button->Clicked(), 0);
    Frame();
    EXPECT_EQ(button->Clicked(), 0) << "a click not polled in its frame is gone";
}

TEST_F(ButtonTest, ReleasingOutsideGivesNoClickAndKeepsTheLatch) {
    headless::ResetSoundsPlayed();
    headless::MoveMouse(Left() + 10, Top() + 10);
    headless::PressMouse(1);
    Frame();
    MoveTo(Left() + 300, Top() + 100);
    EXPECT_EQ(button->State, 0) << "holding off the button shows the normal look";
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(button->Clicked(), 0);
    EXPECT_EQ(KVX_PressReleased, 1);
    Click(Left() + 10, Top() + 10);
    EXPECT_EQ(headless::SoundsPlayed(), 1) << "the press after a release outside is silent";
    EXPECT_EQ(button->Clicked(), 1);
}

TEST_F(ButtonTest, DisabledButtonsAndBlockedInputIgnoreTheMouse) {
    button->Disabled = 1;
    Click(Left() + 10, Top() + 10);
    EXPECT_EQ(button->Clicked(), 0);
    EXPECT_EQ(button->State, 0);
    button->Disabled = 0;
    ComboOpen = 1;
    Click(Left() + 10, Top() + 10);
    EXPECT_EQ(button->Clicked(), 0);
    ComboOpen = 0;
    MenuOpen = 1;
    MoveTo(Left() + 10, Top() + 10);
    EXPECT_EQ(button->State, 0);
    MenuOpen = 0;
    KVX_WindowRef other = KVX_Window::Create("Other", 600, 500, 200, 100, 0, 0, 0);
    KVX_ActivationAllowed = 0;
    Click(Left() + 10, Top() + 10);
    EXPECT_EQ(button->Clicked(), 0) << "under a modal dialog an inactive window stays inactive";
    KVX_ActivationAllowed = 1;
    Click(Left() + 10, Top() + 10);
    EXPECT_EQ(button->Clicked(), 1) << "the click that activates the window also clicks";
}

TEST_F(ButtonTest, TheBodyIsNotDrawnInTheFrameAClickCompletes) {
    KVX_PushButtonRef bare = KVX_PushButton::Create(nullptr, "", 500, 500, 80);
    EXPECT_EQ(bare->ParentGadget(), KVX_DesktopWindow);
    SetClsColor(1, 2, 3);
    Click(10, 700);  // activate the desktop window first
    Frame();
    EXPECT_EQ(bare->AbsY, 521) << "the desktop's body origin is 21 pixels down";
    // Probe left of and above the pointer, where the cursor does not draw.
    const int x = bare->AbsX + 40, y = bare->AbsY + 5;
    EXPECT_NE(BackBufferPixel(x, y), 0x010203u);
    headless::MoveMouse(bare->AbsX + 75, bare->AbsY + 20);
    headless::PressMouse(1);
    Frame();
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(bare->State, 3);
    EXPECT_EQ(BackBufferPixel(x, y), 0x010203u);
}

TEST_F(ButtonTest, TooltipsFadeInAfterTheHoverDelay) {
    button->Tooltip = "Does things";
    MoveTo(800, 700);
    MoveTo(Left() + 10, Top() + 10);
    Frame();
    EXPECT_EQ(KVX_TooltipAlpha, 0.f);
    headless::AdvanceClock(451);
    Frames(3);
    EXPECT_GT(KVX_TooltipAlpha, 0.f);
    EXPECT_LT(KVX_TooltipAlpha, 0.01f) << "fading in by 0.0025 per frame";
    MoveTo(800, 700);
    MoveTo(Left() + 10, Top() + 10);
    EXPECT_EQ(KVX_TooltipAlpha, 0.f) << "arriving again restarts the delay";
}

// The rows of the press table in button_base.cpp that a press made elsewhere reaches.
TEST_F(ButtonTest, APressMadeElsewhereNeverClicksAndEveryReleaseEndsThePress) {
    Click(Left() + 10, Top() + 10);
    ASSERT_EQ(button->Clicked(), 1);
    headless::MoveMouse(Left() + 200, Top() + 100);
    headless::PressMouse(1);
    Frame();
    MoveTo(Left() + 10, Top() + 10);
    EXPECT_EQ(button->State, 1) << "held from elsewhere over the button: the hover look only";
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(button->Clicked(), 0) << "the last click's capture is long gone";

    // A release the button never sees (it was hidden while held) still ends the press, so that
    // windows can be dragged by their title again.
    headless::PressMouse(1);
    Frame();
    ASSERT_EQ(KVX_PressReleased, 0);
    button->Hidden = 1;
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(KVX_PressReleased, 1);
    EXPECT_EQ(KVX_PressedGadget, 0);
    button->Hidden = 0;
    Drag(window->X + 150, window->Y + 5, window->X + 170, window->Y + 25);
    EXPECT_EQ(window->X, 120) << "the window drags";
}

TEST_F(ButtonTest, CustomButtonsBuildBevelsIntoTheirPictures) {
    const std::string picture = SkinPath("Listbox_Body.png");
    KVX_CustomButtonRef custom = KVX_CustomButton::Create(window, "", 10, 80, 30, 20, picture, picture, picture, 1);
    const auto& normal = ImageFromHandle(custom->NormalImage)->frames[0].pixmap;
    const auto& pressed = ImageFromHandle(custom->PressImage)->frames[0].pixmap;
    const uint32_t a = uint32_t(ToARGB(KVX_SchemeColors.CustomButtonEdgeA));
    const uint32_t b = uint32_t(ToARGB(KVX_SchemeColors.CustomButtonEdgeB));
    EXPECT_EQ(normal->at(0, 0), a);
    EXPECT_EQ(normal->at(29, 19), b);
    EXPECT_EQ(pressed->at(0, 0), b) << "the pressed look has its edges exchanged";
    EXPECT_EQ(pressed->at(29, 19), a);
    KVX_CustomButtonRef missing = KVX_CustomButton::Create(window, "", 10, 80, 30, 20, "nope.png", "", "", 0);
    EXPECT_EQ(missing->NormalImage, 0);
    ASSERT_TRUE(missing->Caption) << "an empty caption still makes its label";
    Frame();
}

}  // namespace
}  // namespace kvx
