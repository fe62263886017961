#pragma once
// Gadgets follow the tab panels they are put on: one placed or moved onto a panel's page joins
// the tab it shows, one moved off leaves it, and a panel that moves takes its tabs' gadgets along.
#include "design/designed_gadget.hpp"

namespace kvx::studio {

// Sets the record's tab from where its top-left corner now is; the live gadgets follow at the
// next RejoinTabs.
void FollowPanelUnder(DesignedGadget& record);

// Moves the gadgets on the panel's tabs, and on theirs, by the panel's move, except the records
// that move on their own.
void CarryTabGadgets(const DesignedGadget& panel, int32_t dx, int32_t dy);

}  // namespace kvx::studio
