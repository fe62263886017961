#pragma once
// Animated mouse cursors: a strip of frames, advanced every Delay milliseconds.
#include <cstdint>

#include "core/timer.hpp"

namespace kvx {

struct KVX_Cursor {
    int32_t Image = 0;  // image handle of the strip (loaded masked: black is transparent)
    int32_t CellWidth = 0, CellHeight = 0;
    int32_t FirstCell = 0;
    int32_t CellCount = 0;
    int32_t Frame = 0;
    int32_t Delay = 50;
    KVX_Timer FrameTimer;

    // Kind 10 normal, 20 help, 30 busy, from cursor set 1 or 2; other values give no image.
    static KVX_Cursor Create(int kind, int set);
};

}  // namespace kvx
