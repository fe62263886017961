// List boxes: the clamped body and its six children, separators, selection by text, index and
// mouse, the scroll bar layout, wheel and arrow repeat, and what adding items costs.
#include "gadgets/listbox.hpp"

#include <algorithm>
#include <chrono>

#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

constexpr unsigned kSelection = 0x0083B2;  // 0,131,178
constexpr unsigned kSeparator = 0x787878;  // 120,120,120

// A gadget that counts its updates and may add an item to a list box from inside the refresh.
class ProbeGadget : public KVX_Gadget {
public:
    KVX_Listbox* Target = nullptr;
    int Updates = 0;
    int Depth = 0, MaxDepth = 0;

    uint8_t Kind() const override { return KVX_KindLabel; }
    void Update(KVX_Gadget*) override {
        ++Updates;
        MaxDepth = std::max(MaxDepth, ++Depth);
        if (Target) Target->AddItem("added in a refresh", "");
        --Depth;
    }
};

class ListboxTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        headless::SetClock(1000);
        window = KVX_Window::Create("Lists", 100, 100, 500, 400, 0, 0, 0);
    }
    KVX_ListboxRef MakeList(int items, int width = 200, int lines = 5) {
        KVX_ListboxRef box = KVX_Listbox::Create(window, 20, 30, width, lines);
        for (int i = 1; i <= items; ++i) box->AddItem("Item " + std::to_string(i), "");
        Frame();
        return box;
    }
    // The middle of visible row r (0-based) of the body.
    static int RowY(const KVX_Listbox& box, int r) { return box.AbsY + r * KVX_LineHeight + KVX_LineHeight / 2; }
    static std::vector<int> SelectedIndices(const KVX_Listbox& box) {
        std::vector<int> selected;
        for (size_t i = 0; i < box.ItemList.size(); ++i) {
            if (box.ItemList[i].Selected) selected.push_back(int(i) + 1);
        }
        return selected;
    }
    static unsigned At(int x, int y) { return Pixel(x, y) & 0xFFFFFFu; }
    std::shared_ptr<ProbeGadget> AddProbe() {
        auto probe = MakeGadget<ProbeGadget>();
        probe->Parent = window;
        KVX_AddChild(window, probe);
        return probe;
    }
    KVX_WindowRef window;
};

TEST_F(ListboxTest, CreateClampsTheBodyAndPlacesTheSixChildren) {
    const int L = KVX_LineHeight;
    KVX_ListboxRef box = KVX_Listbox::Create(window, 20, 30, 10, 2);
    EXPECT_EQ(box->Width, 49);
    EXPECT_EQ(box->Height, 5 * L);
    ASSERT_EQ(box->Children.size(), 6u);
    const int w = 49, h = 5 * L;
    EXPECT_EQ((std::vector{box->HScroll->X, box->HScroll->Y, box->HScroll->Width, box->HScroll->Height}),
              (std::vector{0, h + 1, w - 16, 15}));
    EXPECT_FLOAT_EQ(box->HScroll->Maximum, 65.f);
    EXPECT_FLOAT_EQ(box->HScroll->Step, 10.f);
    EXPECT_EQ(box->HScroll->ShowValue, 0);
    EXPECT_EQ(box->HScroll->Vertical, 0);
    EXPECT_EQ((std::vector{box->VScroll->X, box->VScroll->Y, box->VScroll->Width, box->VScroll->Height}),
              (std::vector{w + 1, 0, 15, h - 32}));
    EXPECT_EQ(box->VScroll->Vertical, 1);
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f);
    EXPECT_FLOAT_EQ(box->VScroll->Minimum, 1.f);
    EXPECT_FLOAT_EQ(box->VScroll->Maximum, 20.f);
    const auto at = [](const KVX_CustomButtonRef& b) { return std::vector{b->X, b->Y, b->Width, b->Height}; };
    EXPECT_EQ(at(box->ButtonUp), (std::vector{w + 1, h - 31, 15, 15}));
    EXPECT_EQ(at(box->ButtonDown), (std::vector{w + 1, h - 15, 15, 15}));
    EXPECT_EQ(at(box->ButtonLeft), (std::vector{w - 15, h + 1, 15, 15}));
    EXPECT_EQ(at(box->ButtonRight), (std::vector{w + 1, h + 1, 15, 15}));
    for (const KVX_GadgetRef& child :
         {KVX_GadgetRef(box->HScroll), KVX_GadgetRef(box->VScroll), KVX_GadgetRef(box->ButtonUp),
          KVX_GadgetRef(box->ButtonDown), KVX_GadgetRef(box->ButtonLeft), KVX_GadgetRef(box->ButtonRight)}) {
        EXPECT_NE(std::find(box->Children.begin(), box->Children.end(), child), box->Children.end());
    }
    EXPECT_NE(box->BodyImage, 0);
    EXPECT_NE(std::find(window->Children.begin(), window->Children.end(), box), window->Children.end());

    KVX_ListboxRef wide = KVX_Listbox::Create(window, 20, 200, 200, 8);
    EXPECT_EQ(wide->Width, 184);
    EXPECT_EQ(wide->Height, 8 * L);
    wide->Free();
    EXPECT_EQ(wide->Closed, 1);
    EXPECT_EQ(wide->BodyImage, 0);
    EXPECT_EQ(wide->ClickSound, 0);
    EXPECT_EQ(wide->VScroll, nullptr);
}

