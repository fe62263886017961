// Combo boxes: opening, the drop-down rectangle, choosing on release, closing, item states,
// one open drop-down at a time and the input it blocks.
#include "gadgets/combo.hpp"

#include <algorithm>

#include "core/mouse.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class ComboTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        window = KVX_Window::Create("Combos", 100, 100, 500, 400, 0, 0, 0);
        combo = KVX_Combo::Create(window, 20, 30, 150);
        Frame();
    }
    void AddItems(const KVX_ComboRef& target, std::initializer_list<const char*> texts) {
        for (const char* text : texts) target->AddItem(text, "");
    }
    // The middle of the field of a combo.
    static int FieldX(const KVX_ComboRef& c) { return c->AbsX + c->Width / 2; }
    static int FieldY(const KVX_ComboRef& c) { return c->AbsY + c->Height / 2; }
    // The middle of row n (1-based) of the open drop-down.
    static int RowY(int n) { return KVX_Combo::DropY + (n - 1) * KVX_LineHeight + KVX_LineHeight / 2; }
    static std::vector<uint8_t> States(const KVX_Combo& c) {
        std::vector<uint8_t> states;
        for (const KVX_ComboItem& item : KVX_Combo::AllComboItems) {
            if (item.Owner == &c) states.push_back(item.ItemState);
        }
        return states;
    }
    KVX_WindowRef window;
    KVX_ComboRef combo;
};

TEST_F(ComboTest, OpensOnlyWithItemsAndDropsTheListOnePixelBelowTheField) {
    const int L = KVX_LineHeight;
    EXPECT_EQ(combo->Height, L + 1);
    EXPECT_EQ(combo->Width, 150 - (L + 1));
    Click(FieldX(combo), FieldY(combo));
    EXPECT_EQ(combo->State, 0) << "a combo without items never opens";
    EXPECT_EQ(ComboOpen, 0);

    AddItems(combo, {"Red", "Green", "Blue"});
    EXPECT_EQ(combo->ItemCount, 3);
    EXPECT_EQ(ListHeight(*combo), 3 * L);
    MenuOpen = 1;
    Click(FieldX(combo), FieldY(combo));
    EXPECT_EQ(combo->State, 0) << "an open menu keeps it shut";
    MenuOpen = 0;

    Click(combo->AbsX + combo->Width + 5, FieldY(combo));  // on the symbol
    EXPECT_EQ(combo->State, 1);
    EXPECT_EQ(ComboOpen, 1);
    EXPECT_EQ(KVX_Combo::OpenCombo, combo);
    EXPECT_EQ(KVX_Combo::DropX, combo->AbsX);
    EXPECT_EQ(KVX_Combo::DropY, combo->AbsY + combo->Height + 1);
    EXPECT_EQ(KVX_Combo::DropW, combo->Width + 16);
    EXPECT_EQ(KVX_Combo::DropH, 3 * L);
    EXPECT_TRUE(combo->SelectedText.empty()) << "releasing the opening press over the field chooses nothing";
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 0, 0}));
}

TEST_F(ComboTest, TheListIsDrawnAboveLaterWindows) {
    AddItems(combo, {"One", "Two"});
    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(combo->State, 1);
    // A window made later lies on top of the combo's window where the list drops down.
    KVX_WindowRef cover = KVX_Window::Create("Cover", 100, combo->AbsY + combo->Height + 3, 300, 200, 0, 0, 0);
    MoveTo(700, 700);
    const int px = combo->AbsX + 60, py = KVX_Combo::DropY + KVX_LineHeight + 3;
    const unsigned open = BackBufferPixel(px, py);
    KVX_Combo::CloseAll();
    Frame();
    EXPECT_NE(BackBufferPixel(px, py), open) << "the open row was drawn over the covering window";
}

TEST_F(ComboTest, ReleasingOverARowChoosesItAndRightClicksCloseWithoutChoosing) {
    AddItems(combo, {"Red", "Green", "Blue"});
    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(ComboOpen, 1);
    Click(FieldX(combo), RowY(2));
    EXPECT_EQ(combo->SelectedText, "Green");
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 2, 0}));
    EXPECT_EQ(combo->State, 0);
    EXPECT_EQ(ComboOpen, 0);

    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(combo->State, 1);
    headless::MoveMouse(700, 600);
    headless::PressMouse(2);
    Frame();
    headless::ReleaseMouse(2);
    Frame();
    EXPECT_EQ(combo->State, 0);
    EXPECT_EQ(ComboOpen, 0);
    EXPECT_EQ(combo->SelectedText, "Green");

    Click(FieldX(combo), FieldY(combo));
    Click(700, 600);
    EXPECT_EQ(combo->State, 0) << "a left press elsewhere closes it too";
    EXPECT_EQ(combo->SelectedText, "Green");
}

