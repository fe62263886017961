#include "studio/tab_membership.hpp"

#include "design/tab_pages.hpp"
#include "gadgets/tabpanel.hpp"
#include "studio/live_gadget.hpp"
#include "studio/selection.hpp"

namespace kvx::studio {

void FollowPanelUnder(DesignedGadget& r) {
    if (r.Info().IsWindow || r.Info().OnMenuBar) return;
    const DesignedGadgetRef panel = PanelUnder(r, r.Px, r.Py);
    if (!panel) {
        r.TabPanel.clear();
        r.Tab = 0;
        return;
    }
    if (panel->Handle == r.TabPanel) return;  // a move within the page keeps the tab
    r.TabPanel = panel->Handle;
    r.Tab = static_cast<const KVX_Tabpanel&>(*panel->Gadget).SelectedTab;
}

void CarryTabGadgets(const DesignedGadget& panel, int32_t dx, int32_t dy) {
    if (!IsTabPanel(panel) || (dx == 0 && dy == 0)) return;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->TabPanel != panel.Handle || r->ParentWindow != panel.ParentWindow || IsSelected(*r)) continue;
        r->Px += dx;
        r->Py += dy;
        MoveLive(*r);
        CarryTabGadgets(*r, dx, dy);
    }
}

}  // namespace kvx::studio
