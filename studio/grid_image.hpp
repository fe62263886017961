#pragma once
// The placement grid: black dots every grid step (a preference), drawn into the design window
// under the mouse.
#include "gadgets/window.hpp"
#include "platform/image.hpp"

namespace kvx::studio {

// A screen-sized dynamic image, transparent but for the grid's dots at the preferred step.
ImagePtr MakeGridImage();

// Draws the grid clipped to the window's body.
void DrawGridInto(const KVX_Window& window, const ImagePtr& grid);

}  // namespace kvx::studio
