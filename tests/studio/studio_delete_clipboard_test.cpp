// Deleting and the clipboard through the studio's frames: Del and the Delete button, the question
// before a window's gadgets go, Del in a field, copy, cut, paste and duplicate, and .kvx text
// carried from one studio to the next.
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "gadgets/label.hpp"
#include "platform/clipboard.hpp"
#include "studio/clipboard_commands.hpp"
#include "studio/delete_command.hpp"
#include "studio/hit_area.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;

using testing::Named;

class StudioDeleteClipboardTest : public testing::StudioTest {
protected:
    // A window at (100, 100) of 400 x 400 with two buttons, the Modify page shown.
    void SetUp() override {
        StudioTest::SetUp();
        SetClipboardText("");
        Place("Window", 100, 100, 500, 500);
        Place("Button", 150, 200, 250, 210);
        Place("Button", 150, 250, 250, 260);
        SelectPage(studio::kModifyPage);
    }
    static void Select(const std::string& handle) { ClickRecord(handle); }
    static void Tap(int key) { TapKey(key); }
    static void CtrlTap(int key) {
        headless::PressKey(KEY_CONTROL);
        Frame();
        TapKey(key, {KEY_CONTROL});
    }
};

TEST_F(StudioDeleteClipboardTest, DelAndTheDeleteButtonRemoveTheSelectionAndAWindowAsksFirst) {
    Select("Button1");
    const KVX_GadgetRef live = Named("Button1")->Gadget;
    MoveTo(10, 700);
    Tap(KEY_DELETE);
    EXPECT_EQ(Named("Button1"), nullptr);
    EXPECT_EQ(live->Closed, 1) << "its live gadget is freed";
    EXPECT_TRUE(studio::Selection().empty());
    EXPECT_EQ(Ui().Editor.HandleBox->Text, "") << "the editor shows nothing";

    Select("Window1");
    EXPECT_EQ(studio::DeleteQuestion(studio::SelectionWithWindowGadgets()), "Delete Window1 and the 1 gadget in it ?");
    AnswerDialogs({"No"});
    ClickStudio(Ui().Commands.Delete);
    Frames(4);
    ASSERT_EQ(Design().DesignList.size(), 2u) << "No keeps them";
    Select("Window1");
    AnswerDialogs({"Yes"});
    ClickStudio(Ui().Commands.Delete);
    Frames(4);
    EXPECT_TRUE(Design().DesignList.empty()) << "the window with its gadget";
}

TEST_F(StudioDeleteClipboardTest, DelInAFocusedFieldDeletesACharacterNotTheGadget) {
    Select("Button1");
    ClickStudio(Ui().Editor.CaptionBox);
    headless::PressKey(KEY_HOME);
    headless::ReleaseKey(KEY_HOME);
    Frames(2);
    Tap(KEY_DELETE);
    ASSERT_NE(Named("Button1"), nullptr);
    EXPECT_EQ(Ui().Editor.CaptionBox->Text, "utton1");
    EXPECT_EQ(Design().DesignList.size(), 3u);
}

TEST_F(StudioDeleteClipboardTest, PastedGadgetsGetFreshHandlesAGridStepAwayInTheWindowUnderThePointer) {
    Place("Window", 600, 100, 800, 400);
    SelectPage(studio::kModifyPage);
    Select("Button1");
    CtrlTap(KEY_C);
    EXPECT_NE(ClipboardText().find("Handle=Button1\r\n"), std::string::npos) << "the clipboard holds .kvx text";
    MoveTo(700, 300);  // over Window2
    CtrlTap(KEY_V);
    const DesignedGadgetRef pasted = Named("Button3");
    ASSERT_NE(pasted, nullptr) << "the next number of its kind";
    EXPECT_EQ(pasted->Parent, "Window2");
    EXPECT_EQ(pasted->Gadget->ParentGadget(), Named("Window2")->Gadget);
    EXPECT_EQ(pasted->Px, Named("Button1")->Px + 5);
    EXPECT_EQ(pasted->Py, Named("Button1")->Py + 5);
    EXPECT_EQ(pasted->Caption, "Button3") << "a caption that was the handle follows it";
    EXPECT_EQ(studio::State().Selected, pasted) << "the pasted gadget is selected";

    // Duplicate stays in the original's window; cut takes it out and paste brings it back.
    Select("Button2");
    MoveTo(700, 300);
    CtrlTap(KEY_D);
    ASSERT_NE(Named("Button4"), nullptr);
    EXPECT_EQ(Named("Button4")->Parent, "Window1");
    EXPECT_EQ(ClipboardText().find("Button2"), std::string::npos) << "duplicating leaves the clipboard";
    CtrlTap(KEY_X);
    EXPECT_EQ(Named("Button4"), nullptr);
    MoveTo(10, 700);  // over no design window: into the selected one's window, none now
    CtrlTap(KEY_V);
    EXPECT_NE(Named("Button5"), nullptr);

    // A copied window brings its gadgets, which follow its new name.
    Select("Window1");
    CtrlTap(KEY_C);
    CtrlTap(KEY_V);
    const DesignedGadgetRef window = Named("Window3");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Px, 105);
    size_t inside = 0;
    for (const DesignedGadgetRef& r : Design().DesignList) inside += r->Parent == "Window3" ? 1 : 0;
    EXPECT_EQ(inside, 3u) << "Button1, Button2 and the pasted Button5";
}

TEST_F(StudioDeleteClipboardTest, DesignTextGoesFromOneStudioToTheNextAndFromATextEditor) {
    Select("Window1");
    CtrlTap(KEY_C);
    const std::string copied = ClipboardText();
    studio::Shutdown();
    headless::Reset();
    studio::Start();
    Frames(2);
    ASSERT_TRUE(Design().DesignList.empty());
    SetClipboardText(copied);
    SelectPage(studio::kModifyPage);
    CtrlTap(KEY_V);
    ASSERT_EQ(Design().DesignList.size(), 3u);
    EXPECT_EQ(Design().DesignList[0]->Handle, "Window1") << "free in the new studio";
    EXPECT_EQ(Design().DesignList[2]->Gadget->ParentGadget(), Design().DesignList[0]->Gadget);

    // Typed by hand, with bare line ends and no banner.
    SetClipboardText(
        "[LABELTEXT]\nGlobal=True\nHandle=Hello\nParent=Window1\nPx=10\nPy=20\nCaption=Hi there\n"
        "Align=True\n");
    MoveTo(300, 300);
    CtrlTap(KEY_V);
    const DesignedGadgetRef label = Design().DesignList.back();
    EXPECT_EQ(label->Kind, "Labeltext");
    EXPECT_EQ(label->Handle, "Labeltext1");
    EXPECT_EQ(label->Caption, "Hi there");
    EXPECT_EQ(label->Px, 15);
    SetClipboardText("not a design at all");
    CtrlTap(KEY_V);
    EXPECT_EQ(Design().DesignList.size(), 4u) << "other text adds nothing";
}

}  // namespace
}  // namespace kvx
