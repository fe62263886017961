#pragma once
// What the designer remembers between frames about placing and editing.
#include <cstdint>
#include <string>
#include <vector>

#include "design/designed_gadget.hpp"
#include "platform/image.hpp"

namespace kvx::studio {

struct StudioState {
    std::string PendingKind;  // armed on the Create page, not yet placed
    uint8_t Placing = 0;      // 1 while the band has a positive height
    Band PlacementBand;
    DesignedGadgetRef Selected;  // the record the Modify page edits, whatever its handle becomes
    // Every selected record, Selected among them; changed only through selection.hpp.
    std::vector<DesignedGadgetRef> Selection;
    uint8_t Dragging = 0;                        // 1 from a press on the selected record until its release
    bool DragMoved = false;                      // the press has moved the selection
    int32_t PressX = 0, PressY = 0;              // where that press was
    bool ClickToggles = false;                   // a Ctrl+press: its click adds or takes out
    std::vector<DesignedGadgetRef> BeforePress;  // the selection a Ctrl+click changes
    // A selection band drawn from a press on a window's empty body.
    DesignedGadgetRef BandWindow;
    int32_t BandX = 0, BandY = 0;
    ImagePtr GridImage;
};

StudioState& State();

// Forgets everything of a previous run.
void ResetStudioState();

}  // namespace kvx::studio
