// The toolkit runtime: initialisation, the window activation protocol, cursors, tooltips, ownership.
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/label.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/tabpanel.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

// Runs first in this test program, before anything registered the skin.
TEST(SkinBeforeInitTest, SkinPathsLoadOnlyAfterInitialisation) {
    UseBackend(Backend::Headless);
    Graphics(640, 480, 0, 60);
    EXPECT_FALSE(LoadImage("incbin::./KVX_Graphics/Default_Skin/Window_Body.png"));
    KVX_InitGUI(2);
    ImagePtr body = LoadImage("incbin::./KVX_Graphics/Default_Skin/Window_Body.png");
    ASSERT_TRUE(body);
    EXPECT_EQ(ImageWidth(body), 256);
    EXPECT_EQ(ImageHeight(body), 256);
    EXPECT_TRUE(SoundFromHandle(HandleFromSound(LoadSound(kClickSoundPath))));
    KVX_ClearGui();
    EXPECT_TRUE(KVX_GadgetList.empty());
    EXPECT_FALSE(KVX_GuiFont);
    // A second initialisation registers nothing twice and makes a new desktop window.
    KVX_InitGUI(1);
    ASSERT_EQ(KVX_GadgetList.size(), 1u);
    EXPECT_EQ(KVX_GadgetList.front(), KVX_DesktopWindow);
    KVX_ClearGui();
    EndGraphics();
}

class RuntimeTest : public ToolkitTest {};

TEST_F(RuntimeTest, ClickingWhereTwoWindowsOverlapActivatesTheTopmostInThatFrame) {
    KVX_WindowRef below = KVX_Window::Create("Below", 100, 100, 300, 200, 0, 0, 0);
    KVX_WindowRef above = KVX_Window::Create("Above", 200, 150, 300, 200, 0, 0, 0);
    KVX_WindowRef third = KVX_Window::Create("Third", 600, 400, 200, 200, 0, 0, 0);
    EXPECT_EQ(KVX_GadgetList.back(), third);
    EXPECT_EQ(third->Disabled, 0);
    EXPECT_EQ(above->Disabled, 1);
    headless::MoveMouse(250, 250);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(KVX_ClickedWindow, above->Handle) << "the window updated last wins";
    EXPECT_EQ(KVX_GadgetList.back(), above);
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(above->Disabled, 0);
    EXPECT_EQ(third->Disabled, 1);
    EXPECT_EQ(below->Disabled, 1);
    EXPECT_EQ(KVX_GadgetList.front(), KVX_DesktopWindow);
}

TEST_F(RuntimeTest, APressActivatesAtOnceButNotUnderADialogAndTheDesktopNeverMoves) {
    KVX_WindowRef first = KVX_Window::Create("First", 100, 100, 300, 200, 0, 0, 0);
    KVX_WindowRef second = KVX_Window::Create("Second", 500, 100, 300, 200, 0, 0, 0);
    KVX_ActivationAllowed = 0;
    Click(150, 150);
    Frames(3);
    EXPECT_EQ(KVX_ClickedWindow, first->Handle);
    EXPECT_EQ(first->Disabled, 1) << "no activation while a modal dialog runs";
    KVX_ActivationAllowed = 1;
    Frame();
    EXPECT_EQ(first->Disabled, 1) << "a click made under the dialog is spent";
    headless::MoveMouse(150, 150);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(first->Disabled, 0) << "active in the frame of the press";
    EXPECT_EQ(KVX_GadgetList.back(), first);
    Release();

    // A window opened in answer to a click stays the active one.
    KVX_WindowRef opened = KVX_Window::Create("Opened", 300, 300, 200, 100, 0, 0, 0);
    Frames(2);
    EXPECT_EQ(opened->Disabled, 0);
    EXPECT_EQ(first->Disabled, 1);
    EXPECT_EQ(KVX_GadgetList.back(), opened);
    opened->Free();

    // Empty screen: the desktop takes the click, every titled window turns inactive.
    Click(10, 700);
    Frame();
    EXPECT_EQ(KVX_ClickedWindow, KVX_DesktopWindow->Handle);
    EXPECT_EQ(first->Disabled, 1);
    EXPECT_EQ(second->Disabled, 1);
    EXPECT_EQ(KVX_GadgetList.front(), KVX_DesktopWindow);
    EXPECT_EQ(KVX_DesktopWindow->X, 0);
    EXPECT_EQ(KVX_DesktopWindow->Y, 0);
    EXPECT_EQ(KVX_ActiveWindowAt(false), nullptr) << "no titled window is active";
}

TEST_F(RuntimeTest, ActiveWindowLookupUsesTitleOrBody) {
    KVX_WindowRef window = KVX_Window::Create("W", 100, 100, 300, 200, 0, 0, 0);
    MoveTo(150, 110);
    EXPECT_EQ(KVX_ActiveWindowAt(true), window);
    EXPECT_EQ(KVX_ActiveWindowAt(false), nullptr);
    MoveTo(150, 200);
    EXPECT_EQ(KVX_ActiveWindowAt(false), window);
    EXPECT_EQ(KVX_ActiveWindowAt(true), nullptr);
}

