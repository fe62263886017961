#include "core/focus.hpp"

#include "platform/input.hpp"

namespace kvx {
namespace {

int32_t g_focused = 0;  // handle of the focused gadget, 0 for none
bool g_kept = false;    // the focused gadget was shown and able to take input this frame

}  // namespace

void KVX_TakeFocus(const KVX_Gadget& gadget) {
    if (g_focused != gadget.Handle) FlushChars();
    g_focused = gadget.Handle;
    g_kept = true;
}

void KVX_ReleaseFocus(const KVX_Gadget& gadget) {
    if (g_focused == gadget.Handle) g_focused = 0;
}

bool KVX_HasFocus(const KVX_Gadget& gadget) { return g_focused != 0 && g_focused == gadget.Handle; }

bool KVX_FocusTaken() { return g_focused != 0; }

void KVX_KeepFocus(const KVX_Gadget& gadget) {
    if (KVX_HasFocus(gadget)) g_kept = true;
}

void KVX_EndFocusFrame() {
    if (!g_kept) g_focused = 0;
    g_kept = false;
}

void KVX_ResetFocus() {
    g_focused = 0;
    g_kept = false;
}

}  // namespace kvx
