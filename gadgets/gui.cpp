#include "gadgets/gui.hpp"

#include <algorithm>

#include "core/mouse.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/menu.hpp"
#include "platform/platform.hpp"

namespace kvx {

std::vector<KVX_WindowRef> KVX_GadgetList;
KVX_WindowRef KVX_DesktopWindow;

KVX_GadgetRef KVX_ParentOrDesktop(const KVX_GadgetRef& parent) {
    return parent ? parent : KVX_GadgetRef(KVX_DesktopWindow);
}

void KVX_InitGUI(int cursorSet) {
    KVX_InitRuntime(cursorSet);
    KVX_DesktopWindow = KVX_Window::Create("", 0, 0, GraphicsWidth(), GraphicsHeight(), 0, 0, 0, KVX_DesktopStyle);
}

void KVX_RefreshGui() {
    KVX_BeginRefresh();
    KVX_ActivateWindowUnderPress();
    // A window activated in this pass moves to the end and is reached (and drawn) again there.
    for (size_t i = 0; i < KVX_GadgetList.size();) {
        KVX_WindowRef window = KVX_GadgetList[i];
        window->Update(nullptr);
        if (i < KVX_GadgetList.size() && KVX_GadgetList[i] == window) ++i;
    }
    // Above every window.
    DrawComboDropDown();
    DrawMenus();
    KVX_EndRefresh();
}

void KVX_ClearGui() {
    while (!KVX_GadgetList.empty()) {
        KVX_WindowRef window = KVX_GadgetList.front();
        window->Free();
        // Free removes the window from the list; make sure of it so this loop ends.
        std::erase(KVX_GadgetList, window);
    }
    KVX_DesktopWindow = nullptr;
    // The menu bar belongs to the display it was made for.
    KVX_ResetMenus();
    KVX_ClearRuntime();
}

void KVX_DeactivateWindows() {
    for (const KVX_WindowRef& window : KVX_GadgetList) {
        window->Disabled = 1;
        window->State = 0;
    }
}

KVX_WindowRef KVX_ActiveWindowAt(bool titleOnly) {
    for (const KVX_WindowRef& w : KVX_GadgetList) {
        if (w->Style == KVX_DesktopStyle || w->Disabled || w->Hidden) continue;
        const bool over = titleOnly ? KVX_Mouse.MouseIn(w->X, w->Y, w->Width, w->TitleHeight, false)
                                    : KVX_Mouse.MouseIn(w->X, w->Y + w->TitleHeight, w->Width, w->Height, false);
        if (over) return w;
    }
    return nullptr;
}

}  // namespace kvx
