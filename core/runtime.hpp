#pragma once
// The toolkit's global state: fonts, cursors, the background and the input-arbitration flags,
// and the steps of a refresh that need no gadget kind. The entry points that drive the windows
// (KVX_InitGUI, KVX_RefreshGui, KVX_ClearGui) are in gadgets/gui.hpp.
#include <cstdint>
#include <string>

#include "core/cursor.hpp"
#include "core/gadget.hpp"
#include "platform/font.hpp"

namespace kvx {

// Cursor kinds, as KVX_CursorKind holds them.
enum KVX_CursorKindCode : int32_t { KVX_CursorNormal = 10, KVX_CursorHelp = 20, KVX_CursorBusy = 30 };

extern int32_t KVX_CursorKind;
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
// The three cursors of the current set: normal, help, busy.
extern KVX_Cursor KVX_Cursors[3];

// What KVX_InitGUI sets up before any window: skin, colours, sounds, cursors, fonts.
// The toolkit's version, "0.6.0".
const char* KVX_ToolkitVersion();

void KVX_InitRuntime(int cursorSet);
// What KVX_ClearGui lets go of once the windows are gone.
void KVX_ClearRuntime();

void KVX_Background(const std::string& path);
void KVX_FreeBackground();

// A refresh: the background and the frame's mouse snapshot first; at the end, the press and
// focus rules of the frame, the cursor and the frame counter.
void KVX_BeginRefresh();
void KVX_EndRefresh();
// Whether a refresh pass is running now (code called from it must not start another), and how
// many passes have begun so far.
bool KVX_InsideRefresh();
uint32_t KVX_RefreshSerial();

void KVX_DrawCursor(int kind);
void KVX_DrawTooltip(const std::string& text, float step);

}  // namespace kvx
