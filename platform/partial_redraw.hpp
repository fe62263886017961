#pragma once
// Drawing a frame again in parts (internal to the platform layer).
#include <vector>

#include "platform/draw_list.hpp"

namespace kvx {

// Draws the list's calls within each of the boxes (which must not overlap), over what the
// target holds there, starting each box, or each part of it, at the last call that covers it
// opaque: whatever came before that call cannot show.
void RedrawWithin(const DrawList& list, const std::vector<Box>& boxes, const compositor::Target& target);

}  // namespace kvx