TEST_F(ListboxTest, SelectionByTextAndIndexAndWhatKeepsTheSelectedText) {
    KVX_ListboxRef box = MakeList(0);
    for (const char* text : {"abc", "[]", "Other", "abc"}) box->AddItem(text, "");
    EXPECT_EQ(box->ItemCount, 4);
    EXPECT_EQ(box->ItemList[1].Separator, 1);
    EXPECT_EQ(box->ItemList[0].Separator, 0);
    EXPECT_EQ(box->ItemList[0].Owner.lock(), box);

    box->SelectItem("ABC");
    EXPECT_EQ(SelectedIndices(*box), (std::vector{1, 4})) << "every item of that text, ignoring case";
    EXPECT_EQ(box->SelectedText, "abc") << "the item's own text";
    box->SelectItem("[]");
    EXPECT_TRUE(SelectedIndices(*box).empty()) << "a separator is never selected";
    EXPECT_EQ(box->SelectedText, "abc");

    box->SelectIndex(3);
    EXPECT_EQ(SelectedIndices(*box), (std::vector{3})) << "the separator counts as a line";
    EXPECT_EQ(box->SelectedText, "Other");
    box->SelectIndex(2);
    EXPECT_TRUE(SelectedIndices(*box).empty());
    EXPECT_EQ(box->SelectedText, "Other");
    box->SelectIndex(3);
    box->SelectIndex(9);
    EXPECT_TRUE(SelectedIndices(*box).empty()) << "beyond the last line";
    EXPECT_EQ(box->SelectedText, "Other");

    box->SelectIndex(3);
    box->DeselectAll();
    EXPECT_TRUE(SelectedIndices(*box).empty());
    EXPECT_EQ(box->SelectedText, "Other");

    box->SelectIndex(3);
    const int icon = box->ItemList[2].IconImage;
    EXPECT_NE(icon, 0);
    EXPECT_NE(icon, box->ItemList[0].IconImage) << "every item has its own icon handle";
    EXPECT_EQ(box->RemoveItem("OTHER"), 1);
    EXPECT_EQ(box->ItemCount, 3);
    EXPECT_EQ(box->SelectedText, "Other") << "removing the selected item keeps its text";
    EXPECT_EQ(ImageFromHandle(icon), nullptr) << "the removed item's icon is released";
    EXPECT_NE(ImageFromHandle(box->ItemList[0].IconImage), nullptr) << "the others keep theirs";
    EXPECT_EQ(box->RemoveItem("missing"), 0);
    EXPECT_EQ(box->RemoveItem("[]"), 1) << "separators are found by text too";
    EXPECT_EQ(box->ItemCount, 2);

    const int kept = box->ItemList[0].IconImage;
    box->ClearItems();
    EXPECT_EQ(box->ItemCount, 0);
    EXPECT_TRUE(box->ItemList.empty());
    EXPECT_EQ(box->SelectedText, "");
    EXPECT_EQ(box->WidestText, 0);
    EXPECT_EQ(ImageFromHandle(kept), nullptr);
    box->AddItem("again", "");
    EXPECT_NE(ImageFromHandle(box->ItemList[0].IconImage), nullptr) << "icons load again after clearing";
}

