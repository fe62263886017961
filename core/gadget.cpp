#include "core/gadget.hpp"

#include "core/drawing.hpp"
#include "core/focus.hpp"
#include "core/runtime.hpp"
#include "platform/handles.hpp"

namespace kvx {

int32_t NewGadgetHandle() { return NewObjectHandle(); }

void ReleaseHandleField(int32_t& handle) {
    ReleaseHandle(handle);
    handle = 0;
}

void KVX_Gadget::AddChild(const KVX_GadgetRef& child) { Children.push_back(child); }

void KVX_Gadget::Free() {
    KVX_ReleaseFocus(*this);
    ReleaseHandleField(ClickSound);
    Caption = nullptr;
    Closed = 1;
    KVX_FreeChildren(Children);
}

bool KVX_Gadget::ParentEnabled(const KVX_Gadget* parent) {
    if (!parent) return false;
    // Up to the window: some kinds (value boxes) do not take their window's flag, yet their
    // parts must not react in an inactive window or under a modal dialog.
    KVX_GadgetRef holder;
    for (const KVX_Gadget* g = parent; g; g = (holder = g->ParentGadget()).get()) {
        if (g->Disabled) return false;
    }
    return true;
}

bool KVX_Gadget::ParentAcceptsInput(const KVX_Gadget* parent) {
    return ComboOpen == 0 && MenuOpen == 0 && ParentEnabled(parent);
}

void KVX_Gadget::FinishUpdate(int absX, int absY) {
    AbsX = absX;
    AbsY = absY;
    KVX_UpdateChildren(Children, this);
    KVX_SetChildrenHidden(Children, Hidden);
    KVX_SetChildrenDisabled(Children, Disabled);
    KVX_SetChildrenAlpha(Children, Alpha);
    ResetDrawState();
}

void KVX_AddChild(const KVX_GadgetRef& parent, const KVX_GadgetRef& child) {
    if (parent) parent->AddChild(child);
}

namespace {

void ApplyTabState(KVX_Gadget& child, const KVX_Gadget* parent) {
    const KVX_TabHolder* panel = child.TabPanel.get();
    if (!panel) return;
    if (panel->Hidden) {
        child.Hidden = 1;
    } else {
        child.Hidden = (panel->SelectedTab == child.TabIndex && !(parent && parent->Folded())) ? 0 : 1;
    }
    // A disabled panel disables its gadgets, and enabling it gives back only what it took: a
    // gadget disabled on its own stays so.
    if (child.Kind() == KVX_KindTabpanel) return;
    if (panel->Disabled) {
        if (!child.Disabled) child.DisabledByTab = 1;
        child.Disabled = 1;
    } else if (child.DisabledByTab) {
        child.Disabled = 0;
        child.DisabledByTab = 0;
    }
}

bool ShowsTooltips(const KVX_Gadget& gadget) {
    const uint8_t kind = gadget.Kind();
    return (kind == KVX_KindPushButton || kind == KVX_KindCustomButton) && !gadget.Tooltip.empty();
}

}  // namespace

void KVX_UpdateChildren(KVX_GadgetChildren& children, KVX_Gadget* parent) {
    for (size_t i = 0; i < children.size();) {
        KVX_GadgetRef child = children[i];
        if (!child) {
            ++i;
            continue;
        }
        ApplyTabState(*child, parent);
        if ((child->TabPanel && child->TabPanel->Closed) || child->Closed) {
            children.erase(children.begin() + std::ptrdiff_t(i));
            continue;
        }
        const uint8_t kind = child->Kind();
        if (kind != KVX_KindWindow && kind != KVX_KindMenu && kind != KVX_KindDesigned) child->Update(parent);
        // The child may have rearranged the list; only step on when it is still where it was.
        if (i < children.size() && children[i] == child) ++i;
    }
    for (const KVX_GadgetRef& child : children) {
        if (!child || child->State != 1 || !ShowsTooltips(*child)) continue;
        // A hovered button whose timer never started counts as not yet run out.
        if (child->TooltipTimer && child->TooltipTimer->Check()) {
            KVX_DrawTooltip(child->Tooltip, 0.0025f);
        } else {
            KVX_TooltipAlpha = 0.f;
        }
    }
}

void KVX_SetChildrenHidden(KVX_GadgetChildren& children, uint8_t flag) {
    for (const KVX_GadgetRef& child : children) {
        if (child) child->Hidden = flag;
    }
}

void KVX_SetChildrenDisabled(KVX_GadgetChildren& children, uint8_t flag) {
    for (const KVX_GadgetRef& child : children) {
        if (child && child->Kind() != KVX_KindValue) child->Disabled = flag;
    }
}

void KVX_SetChildrenAlpha(KVX_GadgetChildren& children, float alpha) {
    for (const KVX_GadgetRef& child : children) {
        if (child && child->Kind() != KVX_KindValue) child->Alpha = alpha;
    }
}

void KVX_FreeChildren(KVX_GadgetChildren& children) {
    // Taken out of the list first, in one move: a window of many gadgets is freed in linear time,
    // and each child is out of the list before its Free runs.
    while (!children.empty()) {
        KVX_GadgetChildren taken;
        taken.swap(children);
        for (const KVX_GadgetRef& child : taken) {
            if (child) child->Free();
        }
    }
}

}  // namespace kvx
