#include "core/runtime.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/focus.hpp"
#include "core/fps.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"

namespace kvx {

std::vector<KVX_WindowRef> KVX_GadgetList;
KVX_WindowRef KVX_DesktopWindow;
int32_t KVX_CursorKind = 10;
FontPtr KVX_BitmapFont;
FontPtr KVX_GuiFont;
int32_t KVX_LineHeight = 0;
float KVX_TooltipAlpha = 0.f;
int32_t KVX_ClickedWindow = 0;
int32_t KVX_ActivationAllowed = 1;
int32_t KVX_PressReleased = 1;
int32_t KVX_PressedGadget = 0;
int32_t KVX_WindowDragging = 0;
int32_t ComboOpen = 0;
int32_t MenuOpen = 0;
int32_t MenuBarExists = 0;
KVX_Cursor KVX_Cursors[3];

namespace {

int32_t g_background = 0;
int32_t g_refreshDepth = 0;
uint32_t g_refreshSerial = 0;
KVX_RefreshPass g_dropDownPass = nullptr;
KVX_RefreshPass g_menuPass = nullptr;

void ReleaseCursors() {
    for (KVX_Cursor& cursor : KVX_Cursors) ReleaseHandleField(cursor.Image);
}

// A press ends with its release wherever that happens, seen by its gadget or not (it may have been
// hidden, or the pointer left it for the menu bar): nothing stays captured, windows drag again.
void EndPressOnRelease() {
    if (KVX_Mouse.LeftDown) return;
    KVX_PressedGadget = 0;
    KVX_PressReleased = 1;
}

}  // namespace

void KVX_SetDropDownPass(KVX_RefreshPass pass) { g_dropDownPass = pass; }
void KVX_SetMenuPass(KVX_RefreshPass pass) { g_menuPass = pass; }

KVX_GadgetRef KVX_ParentOrDesktop(const KVX_GadgetRef& parent) {
    return parent ? parent : KVX_GadgetRef(KVX_DesktopWindow);
}

void KVX_InitGUI(int cursorSet) {
    HideMouse();
    RegisterSkinImages();
    CreateSchemeColors();
    RegisterSkinSounds();
    ReleaseCursors();
    for (int i = 0; i < 3; ++i) KVX_Cursors[i] = KVX_Cursor::Create(10 * (i + 1), cursorSet);
    KVX_BitmapFont = LoadImageFont("zarvo.fon", 13, 4);
    KVX_GuiFont = LoadImageFont("arial.ttf", 13, 5);
    SetImageFont(KVX_GuiFont);
    KVX_LineHeight = TextHeight("Korvex") * 2;
    KVX_DesktopWindow = KVX_Window::Create("", 0, 0, GraphicsWidth(), GraphicsHeight(), 0, 0, 0, 10);
}

void KVX_Background(const std::string& path) {
    if (path.empty()) return;
    ImagePtr image = LoadImage(ResizePixmap(LoadPixmap(path), GraphicsWidth(), GraphicsHeight()), kDynamicImage);
    if (!image) return;
    KVX_FreeBackground();
    g_background = HandleFromImage(image);
}

void KVX_FreeBackground() { ReleaseHandleField(g_background); }

bool KVX_InsideRefresh() { return g_refreshDepth > 0; }
uint32_t KVX_RefreshSerial() { return g_refreshSerial; }

void KVX_RefreshGui() {
    ++g_refreshDepth;
    ++g_refreshSerial;
    if (g_background) DrawImageHandle(g_background, 0, 0, KVX_WhiteColor, 0);
    KVX_Mouse.Update();
    KVX_ActivateWindowUnderPress();
    // A window activated in this pass moves to the end and is reached (and drawn) again there.
    for (size_t i = 0; i < KVX_GadgetList.size();) {
        KVX_WindowRef window = KVX_GadgetList[i];
        window->Update(nullptr);
        if (i < KVX_GadgetList.size() && KVX_GadgetList[i] == window) ++i;
    }
    if (g_dropDownPass) g_dropDownPass();
    if (g_menuPass) g_menuPass();
    EndPressOnRelease();
    KVX_EndFocusFrame();
    KVX_DrawCursor(KVX_CursorKind);
    KVX_FpsTick();
    SetImageFont(KVX_GuiFont);
    --g_refreshDepth;
}

void KVX_ClearGui() {
    KVX_FreeBackground();
    while (!KVX_GadgetList.empty()) {
        KVX_WindowRef window = KVX_GadgetList.front();
        window->Free();
        // Free removes the window from the list; make sure of it so this loop ends.
        std::erase(KVX_GadgetList, window);
    }
    KVX_DesktopWindow = nullptr;
    // The menu bar belongs to the display it was made for.
    KVX_ResetMenus();
    ReleaseCursors();
    KVX_ResetFocus();
    KVX_PressedGadget = 0;
    KVX_PressReleased = 1;
    KVX_BitmapFont = nullptr;
    KVX_GuiFont = nullptr;
}

void KVX_DeactivateWindows() {
    for (const KVX_WindowRef& window : KVX_GadgetList) {
        window->Disabled = 1;
        window->State = 0;
    }
}

KVX_WindowRef KVX_ActiveWindowAt(bool titleOnly) {
    for (const KVX_WindowRef& w : KVX_GadgetList) {
        if (w->Style == 10 || w->Disabled || w->Hidden) continue;
        const bool over = titleOnly ? KVX_Mouse.MouseIn(w->X, w->Y, w->Width, w->TitleHeight, false)
                                    : KVX_Mouse.MouseIn(w->X, w->Y + w->TitleHeight, w->Width, w->Height, false);
        if (over) return w;
    }
    return nullptr;
}

void KVX_DrawCursor(int kind) {
    SetBlend(3);
    if (kind == 10 || kind == 20 || kind == 30) {
        KVX_Cursor& cursor = KVX_Cursors[kind / 10 - 1];
        if (cursor.FrameTimer.Check()) {
            cursor.Frame = cursor.CellCount > 0 ? (cursor.Frame + 1) % cursor.CellCount : 0;
            cursor.FrameTimer = KVX_Timer::Create(cursor.Delay);
        }
        SetAlpha(0.5f);
        DrawImageHandle(cursor.Image, KVX_Mouse.X + 3, KVX_Mouse.Y + 1, KVX_BlackColor, cursor.Frame);
        SetAlpha(0.9f);
        DrawImageHandle(cursor.Image, KVX_Mouse.X, KVX_Mouse.Y, KVX_WhiteColor, cursor.Frame);
    }
    SetBlend(1);
    SetAlpha(1.0f);
}

void KVX_DrawTooltip(const std::string& text, float step) {
    if (!KVX_GuiFont) return;
    SetImageFont(KVX_GuiFont);
    int x = KVX_Mouse.X + 20, y = KVX_Mouse.Y + 20;
    const int width = TextWidth(text) + 10, height = KVX_LineHeight + 1;
    KVX_TooltipAlpha = std::min(KVX_TooltipAlpha + step, 1.0f);
    SetBlend(3);
    SetAlpha(KVX_TooltipAlpha);
    if (x + width > GraphicsWidth()) x = GraphicsWidth() - width;
    if (y + height > GraphicsHeight()) y = GraphicsHeight() - height;
    const KVX_Scheme& s = KVX_SchemeColors;
    DrawBevelRect(x, y, width, height, s.TooltipFill, s.TooltipEdgeA, s.TooltipEdgeB, 1);
    DrawColoredText(text, x + 5, y + 2, s.TooltipText, KVX_GuiFont);
    ResetDrawState();
}

}  // namespace kvx
