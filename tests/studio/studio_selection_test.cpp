// Several gadgets at once through the studio's frames: Ctrl+click, the band, Ctrl+A, moving and
// nudging them together, resizing by keys, z-order, alignment and spreading, the handles.
#include "design/designed_gadget.hpp"
#include "gadgets/gui.hpp"
#include "studio/hit_area.hpp"
#include "studio/keys_window.hpp"
#include "studio/resize_handles.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"
#include "support/dialog_script.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;

using testing::Named;

std::vector<std::string> SelectedHandles() {
    std::vector<std::string> handles;
    for (const DesignedGadgetRef& r : studio::Selection()) handles.push_back(r->Handle);
    return handles;
}

std::vector<std::string> DesignOrder() {
    std::vector<std::string> handles;
    for (const DesignedGadgetRef& r : Design().DesignList) handles.push_back(r->Handle);
    return handles;
}

class StudioSelectionTest : public testing::StudioTest {
protected:
    // A window at (100, 100) of 400 x 400 with three progress bars in a row, the Modify page shown.
    void SetUp() override {
        StudioTest::SetUp();
        Place("Window", 100, 100, 500, 500);
        Place("Progressbar", 150, 200, 200, 220);
        Place("Progressbar", 250, 210, 300, 230);
        Place("Progressbar", 370, 230, 400, 250);
        SelectPage(studio::kModifyPage);
        MoveTo(10, 700);
    }
    static void ClickOn(const std::string& handle, bool ctrl = false) {
        ClickRecord(handle, ctrl);
        MoveTo(10, 700);
    }
    static void Tap(std::initializer_list<int> held, int key) { TapKey(key, held); }
};

TEST_F(StudioSelectionTest, CtrlClickBandAndCtrlASelectAndAMoveTakesThemAll) {
    ClickOn("Progressbar1");
    ClickOn("Progressbar3", true);
    EXPECT_EQ(SelectedHandles(), (std::vector<std::string>{"Progressbar1", "Progressbar3"}));
    EXPECT_EQ(studio::State().Selected, Named("Progressbar3")) << "the editor shows the last one picked";
    ClickOn("Progressbar1", true);
    EXPECT_EQ(SelectedHandles(), (std::vector<std::string>{"Progressbar3"})) << "a Ctrl+click takes it out again";

    // A band from the window's empty body selects what it touches.
    Drag(120, 190, 260, 215);
    EXPECT_EQ(SelectedHandles(), (std::vector<std::string>{"Progressbar1", "Progressbar2"}));
    Click(450, 450);
    EXPECT_TRUE(studio::Selection().empty()) << "a click on the empty body selects nothing";
    Tap({KEY_CONTROL}, KEY_A);
    EXPECT_EQ(SelectedHandles().size(), 3u) << "Ctrl+A: the window's gadgets";

    // Ctrl+drag one of them: all move.
    const int px1 = Named("Progressbar1")->Px, px3 = Named("Progressbar3")->Px;
    const studio::HitArea area = studio::HitAreaOf(*Named("Progressbar2"));
    headless::PressKey(KEY_CONTROL);
    Drag(area.X + 3, area.Y + 3, area.X + 23, area.Y + 13);
    headless::ReleaseKey(KEY_CONTROL);
    Frame();
    EXPECT_EQ(SelectedHandles().size(), 3u) << "a Ctrl+drag keeps the selection";
    EXPECT_EQ(Named("Progressbar1")->Px, px1 + 20);
    EXPECT_EQ(Named("Progressbar3")->Px, px3 + 20);
    EXPECT_EQ(Named("Progressbar3")->Gadget->X, px3 + 20);

    // Arrows by the grid step, Shift by a pixel, Ctrl to resize.
    const int py2 = Named("Progressbar2")->Py, tx2 = Named("Progressbar2")->Tx;
    Tap({}, KEY_DOWN);
    Tap({KEY_SHIFT}, KEY_UP);
    EXPECT_EQ(Named("Progressbar2")->Py, py2 + 4);
    EXPECT_EQ(Named("Progressbar1")->Px, px1 + 20);
    Tap({KEY_CONTROL}, KEY_RIGHT);
    EXPECT_EQ(Named("Progressbar2")->Tx, tx2 + 5);
    EXPECT_EQ(Named("Progressbar2")->Gadget->Width, tx2 + 5);

    // A window selected with one of its gadgets carries it: the gadget keeps its place in it.
    ClickOn("Progressbar1");
    ClickOn("Window1", true);
    const int windowX = Named("Window1")->Px, gadgetX = Named("Progressbar1")->Px;
    Tap({}, KEY_RIGHT);
    EXPECT_EQ(Named("Window1")->Px, windowX + 5);
    EXPECT_EQ(Named("Progressbar1")->Px, gadgetX);
}

