#include "core/timer.hpp"

#include "core/frame_pacing.hpp"
#include "platform/timing.hpp"

namespace kvx {

KVX_Timer KVX_Timer::Create(int ms) {
    KVX_Timer timer;
    timer.Start = MilliSecs();
    timer.End = timer.Start + ms;
    return timer;
}

int KVX_Timer::Check() const {
    if (End < MilliSecs()) return 1;
    KVX_NoteDeadline(End + 1);
    return 0;
}

}  // namespace kvx
