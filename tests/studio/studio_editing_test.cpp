// The designer edits what the user sees: renames, New, resizing, fixed sizes, inert title buttons,
// the last move of a drag, the outlined selection; all through the studio's own frames.
#include "core/skin.hpp"
#include "gadgets/frame.hpp"
#include "gadgets/label.hpp"
#include "gadgets/push_button.hpp"
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "studio/hit_area.hpp"
#include "studio/new_interface.hpp"
#include "studio/studio_state.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;
using studio::State;

class StudioEditingTest : public testing::StudioTest {
protected:
    // A window at (100, 100) of 400 x 400 with a button in it, the Modify page shown.
    void SetUp() override {
        StudioTest::SetUp();
        Place("Window", 100, 100, 500, 500);
        Place("Button", 150, 200, 250, 210);
        window = Design().DesignList[0];
        button = Design().DesignList[1];
        SelectPage(studio::kModifyPage);
    }
    static void Select(const DesignedGadgetRef& record) {
        const studio::HitArea area = studio::HitAreaOf(*record);
        Click(area.X + 3, area.Y + 3);
        MoveTo(10, 700);
    }
    // Replaces a field's text the way a person does: click it, rub it out, type, press Enter.
    static void Retype(const KVX_InputRef& field, const std::string& text) {
        ClickStudio(field);
        for (size_t i = field->Text.size(); i > 0; --i) {
            headless::PressKey(KEY_BACKSPACE);
            headless::ReleaseKey(KEY_BACKSPACE);
            Frames(2);
        }
        for (char c : text) headless::TypeChar(static_cast<unsigned char>(c));
        Frame();
        headless::PressKey(KEY_ENTER);
        headless::ReleaseKey(KEY_ENTER);
        Frames(2);
    }
    static const studio::PropertyEditor& Editor() { return Ui().Editor; }
    DesignedGadgetRef window, button;
};

TEST_F(StudioEditingTest, RenamesGoToTheSelectedRecordAndAWindowsGadgetsFollowIt) {
    Select(button);
    ASSERT_EQ(State().Selected, button);
    Retype(Editor().HandleBox, "Ok");
    EXPECT_EQ(button->Handle, "Ok") << "every keystroke of the new name reached the record";
    Retype(Editor().CaptionBox, "Fine");
    EXPECT_EQ(button->Caption, "Fine");
    EXPECT_EQ(button->Gadget->Text, "Fine") << "the canvas shows the caption";
    Select(window);
    Select(button);
    EXPECT_EQ(Editor().HandleBox->Text, "Ok") << "selecting it again shows its new name";

    Select(window);
    Retype(Editor().HandleBox, "Main");
    EXPECT_EQ(window->Handle, "Main");
    EXPECT_EQ(button->Parent, "Main") << "the window's gadgets follow its name";
    Select(button);
    Retype(Editor().HandleBox, "Main");
    EXPECT_EQ(button->Handle, "Ok") << "a taken name is refused";
    EXPECT_EQ(Editor().HandleProblem->Text, "Name in use");

    const std::string path = "/tmp/kvx_rename_" + std::to_string(getpid()) + ".kvx";
    ASSERT_TRUE(studio::SaveDesignTo(path));
    studio::ClearDesign();
    ASSERT_TRUE(studio::LoadDesignFrom(path).Ok);
    std::remove(path.c_str());
    ASSERT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(Design().DesignList[1]->ParentWindow, Design().DesignList[0]->Gadget) << "not orphaned";
}

TEST_F(StudioEditingTest, NewForgetsTheSelectionSoANewGadgetOfTheSameNameKeepsItsPlace) {
    Select(button);
    ASSERT_EQ(Editor().PxBox->Disabled, 0);
    SelectPage(studio::kFilePage);
    AnswerDialogs({"No"});
    ClickStudio(testing::FindButton("New"));
    Frames(4);
    ASSERT_TRUE(Design().DesignList.empty());
    EXPECT_EQ(State().Selected, nullptr);
    EXPECT_EQ(Editor().HandleBox->Text, "");
    EXPECT_EQ(Editor().PxBox->Disabled, 1) << "an empty editor takes nothing";
    Place("Window", 200, 150, 600, 500);
    Place("Button", 230, 250, 330, 260);
    SelectPage(studio::kModifyPage);
    Frames(2);
    ASSERT_EQ(Design().DesignList.size(), 2u);
    EXPECT_EQ(Design().DesignList[1]->Handle, "Button1");
    EXPECT_EQ(Design().DesignList[1]->Px, 30) << "where it was placed, not where the old one was";
}

