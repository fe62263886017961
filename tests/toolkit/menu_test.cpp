// The menu bar and pop-up menus: title layout, opening and sliding, choosing on release,
// entries that cannot be chosen, check marks, disabled titles, cascading sub-menus, the y 20 rule.
#include "gadgets/menu.hpp"

#include <cstdlib>

#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/window.hpp"
#include "support/toolkit_fixture.hpp"

namespace kvx {
namespace {

using testing::ToolkitTest;

class MenuTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        KVX_ResetMenus();
    }
    void TearDown() override {
        KVX_ResetMenus();
        ToolkitTest::TearDown();
    }
    static int L() { return KVX_LineHeight; }
    static int Width(const std::string& text) {
        SetImageFont(KVX_GuiFont);
        return TextWidth(text);
    }
    // Points over a title, over entry n (1-based) of an open menu, and far from everything.
    static void OverTitle(const KVX_MenuRef& m, int& x, int& y) {
        x = m->X + m->TitleWidth / 2;
        y = L() / 2;
    }
    static int EntryY(const KVX_Menu& m, int n) { return m.Y + n * L() + L() / 2; }
    static void ClickTitle(const KVX_MenuRef& m) {
        int x, y;
        OverTitle(m, x, y);
        Click(x, y);
    }
    // The first frame with a bar also pins the desktop window at y 20, which moves the pointer
    // once; tests settle that frame before they use the mouse.
    static void Away() { MoveTo(900, 700); }
};

TEST_F(MenuTest, TitlesLineUpOnABarThatAppearsWithTheFirstOne) {
    const int bx = 900, by = 10;
    Away();
    EXPECT_EQ(MenuBarExists, 0);
    EXPECT_EQ(BackBufferPixel(bx, by), 0u) << "no bar before the first title";

    const std::string titles[3] = {"File", "Edit", "Windows"};
    KVX_MenuRef menus[3];
    for (int i = 0; i < 3; ++i) menus[i] = KVX_Menu::Create(titles[i]);
    EXPECT_EQ(MenuBarExists, 1);
    ASSERT_NE(MenuBarImage, 0);
    EXPECT_EQ(ImageWidth(ImageFromHandle(MenuBarImage)), GraphicsWidth());
    EXPECT_EQ(ImageHeight(ImageFromHandle(MenuBarImage)), 26);
    int expectedX = 5;
    for (int i = 0; i < 3; ++i) {
        const int cell = Width(titles[i]) + 10;
        EXPECT_EQ(menus[i]->TitleWidth, cell);
        EXPECT_EQ(menus[i]->X, expectedX) << titles[i];
        EXPECT_EQ(menus[i]->Style, 10);
        EXPECT_EQ(menus[i]->PanelWidth, Width(titles[i])) << "an empty menu's panel is its title's width";
        EXPECT_EQ(menus[i]->PanelHeight, 3);
        expectedX += cell;  // the next title starts 5 past the cells so far
    }
    EXPECT_EQ(MenuBarNextX, expectedX - 5);
    Away();
    EXPECT_NE(BackBufferPixel(bx, by), 0u) << "the bar is drawn";

    menus[0]->AddEntry("A much longer entry than the title", "");
    EXPECT_EQ(menus[0]->PanelWidth, Width("A much longer entry than the title") + 20);
    EXPECT_EQ(menus[0]->PanelHeight, L() + 2);
    menus[1]->AddEntry("x", "");
    EXPECT_EQ(menus[1]->PanelWidth, menus[1]->TitleWidth) << "never narrower than the title cell";
    EXPECT_EQ(menus[0]->RemoveEntry("a MUCH longer entry than the title"), 1);
    EXPECT_EQ(menus[0]->RemoveEntry("gone"), 0);
    EXPECT_EQ(menus[0]->PanelHeight, 2);
}

TEST_F(MenuTest, HoldingOverATitleOpensItAndSlidingSwitchesMenus) {
    KVX_MenuRef file = KVX_Menu::Create("File");
    KVX_MenuRef edit = KVX_Menu::Create("Edit");
    file->AddEntry("Open", "");
    edit->AddEntry("Copy", "");
    Away();
    int x, y;
    OverTitle(file, x, y);
    MoveTo(x, y);
    EXPECT_EQ(MenuOpen, 0) << "hovering alone opens nothing";
    headless::PressMouse(1);
    Frame();
    EXPECT_EQ(file->State, 1);
    EXPECT_EQ(MenuOpen, 1);
    OverTitle(edit, x, y);
    MoveTo(x, y);
    EXPECT_EQ(file->State, 0);
    EXPECT_EQ(edit->State, 1);
    headless::ReleaseMouse(1);
    Frame();
    EXPECT_EQ(edit->State, 1) << "a release over the title keeps it open";
    Click(600, 500);
    EXPECT_EQ(edit->State, 0) << "a release elsewhere closes it";
    EXPECT_EQ(MenuOpen, 0);

    KVX_ActivationAllowed = 0;
    ClickTitle(file);
    EXPECT_EQ(file->State, 0) << "no menus while a modal dialog runs";
    KVX_ActivationAllowed = 1;
}