TEST_F(ListboxTest, DrawsTheSelectionAndSeparatorsAndClickingASeparatorDeselects) {
    const int L = KVX_LineHeight;
    KVX_ListboxRef box = MakeList(0);
    for (const char* text : {"One", "[]", "Three"}) box->AddItem(text, "");
    box->SelectIndex(3);
    Frame();
    const int probeX = box->AbsX + box->Width - 5;  // right of any text
    EXPECT_EQ(At(probeX, box->AbsY + 2 * L + 1), kSelection) << "the selected third row";
    EXPECT_EQ(At(probeX, box->AbsY + 2 * L + L - 2), kSelection);
    EXPECT_NE(At(probeX, box->AbsY + 1), kSelection) << "the first row is not selected";
    EXPECT_NE(At(box->AbsX + 1, box->AbsY + 2 * L + 1), kSelection) << "clipped two pixels in from the edge";
    EXPECT_EQ(At(box->AbsX + 5, box->AbsY + L + L / 2), kSeparator) << "the separator line";
    EXPECT_NE(At(box->AbsX + 5, box->AbsY + L + L / 2 + 1), kSeparator) << "one pixel high";

    Press(box->AbsX + 20, RowY(*box, 1));
    Release();
    EXPECT_TRUE(SelectedIndices(*box).empty()) << "clicking the separator deselects the others";
    EXPECT_EQ(box->SelectedText, "Three");
    EXPECT_NE(At(probeX, box->AbsY + 2 * L + 1), kSelection);
}

TEST_F(ListboxTest, PressingAndDraggingInsideTheBodySelectsWithOneClickSound) {
    KVX_ListboxRef box = MakeList(10);
    headless::ResetSoundsPlayed();
    Press(box->AbsX + 20, RowY(*box, 0));
    EXPECT_EQ(SelectedIndices(*box), (std::vector{1}));
    EXPECT_EQ(box->SelectedText, "Item 1");
    headless::MoveMouse(box->AbsX + 30, RowY(*box, 2));
    Frame();
    EXPECT_EQ(SelectedIndices(*box), (std::vector{3})) << "dragging moves the selection";
    EXPECT_EQ(headless::SoundsPlayed(), 1) << "one click sound for the press, not one per line";
    headless::MoveMouse(box->AbsX + 30, box->AbsY + box->Height + 40);
    Frame();
    EXPECT_EQ(SelectedIndices(*box), (std::vector{3})) << "outside the body nothing changes";
    headless::MoveMouse(box->AbsX + 30, RowY(*box, 1));
    Frame();
    EXPECT_EQ(SelectedIndices(*box), (std::vector{2})) << "back inside, the same press selects again";
    Release();
    headless::MoveMouse(box->AbsX + 30, RowY(*box, 4));
    Frame();
    EXPECT_EQ(box->SelectedText, "Item 2") << "moving without the button selects nothing";

    Press(box->AbsX + 30, box->AbsY + box->Height + 8);  // on the horizontal bar
    headless::MoveMouse(box->AbsX + 30, RowY(*box, 3));
    Frame();
    EXPECT_EQ(box->SelectedText, "Item 2") << "a press that began outside the body selects nothing";
    Release();
    headless::ResetSoundsPlayed();
    Press(box->AbsX + 30, RowY(*box, 3));
    EXPECT_EQ(box->SelectedText, "Item 4");
    EXPECT_EQ(headless::SoundsPlayed(), 1) << "a new press sounds again";
    Release();
}

TEST_F(ListboxTest, FewerItemsThanFitShowFromTheFirstWhateverTheBarSays) {
    KVX_ListboxRef box = MakeList(3);
    const int h = box->Height;
    EXPECT_FLOAT_EQ(box->VScroll->Maximum, 1.f);
    EXPECT_EQ(box->VScroll->ThumbSize, h - 32);
    EXPECT_LT(box->WidestText, box->HScroll->Width);
    EXPECT_EQ(box->HScroll->ThumbSize, box->HScroll->Width);
    EXPECT_FLOAT_EQ(box->HScroll->Maximum, float(box->HScroll->Width));

    box->VScroll->Value = 3.f;
    box->VScroll->ThumbValid = 0.f;
    Press(box->AbsX + 20, RowY(*box, 0));
    EXPECT_EQ(box->SelectedText, "Item 1") << "the top row shows item 1";
    Release();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f);

    const std::string wide(40, 'W');
    box->AddItem(wide, "");
    SetImageFont(KVX_GuiFont);
    EXPECT_EQ(box->WidestText, TextWidth(wide));
    ASSERT_GE(box->WidestText, box->HScroll->Width);
    EXPECT_EQ(box->HScroll->ThumbSize, (box->Width + 16) / 2);
    EXPECT_FLOAT_EQ(box->HScroll->Maximum, float(box->WidestText + 32 - box->Width));
    for (const KVX_ScrollbarRef& bar : {box->HScroll, box->VScroll}) {
        EXPECT_FLOAT_EQ(bar->Value, 0.f) << "adding an item resets both bars";
        EXPECT_FLOAT_EQ(bar->ThumbValid, 0.f);
    }
}

