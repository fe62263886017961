#pragma once
// The Modify page: picking a designed gadget, dragging, resizing and nudging it, and the editor.
namespace kvx::studio {

// Every frame while the Modify page is shown.
void ModifyStep();

}  // namespace kvx::studio
