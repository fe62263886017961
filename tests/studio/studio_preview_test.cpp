// Preview through the studio's frames: F5 runs the design as an application, whose windows drag
// and whose gadgets take the mouse, and Escape gives back the design and the designer untouched.
#include <memory>
#include <string>
#include <vector>

#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/tabpanel.hpp"
#include "studio/current_file.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"
#include "support/dialog_script.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;
using testing::ChildOf;
using testing::FrontWindow;

constexpr int kDragX = 60, kDragY = 40;
constexpr int kListLines = 30;
constexpr int kFrameLimit = 200;  // far more than the script's steps: a preview that never ends fails

// What the designer shows of one record: its live gadget and where that is.
struct LiveView {
    KVX_GadgetRef Gadget;
    int X = 0, Y = 0, Width = 0, Height = 0;
    uint8_t Hidden = 0;
    bool operator==(const LiveView&) const = default;
};

struct DesignerView {
    std::string DesignBytes;
    std::vector<LiveView> Live;
    std::vector<KVX_WindowRef> Windows;  // in z-order
    std::vector<uint8_t> WindowsDisabled;
    std::vector<DesignedGadgetRef> Selection;
    int32_t Page = 0;
    std::string PendingKind;
    bool Unsaved = false;
};

DesignerView Look() {
    DesignerView view;
    view.DesignBytes = studio::DesignText(Design().DesignList);
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (!r->Gadget) continue;  // menus: the designer draws their bar itself
        const KVX_Gadget& g = *r->Gadget;
        view.Live.push_back({r->Gadget, g.X, g.Y, g.Width, g.Height, g.Hidden});
    }
    view.Windows = KVX_GadgetList;
    for (const KVX_WindowRef& w : KVX_GadgetList) view.WindowsDisabled.push_back(w->Disabled);
    view.Selection = studio::Selection();
    view.Page = studio::Studio().StudioTabs->SelectedTab;
    view.PendingKind = studio::State().PendingKind;
    view.Unsaved = studio::DesignChanged();
    return view;
}

void ExpectSameDesigner(const DesignerView& before) {
    const DesignerView after = Look();
    EXPECT_EQ(after.DesignBytes, before.DesignBytes) << "the saved design is the same";
    EXPECT_TRUE(after.Live == before.Live) << "the designer's own live gadgets, where they were";
    EXPECT_EQ(after.Windows, before.Windows) << "the same windows in the same z-order";
    EXPECT_EQ(after.WindowsDisabled, before.WindowsDisabled) << "the same window active";
    EXPECT_EQ(after.Selection, before.Selection);
    EXPECT_EQ(after.Page, before.Page);
    EXPECT_EQ(after.PendingKind, before.PendingKind) << "the Escape that ended the preview is not the designer's";
    EXPECT_EQ(after.Unsaved, before.Unsaved);
}

bool IsDesignerGadget(const KVX_GadgetRef& gadget) {
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Gadget == gadget) return true;
    }
    return false;
}

void PressAt(int x, int y) {
    headless::MoveMouse(x, y);
    headless::PressMouse(1);
}

void Tap(int key) {
    headless::PressKey(key);
    headless::ReleaseKey(key);
}

// Press in one step, let go in the next, at the gadget's centre.
void ScriptClick(testing::DialogScript& script, uint8_t kind) {
    script.Then([kind] {
        const KVX_GadgetRef g = ChildOf(FrontWindow(), kind);
        ASSERT_TRUE(g) << "kind " << int(kind) << " in the preview window";
        PressAt(g->AbsX + g->Width / 2, g->AbsY + g->Height / 2);
    });
    script.Then([] { headless::ReleaseMouse(1); });
}

class StudioPreviewTest : public testing::StudioTest {
protected:
    // A window with a button, a list box and a combo box, and a button outside any window; the
    // first button selected on the Modify page.
    void SetUp() override {
        StudioTest::SetUp();
        Place("Window", 100, 100, 500, 420);
        Place("Button", 150, 150, 250, 160);
        Place("Listbox", 150, 200, 300, 300);
        Place("Combobox", 320, 150, 450, 160);
        Place("Button", 20, 600, 120, 610);
        SelectPage(studio::kModifyPage);
        ClickOn("Button1");
        MoveTo(10, 700);
    }
    static void ClickOn(const std::string& handle) { ClickRecord(handle); }
    // Frames until the script has run all its steps, F5 first.
    static void RunScript(testing::DialogScript& script) {
        for (int i = 0; i < kFrameLimit && !script.Finished(); ++i) Frame();
        ASSERT_TRUE(script.Finished()) << "the script ran to its end";
        Frames(2);
    }
};

