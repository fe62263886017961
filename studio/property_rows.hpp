#pragma once
// The Modify page's "Proprieties" frame: a row for each property of the shown record's kind (the
// kind table's Properties), made anew when another record is shown. A typed entry is taken when
// its field is left or Enter is pressed, a box or a dialog's answer at once; what the kind
// refuses keeps the old value, marks the row and says why on the frame's last line. A taken
// value goes to every selected record of the kind.
#include "design/designed_gadget.hpp"

namespace kvx::studio {

// Top and height of the frame on the Modify page.
inline constexpr int kPropertyFrameTop = 260, kPropertyFrameHeight = 215;

void ShowProperties(const DesignedGadget* record);
// Every frame, for the record shown: takes the user's changes, then shows what other commands
// (undo, a paste over it) changed.
void PropertyRowsStep(DesignedGadget& record);

}  // namespace kvx::studio
