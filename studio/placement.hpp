#pragma once
// Placing the armed kind with a rubber band on the 5-pixel grid.
#include <cstdint>

#include "studio/grid_image.hpp"

namespace kvx::studio {

// A coordinate on the placement grid (toward zero).

// Every frame while a kind is armed: band, crosshair, size tip, tool-window fade and, on release,
// the new record.
void PlacementStep();

// Disarms: nothing pending, no band; the tool window shows and takes input again.
void CancelPlacement();

}  // namespace kvx::studio
