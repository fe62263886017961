#include "studio/modify_step.hpp"

#include <algorithm>
#include <vector>

#include "core/drawing.hpp"
#include "core/mouse.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/hit_area.hpp"
#include "studio/kind_table.hpp"
#include "studio/property_editor.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

void SelectionPass(const std::vector<DesignedGadgetRef>& design) {
    StudioState& s = State();
    for (const DesignedGadgetRef& r : design) {
        if (!HoverTest(*r)) continue;
        if (!KVX_Mouse.LeftDown) {
            s.Dragging = 0;
            continue;
        }
        s.Dragging = 1;
        if (KVX_Mouse.LeftHit) {
            r->GrabX = KVX_Mouse.X - r->Px;
            r->GrabY = KVX_Mouse.Y - r->Py;
            s.SelectedHandle = r->Handle;
        }
        if (r->Handle == s.SelectedHandle) LoadPropertyEditor(*r);
    }
}

bool DraggingWith(int key) { return KVX_Mouse.LeftDown && State().Dragging && KeyDown(key); }

void Move(DesignedGadget& r) {
    r.Px = KVX_Mouse.X - r.GrabX;
    r.Py = KVX_Mouse.Y - r.GrabY;
}

void Resize(DesignedGadget& r) {
    int ox = r.Px, oy = r.Py;
    if (!r.Info().IsWindow) {
        if (const KVX_Window* parent = r.ParentWindow.get()) {
            ox += parent->X;
            oy += parent->Y + parent->TitleHeight;
        }
    }
    r.Tx = KVX_Mouse.X - ox;
    r.Ty = KVX_Mouse.Y - oy;
    ApplyFixedSize(r.Info(), r.Tx, r.Ty);
    SetColor(0, 255, 255);
    DrawFrameRect(ox, oy, r.Tx, r.Ty, false);
    const PropertyEditor& e = Studio().Editor;
    if (SizedInCharacters(r)) {
        r.NumChar = r.Tx / std::max(1, TextWidth("0"));
        ShowNumber(e.TxBox, r.NumChar);
    } else {
        ShowNumber(e.TxBox, r.Tx);
    }
    ShowNumber(e.TyBox, r.Ty);
}

// An arrow moves the gadget once when pressed, and again at the key repeat pace while held.
void Nudge(DesignedGadget& r) {
    const PropertyEditor& e = Studio().Editor;
    struct Arrow {
        int Key;
        int32_t DesignedGadget::*Field;
        int Delta;
        const KVX_ValueRef& Box;
    };
    const Arrow arrows[] = {{KEY_UP, &DesignedGadget::Py, -1, e.PyBox},
                            {KEY_DOWN, &DesignedGadget::Py, +1, e.PyBox},
                            {KEY_LEFT, &DesignedGadget::Px, -1, e.PxBox},
                            {KEY_RIGHT, &DesignedGadget::Px, +1, e.PxBox}};
    for (const Arrow& arrow : arrows) {
        if (!KeyTyped(arrow.Key)) continue;
        r.*arrow.Field += arrow.Delta;
        ShowNumber(arrow.Box, r.*arrow.Field);
    }
}

void TakeEditorValues(DesignedGadget& r) {
    const PropertyEditor& e = Studio().Editor;
    r.Px = BoxNumber(e.PxBox);
    r.Py = BoxNumber(e.PyBox);
    (SizedInCharacters(r) ? r.NumChar : r.Tx) = BoxNumber(e.TxBox);
    r.Ty = BoxNumber(e.TyBox);
    r.Global = e.GlobalBox->State;
}

// A window's height field is its body's, without the title bar. A list box keeps the height it
// was made with: the record counts lines, the box pixels, with a minimum of its own.
void FollowRecord(const DesignedGadget& r) {
    KVX_Gadget* live = r.Gadget.get();
    if (!live) return;
    live->X = r.Px;
    live->Y = r.Py;
    live->Width = r.Tx;
    const KindDescription& kind = r.Info();
    if (kind.HeightInLines) return;
    live->Height = r.Ty;
    if (kind.IsWindow) live->Height -= static_cast<const KVX_Window*>(live)->TitleHeight;
}

void Edit(DesignedGadget& r) {
    if (DraggingWith(KEY_CONTROL)) Move(r);
    if (DraggingWith(KEY_SHIFT)) Resize(r);
    Nudge(r);
    if (!State().Dragging) TakeEditorValues(r);
    FollowRecord(r);
    const PropertyEditor& e = Studio().Editor;
    r.Handle = e.HandleBox->Text;
    r.Caption = e.CaptionBox->Text;
}

}  // namespace

void ModifyStep() {
    const std::vector<DesignedGadgetRef>& design = Design().DesignList;
    SelectionPass(design);
    const std::string selected = State().SelectedHandle;
    if (selected.empty()) return;
    for (const DesignedGadgetRef& r : design) {
        if (r->Handle == selected) Edit(*r);
    }
}

}  // namespace kvx::studio