TEST_F(StudioSelectionTest, TheEditorSetsAFieldOnEverySelectedGadget) {
    Tap({KEY_CONTROL}, KEY_A);
    ASSERT_EQ(studio::Selection().size(), 3u);
    ClickStudio(Ui().Editor.PyBox);
    for (int i = 0; i < 4; ++i) Tap({}, KEY_BACKSPACE);
    for (char c : std::string("42")) headless::TypeChar(c);
    Frame();
    Tap({}, KEY_ENTER);
    for (const char* handle : {"Progressbar1", "Progressbar2", "Progressbar3"}) {
        EXPECT_EQ(Named(handle)->Py, 42) << handle;
        EXPECT_EQ(Named(handle)->Gadget->Y, 42) << handle;
    }
    EXPECT_EQ(Named("Progressbar1")->Px, 50) << "the fields left alone stay each one's";
    EXPECT_EQ(Named("Progressbar3")->Px, 270);
    EXPECT_EQ(Named("Progressbar1")->Handle, "Progressbar1");
}

TEST_F(StudioSelectionTest, ZOrderMovesTheSavedOrderAndTheLiveOne) {
    ClickOn("Progressbar1");
    Tap({KEY_CONTROL}, KEY_PAGEUP);
    EXPECT_EQ(DesignOrder(), (std::vector<std::string>{"Window1", "Progressbar2", "Progressbar3", "Progressbar1"}));
    EXPECT_EQ(Named("Window1")->Gadget->Children.back(), Named("Progressbar1")->Gadget);
    ClickOn("Progressbar3");
    Tap({KEY_CONTROL}, KEY_PAGEDOWN);
    EXPECT_EQ(DesignOrder(), (std::vector<std::string>{"Window1", "Progressbar3", "Progressbar2", "Progressbar1"}))
        << "behind its window's other gadgets, never before its window";

    Place("Window", 600, 100, 800, 300);
    Place("Button", 620, 150, 700, 160);
    SelectPage(studio::kModifyPage);
    ClickOn("Window2");
    ClickStudio(Ui().Commands.ToBack);
    EXPECT_EQ(DesignOrder(), (std::vector<std::string>{"Window2", "Button1", "Window1", "Progressbar3", "Progressbar2",
                                                       "Progressbar1"}))
        << "a window takes its gadgets along";
    ClickStudio(Ui().Commands.ToFront);
    EXPECT_EQ(DesignOrder().front(), "Window1");
    EXPECT_EQ(KVX_GadgetList.back(), Named("Window2")->Gadget);
}

TEST_F(StudioSelectionTest, AlignmentAndSpreadingLineTheSelectionUp) {
    Tap({KEY_CONTROL}, KEY_A);
    ClickStudio(Ui().Commands.AlignTop);
    EXPECT_EQ(Named("Progressbar2")->Py, Named("Progressbar1")->Py);
    EXPECT_EQ(Named("Progressbar3")->Py, Named("Progressbar1")->Py);
    ClickStudio(Ui().Commands.SpreadX);
    const auto right = [](const std::string& h) { return Named(h)->Px + Named(h)->Tx; };
    EXPECT_EQ(Named("Progressbar2")->Px - right("Progressbar1"), Named("Progressbar3")->Px - right("Progressbar2"))
        << "equal gaps";
    EXPECT_EQ(Named("Progressbar1")->Px, 50) << "the outer ones stay";
    ClickStudio(Ui().Commands.AlignRight);
    EXPECT_EQ(right("Progressbar1"), right("Progressbar3"));
}

TEST_F(StudioSelectionTest, ADragSnapsToANeighboursLineUnlessAltAndAltKeysAlign) {
    ClickOn("Progressbar1");
    const studio::HitArea start = studio::BoxOf(*Named("Progressbar1"));
    const int neighbourTop = studio::BoxOf(*Named("Progressbar2")).Y;
    const auto dragDown = [&](int dy, bool alt) {
        if (alt) headless::PressKey(KEY_ALT);
        headless::PressKey(KEY_CONTROL);
        const studio::HitArea a = studio::HitAreaOf(*Named("Progressbar1"));
        Drag(a.X + a.W / 2, a.Y + a.H / 2, a.X + a.W / 2, a.Y + a.H / 2 + dy);  // clear of the handles
        headless::ReleaseKey(KEY_CONTROL);
        if (alt) headless::ReleaseKey(KEY_ALT);
        Frame();
        return studio::BoxOf(*Named("Progressbar1")).Y;
    };
    EXPECT_EQ(dragDown(neighbourTop - start.Y - 3, false), neighbourTop) << "3 pixels short: snapped";
    EXPECT_EQ(dragDown(-(neighbourTop - start.Y) + 2, true), start.Y) << "Alt: the grid alone";

    Tap({KEY_CONTROL}, KEY_A);
    Tap({KEY_ALT}, KEY_UP);
    for (const char* handle : {"Progressbar2", "Progressbar3"}) {
        EXPECT_EQ(studio::BoxOf(*Named(handle)).Y, start.Y) << handle << ": tops on the highest";
    }
    EXPECT_EQ(Named("Progressbar1")->Px, start.X - Named("Window1")->Px) << "Alt+arrows align, never nudge";
    EXPECT_EQ(std::stoi(Ui().Editor.PyBox->ValueInput->Text), studio::State().Selected->Py) << "the editor follows";
    const int x1 = Named("Progressbar1")->Px, x3 = Named("Progressbar3")->Px;
    Tap({KEY_ALT}, KEY_H);
    const int gap12 = Named("Progressbar2")->Px - (x1 + Named("Progressbar1")->Tx);
    const int gap23 = x3 - (Named("Progressbar2")->Px + Named("Progressbar2")->Tx);
    EXPECT_LE(std::abs(gap12 - gap23), 1) << "Alt+H spreads evenly";
}

