#include "studio/studio_state.hpp"

namespace kvx::studio {

StudioState& State() {
    static StudioState state;
    return state;
}

void ResetStudioState() { State() = StudioState{}; }

}  // namespace kvx::studio
