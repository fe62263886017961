#include "platform/draw_list.hpp"

namespace kvx {

void DrawList::Add(DrawCall&& call) {
    if (call.IsClear()) std::erase_if(calls_, [&](const DrawCall& earlier) { return Covers(call.clip, earlier.box); });
    calls_.push_back(std::move(call));
}

}  // namespace kvx
