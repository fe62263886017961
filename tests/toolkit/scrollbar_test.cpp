// Scroll bar: the drag mapping with its clamping, the wheel, the caption, and an empty range.
#include <cmath>

#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/label.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

constexpr unsigned kThumbLight = 0x0096CC;  // 0,150,204: the thumb's left and top edges (above the caption)

class ScrollbarTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        KVX_Mouse = KVX_MouseState{};
        ComboOpen = MenuOpen = 0;
        window = KVX_Window::Create("Bars", 100, 100, 400, 300, 0, 0, 0);
    }
    KVX_ScrollbarRef MakeBar(float value, float minimum, float maximum, int integerOnly, int y = 30) {
        KVX_ScrollbarRef bar =
            KVX_Scrollbar::Create(window, "Level", 20, y, 100, 20, value, minimum, maximum, 1.f, 0, integerOnly);
        Frame();
        return bar;
    }
    // The pointer to an offset along the bar, the button as it is, for one frame.
    static void DragTo(const KVX_ScrollbarRef& bar, int offset) {
        headless::MoveMouse(bar->AbsX + offset, bar->AbsY + 10);
        Frame();
    }
    static unsigned At(int x, int y) { return Pixel(x, y) & 0xFFFFFFu; }
    KVX_WindowRef window;
};

TEST_F(ScrollbarTest, DraggingMapsThePointerOffsetOntoTheRange) {
    KVX_ScrollbarRef bar = MakeBar(30.f, 0.f, 100.f, 0);
    EXPECT_EQ(bar->ThumbSize, 25);
    headless::MoveMouse(bar->AbsX + 12, bar->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(bar->State, 1);
    EXPECT_FLOAT_EQ(bar->Value, 0.f);
    DragTo(bar, 87);
    EXPECT_FLOAT_EQ(bar->Value, 100.f);
    DragTo(bar, 50);
    EXPECT_FLOAT_EQ(bar->Value, 38.f * 100.f / 75.f);
    EXPECT_NEAR(bar->Value, 50.6667, 1e-3);
    EXPECT_EQ(bar->Caption->Text, "Level 50.6666679");
    DragTo(bar, 0);
    EXPECT_FLOAT_EQ(bar->Value, 0.f) << "-16 clamped to the minimum";
    EXPECT_FLOAT_EQ(bar->ThumbPos, 12.f);
    MoveTo(0, 0);  // the cursor off the bar; the drag stops while the pointer is elsewhere
    EXPECT_EQ(bar->State, 0);
    EXPECT_EQ(At(bar->AbsX + 1, bar->AbsY + 3), kThumbLight) << "the thumb at its first position";
    DragTo(bar, 87);
    EXPECT_EQ(bar->State, 1) << "back over the bar, the same press drags again";
    EXPECT_FLOAT_EQ(bar->Value, 100.f);
    headless::ReleaseMouse(1);
    Frame();
    DragTo(bar, 50);
    EXPECT_FLOAT_EQ(bar->Value, 100.f) << "moving without the button changes nothing";

    KVX_ScrollbarRef whole = MakeBar(0.f, 0.f, 100.f, 1, 80);
    headless::MoveMouse(whole->AbsX + 50, whole->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(whole->Value, 50.f);
    EXPECT_EQ(whole->Caption->Text, "Level 50");
    headless::ReleaseMouse(1);
    Frame();
}

TEST_F(ScrollbarTest, WheelStepsAreClampedInTheSameUpdateAndMoveTheThumbNext) {
    KVX_ScrollbarRef bar = MakeBar(100.f, 0.f, 100.f, 0);
    bar->Step = 10.f;
    MoveTo(bar->AbsX + 50, bar->AbsY + 10);
    headless::Wheel(-1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 100.f) << "110 clamped at once";
    EXPECT_EQ(bar->Caption->Text, "Level 100.000000");
    headless::Wheel(1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 90.f);
    EXPECT_EQ(bar->ThumbValid, 0.f);
    Frame();
    EXPECT_FLOAT_EQ(bar->ThumbPos, bar->PositionFromValue(90.f, 100.f));
    EXPECT_FLOAT_EQ(bar->ThumbPos, 90.f * 75.f / 100.f + 12.f);

    // The application sets a value and asks for the thumb to follow.
    bar->Value = 0.f;
    bar->ThumbValid = 0.f;
    MoveTo(0, 0);
    EXPECT_FLOAT_EQ(bar->ThumbPos, 12.f);
    EXPECT_EQ(At(bar->AbsX + 1, bar->AbsY + 3), kThumbLight);

    bar->ShowValue = 0;
    bar->Caption->Text = "kept";
    bar->Increment();
    Frame();
    EXPECT_EQ(bar->Caption->Text, "kept");
}

TEST_F(ScrollbarTest, AVerticalBarDragsAlongItsHeightAndIsNeverCaptioned) {
    KVX_ScrollbarRef bar = KVX_Scrollbar::Create(window, "Ignored", 200, 10, 20, 200, 0.f, 0.f, 10.f, 1.f, 1, 1);
    Frame();
    EXPECT_EQ(bar->Text, "");
    EXPECT_EQ(bar->ThumbSize, 50);
    EXPECT_EQ(bar->ShowValue, 1);
    EXPECT_EQ(bar->Caption->Text, "");
    headless::MoveMouse(bar->AbsX + 10, bar->AbsY + 175);
    headless::PressMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 10.f);
    EXPECT_EQ(bar->Caption->Text, "");
    headless::ReleaseMouse(1);
    MoveTo(0, 0);
    EXPECT_EQ(At(bar->AbsX + 10, bar->AbsY + 151), kThumbLight) << "the thumb's top edge at the end";
}

TEST_F(ScrollbarTest, AnEmptyRangeKeepsTheThumbAtItsFirstPosition) {
    KVX_ScrollbarRef bar = MakeBar(7.f, 5.f, 5.f, 0);
    EXPECT_FLOAT_EQ(bar->ThumbPos, 12.f);
    EXPECT_FLOAT_EQ(bar->Value, 5.f);
    EXPECT_EQ(bar->Caption->Text, "Level 5.00000000");
    EXPECT_EQ(At(bar->AbsX + 1, bar->AbsY + 3), kThumbLight);

    headless::MoveMouse(bar->AbsX + 60, bar->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 5.f);
    headless::ReleaseMouse(1);
    Frame();
    bar->Increment();
    Frame();
    EXPECT_FLOAT_EQ(bar->ThumbPos, 12.f);
    EXPECT_FLOAT_EQ(bar->Value, 5.f);

    // A thumb as long as the bar leaves no travel: the value stays at the minimum.
    KVX_ScrollbarRef full = MakeBar(0.f, 0.f, 10.f, 0, 80);
    full->ThumbSize = 100;
    EXPECT_FLOAT_EQ(full->ValueFromPosition(70, 100), 0.f);
    headless::MoveMouse(full->AbsX + 70, full->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_FALSE(std::isnan(full->Value));
    EXPECT_FLOAT_EQ(full->Value, 0.f);
    headless::ReleaseMouse(1);
    Frame();
}

}  // namespace
}  // namespace kvx
