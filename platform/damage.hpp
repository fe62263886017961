#pragma once
// Where a frame may look different from the one before (internal to the platform layer).
#include <vector>

#include "platform/draw_list.hpp"

namespace kvx {

// Damage is gathered per block of the screen, as the bounding box of what changed inside it: a
// few boxes, each small enough that one window above covers it whole.
inline constexpr int kDamageBlock = 128;

// The boxes of the calls of either frame that have no equal partner in the other, and of the calls
// of `now` that blend over what the last frame left (no clear of `now` under them). Outside them
// both frames draw the same calls in the same order onto the same pixels.
std::vector<Box> DamagedBoxes(const DrawList& before, const DrawList& now, int width, int height);

}  // namespace kvx
