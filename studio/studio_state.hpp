#pragma once
// What the designer remembers between frames about placing and editing.
#include <cstdint>
#include <string>

#include "platform/image.hpp"
#include "design/designed_gadget.hpp"

namespace kvx::studio {

struct StudioState {
    std::string PendingKind;  // armed on the Create page, not yet placed
    uint8_t Placing = 0;      // 1 while the band has a positive height
    Band PlacementBand;
    DesignedGadgetRef Selected;  // the record the Modify page edits, whatever its handle becomes
    uint8_t Dragging = 0;        // 1 from a press on the selected record until its release
    ImagePtr GridImage;
};

StudioState& State();

// Forgets everything of a previous run.
void ResetStudioState();

}  // namespace kvx::studio
