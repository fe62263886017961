#pragma once
// The toolkit's entry points and its window list: start, one frame of every window and of the
// drop-down and menus over them, and clearing everything.
#include <vector>

#include "core/runtime.hpp"
#include "gadgets/window.hpp"

namespace kvx {

// Every window in z-order: the first is drawn first (bottom), the last on top.
extern std::vector<KVX_WindowRef> KVX_GadgetList;
extern KVX_WindowRef KVX_DesktopWindow;

// The parent a gadget is created under: the given one, or the desktop window when none.
KVX_GadgetRef KVX_ParentOrDesktop(const KVX_GadgetRef& parent);

void KVX_InitGUI(int cursorSet);
void KVX_RefreshGui();
void KVX_ClearGui();
void KVX_DeactivateWindows();
// The first active titled window whose title bar (or else body) is under the mouse.
KVX_WindowRef KVX_ActiveWindowAt(bool titleOnly);

}  // namespace kvx
