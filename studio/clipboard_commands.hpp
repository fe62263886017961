#pragma once
// Copy, cut, paste and duplicate. What is copied is .kvx text, on the system clipboard, so that
// another studio or a text editor takes it, and text of a design pasted from anywhere is added.
#include <cstddef>
#include <string>

#include "design/designed_gadget.hpp"

namespace kvx::studio {

// The selection, windows with their gadgets, as the file would hold it.
std::string SelectionText();
void CopySelection();
void CutSelection();
// Into the design window under the pointer, else the selected one's window.
void PasteClipboard();
// Copies of the selection beside it, in the same windows; the clipboard stays as it was.
void DuplicateSelection();

// Adds the records of design text under fresh handles, one grid step down and right of where
// they were: windows with the gadgets that come with them, other gadgets into `into` (a designed
// window), or when none into the window they name if the design has it. The added records become
// the selection. The number of records added; 0 for text that is no design.
size_t PasteText(const std::string& text, const DesignedGadgetRef& into);

}  // namespace kvx::studio
