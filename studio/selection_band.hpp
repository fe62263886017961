#pragma once
// The band a press on a design window's empty body draws: on release it selects the window's
// gadgets it touches (added to the selection with Ctrl).
namespace kvx::studio {

// In the frame of a press that took no gadget.
void StartSelectionBand();
// Every frame of the Modify page: draws the band while held, selects on release.
void SelectionBandStep();

}  // namespace kvx::studio
