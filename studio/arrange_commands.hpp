#pragma once
// Arranging the selection: z-order, alignment of edges and centres, even spreading.
namespace kvx::studio {

// Windows with their gadgets, gadgets among their window's; the saved order follows.
void BringSelectionToFront();
void SendSelectionToBack();

enum class AlignTo { Left, Right, Top, Bottom, CentreX, CentreY };
// Lines the selection up on the edge or centre of the box around it (two records at least).
void AlignSelection(AlignTo edge);
// Equal gaps between the selected records, the outer two staying (three records at least).
void SpreadSelection(bool horizontally);

}  // namespace kvx::studio
