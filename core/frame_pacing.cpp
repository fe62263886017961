#include "core/frame_pacing.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/fps.hpp"
#include "platform/idle.hpp"
#include "platform/timing.hpp"

namespace kvx {
namespace {

// Even with nothing to wait for, a loop looks up now and then.
constexpr int kLongestSleepMs = 1000;

bool g_waiting = true;
std::optional<int32_t> g_deadline;

}  // namespace

void KVX_SetFrameWaiting(bool waiting) { g_waiting = waiting; }
bool KVX_FrameWaiting() { return g_waiting; }

void KVX_NoteDeadline(int32_t when) { g_deadline = std::min(when, g_deadline.value_or(when)); }

void KVX_WaitWhileIdle() {
    const std::optional<int32_t> deadline = std::exchange(g_deadline, std::nullopt);
    if (!g_waiting || !LastFrameIdle()) return;
    const int timeout = deadline ? std::clamp(*deadline - MilliSecs(), 0, kLongestSleepMs) : kLongestSleepMs;
    if (timeout == 0) return;
    const int64_t start = MicroSecs();
    WaitForInput(timeout);
    KVX_FpsWaited(MicroSecs() - start);
}

}  // namespace kvx
