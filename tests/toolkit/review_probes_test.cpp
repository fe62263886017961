// Rules a review found untested: each case here fails when the rule it names is changed by one
// comparison or one condition.
#include "core/cursor.hpp"
#include "core/fps.hpp"
#include "core/runtime.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/tabpanel.hpp"
#include "gadgets/window.hpp"
#include "platform/handles.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

class ReviewProbesTest : public testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        headless::SetClock(1000);
    }
};

TEST_F(ReviewProbesTest, MouseInHoldsOnEachEdgeOfEachAxisAlone) {
    // The box 100..110 x 50..70: the pointer may stand on any edge, the press not past x + w - 1, y + h - 1.
    struct Case {
        int x, y;
        int pointer, press;
    };
    const Case cases[] = {
        {100, 50, 1, 1}, {110, 70, 1, 0}, {109, 69, 1, 1}, {110, 60, 1, 0}, {105, 70, 1, 0},
        {99, 60, 0, 0},  {105, 49, 0, 0}, {111, 60, 0, 0}, {105, 71, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        KVX_Mouse = KVX_MouseState{};
        KVX_Mouse.X = c.x;
        KVX_Mouse.Y = c.y;
        EXPECT_EQ(KVX_Mouse.MouseIn(100, 50, 10, 20, false), c.pointer);
        // The press alone decides once the pointer is well inside.
        KVX_Mouse.X = 105;
        KVX_Mouse.Y = 60;
        KVX_Mouse.LeftPressX = c.x;
        KVX_Mouse.LeftPressY = c.y;
        EXPECT_EQ(KVX_Mouse.MouseIn(100, 50, 10, 20, true), c.press);
    }
}

// Minimising hides a window's gadgets once; what is put on a tab afterwards is kept hidden by the
// rule that a minimised window shows none of its tabs' gadgets.
TEST_F(ReviewProbesTest, GadgetsPutOnATabOfAMinimisedWindowStayHiddenUntilItOpens) {
    KVX_WindowRef window = KVX_Window::Create("Tabs", 100, 100, 400, 300, 0, 1, 0);
    window->ToggleMinimise();
    KVX_TabpanelRef panel = KVX_Tabpanel::Create(window, "One|Two", 5, 5, 300, 200);
    KVX_LabelRef onTab = KVX_Label::Create(window, "on tab one", 20, 60, 0, nullptr);
    AttachToTab(onTab, panel, "One");
    Frames(2);
    EXPECT_EQ(onTab->Hidden, 1);
    window->ToggleMinimise();
    Frames(2);
    EXPECT_EQ(onTab->Hidden, 0);
}

// The list takes presses on its body but its last pixel row, and none while its window is dragged:
// a list under the title bar scrolled by the wheel mid-drag must not select what comes under the pointer.
TEST_F(ReviewProbesTest, TheListSelectsOnlyForPressesOnItsBodyAndNotWhileItsWindowMoves) {
    KVX_WindowRef window = KVX_Window::Create("Lists", 100, 100, 500, 400, 0, 0, 0);
    KVX_ListboxRef box = KVX_Listbox::Create(window, 20, 30, 200, 5);
    for (int i = 1; i <= 20; ++i) box->AddItem("Item " + std::to_string(i), "");
    Frame();
    Click(box->AbsX + 20, box->AbsY + box->Height - 1);
    EXPECT_EQ(box->SelectedText, "");
    Click(box->AbsX + 20, box->AbsY + box->Height - 2);
    EXPECT_EQ(box->SelectedText, "Item 5");

    KVX_ListboxRef underTitle = KVX_Listbox::Create(window, 60, -window->TitleHeight - 1, 200, 5);
    for (int i = 1; i <= 20; ++i) underTitle->AddItem("Row " + std::to_string(i), "");
    Frame();
    const int x = underTitle->AbsX + 20, y = underTitle->AbsY + KVX_LineHeight / 2;
    Press(x, y);
    ASSERT_EQ(underTitle->SelectedText, "Row 1") << "the press frame selects before the drag starts";
    MoveTo(x + 40, y + 40);
    MoveTo(x + 60, y + 50);
    ASSERT_EQ(window->X, 160) << "the window follows the pointer";
    headless::Wheel(-3);
    Frames(2);
    EXPECT_EQ(underTitle->SelectedText, "Row 1");
    EXPECT_FLOAT_EQ(underTitle->VScroll->Value, 1.f);
    Release();
}

// The pointer's picture casts a shadow at half strength, 3 pixels right and 1 down: every pixel the
// shadow alone covers is white darkened by half.
TEST_F(ReviewProbesTest, ThePointerCastsAHalfDarkShadowThreeRightAndOneDown) {
    constexpr int kAt = 200, kRight = 3, kDown = 1;
    KVX_CursorKind = 10;
    SetClsColor(255, 255, 255);
    headless::MoveMouse(kAt, kAt);
    Frame();
    const KVX_Cursor& cursor = KVX_Cursors[0];
    const ImagePtr strip = ImageFromHandle(cursor.Image);
    ASSERT_TRUE(strip);
    const Pixmap& cell = *strip->frames[size_t(cursor.Frame)].pixmap;
    auto alpha = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < cell.width && y < cell.height ? cell.at(x, y) >> 24 : 0u;
    };
    int shadowOnly = 0;
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) {
            if (alpha(x, y) != 255 || alpha(x + kRight, y + kDown) != 0) continue;
            ++shadowOnly;
            const unsigned shown = Pixel(kAt + x + kRight, kAt + y + kDown);
            for (const int shift : {0, 8, 16}) EXPECT_NEAR(int(shown >> shift & 255), 128, 2) << x << "," << y;
        }
    EXPECT_GT(shadowOnly, 10);
}

TEST_F(ReviewProbesTest, TheFrameCountIsTheFramesOfEachFullSecond) {
    // A frame far on in time starts an interval, whatever earlier frames left.
    int start = 10000000;
    headless::SetClock(start);
    Frame();
    for (const int frames : {30, 20}) {
        SCOPED_TRACE(frames);
        const int before = KVX_Fps;
        for (int i = 1; i < frames; ++i) {
            headless::SetClock(start + i * (999 / frames));
            Frame();
        }
        EXPECT_EQ(KVX_Fps, before) << "still inside the second";
        start += 1000;
        headless::SetClock(start);
        Frame();
        EXPECT_EQ(KVX_Fps, frames) << "the frame a full second on counts, and the next second starts from none";
    }
}

}  // namespace
}  // namespace kvx
