#pragma once
// The toolkit's global state and its four entry points.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/cursor.hpp"
#include "core/gadget.hpp"
#include "platform/font.hpp"

namespace kvx {

class KVX_Window;
using KVX_WindowRef = std::shared_ptr<KVX_Window>;

// Every window in z-order: the first is drawn first (bottom), the last on top.
extern std::vector<KVX_WindowRef> KVX_GadgetList;
extern KVX_WindowRef KVX_DesktopWindow;
extern int32_t KVX_CursorKind;  // 10 normal, 20 help, 30 busy
extern FontPtr KVX_BitmapFont;
extern FontPtr KVX_GuiFont;
extern int32_t KVX_LineHeight;
extern float KVX_TooltipAlpha;
extern int32_t KVX_ClickedWindow;
extern int32_t KVX_ActivationAllowed;
extern int32_t KVX_PressReleased;
extern int32_t KVX_PressedGadget;
extern int32_t KVX_WindowDragging;
extern int32_t ComboOpen;
extern int32_t MenuOpen;
extern int32_t MenuBarExists;
// The menu bar's strip at the top of the screen.
inline constexpr int32_t KVX_MenuBarHeight = 26;
// The three cursors of the current set: normal (10), help (20), busy (30).
extern KVX_Cursor KVX_Cursors[3];

// The parent a gadget is created under: the given one, or the desktop window when none.
KVX_GadgetRef KVX_ParentOrDesktop(const KVX_GadgetRef& parent);

void KVX_InitGUI(int cursorSet);
void KVX_Background(const std::string& path);
void KVX_FreeBackground();
void KVX_RefreshGui();
// Whether a refresh pass is running now (code called from it must not start another), and how
// many passes have begun so far.
bool KVX_InsideRefresh();
uint32_t KVX_RefreshSerial();
void KVX_ClearGui();
void KVX_DeactivateWindows();
KVX_WindowRef KVX_ActiveWindowAt(bool titleOnly);
void KVX_DrawCursor(int kind);
void KVX_DrawTooltip(const std::string& text, float step);

// The passes that the combo box and the menu bar hook into the refresh (drop-down, menus).
using KVX_RefreshPass = void (*)();
void KVX_SetDropDownPass(KVX_RefreshPass pass);
void KVX_SetMenuPass(KVX_RefreshPass pass);

}  // namespace kvx