TEST_F(ListboxTest, HundredItemsInFiveLinesScrollToTheLastPage) {
    KVX_ListboxRef box = MakeList(100);
    const int h = box->Height;
    EXPECT_FLOAT_EQ(box->VScroll->Maximum, 96.f);
    EXPECT_EQ(box->VScroll->ThumbSize, std::max(10, 5 * (h - 32) / 100));
    EXPECT_FLOAT_EQ(box->HScroll->Maximum, float(box->HScroll->Width))
        << "the horizontal bar keeps the range it had while the list still fitted";

    box->VScroll->Value = 96.f;
    box->VScroll->ThumbValid = 0.f;
    Frame();
    Press(box->AbsX + 20, RowY(*box, 4));
    EXPECT_EQ(box->SelectedText, "Item 100");
    Release();
    box->VScroll->Value = 500.f;  // beyond the end: the last page until the bar clamps itself
    Press(box->AbsX + 20, RowY(*box, 0));
    EXPECT_EQ(box->SelectedText, "Item 96");
    Release();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 96.f);

    KVX_ListboxRef few = KVX_Listbox::Create(window, 250, 30, 100, 5);
    for (int i = 0; i < 8; ++i) few->AddItem("Line", "");
    EXPECT_FLOAT_EQ(few->VScroll->Maximum, 4.f);
    EXPECT_EQ(few->VScroll->ThumbSize, std::max(10, 5 * (few->Height - 32) / 8));
}

TEST_F(ListboxTest, WheelAndArrowsScrollOnlyAListWithItems) {
    KVX_ListboxRef box = MakeList(0);
    headless::MoveMouse(box->AbsX + 20, RowY(*box, 1));
    headless::Wheel(-1);
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f) << "an empty list ignores the wheel";
    Press(box->ButtonDown->AbsX + 7, box->ButtonDown->AbsY + 7);
    for (int i = 0; i < 3; ++i) {
        headless::AdvanceClock(200);
        Frame();
    }
    EXPECT_EQ(box->ButtonDown->State, 2);
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f) << "and the arrows";
    Release();

    for (int i = 1; i <= 20; ++i) box->AddItem("Item " + std::to_string(i), "");
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f);
    headless::MoveMouse(box->AbsX + 20, RowY(*box, 1));
    headless::Wheel(-1);  // towards the user
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 2.f);
    headless::Wheel(1);
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f);
}

TEST_F(ListboxTest, HeldArrowsRepeatEvery150Milliseconds) {
    KVX_ListboxRef box = MakeList(20);
    Frame();  // the bars settle at their minimum
    headless::AdvanceClock(200);
    Press(box->ButtonDown->AbsX + 7, box->ButtonDown->AbsY + 7);
    EXPECT_FLOAT_EQ(box->VScroll->Value, 1.f) << "the list sees the press from the next frame on";
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 2.f);
    Frame();
    headless::AdvanceClock(150);
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 2.f) << "not before 150 ms have passed";
    headless::AdvanceClock(1);
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 3.f);
    headless::AdvanceClock(151);
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 4.f);
    Release();
    headless::AdvanceClock(500);
    Frames(2);
    EXPECT_FLOAT_EQ(box->VScroll->Value, 4.f) << "released, it stops";

    Press(box->ButtonUp->AbsX + 7, box->ButtonUp->AbsY + 7);
    Frame();
    EXPECT_FLOAT_EQ(box->VScroll->Value, 3.f);
    Release();
    headless::AdvanceClock(200);
    Press(box->ButtonRight->AbsX + 7, box->ButtonRight->AbsY + 7);
    Frame();
    EXPECT_FLOAT_EQ(box->HScroll->Value, 10.f);
    headless::AdvanceClock(151);
    Frame();
    EXPECT_FLOAT_EQ(box->HScroll->Value, 20.f);
    Release();
    headless::AdvanceClock(200);
    Press(box->ButtonLeft->AbsX + 7, box->ButtonLeft->AbsY + 7);
    Frame();
    EXPECT_FLOAT_EQ(box->HScroll->Value, 10.f);
    Release();
}

