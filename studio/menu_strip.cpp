#include "studio/menu_strip.hpp"

#include <algorithm>

#include "core/drawing.hpp"
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "design/designed_gadget.hpp"
#include "gadgets/menu.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kTextTop = 2;
// The toolkit highlights a title from this far left of its text.
constexpr int32_t kHighlightInset = 5;

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
    // Laid out as the toolkit lays out its bar.
    int32_t taken = 0;
    bool any = false;
    for (const DesignedGadgetRef& record : Design().DesignList) {
        DesignedGadget& r = *record;
        if (!r.Info().OnMenuBar) continue;
        r.Px = KVX_MenuTitleX(taken) - kHighlightInset;
        r.Py = 0;
        r.Tx = KVX_MenuTitleWidth(r.Caption);
        r.Ty = KVX_LineHeight;
        taken += r.Tx;
        any = true;
    }
    if (!any) return;
    SetViewport(0, 0, StripWidth(), KVX_MenuBarHeight);
    SetBlend(kAlphaBlend);
    SetAlpha(1.0f);
    DrawImageHandle(g_barImage, 0, 0, KVX_SchemeColors.MenuTint);
    for (const DesignedGadgetRef& record : Design().DesignList) {
        if (record->Info().OnMenuBar) {
            DrawColoredText(record->Caption, record->Px + kHighlightInset, kTextTop, KVX_SchemeColors.MenuText, KVX_GuiFont);
        }
    }
    ResetDrawState();
}

}  // namespace kvx::studio
