#include "studio/live_gadget.hpp"

#include <algorithm>

#include "gadgets/window.hpp"
#include "design/kind_table.hpp"
#include "design/tab_pages.hpp"

namespace kvx::studio {
namespace {

void ReplaceAmongSiblings(const KVX_GadgetRef& old, const KVX_GadgetRef& made) {
    const KVX_GadgetRef parent = old->ParentGadget();
    if (!parent) return;
    KVX_GadgetChildren& children = parent->Children;
    std::erase(children, made);  // made last by Create; it takes the old one's place instead
    const auto at = std::find(children.begin(), children.end(), old);
    if (at != children.end()) *at = made;
}

}  // namespace

void MoveLive(const DesignedGadget& r) {
    if (!r.Gadget) return;
    r.Gadget->X = r.Px;
    r.Gadget->Y = r.Py;
}

void RebuildLive(DesignedGadget& r) {
    const KVX_GadgetRef old = r.Gadget;
    if (!old) return;
    const KindDescription& kind = r.Info();
    if (kind.IsWindow) {
        auto& window = static_cast<KVX_Window&>(*old);
        window.Text = r.Caption;
        window.Resize(r.Tx, r.Ty - window.TitleHeight);
        window.SetTitleButtons(r.LockButton, r.MinimiseButton, r.CloseButton);
        if (kind.InDesigner) kind.InDesigner(window);
        MoveLive(r);
        return;
    }
    r.Gadget = CreateLive(r, LiveUse::Designer);
    r.Gadget->Disabled = old->Disabled;
    ReplaceAmongSiblings(old, r.Gadget);
    old->Free();
    // The gadgets on a remade panel's tabs, or the remade gadget itself, go on the live tabs again.
    RejoinTabs(Design().DesignList);
}

}  // namespace kvx::studio
