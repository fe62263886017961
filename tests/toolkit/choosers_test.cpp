// Colour chooser: cancelling keeps the starting colour; closing the window ends it at once.
#include <algorithm>

#include "dialogs/color_requester.hpp"
#include "dialogs/screen_mode_requester.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/tabpanel.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class ChoosersTest : public ToolkitTest {};

TEST_F(ChoosersTest, CancelledColourChooserLeavesTheStartingColour) {
    int frames = 0;
    headless::SetFrameHook([&](int) {
        ++frames;
        const KVX_WindowRef window = KVX_GadgetList.back();
        for (const KVX_GadgetRef& child : window->Children) {
            if (child->Kind() != KVX_KindPushButton || child->Text != "Cancel") continue;
            if (frames == 1) {
                headless::MoveMouse(child->AbsX + child->Width / 2, child->AbsY + child->Height / 2);
                headless::PressMouse(1);
            }
            if (frames == 2) headless::ReleaseMouse(1);
        }
        if (frames > 50) headless::RequestClose();
    });
    EXPECT_EQ(KVX_ColorRequester("Colour", 10, 20, 30), 0);
    EXPECT_LE(frames, 3);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 30);
    EXPECT_EQ(KVX_ActivationAllowed, 1);
}

TEST_F(ChoosersTest, ClosingTheWindowEndsTheColourChooser) {
    const size_t windows = KVX_GadgetList.size();
    headless::RequestClose();
    EXPECT_EQ(KVX_ColorRequester("Colour", 1, 2, 3), 0);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 6);
    EXPECT_EQ(KVX_GadgetList.size(), windows);
    EXPECT_EQ(KVX_ActivationAllowed, 1);
}

// Clicks the button `caption` of the front window over its first two frames; keeps the mode list.
void ClickInFrontWindow(const std::string& caption, int& frames, int& listed, int& selected) {
    headless::SetFrameHook([&, caption](int) {
        ++frames;
        for (const KVX_GadgetRef& child : KVX_GadgetList.back()->Children) {
            if (child->Kind() == KVX_KindListbox) {
                auto* list = static_cast<KVX_Listbox*>(child.get());
                listed = list->ItemCount;
                selected = int(std::count_if(list->ItemList.begin(), list->ItemList.end(),
                                             [](const KVX_ListItem& i) { return i.Selected == 1; }));
            }
            if (child->Kind() != KVX_KindPushButton || child->Text != caption) continue;
            if (frames == 1) {
                headless::MoveMouse(child->AbsX + child->Width / 2, child->AbsY + child->Height / 2);
                headless::PressMouse(1);
            }
            if (frames == 2) headless::ReleaseMouse(1);
        }
        if (frames > 50) headless::RequestClose();
    });
}

TEST_F(ChoosersTest, ScreenModeChooserListsOfferedModesAndAlwaysReopensTheDisplay) {
    headless::SetModes({{640, 480, 16, 60}, {640, 480, 32, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 60}});
    int frames = 0, listed = 0, selected = 0;
    ClickInFrontWindow("Open", frames, listed, selected);
    EXPECT_EQ(KVX_ScreenModeRequester("Mode", "", 0, 0, 1, 0, 0), 2);
    EXPECT_LE(frames, 3);
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(GraphicsWidth(), 640);
    EXPECT_EQ(GraphicsHeight(), 480);
    EXPECT_EQ(GraphicsDepth(), 16);

    frames = 0;
    ClickInFrontWindow("Cancel", frames, listed, selected);
    EXPECT_EQ(KVX_ScreenModeRequester("Mode", "", 0, 0, 1, 0, 0), 3);
    EXPECT_LE(frames, 3);
    EXPECT_EQ(GraphicsDepth(), 16) << "reopened in the selected mode all the same";
    EXPECT_TRUE(KVX_GadgetList.empty()) << "the toolkit is cleared";

    headless::RequestClose();
    EXPECT_EQ(KVX_ScreenModeRequester("Mode", "", 1, 1, 1, 1, 1), 3);
    EXPECT_TRUE(GraphicsOpen());

    // A screen without 640 x 480 gets the chooser, and its fallback, in a window.
    headless::Reset();  // forgets the close request too
    headless::SetModes({{1024, 768, 32, 60}});
    frames = 0;
    ClickInFrontWindow("Open", frames, listed, selected);
    EXPECT_EQ(KVX_ScreenModeRequester("Mode", "", 1, 1, 1, 0, 0), 2);
    EXPECT_EQ(listed, 1);
    EXPECT_EQ(GraphicsWidth(), 640);
    EXPECT_EQ(GraphicsDepth(), 0);
    KVX_InitGUI(2);  // for the fixture's clean-up
}

TEST_F(ChoosersTest, TheScreenModeChooserKeepsTheApplicationsMenus) {
    const KVX_MenuRef file = KVX_Menu::Create("File");
    file->AddEntry("Quit", "");
    int frames = 0, listed = 0, selected = 0;
    ClickInFrontWindow("Cancel", frames, listed, selected);
    EXPECT_EQ(KVX_ScreenModeRequester("Mode", "", 0, 0, 1, 0, 0), 3);
    headless::SetFrameHook(nullptr);
    EXPECT_EQ(AllMenus, std::vector<KVX_MenuRef>{file});
    EXPECT_EQ(MenuBarExists, 1);
    EXPECT_EQ(ImageWidth(ImageFromHandle(MenuBarImage)), GraphicsWidth()) << "the bar fits the new display";
    KVX_InitGUI(2);
}

TEST_F(ChoosersTest, StartingTheToolkitOverLeaksNoPictureOrSound) {
    KVX_ClearGui();
    const int live = LiveHandleCount();
    for (int i = 0; i < 3; ++i) {
        KVX_InitGUI(2);
        KVX_Tabpanel::Create(nullptr, "A|B", 10, 10, 200, 100);
        Frame();
        KVX_ClearGui();
    }
    EXPECT_EQ(LiveHandleCount(), live) << "cursor strips and tab panels' click sounds are released";
    KVX_InitGUI(2);
}

}  // namespace
}  // namespace kvx