TEST_F(MenuTest, AnEmptyMenuClosesOnTheNextReleaseEvenOverItsPanel) {
    KVX_MenuRef empty = KVX_Menu::Create("Empty");
    Away();
    ClickTitle(empty);
    ASSERT_EQ(empty->State, 1);
    Click(empty->X, L() + 1);  // on its three-pixel panel
    EXPECT_EQ(empty->State, 0);
    EXPECT_EQ(MenuOpen, 0);
}

TEST_F(MenuTest, ReleasingOverAnEntryChoosesItButNotDisabledOnesOrSeparators) {
    KVX_MenuRef file = KVX_Menu::Create("File");
    file->AddEntry("Open", "");
    file->AddEntry("[]", "");
    file->AddEntry("Save", SkinPath("Icon_Document.png"));
    file->AddEntry("Quit", "");
    EXPECT_EQ(file->SetEntryDisabled("SAVE", 1), 1);
    EXPECT_EQ(file->SetEntryDisabled("nothing", 1), 0);
    EXPECT_NE(file->Entries[2].IconImage, 0);
    EXPECT_EQ(file->Entries[0].IconImage, 0) << "no icon path, no icon";
    const int x = file->X + 20;
    Away();
    ClickTitle(file);
    MoveTo(x, EntryY(*file, 3));
    EXPECT_EQ(file->Entries[2].Highlighted, 1);
    Click(x, EntryY(*file, 3));
    EXPECT_EQ(file->State, 1) << "a disabled entry is not chosen, and the release was over the panel";
    Click(x, EntryY(*file, 2));
    EXPECT_EQ(file->State, 1);
    EXPECT_TRUE(file->SelectedEntry.empty());

    Click(x, EntryY(*file, 4));
    EXPECT_EQ(file->SelectedEntry, "Quit");
    EXPECT_EQ(file->State, 0);
    EXPECT_EQ(MenuOpen, 0);
    EXPECT_EQ(file->Entries[3].Highlighted, 1) << "the chosen entry keeps its mark until the next opening";
    ClickTitle(file);
    EXPECT_EQ(file->Entries[3].Highlighted, 0);
    Away();
    Click(x, EntryY(*file, 1));
    EXPECT_EQ(file->SelectedEntry, "Open");
}

TEST_F(MenuTest, CheckMarksAndTheOperationsByEntryText) {
    KVX_MenuRef view = KVX_Menu::Create("View");
    view->AddEntry("Grid", "");
    view->AddEntry("Panels", "");
    KVX_MenuRef panels = KVX_Menu::CreateSubmenu(view, "panels");
    EXPECT_EQ(view->Entries[1].HasSubmenu, 1);
    EXPECT_EQ(view->Entries[1].Submenu, panels);
    EXPECT_EQ(panels->Style, 20);
    EXPECT_EQ(view->SetChecked("Panels", 1), 0) << "an entry with a sub-menu takes no check mark";
    EXPECT_EQ(view->Entries[1].Checked, 0);
    EXPECT_EQ(view->SetChecked("gRID", 1), 1);
    EXPECT_EQ(view->Entries[0].Checked, 1);
    EXPECT_EQ(view->SetChecked("Nope", 1), 0);
    view->HighlightIndex(2);
    EXPECT_EQ(view->Entries[0].Highlighted, 0);
    EXPECT_EQ(view->Entries[1].Highlighted, 1);
    view->HighlightIndex(-1);
    EXPECT_EQ(view->Entries[1].Highlighted, 0);

    // The checked entry's text moves right to make room for the mark.
    Away();
    ClickTitle(view);
    Away();
    const int rowY = view->Y + L() + 1;
    auto textInk = [&](int fromX, int toX) {
        int ink = 0;
        for (int x = fromX; x < toX; ++x) {
            for (int y = rowY + 2; y < rowY + L() - 2; ++y) ink += BackBufferPixel(x, y) == 0xFAFAFAu;
        }
        return ink;
    };
    const int checkedInk = textInk(view->X + 36, view->X + 60);
    const int plainInk = textInk(view->X + 17, view->X + 36);
    view->SetChecked("Grid", 0);
    Frame();
    EXPECT_GT(checkedInk, 0);
    EXPECT_EQ(plainInk, 0) << "nothing of the text left of the mark";
    EXPECT_GT(textInk(view->X + 17, view->X + 36), 0);
}

