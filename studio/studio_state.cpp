#include "studio/studio_state.hpp"

namespace kvx::studio {

StudioState& State() {
    static StudioState state;
    return state;
}

void ResetStudioState() {
    State() = StudioState{};
    State().RepeatTimer = KVX_Timer::Create(kRepeatMs);
}

}  // namespace kvx::studio
