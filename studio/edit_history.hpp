#pragma once
// Undo and redo. Each finished edit leaves a step: the design as its file would hold it, section
// by section (a section that did not change is shared with the step before), and the handle
// counters. Going back or forth makes the design again from a step's bytes through the reader,
// so what can be undone is exactly what a save would have kept.
#include <cstddef>

namespace kvx::studio {

inline constexpr size_t kUndoSteps = 200;

// A fresh history whose only step is the design as it is now (start, New, Open).
void StartHistory();
// Leaves a step when the design changed since the current one; call once an edit is finished.
void RecordFinishedEdit();
// False when there was nothing to undo or redo.
bool Undo();
bool Redo();
bool CanUndo();
bool CanRedo();
// The bytes the history's steps hold, for the record of what it costs.
size_t HistoryBytes();

}  // namespace kvx::studio
