#pragma once
// The mouse as every gadget sees it: one snapshot per frame, the only reader of MouseHit.
#include <cstdint>

namespace kvx {

struct KVX_MouseState {
    int32_t X = 0, Y = 0, Z = 0;
    int32_t LastZ = 0;
    int32_t WheelDir = 0;  // -1 when Z rose this frame, +1 when it fell
    int32_t LeftHit = 0, LeftDown = 0, LeftDownBefore = 0, LeftReleased = 0;
    int32_t LeftPressX = 0, LeftPressY = 0;
    int32_t LeftReleaseX = 0, LeftReleaseY = 0;
    int32_t RightHit = 0, RightDown = 0, RightDownBefore = 0, RightReleased = 0;
    int32_t RightPressX = 0, RightPressY = 0;

    void Update();
    // The pointer test includes column x + w and row y + h; the press test stops one pixel earlier.
    int MouseIn(int x, int y, int w, int h, bool pressedInside) const;
};

extern KVX_MouseState KVX_Mouse;

}  // namespace kvx
