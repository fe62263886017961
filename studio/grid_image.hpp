#pragma once
// The placement grid: black dots every 5 pixels, drawn into the design window under the mouse.
#include "gadgets/window.hpp"
#include "platform/image.hpp"

namespace kvx::studio {

inline constexpr int kGridStep = 5;

// A screen-sized dynamic image, transparent but for the grid's dots.
ImagePtr MakeGridImage();

// Draws the grid clipped to the window's body.
void DrawGridInto(const KVX_Window& window, const ImagePtr& grid);

}  // namespace kvx::studio
