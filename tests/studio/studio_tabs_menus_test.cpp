// Tab panels and menus in the designer: a press on a tab shows its page, gadgets placed on a page
// belong to its tab and go with the panel, and menus sit on a bar of their own at the top.
#include "core/runtime.hpp"
#include "design/design_edits.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/tabpanel.hpp"
#include "studio/selection.hpp"
#include "support/studio_fixture.hpp"

namespace kvx {
namespace {

using testing::Named;

class StudioTabsMenusTest : public testing::StudioTest {
protected:
    static const KVX_Tabpanel& Panel(const std::string& handle) {
        return static_cast<const KVX_Tabpanel&>(*Named(handle)->Gadget);
    }
    // A press on the panel's tab of that number, the pointer over it a frame before.
    static void ClickTab(const std::string& handle, int tab) {
        const KVX_Tabpanel& panel = Panel(handle);
        const int width = int(panel.TabMiddleWidth) + 2 * panel.TabEdgeWidth;
        const int x = panel.AbsX + (tab - 1) * width + width / 2, y = panel.AbsY + panel.TabHeight / 2;
        MoveTo(x, y);
        Click(x, y);
    }
};

TEST_F(StudioTabsMenusTest, GadgetsOnATabShowWithItsPageAndFollowThePanel) {
    Place("Window", 50, 50, 600, 500);
    Place("Tabpanel", 100, 100, 400, 300);
    SelectPage(studio::kModifyPage);
    ClickTab("Tabpanel1", 2);
    EXPECT_EQ(Panel("Tabpanel1").SelectedTab, 2) << "the press shows the tab";
    EXPECT_EQ(studio::Selection().front(), Named("Tabpanel1")) << "and picks the panel";

    Place("Button", 150, 200, 230, 210);
    Place("Button", 450, 200, 530, 210);  // beside the panel
    const studio::DesignedGadgetRef onTab = Named("Button1");
    EXPECT_EQ(onTab->TabPanel, "Tabpanel1");
    EXPECT_EQ(onTab->Tab, 2);
    EXPECT_TRUE(Named("Button2")->TabPanel.empty());

    SelectPage(studio::kModifyPage);
    ClickTab("Tabpanel1", 1);
    EXPECT_EQ(onTab->Gadget->Hidden, 1);
    const studio::HitArea area = studio::HitAreaOf(*onTab);
    Click(area.X + 5, area.Y + 5);
    EXPECT_TRUE(studio::Selection().empty()) << "a hidden gadget takes no click";

    // Ctrl+drag of the panel by its tabs takes the gadget on its other tab along.
    const int fromX = onTab->Px;
    const KVX_Tabpanel& panel = Panel("Tabpanel1");
    headless::PressKey(KEY_CONTROL);
    Drag(panel.AbsX + 5, panel.AbsY + 5, panel.AbsX + 25, panel.AbsY + 5);
    headless::ReleaseKey(KEY_CONTROL);
    EXPECT_EQ(onTab->Px, fromX + 20);
    EXPECT_EQ(onTab->Gadget->X, onTab->Px);

    studio::Rename(*Named("Tabpanel1"), "Pages");
    EXPECT_EQ(onTab->TabPanel, "Pages") << "a renamed panel keeps its gadgets";

    ClickRecord("Pages");
    TapKey(KEY_DELETE);
    ASSERT_FALSE(Named("Pages"));
    EXPECT_TRUE(onTab->TabPanel.empty()) << "the gadgets of a deleted panel stay in the window";
    Frame();
    EXPECT_EQ(onTab->Gadget->Hidden, 0);
}

TEST_F(StudioTabsMenusTest, MenusSitOnTheBarInTheirOrderAndThePointerTakesThem) {
    Place("Menu", 100, 100, 150, 150);
    Place("Menu", 100, 200, 150, 250);
    Frame();
    const studio::DesignedGadgetRef first = Named("Menu1"), second = Named("Menu2");
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(first->Gadget) << "the designer draws the bar; only the preview makes the menus";
    EXPECT_TRUE(AllMenus.empty());
    const studio::HitArea a = studio::HitAreaOf(*first), b = studio::HitAreaOf(*second);
    EXPECT_EQ(a.Y, 0);
    EXPECT_EQ(b.X, a.X + a.W) << "side by side";
    SelectPage(studio::kModifyPage);
    ClickRecord("Menu2");
    ASSERT_EQ(studio::Selection().size(), 1u);
    EXPECT_EQ(studio::Selection().front(), second);
}

}  // namespace
}  // namespace kvx