TEST_F(ListboxTest, AddItemRefreshesWithoutPresentingRecursingOrLeavingAClearedFrame) {
    KVX_ListboxRef box = MakeList(1);
    auto probe = AddProbe();
    Frame();
    const int bodyX = window->X + 400, bodyY = window->Y + 300;  // bare window body
    const unsigned body = At(bodyX, bodyY);
    ASSERT_NE(body, 0u) << "the window body differs from the cleared screen";
    const int presented = headless::FramesPresented();

    const int updates = probe->Updates;
    box->AddItem("Second", "");
    EXPECT_EQ(probe->Updates, updates + 1) << "one refresh pass";
    box->AddItem("Third", "");
    EXPECT_EQ(probe->Updates, updates + 1) << "at most one pass between two frames of the application";
    box->AddItem("Folder", SkinPath("Icon_Folder.png"));
    EXPECT_EQ(probe->Updates, updates + 2) << "loading an icon clears the frame: it is drawn again";
    EXPECT_EQ(At(bodyX, bodyY), body);
    EXPECT_EQ(headless::FramesPresented(), presented) << "nothing is presented";
    Frame();
    box->AddItem("Fourth", "");
    EXPECT_EQ(probe->Updates, updates + 4) << "a new frame allows a new pass";
    EXPECT_EQ(box->ItemCount, 5);

    probe->Target = box.get();
    Frame();
    EXPECT_EQ(probe->MaxDepth, 1) << "adding from inside a refresh starts no other refresh";
    EXPECT_EQ(box->ItemCount, 6);
    EXPECT_EQ(box->ItemList.back().ItemText, "added in a refresh");
    probe->Target = nullptr;
}

TEST_F(ListboxTest, TenThousandItemsAreAddedQuicklyAndAppear) {
    for (int i = 0; i < 3; ++i) {
        KVX_WindowRef other = KVX_Window::Create("Other", 30 + 40 * i, 60 + 30 * i, 420, 320, 1, 1, 1);
        for (int j = 0; j < 4; ++j) KVX_PushButton::Create(other, "Button", 20, 20 + 30 * j, 100);
    }
    window->Activate();
    KVX_ListboxRef box = MakeList(0);
    auto probe = AddProbe();
    Frame();
    const int updates = probe->Updates;
    const unsigned body = At(window->X + 400, window->Y + 300);

    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= 10000; ++i) box->AddItem("Item " + std::to_string(i), "");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds_for_10000_items", std::to_string(seconds));
    EXPECT_LT(seconds, 2.0);
    EXPECT_LE(probe->Updates, updates + 1) << "not a refresh pass per item";
    EXPECT_EQ(At(window->X + 400, window->Y + 300), body) << "the frame being built is whole";

    EXPECT_EQ(box->ItemCount, 10000);
    EXPECT_FLOAT_EQ(box->VScroll->Maximum, float(10000 + 1 - 5));
    EXPECT_EQ(box->VScroll->ThumbSize, 10);
    EXPECT_FLOAT_EQ(box->VScroll->Value, 0.f);
    EXPECT_FLOAT_EQ(box->VScroll->ThumbValid, 0.f);
    EXPECT_FLOAT_EQ(box->HScroll->Value, 0.f);
    EXPECT_FLOAT_EQ(box->HScroll->ThumbValid, 0.f);
    Frame();
    Press(box->AbsX + 20, RowY(*box, 0));
    EXPECT_EQ(box->SelectedText, "Item 1");
    Release();
    box->VScroll->Value = box->VScroll->Maximum;
    box->VScroll->ThumbValid = 0.f;
    Frame();
    Press(box->AbsX + 20, RowY(*box, 4));
    EXPECT_EQ(box->SelectedText, "Item 10000");
    Release();
}

}  // namespace
}  // namespace kvx
