// The Proprieties frame through the studio's frames: each kind's rows take what they may, refuse
// the rest with the row marked, reach every selected gadget of the kind, and what they set is what
// the file keeps and a load shows.
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/scrollbar.hpp"
#include "gadgets/tabpanel.hpp"
#include "studio/hit_area.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"
#include "support/design_fixture.hpp"
#include "support/dialog_script.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using studio::Design;
using studio::DesignedGadgetRef;

using testing::Named;

// The tool window's visible gadget of this kind and text, or the first of this kind on the row of
// the visible label with that text.
KVX_GadgetRef StudioGadget(uint8_t kind, const std::string& text, bool besideLabel = false) {
    const KVX_GadgetChildren& children = studio::Studio().StudioWindow->Children;
    int rowY = -1;
    for (const KVX_GadgetRef& g : children) {
        if (besideLabel && !g->Hidden && g->Kind() == KVX_KindLabel && g->Text == text) rowY = g->Y;
    }
    for (const KVX_GadgetRef& g : children) {
        if (g->Hidden || g->Kind() != kind) continue;
        if (besideLabel ? std::abs(g->Y + 2 - rowY) <= 2 : g->Text == text) return g;
    }
    return nullptr;
}

class StudioPropertiesTest : public testing::StudioTest {
protected:
    static void Pick(const std::string& handle, bool ctrl = false) {
        ClickRecord(handle, ctrl);
        MoveTo(10, 700);
    }
    // Types into the row's field and leaves it with Enter.
    static void Enter(const std::string& row, const std::string& text) {
        const KVX_GadgetRef field = StudioGadget(KVX_KindInputbox, row, true);
        ASSERT_NE(field, nullptr) << row;
        ClickStudio(field);
        for (size_t i = 0; i < field->Text.size() + 2; ++i) TapKey(KEY_BACKSPACE);
        for (char c : text) headless::TypeChar(c);
        Frame();
        TapKey(KEY_ENTER);
    }
    static void Tick(const std::string& caption) {
        const KVX_GadgetRef box = StudioGadget(KVX_KindCheckbox, caption);
        ASSERT_NE(box, nullptr) << caption;
        ClickStudio(box);
    }
    static std::string Problem() {
        const KVX_GadgetRef frame = StudioGadget(KVX_KindFrame, "Proprieties");
        for (const KVX_GadgetRef& g : studio::Studio().StudioWindow->Children) {
            if (g->Kind() == KVX_KindLabel && !g->Hidden && !g->Text.empty() && g->Y > frame->Y + frame->Height - 30 &&
                g->Y < frame->Y + frame->Height)
                return g->Text;
        }
        return "";
    }
};

