#include "studio/hit_area.hpp"

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {

HitArea HitAreaOf(const DesignedGadget& r) {
    const KindDescription& kind = r.Info();
    if (kind.IsWindow) {
        const auto* window = static_cast<const KVX_Window*>(r.Gadget.get());
        return window ? HitArea{window->X, window->Y, r.Tx, window->TitleHeight} : HitArea{};
    }
    const KVX_Window* parent = r.ParentWindow.get();
    const int px = parent ? parent->X : 0, py = parent ? parent->Y + parent->TitleHeight : 0;
    const TextSpan span = kind.HitSpan ? kind.HitSpan(r) : TextSpan{0, r.Tx};
    return {px + r.Px - span.Left, py + r.Py, span.Width, kind.HitHeight ? kind.HitHeight(r) : r.Ty};
}

HitArea BoxOf(const DesignedGadget& r) {
    HitArea box = HitAreaOf(r);
    if (r.Info().IsWindow) {
        box.H = r.Ty;
    } else if (r.Gadget) {
        box.W = r.Gadget->Width;
        box.H = r.Gadget->Height;
    }
    return box;
}

bool ShownOnCanvas(const DesignedGadget& r) {
    if (r.Info().IsWindow) return true;
    if (r.Gadget && r.Gadget->Hidden) return false;  // on a tab not shown
    return !r.ParentWindow || !r.ParentWindow->Minimised;
}

bool HoverTest(const DesignedGadget& r) {
    const HitArea area = HitAreaOf(r);
    const bool over = ShownOnCanvas(r) && KVX_Mouse.MouseIn(area.X, area.Y, area.W, area.H, false);
    if (r.Gadget) r.Gadget->Disabled = over ? 1 : 0;
    if (!over) return false;
    SetColor(0, 128, 200);
    DrawFrameRect(area.X, area.Y, area.W, area.H, false);
    return true;
}

}  // namespace kvx::studio
