#pragma once
// The editing shortcuts: undo and redo on every page, the selection's commands on the Modify page.
namespace kvx::studio {

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo.
void UndoKeysStep();
// Del deletes the selection, Ctrl+A selects the active window's gadgets, Ctrl+C, X, V and D copy,
// cut, paste and duplicate, Ctrl+Page Up and Down bring to front and send to back. None of them while a field has the
// keys: there they edit its text.
void SelectionKeysStep();
// F1 shows the list of keys, on every page.
void HelpKeyStep();
// F5 runs the preview, on every page; last in the frame, since the frame's input is spent then.
void PreviewKeyStep();
// A drag, a held arrow or a field being typed in: its changes make one step once it ends.
bool EditInProgress();

}  // namespace kvx::studio
