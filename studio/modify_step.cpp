#include "studio/modify_step.hpp"

#include <algorithm>
#include <vector>

#include "core/drawing.hpp"
#include "core/focus.hpp"
#include "core/mouse.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/current_file.hpp"
#include "studio/hit_area.hpp"
#include "design/kind_table.hpp"
#include "design/kinds/kind_parts.hpp"
#include "studio/live_gadget.hpp"
#include "studio/property_editor.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

// Every record answers the pointer; a press picks the last one under it (the one drawn on top).
void SelectionPass(const std::vector<DesignedGadgetRef>& design) {
    StudioState& s = State();
    DesignedGadgetRef pressed;
    for (const DesignedGadgetRef& r : design) {
        if (HoverTest(*r) && KVX_Mouse.LeftHit) pressed = r;
    }
    if (pressed) {
        pressed->GrabX = KVX_Mouse.X - pressed->Px;
        pressed->GrabY = KVX_Mouse.Y - pressed->Py;
        if (pressed != s.Selected) ShowInEditor(pressed.get());
        s.Selected = pressed;
        s.Dragging = 1;
    }
}

// A drag goes on in the frame of its release, which may still bring the pointer's last move.
bool DraggingWith(int key) {
    return State().Dragging && (KVX_Mouse.LeftDown || KVX_Mouse.LeftReleased) && KeyDown(key);
}

bool Move(DesignedGadget& r) {
    const int32_t px = KVX_Mouse.X - r.GrabX, py = KVX_Mouse.Y - r.GrabY;
    if (px == r.Px && py == r.Py) return false;
    r.Px = px;
    r.Py = py;
    return true;
}

// The new size runs from the gadget's corner to the pointer, in characters for text fields and in
// lines for lists; a size the kind fixes stays.
bool Resize(DesignedGadget& r) {
    const KindDescription& kind = r.Info();
    int ox = r.Px, oy = r.Py;
    if (!kind.IsWindow) {
        if (const KVX_Window* parent = r.ParentWindow.get()) {
            ox += parent->X;
            oy += parent->Y + parent->TitleHeight;
        }
    }
    const int32_t w = std::max(KVX_Mouse.X - ox, 0), h = std::max(KVX_Mouse.Y - oy, 0);
    SetColor(0, 255, 255);
    DrawFrameRect(ox, oy, w, h, false);
    const FixedSize fixed = kind.Fixed ? kind.Fixed() : FixedSize{};
    const int32_t width = kind.SizedInCharacters ? w / CharWidth() : w;
    const int32_t height = kind.HeightInLines ? LinesIn(h) : h;
    int32_t& widthField = kind.SizedInCharacters ? r.NumChar : r.Tx;
    bool changed = false;
    if (!fixed.Width && widthField != width) {
        widthField = width;
        changed = true;
    }
    if (!fixed.Height && r.Ty != height) {
        r.Ty = height;
        changed = true;
    }
    return changed;
}

// An arrow moves the gadget once when pressed, and again at the key repeat pace while held;
// not while a field has the keys.
bool Nudge(DesignedGadget& r) {
    if (KVX_FocusTaken()) return false;
    struct Arrow {
        int Key;
        int32_t DesignedGadget::*Field;
        int Delta;
    };
    static constexpr Arrow kArrows[] = {{KEY_UP, &DesignedGadget::Py, -1},
                                        {KEY_DOWN, &DesignedGadget::Py, +1},
                                        {KEY_LEFT, &DesignedGadget::Px, -1},
                                        {KEY_RIGHT, &DesignedGadget::Px, +1}};
    bool moved = false;
    for (const Arrow& arrow : kArrows) {
        if (!KeyTyped(arrow.Key)) continue;
        r.*arrow.Field += arrow.Delta;
        moved = true;
    }
    return moved;
}

void Edit(DesignedGadget& r) {
    bool moved = false, resized = false;
    if (DraggingWith(KEY_CONTROL)) moved = Move(r);
    if (DraggingWith(KEY_SHIFT)) resized = Resize(r);
    moved |= Nudge(r);
    if (moved) MoveLive(r);
    if (resized) RebuildLive(r);
    if (moved || resized) {
        ShowGeometry(r);
        NoteDesignChange();
    }
}

// The selection stays outlined wherever the pointer goes.
void DrawSelection(const DesignedGadget& r) {
    const HitArea area = HitAreaOf(r);
    SetColor(255, 200, 0);
    DrawFrameRect(area.X - 1, area.Y - 1, area.W + 2, area.H + 2, false);
}

}  // namespace

void ModifyStep() {
    SelectionPass(Design().DesignList);
    StudioState& s = State();
    if (!s.Selected) return;
    Edit(*s.Selected);
    if (!KVX_Mouse.LeftDown) s.Dragging = 0;
    DrawSelection(*s.Selected);
}

void EditorStep() {
    if (const DesignedGadgetRef& selected = State().Selected) ApplyEditorChanges(*selected);
}

}  // namespace kvx::studio
