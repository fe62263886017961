#pragma once
// Whether the mouse is over a designed gadget, with its highlight.
#include "studio/designed_gadget.hpp"

namespace kvx::studio {

// The screen area a record answers to: a window's title bar, a frame's top band, a list box with
// its header line, any other gadget's box.
struct HitArea {
    int X = 0, Y = 0, W = 0, H = 0;
};
HitArea HitAreaOf(const DesignedGadget& record);

// True when the mouse is over the record and it was highlighted. A hovered live gadget is
// disabled so that it ignores the click meant for the designer; it is enabled again once the
// mouse leaves.
bool HoverTest(const DesignedGadget& record);

}  // namespace kvx::studio
