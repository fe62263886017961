#pragma once
// One-shot millisecond timers: they run out once End has passed and stay run out.
#include <cstdint>

namespace kvx {

struct KVX_Timer {
    int32_t Start = 0;
    int32_t End = 0;

    static KVX_Timer Create(int ms);
    // 1 once End < MilliSecs; until then End + 1 is noted as a time to wake (core/frame_pacing.hpp).
    int Check() const;
};

}  // namespace kvx
