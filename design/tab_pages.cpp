#include "design/tab_pages.hpp"

#include <algorithm>

#include "design/kinds/kind_parts.hpp"
#include "gadgets/tabpanel.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {TextKey<&DesignedGadget::TabPanel>("Tabpanel"), IntegerKey<&DesignedGadget::Tab>("Tab")};

std::string PanelKey(const std::string& parent, const std::string& handle) { return parent + "\n" + handle; }
// The handle of the record's window, "" for none; a save writes none as "False".
std::string WindowOf(const DesignedGadget& record) { return record.Parent == "False" ? "" : record.Parent; }

void LeaveTab(DesignedGadget& record) {
    record.TabPanel.clear();
    record.Tab = 0;
    if (!record.Gadget || !record.Gadget->TabPanel) return;
    record.Gadget->TabPanel = nullptr;
    record.Gadget->TabTitle.clear();
    record.Gadget->TabIndex = 0;
    record.Gadget->Hidden = 0;
}

}  // namespace

std::span<const KeyFormat> TabPageKeys() { return kKeys; }

bool IsTabPanel(const DesignedGadget& record) { return record.Kind == "Tabpanel"; }

void TabPanelIndex::Add(const DesignedGadget& record) {
    if (IsTabPanel(record)) panels_[PanelKey(WindowOf(record), record.Handle)] = &record;
}

const DesignedGadget* TabPanelIndex::PanelOf(const DesignedGadget& record) const {
    if (record.TabPanel.empty()) return nullptr;
    const auto it = panels_.find(PanelKey(WindowOf(record), record.TabPanel));
    return it == panels_.end() ? nullptr : it->second;
}

void RejoinTabs(std::vector<DesignedGadgetRef>& list) {
    TabPanelIndex panels;
    for (const DesignedGadgetRef& record : list) {
        DesignedGadget& r = *record;
        const DesignedGadget* panel = panels.PanelOf(r);
        panels.Add(r);
        const auto* live = panel ? static_cast<const KVX_Tabpanel*>(panel->Gadget.get()) : nullptr;
        if (!panel || (r.Gadget && !live) || panel->Items.empty()) {
            LeaveTab(r);
            continue;
        }
        r.Tab = std::clamp(r.Tab, 1, int32_t(panel->Items.size()));
        if (!r.Gadget) continue;
        JoinTab(r.Gadget, std::static_pointer_cast<KVX_Tabpanel>(panel->Gadget), r.Tab);
    }
}

DesignedGadgetRef PanelRecordOf(const DesignedGadget& record) {
    if (record.TabPanel.empty()) return nullptr;
    for (const DesignedGadgetRef& other : Design().DesignList) {
        if (other.get() == &record) break;
        if (IsTabPanel(*other) && other->Handle == record.TabPanel && other->ParentWindow == record.ParentWindow) {
            return other;
        }
    }
    return nullptr;
}

DesignedGadgetRef PanelUnder(const DesignedGadget& record, int32_t px, int32_t py) {
    DesignedGadgetRef under;
    for (const DesignedGadgetRef& other : Design().DesignList) {
        if (other.get() == &record) break;
        if (!IsTabPanel(*other) || other->ParentWindow != record.ParentWindow || !other->Gadget) continue;
        const auto& panel = static_cast<const KVX_Tabpanel&>(*other->Gadget);
        if (panel.Hidden) continue;
        const int32_t top = other->Py + panel.PageTop();
        if (px >= other->Px && px < other->Px + other->Tx && py >= top && py < other->Py + other->Ty) under = other;
    }
    return under;
}

void ToPagePlace(DesignedGadget& settled, const DesignedGadget& panel) {
    settled.Px -= panel.Px;
    settled.Py -= panel.Py + KVX_TabPageTop();
}

std::string TabTitleOf(const DesignedGadget& record, const DesignedGadget& panel) {
    const size_t tab = size_t(std::max(record.Tab, 1) - 1);
    return tab < panel.Items.size() ? panel.Items[tab] : std::string();
}

}  // namespace kvx::studio