TEST_F(StudioPropertiesTest, EveryRowTakesWhatItMayMarksTheRestAndTheFileKeepsIt) {
    Place("Window", 100, 100, 600, 600);
    Place("Scrollbar", 150, 200, 300, 220);
    Place("Progressbar", 150, 250, 300, 270);
    Place("Progressbar", 150, 290, 300, 310);
    Place("Checkbox", 150, 330, 160, 340);
    Place("Inputbox", 350, 200, 450, 210);
    Place("Listbox", 350, 250, 500, 400);
    Place("Labeltext", 350, 450, 360, 460);
    Place("Tabpanel", 150, 480, 330, 580);
    Place("Menu", 20, 20, 60, 40);
    SelectPage(studio::kModifyPage);

    Pick("Scrollbar1");
    Enter("Minimum", "200");
    EXPECT_EQ(Named("Scrollbar1")->Minimum, 0.f) << "above the maximum: refused";
    EXPECT_EQ(Problem(), "Minimum above maximum");
    EXPECT_EQ(StudioGadget(KVX_KindInputbox, "Minimum", true)->Text, "0") << "the old value shown again";
    Tick("Whole numbers");
    Enter("Value", "12.5");
    EXPECT_EQ(Named("Scrollbar1")->Value, 12.5f);
    EXPECT_EQ(Named("Scrollbar1")->Gadget->Value, 12.5f) << "the live bar shows it";
    EXPECT_EQ(Problem(), "") << "taken: the mark goes";
    Enter("Increment", "x");
    EXPECT_EQ(Problem(), "Not a number");
    Tick("Vertical");
    EXPECT_EQ(Named("Scrollbar1")->Vertical, 1);

    Pick("Progressbar1");
    Pick("Progressbar2", true);
    ASSERT_EQ(studio::Selection().size(), 2u);
    Enter("Value", "30");
    EXPECT_EQ(Named("Progressbar1")->Value, 30.f);
    EXPECT_EQ(Named("Progressbar2")->Value, 30.f) << "every selected bar takes it";
    Pick("Checkbox1");
    Tick("Checked");
    EXPECT_EQ(Named("Checkbox1")->Gadget->State, 1);
    Pick("Inputbox1");
    Enter("Most chars", "0");
    EXPECT_EQ(Named("Inputbox1")->MaxChar, 255);
    Enter("Most chars", "12");
    EXPECT_EQ(Named("Inputbox1")->MaxChar, 12);
    Pick("Window1");
    Tick("Close button");
    EXPECT_EQ(std::static_pointer_cast<KVX_Window>(Named("Window1")->Gadget)->CloseButton, nullptr);
    Pick("Listbox1");
    {
        testing::DialogScript script;
        script.Wait().Click(KVX_KindInputbox).Type("Pear").ClickButton("Add").Wait();
        script.Click(KVX_KindInputbox).Backspace(4).Type("Fig|s").ClickButton("Add").Wait();
        script.ClickButton("Up").Wait().ClickButton("Ok");
        ClickStudio(StudioGadget(KVX_KindPushButton, "Edit..."));
    }
    EXPECT_EQ(Named("Listbox1")->Items, (std::vector<std::string>{"Fig|s", "Pear"}));
    Pick("Labeltext1");
    const KVX_GadgetRef alignment = StudioGadget(KVX_KindCombobox, "Alignment", true);
    ASSERT_NE(alignment, nullptr);
    ClickStudio(alignment);
    Click(KVX_Combo::DropX + 10, KVX_Combo::DropY + KVX_LineHeight + KVX_LineHeight / 2);  // the second line
    EXPECT_EQ(Named("Labeltext1")->Align, 2) << "centred";
    // Tabs and menu entries are lines of the same dialog; a line a menu cannot show is refused.
    const auto addLine = [](const std::string& line) {
        ActivateStudio();  // before the script: its steps are for the dialog's frames
        testing::DialogScript script;
        script.Wait().Click(KVX_KindInputbox).Type(line).ClickButton("Add").Wait().ClickButton("Ok");
        ClickStudio(StudioGadget(KVX_KindPushButton, "Edit..."));
    };
    Pick("Tabpanel1");
    addLine("Extra");
    EXPECT_EQ(std::static_pointer_cast<KVX_Tabpanel>(Named("Tabpanel1")->Gadget)->TabCount, 3);
    Pick("Menu1");
    addLine(">>>Too deep");
    EXPECT_EQ(Problem(), "Line 3 has no entry above it to open it");
    addLine(">*Sub");
    EXPECT_EQ(Named("Menu1")->Items.back(), ">*Sub");

    const std::string saved = studio::DesignText(Design().DesignList);
    const std::string path = ::testing::TempDir() + "properties_" + std::to_string(getpid()) + ".kvx";
    ASSERT_TRUE(studio::SaveDesignTo(path));
    testing::ClearDesign();
    studio::LoadDesignFrom(path);
    std::remove(path.c_str());
    EXPECT_EQ(studio::DesignText(Design().DesignList), saved) << "load and save give the same bytes";
    EXPECT_EQ(Named("Scrollbar1")->Gadget->Value, 12.5f);
    EXPECT_EQ(Named("Progressbar2")->Gadget->Value, 30.f);
    EXPECT_EQ(Named("Checkbox1")->Gadget->State, 1);
    EXPECT_EQ(std::static_pointer_cast<KVX_Input>(Named("Inputbox1")->Gadget)->MaxChar, 12);
    EXPECT_EQ(std::static_pointer_cast<KVX_Window>(Named("Window1")->Gadget)->CloseButton, nullptr);
    EXPECT_EQ(std::static_pointer_cast<KVX_Listbox>(Named("Listbox1")->Gadget)->ItemList.size(), 2u);
    EXPECT_EQ(std::static_pointer_cast<KVX_Label>(Named("Labeltext1")->Gadget)->Align, 2);
    EXPECT_EQ(std::static_pointer_cast<KVX_Tabpanel>(Named("Tabpanel1")->Gadget)->TabCount, 3);
    EXPECT_EQ(Named("Menu1")->Items.size(), 3u);
}

}  // namespace
}  // namespace kvx
