// Tab panels: titles from "|", tab geometry from the skin, selection by a press that starts on a tab.
#include "gadgets/tabpanel.hpp"

#include "core/mouse.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class TabpanelTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        window = KVX_Window::Create("Tabs", 100, 100, 400, 320, 0, 0, 0);
    }
    KVX_WindowRef window;
};

TEST_F(TabpanelTest, TitlesSplitAtBarsAndTabsShareTheWidth) {
    KVX_TabpanelRef three = KVX_Tabpanel::Create(window, "File|Create|Modify", 5, 5, 300, 200);
    EXPECT_EQ(three->TabCount, 3);
    EXPECT_EQ(KVX_Tabpanel::Create(window, "File|Create|Modify|", 5, 5, 300, 200)->TabCount, 3);
    EXPECT_EQ(KVX_Tabpanel::Create(window, "", 5, 5, 300, 200)->TabCount, 1);
    EXPECT_EQ(KVX_Tabpanel::Create(window, "a||b", 5, 5, 300, 200)->TabCount, 3);
    EXPECT_EQ(three->TabEdgeWidth, 8);
    EXPECT_EQ(three->TabHeight, 24);
    EXPECT_EQ(three->TabMiddleWidth, 84.f);
    EXPECT_EQ(TabIndexOf(three, "create"), 2);
    EXPECT_EQ(TabIndexOf(three, "Nope"), 0);

    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "t|";
    EXPECT_EQ(KVX_Tabpanel::Create(window, twenty, 5, 5, 300, 200)->TabMiddleWidth, 1.f);
}

TEST_F(TabpanelTest, TheBodyLiesTwentyNinePixelsBelowThePanelTop) {
    KVX_TabpanelRef panel = KVX_Tabpanel::Create(window, "One|Two", 5, 5, 300, 200);
    EXPECT_EQ(ImageHeight(ImageFromHandle(panel->BodyImage)), 200 - 24 - 5);
    KVX_PushButtonRef button = KVX_PushButton::Create(window, "B", 10, 10, 80);
    AttachToTab(button, panel, "One");
    EXPECT_EQ(button->X, 15);
    EXPECT_EQ(button->Y, 10 + 5 + 29);
    KVX_PushButtonRef lost = KVX_PushButton::Create(window, "Lost", 10, 40, 80);
    AttachToTab(lost, panel, "Three");
    for (int tab : {1, 2}) {
        panel->SelectedTab = tab;
        Frames(2);
        EXPECT_EQ(lost->Hidden, 1) << "an unknown title hides the gadget for good";
    }
}

TEST_F(TabpanelTest, OnlyAPressThatStartsOnATabSelectsIt) {
    KVX_TabpanelRef panel = KVX_Tabpanel::Create(window, "One|Two|Three", 5, 5, 300, 200);
    Frame();
    const int tabWidth = 100, y = panel->AbsY + 10;
    headless::MoveMouse(panel->AbsX + 20, y);
    headless::PressMouse(1);
    Frame();
    MoveTo(panel->AbsX + tabWidth + 20, y);
    Frame();
    EXPECT_EQ(panel->SelectedTab, 1) << "dragging onto another tab does not select it";
    headless::ReleaseMouse(1);
    Frame();
    Click(panel->AbsX + 2 * tabWidth + 20, y);
    EXPECT_EQ(panel->SelectedTab, 3);
    EXPECT_EQ(panel->SelectedTitle, "Three");
    panel->Disabled = 1;
    Click(panel->AbsX + 20, y);
    EXPECT_EQ(panel->SelectedTab, 3) << "a disabled panel ignores presses";
}

}  // namespace
}  // namespace kvx
