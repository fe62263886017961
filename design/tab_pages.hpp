#pragma once
// Gadgets on a tab panel's tabs. A record names its panel (by handle, in the same window, earlier
// in the design so that it is drawn over it) and the tab's number; its place stays the window's.
// The file keeps that in a [TABPAGE] section right after the gadget's own, which readers that do
// not know it skip.
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"

namespace kvx::studio {

inline constexpr const char* kTabPageHeader = "[TABPAGE]";
// The lines of a [TABPAGE] section, in order.
std::span<const KeyFormat> TabPageKeys();

bool IsTabPanel(const DesignedGadget& record);

// Puts every live gadget of the list on the tab its record names, and takes those whose record
// names none off theirs. A record whose panel is gone, or is no earlier tab panel of its window,
// keeps no tab; one past the panel's last tab goes on its last.
void RejoinTabs(std::vector<DesignedGadgetRef>& list);

// The record of the tab panel a record is on, as RejoinTabs finds it; null when on none.
DesignedGadgetRef PanelRecordOf(const DesignedGadget& record);
// The topmost shown tab panel of the record's window, before it in the design, whose page holds
// the point of the window's body; its record, or null.
DesignedGadgetRef PanelUnder(const DesignedGadget& record, int32_t px, int32_t py);

// The records of a list's tab panels, by handle in their window, for exports written in one pass.
class TabPanelIndex {
public:
    void Add(const DesignedGadget& record);  // any record: only tab panels count
    // The panel the record is on, null for none.
    const DesignedGadget* PanelOf(const DesignedGadget& record) const;

private:
    std::unordered_map<std::string, const DesignedGadget*> panels_;  // "<parent>\n<handle>"
};

// Where a gadget on that panel's tab is made before the toolkit's AttachToTab moves it onto the
// page: its place relative to the page.
void ToPagePlace(DesignedGadget& settled, const DesignedGadget& panel);
// The title of the record's tab on the panel.
std::string TabTitleOf(const DesignedGadget& record, const DesignedGadget& panel);

}  // namespace kvx::studio