TEST_F(MenuTest, ADisabledTitleDoesNotOpenAndIsDrawnAtHalfAlpha) {
    KVX_MenuRef tools = KVX_Menu::Create("Tools");
    tools->AddEntry("Options", "");
    Away();
    const int x0 = tools->X, x1 = tools->X + tools->TitleWidth, y0 = 2, y1 = L();
    auto grab = [&] {
        std::vector<unsigned> pixels;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) pixels.push_back(BackBufferPixel(x, y));
        }
        return pixels;
    };
    const std::vector<unsigned> enabled = grab();
    tools->Text = "";
    Frame();
    const std::vector<unsigned> bare = grab();
    tools->Text = "Tools";
    tools->Disabled = 1;
    ClickTitle(tools);
    EXPECT_EQ(tools->State, 0);
    EXPECT_EQ(MenuOpen, 0);
    Away();
    const std::vector<unsigned> disabled = grab();
    int inked = 0, off = 0;
    for (size_t i = 0; i < bare.size(); ++i) {
        if (enabled[i] == bare[i]) continue;
        ++inked;
        for (int shift : {0, 8, 16}) {
            const int b = int(bare[i] >> shift & 255), e = int(enabled[i] >> shift & 255);
            const int d = int(disabled[i] >> shift & 255);
            if (std::abs(2 * (d - b) - (e - b)) > 4) ++off;
        }
    }
    EXPECT_GT(inked, 0) << "the title is drawn";
    EXPECT_EQ(off, 0) << "each text pixel lies halfway between the bar and the enabled text";
}

TEST_F(MenuTest, SubMenusCascadeLevelWithTheirEntryAndChooseOnTheirOwn) {
    KVX_MenuRef file = KVX_Menu::Create("File");
    file->AddEntry("New", "");
    file->AddEntry("Recent", "");
    file->AddEntry("Quit", "");
    KVX_MenuRef recent = KVX_Menu::CreateSubmenu(file, "Recent");
    recent->AddEntry("one.kvx", "");
    recent->AddEntry("two.kvx", "");
    Away();
    ClickTitle(file);
    MoveTo(file->X + 20, EntryY(*file, 2));
    const int px = file->X - 5, pw = file->PanelWidth + 25, rowY = file->Y + L() + 1 + L();
    EXPECT_EQ(recent->X, px + pw);
    EXPECT_EQ(recent->Y, rowY - L());
    // The sub-menu's icon column, drawn with its panel's top level with the entry.
    EXPECT_EQ(BackBufferPixel(recent->X - 5 + 5, rowY + 5), 0xC36F00u);

    const int sx = recent->X + 30;
    MoveTo(sx, EntryY(*recent, 2));
    EXPECT_EQ(recent->State, 1);
    EXPECT_EQ(recent->Entries[1].Highlighted, 1);
    EXPECT_EQ(file->Entries[1].Highlighted, 1) << "its entry stays marked while the sub-menu is in use";
    MoveTo(file->X + 20, EntryY(*file, 1));
    EXPECT_EQ(recent->State, 0) << "back over another entry of the parent closes it";
    EXPECT_EQ(recent->Entries[1].Highlighted, 0);
    Click(file->X + 20, EntryY(*file, 2));
    EXPECT_TRUE(file->SelectedEntry.empty()) << "an entry with a sub-menu is not chosen";
    EXPECT_EQ(file->State, 1);

    MoveTo(sx, EntryY(*recent, 1));
    Click(sx, EntryY(*recent, 1));
    EXPECT_EQ(recent->SelectedEntry, "one.kvx");
    EXPECT_TRUE(file->SelectedEntry.empty());
    EXPECT_EQ(MenuOpen, 0);
    EXPECT_EQ(file->State, 0);
    EXPECT_EQ(recent->State, 0);
}

TEST_F(MenuTest, WindowsStayBelowTheBarOnceItExists) {
    KVX_WindowRef high = KVX_Window::Create("High", 100, 5, 200, 100, 0, 0, 0);
    KVX_WindowRef low = KVX_Window::Create("Low", 400, 120, 200, 100, 0, 0, 0);
    Away();
    EXPECT_EQ(high->Y, 5) << "no bar, no limit";
    KVX_Menu::Create("File");
    Away();
    EXPECT_EQ(high->Y, 20);
    EXPECT_EQ(low->Y, 120);
    KVX_ResetMenus();
    EXPECT_EQ(MenuBarExists, 0);
    EXPECT_TRUE(AllMenus.empty());
    EXPECT_EQ(MenuBarNextX, 0);
    EXPECT_EQ(MenuBarImage, 0);
    EXPECT_EQ(KVX_Menu::Create("Again")->X, 5) << "a reset bar starts over at the left";
}

}  // namespace
}  // namespace kvx
