#include "core/timer.hpp"

#include "platform/timing.hpp"

namespace kvx {

KVX_Timer KVX_Timer::Create(int ms) {
    KVX_Timer timer;
    timer.Start = MilliSecs();
    timer.End = timer.Start + ms;
    return timer;
}

int KVX_Timer::Check() const { return End < MilliSecs() ? 1 : 0; }

}  // namespace kvx
