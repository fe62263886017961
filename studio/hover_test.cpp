#include "studio/hover_test.hpp"

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {

HitArea HitAreaOf(const DesignedGadget& r) {
    if (r.Kind == "Window") {
        const auto* window = static_cast<const KVX_Window*>(r.Gadget.get());
        return window ? HitArea{window->X, window->Y, r.Tx, window->TitleHeight} : HitArea{};
    }
    const KVX_Window* parent = r.ParentWindow.get();
    const int px = parent ? parent->X : 0, py = parent ? parent->Y + parent->TitleHeight : 0;
    int height = r.Ty;
    if (r.Kind == "Frame") height = 15;
    if (r.Kind == "Listbox") height = r.Ty * KVX_LineHeight + KVX_LineHeight;
    return {px + r.Px, py + r.Py, r.Tx, height};
}

bool HoverTest(const DesignedGadget& r) {
    const HitArea area = HitAreaOf(r);
    const bool over = KVX_Mouse.MouseIn(area.X, area.Y, area.W, area.H, false);
    if (r.Gadget) r.Gadget->Disabled = over ? 1 : 0;
    if (!over) return false;
    const bool shown = r.Kind == "Window" || !r.ParentWindow || !r.ParentWindow->Minimised;
    if (!shown) return false;
    SetColor(0, 128, 200);
    DrawFrameRect(area.X, area.Y, area.W, area.H, false);
    return true;
}

}  // namespace kvx::studio
