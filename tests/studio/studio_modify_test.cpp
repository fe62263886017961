// The studio's Modify page driven through its own tool window: selection, the editor, nudges and drags.
#include "design/designed_gadget.hpp"
#include "platform/input_state.hpp"
#include "studio/studio_state.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::State;

class StudioModifyTest : public testing::StudioTest {
protected:
    // A window at (100, 100) of 400 x 400 with one gadget of `kind` banded inside it.
    studio::DesignedGadgetRef PlaceInWindow(const std::string& kind, int x0, int y0, int x1, int y1) {
        Place("Window", 100, 100, 500, 500);
        Place(kind, x0, y0, x1, y1);
        EXPECT_EQ(Design().DesignList.size(), 2u);
        SelectPage(studio::kModifyPage);
        return Design().DesignList.back();
    }
    static int Number(const KVX_ValueRef& box) { return std::stoi(box->ValueInput->Text); }
};

TEST_F(StudioModifyTest, PressLoadsTheEditorAndHeldArrowsNudgeOneKeyAtATime) {
    const studio::DesignedGadgetRef button = PlaceInWindow("Button", 150, 200, 250, 210);
    ASSERT_EQ(button->Px, 50);
    ASSERT_EQ(button->Py, 80);
    const studio::PropertyEditor& e = Ui().Editor;

    Press(160, 200 + button->Ty / 2);
    ASSERT_NE(State().Selected, nullptr);
    EXPECT_EQ(State().Selected->Handle, "Button1");
    EXPECT_EQ(e.HandleBox->Text, "Button1");
    EXPECT_EQ(e.CaptionBox->Text, "Button1");
    EXPECT_EQ(e.GlobalBox->State, 1);
    EXPECT_EQ(Number(e.PxBox), 50);
    EXPECT_EQ(Number(e.PyBox), 80);
    EXPECT_EQ(Number(e.TxBox), 100);
    EXPECT_EQ(e.TxBox->Disabled, 0);
    EXPECT_EQ(e.TyBox->Disabled, 1) << "a button's height is not the user's";
    EXPECT_EQ(button->Gadget->Disabled, 1) << "the hovered live gadget ignores the click";
    Release();
    Frame();
    EXPECT_EQ(button->Px, 50) << "the editor's values taken over when not dragging";
    EXPECT_EQ(button->Py, 80);
    MoveTo(600, 600);

    // Each press moves once at once; a key held past the repeat delay moves again at its pace.
    // With Shift held, by a pixel.
    headless::PressKey(KEY_SHIFT);
    headless::PressKey(KEY_DOWN);
    headless::PressKey(KEY_RIGHT);
    Frame();
    EXPECT_EQ(button->Py, 81);
    EXPECT_EQ(button->Px, 51) << "two arrows pressed together both act";
    EXPECT_EQ(Number(e.PyBox), 81);
    headless::AdvanceClock(kKeyRepeatDelayMs - 1);
    Frames(3);
    EXPECT_EQ(button->Py, 81) << "no repeat before the delay";
    headless::AdvanceClock(1);
    Frame();
    headless::AdvanceClock(kKeyRepeatIntervalMs);
    Frame();
    headless::ReleaseKey(KEY_DOWN);
    headless::ReleaseKey(KEY_RIGHT);
    Frame();
    EXPECT_EQ(button->Py, 83);
    EXPECT_EQ(button->Px, 53);
    EXPECT_EQ(button->Gadget->Y, 83) << "the live gadget follows";

    headless::PressKey(KEY_LEFT);
    headless::ReleaseKey(KEY_LEFT);
    Frames(2);
    EXPECT_EQ(button->Px, 52) << "a tap within one frame still moves once";
    headless::ReleaseKey(KEY_SHIFT);
    Frame();
}

TEST_F(StudioModifyTest, SizeBoxesFollowTheKindOfTheSelection) {
    const studio::DesignedGadgetRef check = PlaceInWindow("Checkbox", 150, 200, 200, 250);
    const studio::PropertyEditor& e = Ui().Editor;
    Press(155, 205);
    EXPECT_EQ(e.TxBox->Disabled, 1);
    EXPECT_EQ(e.TyBox->Disabled, 1);
    Release();
    const studio::DesignedGadgetRef window = Design().DesignList[0];
    Press(300, 110);  // the window's title bar
    ASSERT_NE(State().Selected, nullptr);
    EXPECT_EQ(State().Selected->Handle, "Window1");
    EXPECT_EQ(e.TxBox->Disabled, 0);
    EXPECT_EQ(e.TyBox->Disabled, 0);
    EXPECT_EQ(Number(e.TyBox), 400);
    Release();
}

TEST_F(StudioModifyTest, CtrlAndShiftTogetherMoveAndResizeInTheSameFrame) {
    const studio::DesignedGadgetRef bar = PlaceInWindow("Progressbar", 150, 200, 250, 230);
    ASSERT_EQ(bar->Tx, 100);
    ASSERT_EQ(bar->Ty, 30);
    headless::PressKey(KEY_CONTROL);
    Press(160, 225);
    EXPECT_EQ(bar->GrabX, 110);
    EXPECT_EQ(bar->GrabY, 145);
    headless::PressKey(KEY_SHIFT);
    MoveTo(200, 260);
    EXPECT_EQ(bar->Px, 90) << "moved by the mouse minus the grab point";
    EXPECT_EQ(bar->Py, 115);
    EXPECT_EQ(bar->Tx, 10) << "resized from the moved origin in the same frame";
    EXPECT_EQ(bar->Ty, 25);
    EXPECT_EQ(bar->Gadget->X, 90);
    EXPECT_EQ(bar->Gadget->Width, 10);
    EXPECT_EQ(Number(Ui().Editor.TxBox), 10);
    headless::ReleaseKey(KEY_CONTROL);
    headless::ReleaseKey(KEY_SHIFT);
    Release();
}

}  // namespace
}  // namespace kvx
