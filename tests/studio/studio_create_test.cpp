// The studio's Create page driven through its own tool window: arming, bands, the new records.
#include "core/runtime.hpp"
#include "design/designed_gadget.hpp"
#include "studio/studio_state.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::State;

class StudioCreateTest : public testing::StudioTest {};

TEST_F(StudioCreateTest, SwitchingPagesAndEscapeDisarm) {
    SelectPage(studio::kCreatePage);
    headless::PressKey(KEY_ESCAPE);
    Frame();
    headless::ReleaseKey(KEY_ESCAPE);
    EXPECT_EQ(State().PendingKind, "") << "Escape with nothing armed changes nothing";

    ClickStudio(studio::CreateButtonOf("CustomButton"));
    ASSERT_EQ(studio::CreateButtonOf("CustomButton")->Text, "Custom Button");
    EXPECT_EQ(State().PendingKind, "CustomButton") << "the caption arms its kind word";
    Frames(3);
    EXPECT_EQ(State().PendingKind, "CustomButton") << "an armed kind stays over the following frames";
    headless::PressKey(KEY_ESCAPE);
    Frame();
    headless::ReleaseKey(KEY_ESCAPE);
    EXPECT_EQ(State().PendingKind, "");

    for (int page : {studio::kFilePage, studio::kModifyPage}) {
        Arm("Frame");
        ASSERT_EQ(State().PendingKind, "Frame");
        SelectPage(page);
        EXPECT_EQ(State().PendingKind, "") << "page " << page;
    }
    EXPECT_TRUE(Design().DesignList.empty());
}

TEST_F(StudioCreateTest, FrameBandOverADesignWindowAndHandlesCountUp) {
    Place("Window", 100, 100, 400, 300);
    ASSERT_EQ(Design().DesignList.size(), 1u);
    const studio::DesignedGadgetRef window = Design().DesignList[0];
    EXPECT_EQ(window->Handle, "Window1");
    EXPECT_EQ(window->Caption, "Window1");
    EXPECT_EQ(window->Px, 100);
    EXPECT_EQ(window->Py, 100);
    EXPECT_EQ(window->Tx, 300);
    EXPECT_EQ(window->Ty, 200);
    EXPECT_EQ(State().PendingKind, "") << "a placement disarms";

    Place("Frame", 103, 207, 160, 260);
    ASSERT_EQ(Design().DesignList.size(), 2u);
    const studio::DesignedGadget& frame = *Design().DesignList[1];
    EXPECT_EQ(frame.Handle, "Frame1");
    EXPECT_EQ(frame.Px, 0);
    EXPECT_EQ(frame.Py, 80) << "205 - 100 - 20 - 5";
    EXPECT_EQ(frame.Tx, 60);
    EXPECT_EQ(frame.Ty, 55);
    EXPECT_EQ(frame.Parent, "Window1");
    EXPECT_EQ(frame.ParentWindow, window->Gadget);
    EXPECT_EQ(frame.Gadget->ParentGadget(), window->Gadget);

    Place("Button", 110, 150, 200, 160);
    Place("Button", 110, 250, 200, 260);
    ASSERT_EQ(Design().DesignList.size(), 4u);
    EXPECT_EQ(Design().DesignList[2]->Handle, "Button1");
    EXPECT_EQ(Design().DesignList[3]->Handle, "Button2");
    EXPECT_EQ(Design().DesignList[3]->Ty, studio::SkinButtonHeight()) << "a button's height is forced";

    Arm("Frame");
    Click(150, 200);
    EXPECT_EQ(Design().DesignList.size(), 4u) << "a click without a band creates nothing";
}

TEST_F(StudioCreateTest, BandsGiveListLinesScrollOrientationAndNoParentOutsideWindows) {
    Place("Window", 50, 50, 600, 600);
    const int L = KVX_LineHeight;
    Place("Listbox", 100, 100, 200, 105 + 7 * L);  // seven lines once the grid has rounded it
    Place("Scrollbar", 300, 100, 400, 120);
    Place("Scrollbar", 300, 200, 350, 250);
    Place("Checkbox", 20, 650, 80, 700);
    ASSERT_EQ(Design().DesignList.size(), 5u);
    const studio::DesignedGadget& list = *Design().DesignList[1];
    EXPECT_EQ(list.Ty, 6) << "a band of seven line heights holds six lines";
    EXPECT_EQ(Design().DesignList[2]->Vertical, 0) << "wider than high";
    EXPECT_EQ(Design().DesignList[3]->Vertical, 1) << "square";
    const studio::DesignedGadget& outside = *Design().DesignList[4];
    EXPECT_EQ(outside.Parent, "");
    EXPECT_EQ(outside.ParentWindow, nullptr);
    EXPECT_EQ(outside.Px, 0);
    EXPECT_EQ(outside.Py, 0);
    EXPECT_EQ(outside.Tx, 16);
    EXPECT_EQ(outside.Ty, 16);
}

