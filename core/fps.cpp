#include "core/fps.hpp"

#include "platform/timing.hpp"

namespace kvx {

int KVX_Fps = 0;

namespace {
int g_frameCount = 0;
int g_lastTime = 0;
}  // namespace

void KVX_FpsTick() {
    ++g_frameCount;
    const int now = MilliSecs();
    if (now - g_lastTime >= 1000) {
        KVX_Fps = g_frameCount;
        g_frameCount = 0;
        g_lastTime = now;
    }
}

}  // namespace kvx
