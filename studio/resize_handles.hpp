#pragma once
// The handles of a single selection: eight around a gadget whose sizes are all the user's, only
// those of the free direction for a kind that fixes one. Dragging one resizes from that side, on
// the grid (Shift: by the pixel).
#include <vector>

#include "design/designed_gadget.hpp"
#include "studio/hit_area.hpp"

namespace kvx::studio {

struct ResizeHandle {
    HitArea Area;
    int Fx = 0, Fy = 0;  // the side it moves: 0 left or top, 1 neither, 2 right or bottom
};
std::vector<ResizeHandle> ResizeHandlesOf(const DesignedGadget& record);

// In the frame of a press: true when it took a handle of the single selection.
bool GrabResizeHandle();
// Every frame: while a handle is held, the selection follows the pointer; false once none is.
bool ResizeHandleStep();
void DrawResizeHandles(const DesignedGadget& record);

}  // namespace kvx::studio
