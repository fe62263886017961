#pragma once
// The records the Modify page acts on. One of them, the last one picked, is shown in the editor.
#include <vector>

#include "design/designed_gadget.hpp"

namespace kvx::studio {

const std::vector<DesignedGadgetRef>& Selection();
bool IsSelected(const DesignedGadget& record);
// Only this record (none when null); the editor shows it.
void SelectOnly(const DesignedGadgetRef& record);
// Adds the record, which the editor then shows, or takes it out again.
void AddToSelection(const DesignedGadgetRef& record);
void RemoveFromSelection(const DesignedGadgetRef& record);
// These records, the last one shown in the editor; an empty list selects nothing.
void SelectRecords(const std::vector<DesignedGadgetRef>& records);
// Records no longer in the design leave the selection.
void DropRecordsNotInDesign();

// The selected records in design order, with the gadgets of selected windows after their window:
// what a delete removes and a copy takes.
std::vector<DesignedGadgetRef> SelectionWithWindowGadgets();
// The designed window a record belongs to: itself for a window, else its parent window's record.
DesignedGadgetRef WindowRecordOf(const DesignedGadget& record);

}  // namespace kvx::studio
