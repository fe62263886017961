#pragma once
// Where the designer's pointer takes a designed gadget, and the highlight of the one under it.
#include "design/designed_gadget.hpp"

namespace kvx::studio {

// The screen area a record answers to: a window's title bar, else the gadget's box of its
// kind's hit height (a frame's top band, a list box's lines with its header line).
struct HitArea {
    int X = 0, Y = 0, W = 0, H = 0;
};
HitArea HitAreaOf(const DesignedGadget& record);
// The record's whole box on the screen, as it is drawn: a window with its body, a frame whole.
HitArea BoxOf(const DesignedGadget& record);

// False for a gadget the canvas does not show: in a minimised window or on a tab not shown.
bool ShownOnCanvas(const DesignedGadget& record);

// True when the mouse is over the record and it was highlighted. A hovered live gadget is
// disabled so that it ignores the click meant for the designer; it is enabled again once the
// mouse leaves.
bool HoverTest(const DesignedGadget& record);

}  // namespace kvx::studio
