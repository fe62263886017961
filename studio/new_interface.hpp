#pragma once
// Emptying the design.
namespace kvx::studio {

// Frees every live gadget, empties the DesignList and sets every handle counter back to 1.
void ClearDesign();
// Nothing selected, the editor empty: what a design that was replaced needs.
void ForgetSelection();

}  // namespace kvx::studio
