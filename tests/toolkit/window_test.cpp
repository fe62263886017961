// Windows: title buttons, the grip, dragging, minimising, locking, closing; labels' lines.
#include "gadgets/window.hpp"

#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/label.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/push_button.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class WindowTest : public ToolkitTest {};

TEST_F(WindowTest, TitleButtonsSitWhereTheWidthPutsThem) {
    KVX_WindowRef window = KVX_Window::Create("W", 100, 100, 300, 200, 0, 1, 1);
    ASSERT_TRUE(window->CloseButton);
    ASSERT_TRUE(window->MinimiseButton);
    EXPECT_EQ(window->CloseButton->X, 276);
    EXPECT_EQ(window->MinimiseButton->X, 256);
    EXPECT_EQ(window->CloseButton->Width, 18);
    EXPECT_EQ(window->Height, 180);
    Frame();
    EXPECT_EQ(window->CloseButton->AbsY, 101) << "one pixel below the window's top";
    KVX_WindowRef lone = KVX_Window::Create("W", 100, 100, 300, 200, 1, 1, 0);
    EXPECT_EQ(lone->MinimiseButton->X, 276);
    EXPECT_EQ(lone->LockButton->X, 5);
}

TEST_F(WindowTest, DraggingStartsOnTheGripOfTheActiveWindowOnly) {
    KVX_WindowRef window = KVX_Window::Create("W", 100, 100, 300, 200, 0, 1, 1);
    auto drag = [&](int fromX, int fromY, int dx, int dy) {
        headless::MoveMouse(fromX, fromY);
        headless::PressMouse(1);
        Frame();
        for (int i = 1; i <= 4; ++i) MoveTo(fromX + dx * i / 4, fromY + dy * i / 4);
        headless::ReleaseMouse(1);
        Frames(2);
    };
    drag(300, 110, 50, 30);  // x offset 200: inside the grip, away from the title buttons
    EXPECT_EQ(window->X, 150);
    EXPECT_EQ(window->Y, 130);
    drag(150 + 290, 140, 50, 30);  // over the close button, outside the 260-pixel grip
    EXPECT_EQ(window->X, 150);
    drag(160, 200, 50, 30);  // a press in the body never drags
    EXPECT_EQ(window->X, 150);
    window->ToggleLock();
    drag(200, 140, 50, 30);
    EXPECT_EQ(window->X, 150) << "a locked window stays";
    window->ToggleLock();
    MenuBarExists = 1;
    drag(200, 140, 0, -200);
    EXPECT_EQ(window->Y, 20) << "with a menu bar windows stay below y 20";
    MenuBarExists = 0;

    KVX_WindowRef closeOnly = KVX_Window::Create("C", 500, 400, 300, 200, 0, 0, 1);
    drag(500 + 270, 405, -100, 0);  // with only a close button the grip spans the whole title
    EXPECT_EQ(closeOnly->X, 400);
}

TEST_F(WindowTest, AMenuBarPinsTitledWindowsButNeverMovesTheDesktopOrThePointer) {
    KVX_WindowRef window = KVX_Window::Create("W", 100, 5, 300, 200, 0, 0, 0);
    KVX_Menu::Create("File");
    MoveTo(500, 300);
    Frame();
    EXPECT_EQ(window->Y, 20);
    EXPECT_EQ(KVX_DesktopWindow->Y, 0);
    EXPECT_EQ(MouseY(), 300) << "no pointer jump when the bar appears";
    KVX_ResetMenus();
}

TEST_F(WindowTest, MinimisingHidesTheGadgetsButNotTheTitle) {
    KVX_WindowRef window = KVX_Window::Create("W", 100, 100, 300, 200, 1, 1, 1);
    KVX_PushButtonRef button = KVX_PushButton::Create(window, "B", 10, 10, 80);
    Frame();
    window->ToggleMinimise();
    Frame();
    EXPECT_EQ(button->Hidden, 1);
    EXPECT_EQ(window->Caption->Hidden, 0);
    EXPECT_EQ(window->CloseButton->Hidden, 0);
    Click(window->MinimiseButton->AbsX + 5, window->MinimiseButton->AbsY + 5);
    Frame();
    EXPECT_EQ(window->Minimised, 0);
    EXPECT_EQ(button->Hidden, 0);
}

