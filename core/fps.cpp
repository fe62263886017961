#include "core/fps.hpp"

#include <cmath>

#include "platform/timing.hpp"

namespace kvx {

int KVX_Fps = 0;

namespace {

constexpr int64_t kIntervalUs = 1000000;

int g_frameCount = 0;
int64_t g_intervalStart = 0;
int64_t g_waited = 0;

}  // namespace

void KVX_FpsTick() {
    ++g_frameCount;
    const int64_t now = MicroSecs();
    if (now - g_intervalStart < kIntervalUs) return;
    const int64_t drawing = now - g_intervalStart - g_waited;
    KVX_Fps =
        drawing > 0 ? int(std::lround(double(g_frameCount) * double(kIntervalUs) / double(drawing))) : g_frameCount;
    g_frameCount = 0;
    g_intervalStart = now;
    g_waited = 0;
}

void KVX_FpsWaited(int64_t microseconds) { g_waited += microseconds; }

}  // namespace kvx