TEST_F(RuntimeTest, CursorFramesAdvanceEvery50MillisecondsAndWrap) {
    KVX_Cursor help = KVX_Cursor::Create(20, 1);
    EXPECT_EQ(help.CellWidth, 28);
    EXPECT_EQ(help.CellHeight, 30);
    EXPECT_EQ(help.CellCount, 11);
    ASSERT_TRUE(ImageFromHandle(help.Image));
    EXPECT_EQ(ImageFromHandle(help.Image)->frames.size(), 11u);
    EXPECT_EQ(KVX_Cursor::Create(40, 1).Image, 0);

    KVX_Cursors[1] = help;
    KVX_CursorKind = 20;
    for (int expected = 1; expected <= 12; ++expected) {
        headless::AdvanceClock(51);
        Frame();
        EXPECT_EQ(KVX_Cursors[1].Frame, expected % 11);
    }
    KVX_CursorKind = 10;
}

TEST_F(RuntimeTest, TheCursorIsDrawnWithItsShadow) {
    SetClsColor(0, 0, 0);
    MoveTo(500, 400);
    bool drawn = false;
    for (int y = 400; y < 432 && !drawn; ++y)
        for (int x = 500; x < 532 && !drawn; ++x) drawn = BackBufferPixel(x, y) != 0;
    EXPECT_TRUE(drawn);
}

TEST_F(RuntimeTest, TooltipsStayOnScreenNearTheBottomRightCorner) {
    ASSERT_TRUE(KVX_GuiFont) << "arial.ttf must be in the working directory";
    KVX_Mouse.X = 1020;
    KVX_Mouse.Y = 765;
    KVX_TooltipAlpha = 1.0f;
    SetClsColor(0, 0, 0);
    Cls();
    KVX_DrawTooltip("A helpful tip", 0.0025f);
    const int width = TextWidth("A helpful tip") + 10, height = KVX_LineHeight + 1;
    // Bevel edges: top-left 50,69,101; the box ends exactly at the screen's edge.
    EXPECT_EQ(BackBufferPixel(1024 - width, 768 - height), 0x324565u);
    EXPECT_EQ(BackBufferPixel(1023, 767), 0x3E5680u);
}

TEST_F(RuntimeTest, TabVisibilityFollowsTheSelectedTabInTheSameOrNextPass) {
    KVX_WindowRef window = KVX_Window::Create("Tabs", 100, 100, 400, 300, 0, 0, 0);
    KVX_TabpanelRef panel = KVX_Tabpanel::Create(window, "One|Two", 5, 5, 300, 200);
    KVX_PushButtonRef after = KVX_PushButton::Create(window, "After", 10, 10, 80);
    AttachToTab(after, panel, "two");
    Frame();
    EXPECT_EQ(after->Hidden, 1);
    panel->SelectedTab = 2;
    Frame();
    EXPECT_EQ(after->Hidden, 0) << "the panel comes first in the list: same pass";

    // A gadget created before the panel sees the change one frame later.
    KVX_WindowRef other = KVX_Window::Create("Other", 100, 100, 400, 300, 0, 0, 0);
    KVX_PushButtonRef before = KVX_PushButton::Create(other, "Before", 10, 10, 80);
    KVX_TabpanelRef late = KVX_Tabpanel::Create(other, "A|B", 5, 5, 300, 200);
    AttachToTab(before, late, "B");
    Frame();
    // Tab 2 of a 300-wide panel with two tabs starts 150 pixels right of the panel.
    headless::MoveMouse(late->AbsX + 150 + 20, late->AbsY + 5);
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(late->SelectedTab, 2);
    EXPECT_EQ(before->Hidden, 1);
    Frame();
    EXPECT_EQ(before->Hidden, 0);
    headless::ReleaseMouse(1);
    Frame();

    // Freeing the panel removes its gadgets from the window in the next pass.
    late->Free();
    Frame();
    EXPECT_EQ(std::count(other->Children.begin(), other->Children.end(), before), 0);
}

TEST_F(RuntimeTest, FreedWindowsAndTheirGadgetsAreReallyDestroyed) {
    std::weak_ptr<KVX_Gadget> windowAlive, buttonAlive, captionAlive;
    const int handlesBefore = LiveHandleCount();
    {
        KVX_WindowRef window = KVX_Window::Create("Temp", 100, 100, 300, 200, 1, 1, 1);
        KVX_PushButtonRef button = KVX_PushButton::Create(window, "OK", 10, 10, 80);
        windowAlive = window;
        buttonAlive = button;
        captionAlive = button->Caption;
        Frames(2);
        window->Free();
    }
    Frame();
    EXPECT_TRUE(windowAlive.expired());
    EXPECT_TRUE(buttonAlive.expired());
    EXPECT_TRUE(captionAlive.expired());
    EXPECT_EQ(LiveHandleCount(), handlesBefore) << "every image and sound handle was released";
}

}  // namespace
}  // namespace kvx
