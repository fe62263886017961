#pragma once
// The live gadget follows its record, so that the canvas shows what will be saved.
#include "design/designed_gadget.hpp"

namespace kvx::studio {

// Its position only.
void MoveLive(const DesignedGadget& record);
// Everything else: size, caption, kind fields. A window is resized in place, keeping its gadgets;
// any other gadget is made again from the record, in the same place among its window's gadgets.
void RebuildLive(DesignedGadget& record);

}  // namespace kvx::studio