// Grid dots lie on multiples of 5 from a window body's corner; probes keep off the crosshair.
TEST_F(StudioCreateTest, GridOnlyInTheDesignWindowUnderTheMouseWhileAGadgetKindIsArmed) {
    Place("Window", 100, 100, 500, 500);
    const KVX_Window& design = static_cast<const KVX_Window&>(*Design().DesignList[0]->Gadget);
    const KVX_Window& tool = *Ui().StudioWindow;
    const int gx = design.X + 250, gy = design.Y + design.TitleHeight + 250;
    const int toolX = tool.X + 50, toolY = tool.Y + tool.TitleHeight + 525;

    // Pressing in the design window makes it the active one that the lookup finds.
    auto holdInDesign = [&] {
        MoveTo(design.X + 21, design.Y + 61);
        headless::PressMouse(1);
        Frame();
        MoveTo(design.X + 22, design.Y + 62);  // the same grid cell: no band
    };
    auto release = [] {
        headless::ReleaseMouse(1);
        Frame();
    };

    holdInDesign();
    const unsigned plain = BackBufferPixel(gx, gy);
    ASSERT_NE(plain, 0x000000u);
    release();
    MoveTo(tool.X + 8, toolY + 13);
    const unsigned plainTool = BackBufferPixel(toolX, toolY);

    Arm("Frame");
    MoveTo(tool.X + 8, toolY + 13);
    EXPECT_EQ(BackBufferPixel(toolX, toolY), plainTool) << "never in the tool window";
    holdInDesign();
    EXPECT_EQ(BackBufferPixel(gx, gy), 0x000000u) << "a dot of the grid in the design window";
    release();
    EXPECT_EQ(State().PendingKind, "Frame");

    headless::PressKey(KEY_ESCAPE);
    Frame();
    headless::ReleaseKey(KEY_ESCAPE);
    holdInDesign();
    EXPECT_EQ(BackBufferPixel(gx, gy), plain) << "disarmed";
    release();

    Arm("Window");
    holdInDesign();
    EXPECT_EQ(BackBufferPixel(gx, gy), plain) << "a window being placed shows no grid";
    release();
}

TEST_F(StudioCreateTest, BandOverTheToolWindowFadesItAndEscapeBringsItBack) {
    Arm("Frame");
    const KVX_Window& tool = *Ui().StudioWindow;
    MoveTo(tool.X + 20, tool.Y + 500);
    headless::PressMouse(1);
    Frame();
    MoveTo(tool.X + 80, tool.Y + 540);
    EXPECT_FLOAT_EQ(tool.Alpha, 0.3f);
    EXPECT_EQ(Ui().StudioTabs->Disabled, 1);
    // Disarming mid-band must not leave the tool window faded with its pages dead.
    headless::PressKey(KEY_ESCAPE);
    Frame();
    headless::ReleaseKey(KEY_ESCAPE);
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(State().PendingKind, "");
    EXPECT_FLOAT_EQ(tool.Alpha, 1.0f);
    EXPECT_EQ(Ui().StudioTabs->Disabled, 0);
    EXPECT_TRUE(Design().DesignList.empty());

    Arm("Checkbox");
    MoveTo(tool.X + 20, tool.Y + 500);
    headless::PressMouse(1);
    Frame();
    MoveTo(tool.X + 80, tool.Y + 540);
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_FLOAT_EQ(tool.Alpha, 1.0f) << "released: shown again";
    ASSERT_EQ(Design().DesignList.size(), 1u);
    EXPECT_EQ(Design().DesignList[0]->ParentWindow, nullptr) << "the tool window is no parent";
}

}  // namespace
}  // namespace kvx