TEST_F(ComboTest, HoveringMarksTheRowAndKeepsTheSelectionMarked) {
    AddItems(combo, {"Red", "Green", "Blue"});
    combo->SelectItem("blue", 1);
    Click(FieldX(combo), FieldY(combo));
    MoveTo(FieldX(combo), RowY(1));
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{1, 0, 2}));
    MoveTo(FieldX(combo), RowY(2));
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(combo->SelectedText, "Blue") << "hovering selects nothing";
    // Just below the last row the pointer still counts as inside, but there is no item to choose.
    headless::PressMouse(1);
    Frame();
    MoveTo(FieldX(combo), KVX_Combo::DropY + KVX_Combo::DropH);
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(ComboOpen, 0);
    EXPECT_EQ(combo->SelectedText, "Blue");
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 0, 0}));
}

TEST_F(ComboTest, SelectItemAndItemStatesFollowTheirRules) {
    AddItems(combo, {"Same", "Other", "SAME"});
    combo->SelectItem("same", 0);
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{2, 0, 2})) << "without reset both equal texts stay selected";
    EXPECT_EQ(combo->SelectedText, "SAME");
    combo->SetItemState(2, 1);
    combo->SelectItem("Other", 0);
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 2, 0}));
    combo->SelectItem("same", 1);
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 0, 2})) << "resetting first leaves only the later one";
    EXPECT_EQ(combo->SelectedText, "SAME");
    combo->SetItemState(1, 2);
    EXPECT_EQ(combo->SelectedText, "Same");
    combo->SetItemState(9, 2);
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(combo->SelectedText, "Same") << "an index past the end keeps the text";

    KVX_ComboRef other = KVX_Combo::Create(window, 20, 200, 150);
    AddItems(other, {"Same"});
    other->SelectItem("Same", 1);
    EXPECT_EQ(States(*combo), (std::vector<uint8_t>{0, 0, 0})) << "another combo's items are its own";
    combo->ClearItems();
    EXPECT_EQ(combo->ItemCount, 0);
    EXPECT_TRUE(combo->SelectedText.empty());
    EXPECT_TRUE(States(*combo).empty());
    EXPECT_EQ(States(*other), (std::vector<uint8_t>{2}));
}

TEST_F(ComboTest, OnlyOneDropDownIsOpenAndItBlocksTheGadgetsBehindIt) {
    AddItems(combo, {"Red", "Green", "Blue"});
    KVX_ComboRef second = KVX_Combo::Create(window, 250, 30, 150);
    AddItems(second, {"One"});
    const int below = 30 + combo->Height + 1 + KVX_LineHeight;
    KVX_PushButtonRef button = KVX_PushButton::Create(window, "Behind", 20, below, 120);
    Frame();
    ASSERT_EQ(KVX_Combo::AllCombos.size(), 2u);

    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(combo->State, 1);
    Click(FieldX(second), FieldY(second));
    EXPECT_EQ(combo->State, 0) << "the press outside closed the first";
    EXPECT_EQ(second->State, 1);
    EXPECT_EQ(KVX_Combo::OpenCombo, second);
    KVX_Combo::CloseAll();
    EXPECT_EQ(second->State, 0);
    EXPECT_EQ(ComboOpen, 0);

    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(ComboOpen, 1);
    const int overButton = button->AbsY + button->Height / 2;
    ASSERT_LT(overButton, KVX_Combo::DropY + KVX_Combo::DropH);
    Click(button->AbsX + 10, overButton);
    EXPECT_EQ(button->Clicked(), 0) << "the open list takes the click";
    EXPECT_FALSE(combo->SelectedText.empty());
    Click(button->AbsX + 10, overButton);
    EXPECT_EQ(button->Clicked(), 1) << "once closed, the button works again";
}

TEST_F(ComboTest, AnOpenListClosesWhenItsWindowIsHidden) {
    AddItems(combo, {"Red", "Green"});
    KVX_PushButtonRef other = KVX_PushButton::Create(nullptr, "Other", 700, 600, 80);
    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(ComboOpen, 1);
    window->Hidden = 1;
    Frame();
    EXPECT_EQ(ComboOpen, 0);
    Click(other->AbsX + 10, other->AbsY + 5);
    EXPECT_EQ(other->Clicked(), 1) << "the mouse is not held by a list nobody sees";
}

TEST_F(ComboTest, FreeingForgetsTheComboAndAnOpenDropDown) {
    AddItems(combo, {"Red", "Green"});
    KVX_ComboRef loose = KVX_Combo::Create(nullptr, 0, 0, 100);
    EXPECT_EQ(loose->ParentGadget(), nullptr) << "no desktop fallback";
    Click(FieldX(combo), FieldY(combo));
    ASSERT_EQ(ComboOpen, 1);
    combo->Free();
    EXPECT_EQ(ComboOpen, 0) << "a freed combo must not leave the mouse blocked";
    EXPECT_EQ(KVX_Combo::OpenCombo, nullptr);
    EXPECT_EQ(combo->SymbolImage, 0);
    EXPECT_EQ(KVX_Combo::AllCombos, std::vector<KVX_ComboRef>{loose});
    EXPECT_TRUE(KVX_Combo::AllComboItems.empty());
    combo->Free();
    Frames(2);
    EXPECT_EQ(std::count(window->Children.begin(), window->Children.end(), combo), 0)
        << "the window's next pass dropped it";
    loose->Free();
    EXPECT_TRUE(KVX_Combo::AllCombos.empty());
}

}  // namespace
}  // namespace kvx
