// Scroll bar: the drag mapping with its clamping, the wheel, the caption, and an empty range.
#include "gadgets/scrollbar.hpp"

#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/label.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

constexpr unsigned kThumbLight = 0x0096CC;  // 0,150,204: the thumb's left and top edges

class ScrollbarTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        window = KVX_Window::Create("Bars", 100, 100, 400, 300, 0, 0, 0);
    }
    KVX_ScrollbarRef Bar(float value, float minimum, float maximum, int integerOnly, int y = 30) {
        KVX_ScrollbarRef bar =
            KVX_Scrollbar::Create(window, "Level", 20, y, 100, 20, value, minimum, maximum, 1.f, 0, integerOnly);
        Frame();
        return bar;
    }
    // The pointer to an offset along the bar for one frame, the button as it is.
    static void PointAt(const KVX_ScrollbarRef& bar, int offset) { MoveTo(bar->AbsX + offset, bar->AbsY + 10); }
    // Above the caption, with the pointer out of the way.
    static bool ThumbAtFirstPosition(const KVX_ScrollbarRef& bar) {
        MoveTo(0, 0);
        return (Pixel(bar->AbsX + 1, bar->AbsY + 3) & 0xFFFFFFu) == kThumbLight;
    }
    KVX_WindowRef window;
};

TEST_F(ScrollbarTest, DraggingMapsThePointerOffsetOntoTheRange) {
    KVX_ScrollbarRef bar = Bar(30.f, 0.f, 100.f, 0);
    EXPECT_EQ(bar->ThumbSize, 25);
    headless::MoveMouse(bar->AbsX + 12, bar->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 0.f);
    PointAt(bar, 87);
    EXPECT_FLOAT_EQ(bar->Value, 100.f);
    PointAt(bar, 50);
    EXPECT_NEAR(bar->Value, 50.6667, 1e-3);
    EXPECT_EQ(bar->Caption->Text, "Level 50.6666679");
    PointAt(bar, 0);
    EXPECT_FLOAT_EQ(bar->Value, 0.f) << "-16 clamped to the minimum";
    EXPECT_FLOAT_EQ(bar->ThumbPos, 12.f);
    EXPECT_TRUE(ThumbAtFirstPosition(bar));
    headless::ReleaseMouse(1);
    PointAt(bar, 50);
    EXPECT_FLOAT_EQ(bar->Value, 0.f) << "moving without the button changes nothing";

    KVX_ScrollbarRef whole = Bar(0.f, 0.f, 100.f, 1, 80);
    headless::MoveMouse(whole->AbsX + 50, whole->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(whole->Caption->Text, "Level 50");
    headless::ReleaseMouse(1);
}

TEST_F(ScrollbarTest, WheelStepsAreClampedInTheSameUpdateAndTheThumbFollows) {
    KVX_ScrollbarRef bar = Bar(100.f, 0.f, 100.f, 0);
    bar->Step = 10.f;
    PointAt(bar, 50);
    headless::Wheel(-1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 100.f) << "110 clamped at once";
    headless::Wheel(1);
    Frames(2);
    EXPECT_FLOAT_EQ(bar->Value, 90.f);
    EXPECT_FLOAT_EQ(bar->ThumbPos, 90.f * 75.f / 100.f + 12.f);
}

TEST_F(ScrollbarTest, AVerticalBarIsNeverCaptioned) {
    KVX_ScrollbarRef bar = KVX_Scrollbar::Create(window, "Ignored", 200, 10, 20, 200, 0.f, 0.f, 10.f, 1.f, 1, 1);
    Frame();
    headless::MoveMouse(bar->AbsX + 10, bar->AbsY + 175);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(bar->ThumbSize, 50);
    EXPECT_FLOAT_EQ(bar->Value, 10.f) << "dragged along its height";
    EXPECT_EQ(bar->ShowValue, 1);
    EXPECT_EQ(bar->Caption->Text, "");
    headless::ReleaseMouse(1);
}

TEST_F(ScrollbarTest, AnEmptyRangeKeepsTheThumbAtItsFirstPosition) {
    KVX_ScrollbarRef bar = Bar(7.f, 5.f, 5.f, 0);
    EXPECT_FLOAT_EQ(bar->ThumbPos, 12.f);
    EXPECT_FLOAT_EQ(bar->Value, 5.f);
    EXPECT_TRUE(ThumbAtFirstPosition(bar));
    headless::MoveMouse(bar->AbsX + 60, bar->AbsY + 10);
    headless::PressMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(bar->Value, 5.f);
    headless::ReleaseMouse(1);

    // A thumb as long as the bar leaves no travel: the value stays at the minimum.
    KVX_ScrollbarRef full = Bar(0.f, 0.f, 10.f, 0, 80);
    full->ThumbSize = 100;
    EXPECT_FLOAT_EQ(full->ValueFromPosition(70, 100), 0.f);
}

}  // namespace
}  // namespace kvx
