#pragma once
// Preview: the design run as an application sees it, with the designer's editing off.
namespace kvx::studio {

// Hides the studio, makes the design's gadgets as an application gets them (windows unlocked,
// title buttons working) from copies of the records, and runs frames until Escape or the window
// manager's close. Then frees them and shows the studio again as it was: the records and the
// designer's live gadgets are never touched.
void RunPreview();

}  // namespace kvx::studio
