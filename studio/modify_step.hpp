#pragma once
// The Modify page: picking a designed gadget, dragging, resizing and nudging it, and the editor.
namespace kvx::studio {

// Every frame while the Modify page is shown.
void ModifyStep();
// Every frame, whatever page is shown: what the user typed into the editor's fields reaches the
// selected record, also in the frame a click leaves the page.
void EditorStep();

}  // namespace kvx::studio