TEST_F(StudioPreviewTest, TheDesignRunsAsAnApplicationAndEscapeGivesTheDesignerBackUnchanged) {
    ASSERT_EQ(studio::Selection().size(), 1u);
    const DesignerView before = Look();
    std::weak_ptr<KVX_Window> previewWindow;
    int windowX = 0, windowY = 0, pressX = 0, pressY = 0;
    float listTop = 0;

    testing::DialogScript script;
    script.Then([] { Tap(KEY_F5); }).Wait();
    script.Then([&] {
        const KVX_WindowRef w = FrontWindow();
        EXPECT_FALSE(IsDesignerGadget(w)) << "the application's own window";
        for (const KVX_WindowRef& shown : KVX_GadgetList) {
            EXPECT_FALSE(IsDesignerGadget(shown) || shown == studio::Studio().StudioWindow)
                << "neither the designer's windows nor the tool window are shown";
        }
        ASSERT_EQ(KVX_DesktopWindow->Children.size(), 1u) << "the preview's button outside any window";
        EXPECT_FALSE(IsDesignerGadget(KVX_DesktopWindow->Children.front()));
        EXPECT_EQ(w->Locked, 0);
        previewWindow = w;
        windowX = w->X;
        windowY = w->Y;
        pressX = w->X + w->Width / 2;
        pressY = w->Y + w->TitleHeight / 2;
        PressAt(pressX, pressY);
    });
    script.Then([&] { headless::MoveMouse(pressX + kDragX, pressY + kDragY); });
    script.Wait().Then([&] {
        headless::ReleaseMouse(1);
        EXPECT_EQ(FrontWindow()->X, windowX + kDragX) << "dragged by its title";
        EXPECT_EQ(FrontWindow()->Y, windowY + kDragY);
    });

    ScriptClick(script, KVX_KindPushButton);
    script.Then([] {
        const auto button = std::static_pointer_cast<KVX_PushButton>(ChildOf(FrontWindow(), KVX_KindPushButton));
        EXPECT_EQ(button->Clicked(), 1) << "the click reached the button";
    });

    script.Then([&] {
        auto& list = static_cast<KVX_Listbox&>(*ChildOf(FrontWindow(), KVX_KindListbox));
        for (int i = 0; i < kListLines; ++i) list.AddItem("Line " + std::to_string(i), "");
        listTop = list.VScroll->Value;
        headless::MoveMouse(list.AbsX + list.Width / 2, list.AbsY + list.Height / 2);
    });
    script.Then([] { headless::Wheel(-1); }).Wait();
    script.Then([&] {
        const auto& list = static_cast<const KVX_Listbox&>(*ChildOf(FrontWindow(), KVX_KindListbox));
        EXPECT_GT(list.VScroll->Value, listTop) << "the wheel scrolled the list";
        auto& combo = static_cast<KVX_Combo&>(*ChildOf(FrontWindow(), KVX_KindCombobox));
        combo.AddItem("First", "");
        combo.AddItem("Second", "");
    });
    ScriptClick(script, KVX_KindCombobox);
    script.Wait().Then([] {
        EXPECT_EQ(KVX_Combo::OpenCombo, ChildOf(FrontWindow(), KVX_KindCombobox)) << "its drop-down opened";
        headless::MoveMouse(10, 700);
        Tap(KEY_ESCAPE);
    });
    RunScript(script);

    EXPECT_TRUE(previewWindow.expired()) << "the preview's gadgets are freed";
    EXPECT_FALSE(KVX_Combo::OpenCombo) << "no drop-down is left open";
    ExpectSameDesigner(before);
}

TEST_F(StudioPreviewTest, TabsSwitchAndMenusOpenInThePreview) {
    Place("Tabpanel", 320, 200, 480, 400);
    Place("Checkbox", 330, 260, 340, 270);  // on the first tab
    Place("Menu", 20, 20, 60, 40);
    MoveTo(10, 700);
    const DesignerView before = Look();
    testing::DialogScript script;
    script.Then([] { Tap(KEY_F5); }).Wait();
    script.Then([] {
        const auto& panel = static_cast<const KVX_Tabpanel&>(*ChildOf(FrontWindow(), KVX_KindTabpanel));
        const int width = int(panel.TabMiddleWidth) + 2 * panel.TabEdgeWidth;
        PressAt(panel.AbsX + width + width / 2, panel.AbsY + panel.TabHeight / 2);
    });
    script.Then([] { headless::ReleaseMouse(1); }).Wait();
    script.Then([] {
        EXPECT_EQ(static_cast<const KVX_Tabpanel&>(*ChildOf(FrontWindow(), KVX_KindTabpanel)).SelectedTab, 2);
        EXPECT_EQ(ChildOf(FrontWindow(), KVX_KindCheckbox)->Hidden, 1) << "the first tab's box went with its page";
        ASSERT_EQ(AllMenus.size(), 1u) << "the preview has the design's menu";
        PressAt(AllMenus.front()->X + 5, KVX_LineHeight / 2);
    });
    script.Wait().Then([] {
        EXPECT_EQ(AllMenus.front()->State, 1) << "the menu opened";
        headless::ReleaseMouse(1);
        headless::MoveMouse(10, 700);
        Tap(KEY_ESCAPE);
    });
    RunScript(script);
    EXPECT_TRUE(AllMenus.empty()) << "the preview's menus leave with it";
    ExpectSameDesigner(before);
}

TEST_F(StudioPreviewTest, EscapeAndTheWindowManagersCloseEndThePreviewAndNeitherReachesTheDesigner) {
    Arm("Button");
    MoveTo(10, 700);
    const DesignerView before = Look();
    ASSERT_EQ(before.PendingKind, "Button") << "an armed kind, which an Escape would disarm";
    {
        testing::DialogScript script;
        script.Then([] { Tap(KEY_F5); }).Wait().Then([] { Tap(KEY_ESCAPE); });
        RunScript(script);
    }
    ExpectSameDesigner(before);

    // The close ends the preview; the studio then asks about the unsaved design as it always does.
    {
        testing::DialogScript script;
        script.Then([] { Tap(KEY_F5); }).Wait().Then([] { headless::RequestClose(); }).Wait().ClickButton("Cancel");
        RunScript(script);
    }
    EXPECT_FALSE(AppTerminate()) << "Cancel: the studio goes on";
    EXPECT_TRUE(Frame());
    const DesignerView after = Look();
    EXPECT_EQ(after.DesignBytes, before.DesignBytes);
    EXPECT_TRUE(after.Live == before.Live);
    EXPECT_EQ(after.PendingKind, "Button");
}

}  // namespace
}  // namespace kvx
