#pragma once
// Which calls of a frame are the same as calls of the frame before (internal to the platform
// layer). The pairs keep the order of both frames, so a pixel whose calls are all paired is drawn
// by the same calls in the same order in both, and shows the same.
#include <cstdint>
#include <vector>

#include "platform/draw_call.hpp"

namespace kvx {

struct CallMatching {
    std::vector<uint8_t> before, now;  // 1 where a call is paired with an equal call of the other frame
};

// As many pairs as a shortest edit script gives when the frames differ by a few calls inserted,
// removed or changed; when they differ by more, calls are paired by their place after the common
// start.
CallMatching MatchCalls(const std::vector<DrawCall>& before, const std::vector<DrawCall>& now);

}  // namespace kvx
