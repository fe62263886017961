#pragma once
// The one gadget that takes the keyboard's text. A field keeps the focus only while it is shown
// in an active window: each frame it is drawn there it says so, and the refresh drops a focus
// that nobody kept, whether its field was hidden, closed, or its window hidden or deactivated.
#include <cstdint>

#include "core/gadget.hpp"

namespace kvx {

// Takes the focus from whoever had it; what was typed before this moment is not for it.
void KVX_TakeFocus(const KVX_Gadget& gadget);
void KVX_ReleaseFocus(const KVX_Gadget& gadget);
bool KVX_HasFocus(const KVX_Gadget& gadget);
// True while any field has the focus: keys then belong to its text.
bool KVX_FocusTaken();
// The focused gadget is shown and can take input in this frame.
void KVX_KeepFocus(const KVX_Gadget& gadget);
// At the end of a refresh: a focus not kept in it is dropped.
void KVX_EndFocusFrame();
void KVX_ResetFocus();

}  // namespace kvx
