#include "studio/menu_strip.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "design/designed_gadget.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

// As the toolkit lays out its bar: titles side by side from the left, each its text and a margin.
constexpr int32_t kBarStart = 5, kTitleMargin = 10, kTextTop = 2;

int g_barImage = 0;

// The tool window keeps its title bar: the strip stops where it starts.
int StripWidth() {
    const KVX_WindowRef& tool = Studio().StudioWindow;
    if (tool && !tool->Hidden && tool->Y < KVX_MenuBarHeight) return std::clamp(tool->X, 0, GraphicsWidth());
    return GraphicsWidth();
}

}  // namespace

void PrepareMenuStrip() {
    ReleaseHandleField(g_barImage);
    g_barImage = LoadSizedImage(SkinPath("Menu_Bar.png"), GraphicsWidth(), KVX_MenuBarHeight, 0, 0, 0);
}

void MenuStripStep() {
    int32_t next = 0;
    bool any = false;
    SetImageFont(KVX_GuiFont);
    for (const DesignedGadgetRef& record : Design().DesignList) {
        DesignedGadget& r = *record;
        if (!r.Info().OnMenuBar) continue;
        const int32_t titleX = next == 0 ? kBarStart : next + kBarStart;
        r.Px = titleX - kBarStart;
        r.Py = 0;
        r.Tx = TextWidth(r.Caption) + kTitleMargin;
        r.Ty = KVX_LineHeight;
        next += r.Tx;
        any = true;
    }
    if (!any) return;
    SetViewport(0, 0, StripWidth(), KVX_MenuBarHeight);
    SetBlend(kAlphaBlend);
    SetAlpha(1.0f);
    DrawImageHandle(g_barImage, 0, 0, KVX_SchemeColors.MenuTint);
    for (const DesignedGadgetRef& record : Design().DesignList) {
        if (record->Info().OnMenuBar) {
            DrawColoredText(record->Caption, record->Px + kBarStart, kTextTop, KVX_SchemeColors.MenuText, KVX_GuiFont);
        }
    }
    ResetDrawState();
}

}  // namespace kvx::studio
