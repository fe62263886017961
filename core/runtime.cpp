#include "core/runtime.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/focus.hpp"
#include "core/fps.hpp"
#include "core/gui_font.hpp"
#include "core/mouse.hpp"
#include "core/skin.hpp"
#include "platform/data_files.hpp"
#include "platform/platform.hpp"

namespace kvx {

int32_t KVX_CursorKind = KVX_CursorNormal;
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

const char* KVX_ToolkitVersion() { return KVX_VERSION_TEXT; }

void KVX_InitRuntime(int cursorSet) {
    HideMouse();
    RegisterSkinImages();
    CreateSchemeColors();
    RegisterSkinSounds();
    ReleaseCursors();
    for (int kind : {KVX_CursorNormal, KVX_CursorHelp, KVX_CursorBusy}) {
        KVX_Cursors[kind / KVX_CursorNormal - 1] = KVX_Cursor::Create(kind, cursorSet);
    }
    KVX_BitmapFont = LoadImageFont(DataFilePath("zarvo.fon"), 13, 4);
    KVX_LoadDefaultGuiFont();
    SetImageFont(KVX_GuiFont);
}

void KVX_ClearRuntime() {
    KVX_FreeBackground();
    ReleaseCursors();
    KVX_ResetFocus();
    KVX_PressedGadget = 0;
    KVX_PressReleased = 1;
    KVX_BitmapFont = nullptr;
    KVX_GuiFont = nullptr;
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

void KVX_BeginRefresh() {
    ++g_refreshDepth;
    ++g_refreshSerial;
    if (g_background) DrawImageHandle(g_background, 0, 0, KVX_WhiteColor, 0);
    KVX_Mouse.Update();
}

void KVX_EndRefresh() {
    EndPressOnRelease();
    KVX_EndFocusFrame();
    KVX_DrawCursor(KVX_CursorKind);
    KVX_FpsTick();
    SetImageFont(KVX_GuiFont);
    --g_refreshDepth;
}

void KVX_DrawCursor(int kind) {
    SetBlend(kAlphaBlend);
    if (kind == KVX_CursorNormal || kind == KVX_CursorHelp || kind == KVX_CursorBusy) {
        KVX_Cursor& cursor = KVX_Cursors[kind / KVX_CursorNormal - 1];
        if (cursor.FrameTimer.Check()) {
            cursor.Frame = cursor.CellCount > 0 ? (cursor.Frame + 1) % cursor.CellCount : 0;
            cursor.FrameTimer = KVX_Timer::Create(cursor.Delay);
        }
        SetAlpha(0.5f);
        DrawImageHandle(cursor.Image, KVX_Mouse.X + 3, KVX_Mouse.Y + 1, KVX_BlackColor, cursor.Frame);
        SetAlpha(0.9f);
        DrawImageHandle(cursor.Image, KVX_Mouse.X, KVX_Mouse.Y, KVX_WhiteColor, cursor.Frame);
    }
    SetBlend(kMaskBlend);
    SetAlpha(1.0f);
}

void KVX_DrawTooltip(const std::string& text, float step) {
    if (!KVX_GuiFont) return;
    SetImageFont(KVX_GuiFont);
    int x = KVX_Mouse.X + 20, y = KVX_Mouse.Y + 20;
    const int width = TextWidth(text) + 10, height = KVX_LineHeight + 1;
    KVX_TooltipAlpha = std::min(KVX_TooltipAlpha + step, 1.0f);
    SetBlend(kAlphaBlend);
    SetAlpha(KVX_TooltipAlpha);
    if (x + width > GraphicsWidth()) x = GraphicsWidth() - width;
    if (y + height > GraphicsHeight()) y = GraphicsHeight() - height;
    const KVX_Scheme& s = KVX_SchemeColors;
    DrawBevelRect(x, y, width, height, s.TooltipFill, s.TooltipEdgeA, s.TooltipEdgeB, 1);
    DrawColoredText(text, x + 5, y + 2, s.TooltipText, KVX_GuiFont);
    ResetDrawState();
}

}  // namespace kvx