TEST_F(StudioEditingTest, ResizingRebuildsTheLiveGadgetAtItsNewSize) {
    Place("Frame", 300, 300, 400, 350);
    const DesignedGadgetRef frame = Design().DesignList.back();
    SelectPage(studio::kModifyPage);
    auto shiftDrag = [](int x0, int y0, int x1, int y1) {
        headless::PressKey(KEY_SHIFT);
        Drag(x0, y0, x1, y1);
        headless::ReleaseKey(KEY_SHIFT);
        Frame();
    };
    const studio::HitArea frameTop = studio::HitAreaOf(*frame);
    shiftDrag(frameTop.X + 5, frameTop.Y + 5, frameTop.X + 150, frameTop.Y + 90);
    EXPECT_EQ(frame->Tx, 150);
    EXPECT_EQ(ImageWidth(ImageFromHandle(static_cast<KVX_Frame&>(*frame->Gadget).FrameImage)), 150 + 2);
    shiftDrag(160, 205, 280, 240);
    const auto& live = static_cast<KVX_PushButton&>(*button->Gadget);
    EXPECT_EQ(live.Width, button->Tx);
    EXPECT_EQ(ImageWidth(ImageFromHandle(live.NormalMiddle)), button->Tx - 2 * live.CapWidth) << "no broken skin";
    EXPECT_EQ(button->Ty, studio::SkinButtonHeight()) << "a button's height stays the skin's";
    shiftDrag(300, 105, 700, 600);
    const auto& design = static_cast<KVX_Window&>(*window->Gadget);
    EXPECT_EQ(window->Tx, 600);
    EXPECT_EQ(ImageWidth(ImageFromHandle(design.BodyImage)), 600) << "the body drawn at its new size";
    EXPECT_EQ(design.CloseButton->X, 600 - (design.TitleHeight + 4)) << "the title laid out again";
    EXPECT_EQ(button->Gadget->ParentGadget(), window->Gadget) << "resized in place, its gadgets kept";

    // The size boxes resize too.
    Select(frame);
    const KVX_ValueRef& width = Editor().TxBox;
    ClickStudio(width);
    for (int i = 0; i < 3; ++i) {
        headless::PressKey(KEY_BACKSPACE);
        headless::ReleaseKey(KEY_BACKSPACE);
        Frames(2);
    }
    for (char c : std::string("80")) headless::TypeChar(c);
    headless::PressKey(KEY_ENTER);
    headless::ReleaseKey(KEY_ENTER);
    Frames(3);
    EXPECT_EQ(frame->Tx, 80);
    EXPECT_EQ(frame->Gadget->Width, 80);
}

TEST_F(StudioEditingTest, FixedSizesStayLockedAndAListsHeightCountsLines) {
    Place("Checkbox", 150, 300, 250, 400);
    const DesignedGadgetRef check = Design().DesignList.back();
    SelectPage(studio::kModifyPage);
    Select(check);
    SelectPage(studio::kCreatePage);
    SelectPage(studio::kModifyPage);
    Frame();
    EXPECT_EQ(Editor().TxBox->Disabled, 1) << "locked after the page was left and shown again";
    EXPECT_EQ(Editor().TyBox->Disabled, 1);
    EXPECT_EQ(check->Gadget->Height, 16);

    Place("Listbox", 300, 250, 450, 250 + 4 * KVX_LineHeight);
    const DesignedGadgetRef list = Design().DesignList.back();
    SelectPage(studio::kModifyPage);
    const studio::HitArea area = studio::HitAreaOf(*list);
    headless::PressKey(KEY_SHIFT);
    Drag(area.X + 5, area.Y + 5, area.X + 150, area.Y + 8 * KVX_LineHeight + 3);
    headless::ReleaseKey(KEY_SHIFT);
    Frame();
    EXPECT_EQ(list->Ty, 8) << "the height in lines";
    EXPECT_EQ(list->Gadget->Height, 8 * KVX_LineHeight);
}

TEST_F(StudioEditingTest, TitleButtonsOfDesignWindowsDoNothingAndADragKeepsItsLastMove) {
    const auto& live = static_cast<KVX_Window&>(*window->Gadget);
    const KVX_GadgetRef close = live.CloseButton;
    Click(live.X + close->X + 5, live.Y + 5);
    Frame();
    EXPECT_EQ(live.Hidden, 0);
    EXPECT_EQ(live.Closed, 0) << "a design window is not closed by its title button";
    EXPECT_EQ(Design().DesignList.size(), 2u);

    headless::PressKey(KEY_CONTROL);
    headless::MoveMouse(160, 205);
    headless::PressMouse(1);
    Frame();
    headless::MoveMouse(170, 215);
    Frame();
    headless::MoveMouse(190, 245);
    headless::ReleaseMouse(1);  // the last move arrives with the release
    Frames(2);
    headless::ReleaseKey(KEY_CONTROL);
    EXPECT_EQ(button->Px, 50 + 30);
    EXPECT_EQ(button->Py, 80 + 40);
}

TEST_F(StudioEditingTest, TheSelectionStaysOutlinedAndNewLabelsReadOnTheBody) {
    Select(button);
    Frame();
    const studio::HitArea area = studio::HitAreaOf(*button);
    EXPECT_EQ(BackBufferPixel(area.X - 1, area.Y + area.H / 2), 0xFFC800u) << "outlined with the pointer away";
    Place("Labeltext", 150, 300, 200, 320);
    EXPECT_EQ(Design().DesignList.back()->Gadget->Color, KVX_SchemeColors.GadgetText);
}

}  // namespace
}  // namespace kvx