TEST_F(WindowTest, TheCloseButtonFreesTheWindowAndItsGadgets) {
    KVX_WindowRef window = KVX_Window::Create("W", 100, 100, 300, 200, 0, 0, 1);
    std::weak_ptr<KVX_Gadget> gone = window;
    KVX_PushButtonRef button = KVX_PushButton::Create(window, "B", 10, 10, 80);
    Frame();
    Click(window->CloseButton->AbsX + 5, window->CloseButton->AbsY + 5);
    Frame();  // the window reads its button's click at the start of its next update
    EXPECT_EQ(button->Closed, 1);
    EXPECT_EQ(std::count(KVX_GadgetList.begin(), KVX_GadgetList.end(), window), 0);
    window = nullptr;
    button = nullptr;
    EXPECT_TRUE(gone.expired());
}

TEST_F(WindowTest, InactiveWindowsDrawTheirOffTitleAndGreyCaption) {
    KVX_WindowRef first = KVX_Window::Create("First", 100, 100, 300, 200, 0, 0, 0);
    KVX_WindowRef second = KVX_Window::Create("Second", 500, 100, 300, 200, 0, 0, 0);
    Frame();
    EXPECT_EQ(first->Caption->Color, KVX_SchemeColors.WindowCaptionInactive);
    EXPECT_EQ(second->Caption->Color, KVX_SchemeColors.WindowCaptionActive);
    EXPECT_NE(BackBufferPixel(200, 110), BackBufferPixel(600, 110)) << "off and active title pieces differ";
}

TEST_F(WindowTest, LabelsBreakLinesAtBarsAndAlignEachLine) {
    ASSERT_TRUE(KVX_GuiFont);
    SetClsColor(0, 0, 0);
    auto firstInkRow = [](int x0, int x1, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (BackBufferPixel(x, y) != 0) return y;
        return -1;
    };
    auto firstInkColumn = [](int x0, int x1, int y0, int y1) {
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y)
                if (BackBufferPixel(x, y) != 0) return x;
        return -1;
    };
    KVX_LabelRef label = KVX_Label::Create(nullptr, "A|A", 100, 100, 1, KVX_WhiteColor);
    Frame();
    const int top = firstInkRow(90, 130, 110, 200);
    const int second = firstInkRow(90, 130, top + KVX_LineHeight / 2 + 1, 300);
    EXPECT_EQ(second - top, KVX_LineHeight - 1);
    label->Free();

    KVX_LabelRef centred = KVX_Label::Create(nullptr, "WWWW|i", 300, 100, 2, KVX_WhiteColor);
    Frame();
    const int wide = firstInkColumn(200, 400, 121, 121 + KVX_LineHeight - 2);
    const int narrow = firstInkColumn(200, 400, 121 + KVX_LineHeight - 1, 121 + 2 * KVX_LineHeight);
    EXPECT_NEAR(wide, 300 - TextWidth("WWWW") / 2, 2);
    EXPECT_NEAR(narrow, 300 - TextWidth("i") / 2, 2);
    centred->Free();

    KVX_LabelRef limited = KVX_Label::Create(nullptr, "a|bcdef", 100, 300, 1, KVX_WhiteColor);
    limited->MaxChars = 3;
    Frame();
    EXPECT_NE(firstInkRow(100, 200, 321 + KVX_LineHeight - 1, 321 + 2 * KVX_LineHeight), -1)
        << "a bar inside the first MaxChars still breaks the line";
    EXPECT_EQ(firstInkColumn(100 + TextWidth("b") + 1, 300, 321 + KVX_LineHeight - 1, 321 + 2 * KVX_LineHeight), -1)
        << "only 'b' is drawn on the second line";
    KVX_LabelRef silent = KVX_Label::Create(nullptr, "nothing", 600, 300, 0, KVX_WhiteColor);
    Frame();
    EXPECT_EQ(firstInkRow(590, 700, 310, 350), -1) << "align 0 draws nothing";
}

}  // namespace
}  // namespace kvx
