#pragma once
// The frame counter behind KVX_Fps: frames per second of the time the loop spent drawing, over
// the last completed interval of at least a second. Time a frame loop slept waiting for input
// does not count, so an idle loop reports how fast it draws, not how rarely it needs to.
#include <cstdint>

namespace kvx {

extern int KVX_Fps;
void KVX_FpsTick();
// The loop slept this long in the current interval.
void KVX_FpsWaited(int64_t microseconds);

}  // namespace kvx
