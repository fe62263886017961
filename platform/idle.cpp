#include "platform/idle.hpp"

#include "platform/backend.hpp"
#include "platform/frame_recorder.hpp"
#include "platform/input_state.hpp"
#include "platform/timing.hpp"

namespace kvx {

bool LastFrameIdle() { return !Input().lastFrameTookInput && !LastFrameChanged(); }

void WaitForInput(int timeoutMs) {
    const InputState& input = Input();
    if (!input.pending.empty()) return;
    ActiveBackend().WaitForEvent(input.UntilNextRepeat(MilliSecs(), timeoutMs));
}

}  // namespace kvx