TEST_F(StudioSelectionTest, HandlesShowTheFreeDirectionsAndResizeOnTheGrid) {
    ClickOn("Progressbar2");
    Frame();
    const std::vector<studio::ResizeHandle> handles = studio::ResizeHandlesOf(*Named("Progressbar2"));
    ASSERT_EQ(handles.size(), 8u);
    for (const studio::ResizeHandle& h : handles) {
        EXPECT_EQ(BackBufferPixel(h.Area.X + h.Area.W / 2, h.Area.Y + h.Area.H / 2), 0xFFC800u) << h.Area.X;
    }
    const DesignedGadgetRef bar = Named("Progressbar2");
    const int px = bar->Px, py = bar->Py;
    const studio::HitArea box = studio::BoxOf(*bar);
    headless::PressKey(KEY_ALT);  // the grid alone, no neighbours
    Drag(box.X + box.W, box.Y + box.H, box.X + box.W + 33, box.Y + box.H + 17);  // bottom right
    EXPECT_EQ(bar->Tx, 80) << "to the grid";
    EXPECT_EQ(bar->Ty, 35);
    EXPECT_EQ(bar->Px, px) << "the opposite corner stays";
    EXPECT_EQ(bar->Gadget->Width, 80);
    headless::PressKey(KEY_SHIFT);
    Drag(box.X, box.Y, box.X - 3, box.Y - 2);  // top left, by the pixel
    headless::ReleaseKey(KEY_SHIFT);
    headless::ReleaseKey(KEY_ALT);
    Frame();
    EXPECT_EQ(bar->Px, px - 3);
    EXPECT_EQ(bar->Py, py - 2);
    EXPECT_EQ(bar->Tx, 83);
    EXPECT_EQ(bar->Ty, 37);

    // Without Alt, a side near a neighbour's line takes it, and a guide shows it.
    const studio::HitArea third = studio::BoxOf(*Named("Progressbar3"));
    const studio::HitArea now = studio::BoxOf(*bar);
    Press(now.X + now.W, now.Y + now.H);
    MoveTo(now.X + now.W + 7, third.Y + third.H - 3);
    EXPECT_EQ(studio::BoxOf(*bar).Y + studio::BoxOf(*bar).H, third.Y + third.H) << "the bottoms line up";
    EXPECT_EQ(BackBufferPixel(third.X - 2, third.Y + third.H), 0xFF00A0u) << "the guide between the two";
    Release();

    Place("Button", 150, 300, 250, 310);
    SelectPage(studio::kModifyPage);
    ClickOn("Button1");
    const std::vector<studio::ResizeHandle> sides = studio::ResizeHandlesOf(*Named("Button1"));
    ASSERT_EQ(sides.size(), 2u) << "a button's height is the skin's: its left and right only";
    EXPECT_EQ(sides[0].Fy, 1);
}

TEST_F(StudioSelectionTest, F1AndTheKeysButtonListEveryShortcutUntilEnter) {
    std::vector<std::string> shown;
    {
        testing::DialogScript script;
        script.Wait()
            .Then([&] {
                const KVX_WindowRef front = testing::FrontWindow();
                shown.push_back(front->Text);
                for (const KVX_GadgetRef& child : front->Children) {
                    if (child->Kind() == KVX_KindLabel && child != front->Caption) shown.push_back(child->Text);
                }
                headless::PressKey(KEY_ENTER);
            })
            .Then([] { headless::ReleaseKey(KEY_ENTER); })
            .Wait();
        headless::PressKey(KEY_F1);
        headless::ReleaseKey(KEY_F1);
        Frames(2);
        EXPECT_TRUE(script.Finished());
    }
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), "Keys");
    EXPECT_EQ(shown.size(), 1 + 2 * studio::Shortcuts().size()) << "the keys and what they do";
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Ctrl+Z"), shown.end());
    EXPECT_NE(testing::FrontWindow()->Text, "Keys") << "Enter closed it";

    ActivateStudio();
    std::string titled;
    {
        testing::DialogScript script;
        script.Wait().Then([&] { titled = testing::FrontWindow()->Text; }).ClickButton("Ok").Wait();
        ClickStudio(Ui().Commands.Help);
        Frames(2);
        EXPECT_TRUE(script.Finished());
    }
    EXPECT_EQ(titled, "Keys") << "the Modify page's button shows it too";
    EXPECT_NE(testing::FrontWindow()->Text, "Keys") << "Ok closed it";
}

}  // namespace
}  // namespace kvx
