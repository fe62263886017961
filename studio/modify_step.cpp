#include "studio/modify_step.hpp"

#include <algorithm>
#include <vector>

#include "core/drawing.hpp"
#include "core/focus.hpp"
#include "core/mouse.hpp"
#include "design/kind_table.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/tab_pages.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/alignment_guides.hpp"
#include "studio/current_file.hpp"
#include "studio/hit_area.hpp"
#include "studio/live_gadget.hpp"
#include "studio/placement.hpp"
#include "studio/preferences.hpp"
#include "studio/property_editor.hpp"
#include "studio/resize_handles.hpp"
#include "studio/selection.hpp"
#include "studio/selection_band.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"
#include "studio/tab_membership.hpp"

namespace kvx::studio {
namespace {

// A Ctrl+click (no move before the release) adds the record to the selection or takes it out
// again; a Ctrl+drag moves the selection when it starts on a selected record, else that record
// alone, as a plain press selects it alone. Every selected record is grabbed, so that a drag
// moves them all.
void PickPressed(const DesignedGadgetRef& pressed) {
    StudioState& s = State();
    s.ClickToggles = KeyDown(KEY_CONTROL);
    s.BeforePress = Selection();
    if (s.ClickToggles && IsSelected(*pressed)) {
        AddToSelection(pressed);
    } else {
        SelectOnly(pressed);
    }
    if (const auto pressedHook = pressed->Info().Pressed) pressedHook(*pressed);
    for (const DesignedGadgetRef& r : Selection()) {
        r->GrabX = KVX_Mouse.X - r->Px;
        r->GrabY = KVX_Mouse.Y - r->Py;
    }
    s.Dragging = 1;
    s.DragMoved = false;
    s.PressX = KVX_Mouse.X;
    s.PressY = KVX_Mouse.Y;
}

// Every record answers the pointer; a press picks the last one under it (the one drawn on top).
// A press on a window's empty body starts a selection band instead; one that took a resize
// handle picks nothing.
void SelectionPass(const std::vector<DesignedGadgetRef>& design, bool pressTaken) {
    DesignedGadgetRef pressed;
    for (const DesignedGadgetRef& r : design) {
        if (HoverTest(*r) && KVX_Mouse.LeftHit) pressed = r;
    }
    if (pressTaken) return;
    if (pressed) {
        PickPressed(pressed);
    } else if (KVX_Mouse.LeftHit) {
        StartSelectionBand();
    }
}

// A drag goes on in the frame of its release, which may still bring the pointer's last move.
bool DraggingWith(int key) {
    return State().Dragging && (KVX_Mouse.LeftDown || KVX_Mouse.LeftReleased) && KeyDown(key);
}

// How far the drag's records go beyond where the pointer puts them: the pressed record lines up
// with a neighbour's edge or centre near it, else with the grid; the others keep their distance.
GuideOffset DragSnap(const DesignedGadget& lead) {
    HitArea box = BoxOf(lead);
    box.X += KVX_Mouse.X - lead.GrabX - lead.Px;
    box.Y += KVX_Mouse.Y - lead.GrabY - lead.Py;
    const GuideOffset guide = GuidesWanted() ? NearestGuides(lead, box, {}) : GuideOffset{};
    GuideOffset snap;
    snap.Dx = guide.OnX ? guide.Dx : SnapToGridStep(box.X) - box.X;
    snap.Dy = guide.OnY ? guide.Dy : SnapToGridStep(box.Y) - box.Y;
    return snap;
}

bool Move(DesignedGadget& r, const GuideOffset& snap) {
    const int32_t px = KVX_Mouse.X - r.GrabX + snap.Dx, py = KVX_Mouse.Y - r.GrabY + snap.Dy;
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

// What the arrows held in this frame ask: a step of the grid, or a pixel with Shift. Each arrow
// acts once when pressed and again at the key repeat pace while held; not while a field has the
// keys.
struct ArrowStep {
    int32_t Dx = 0, Dy = 0;
    bool Any() const { return Dx != 0 || Dy != 0; }
};
ArrowStep ArrowsTyped() {
    ArrowStep step;
    if (KVX_FocusTaken() || KeyDown(KEY_ALT)) return step;  // Alt+arrows align
    const int32_t distance = KeyDown(KEY_SHIFT) ? 1 : Prefs().GridStep;
    if (KeyTyped(KEY_UP)) step.Dy -= distance;
    if (KeyTyped(KEY_DOWN)) step.Dy += distance;
    if (KeyTyped(KEY_LEFT)) step.Dx -= distance;
    if (KeyTyped(KEY_RIGHT)) step.Dx += distance;
    return step;
}

// Ctrl+arrows: right and down grow, left and up shrink; text fields by a character, lists by a
// line; sizes the kind fixes stay.
bool ResizeBy(DesignedGadget& r, const ArrowStep& step) {
    const KindDescription& kind = r.Info();
    const FixedSize fixed = kind.Fixed ? kind.Fixed() : FixedSize{};
    const auto unit = [](int32_t delta, bool counted) { return counted ? (delta > 0) - (delta < 0) : delta; };
    bool changed = false;
    if (step.Dx != 0 && !fixed.Width) {
        int32_t& width = kind.SizedInCharacters ? r.NumChar : r.Tx;
        const int32_t next = std::max(width + unit(step.Dx, kind.SizedInCharacters), 0);
        changed |= next != width;
        width = next;
    }
    if (step.Dy != 0 && !fixed.Height) {
        const int32_t next = std::max(r.Ty + unit(step.Dy, kind.HeightInLines), 0);
        changed |= next != r.Ty;
        r.Ty = next;
    }
    return changed;
}

// A gadget of a selected window moves with it already; a menu's place is its title's on the bar.
bool CarriedByWindow(const DesignedGadget& r) {
    if (r.Info().OnMenuBar) return true;
    if (r.Info().IsWindow || !r.ParentWindow) return false;
    const DesignedGadgetRef window = WindowRecordOf(r);
    return window && IsSelected(*window);
}

void EditSelection() {
    StudioState& s = State();
    const ArrowStep arrows = ArrowsTyped();
    const bool resizeByKeys = arrows.Any() && KeyDown(KEY_CONTROL);
    // Until the pointer leaves the press, nothing moves: a Ctrl+click is no drag, snapped or not.
    const bool pointerMoved = KVX_Mouse.X != s.PressX || KVX_Mouse.Y != s.PressY;
    const bool moveByDrag = DraggingWith(KEY_CONTROL) && pointerMoved;
    const DesignedGadgetRef lead = s.Selected;
    const bool leadMoves = moveByDrag && lead && !CarriedByWindow(*lead);
    const GuideOffset snap = leadMoves ? DragSnap(*lead) : GuideOffset{};
    bool changed = false;
    for (const DesignedGadgetRef& r : Selection()) {
        bool moved = false, resized = false;
        const bool carried = CarriedByWindow(*r);
        const int32_t fromX = r->Px, fromY = r->Py;
        if (moveByDrag && !carried) moved = Move(*r, snap);
        if (r == s.Selected && DraggingWith(KEY_SHIFT)) resized = Resize(*r);
        if (resizeByKeys) {
            resized |= ResizeBy(*r, arrows);
        } else if (arrows.Any() && !carried) {
            r->Px += arrows.Dx;
            r->Py += arrows.Dy;
            moved = true;
        }
        if (moved) {
            MoveLive(*r);
            FollowPanelUnder(*r);
            CarryTabGadgets(*r, r->Px - fromX, r->Py - fromY);
        }
        if (resized) RebuildLive(*r);
        if (moved && moveByDrag) s.DragMoved = true;
        changed |= moved || resized;
    }
    if (leadMoves && GuidesWanted()) DrawGuides(*lead, BoxOf(*lead), {});
    if (!changed) return;
    RejoinTabs(Design().DesignList);
    if (s.Selected) ShowGeometry(*s.Selected);
    NoteDesignChange();
}

void ToggleInSelectionBeforePress(const DesignedGadgetRef& clicked) {
    std::vector<DesignedGadgetRef> records = State().BeforePress;
    const auto at = std::find(records.begin(), records.end(), clicked);
    if (at != records.end()) {
        records.erase(at);
    } else {
        records.push_back(clicked);
    }
    SelectRecords(records);
}

void EndPress() {
    StudioState& s = State();
    if (KVX_Mouse.LeftReleased && s.Dragging && !s.DragMoved && s.ClickToggles && s.Selected) {
        ToggleInSelectionBeforePress(s.Selected);
    }
    if (!KVX_Mouse.LeftDown) {
        s.Dragging = 0;
        s.ClickToggles = false;
        s.BeforePress.clear();
    }
}

// The selection stays outlined wherever the pointer goes; a single one shows its handles.
void DrawSelection() {
    const bool single = Selection().size() == 1;
    for (const DesignedGadgetRef& r : Selection()) {
        const HitArea area = HitAreaOf(*r);
        SetColor(255, 200, 0);
        DrawFrameRect(area.X - 1, area.Y - 1, area.W + 2, area.H + 2, false);
        if (single) DrawResizeHandles(*r);
    }
}

// What the editor changed on the record it shows, the other selected records take too, where
// their kind lets the user choose it. The handle stays each record's own.
void ShareEditedFields(const DesignedGadget& before, const DesignedGadget& edited) {
    for (const DesignedGadgetRef& r : Selection()) {
        if (r.get() == &edited) continue;
        const FixedSize fixed = r->Info().Fixed ? r->Info().Fixed() : FixedSize{};
        bool moved = false, rebuilt = false;
        if (edited.Global != before.Global) r->Global = edited.Global;
        if (edited.Px != before.Px) {
            r->Px = edited.Px;
            moved = true;
        }
        if (edited.Py != before.Py) {
            r->Py = edited.Py;
            moved = true;
        }
        if (edited.Caption != before.Caption) {
            r->Caption = edited.Caption;
            rebuilt = true;
        }
        const bool widthEdited = edited.Tx != before.Tx || edited.NumChar != before.NumChar;
        if (widthEdited && !fixed.Width && r->Info().SizedInCharacters == edited.Info().SizedInCharacters) {
            r->Tx = edited.Tx;
            r->NumChar = edited.NumChar;
            rebuilt = true;
        }
        if (edited.Ty != before.Ty && !fixed.Height && r->Info().HeightInLines == edited.Info().HeightInLines) {
            r->Ty = edited.Ty;
            rebuilt = true;
        }
        if (rebuilt) RebuildLive(*r);
        if (moved) MoveLive(*r);
    }
}

}  // namespace

void ModifyStep() {
    const bool handleTaken = KVX_Mouse.LeftHit && GrabResizeHandle();
    if (handleTaken) State().Dragging = 1;
    SelectionPass(Design().DesignList, handleTaken);
    const bool resizing = ResizeHandleStep();
    SelectionBandStep();
    if (!Selection().empty() && !resizing) EditSelection();
    EndPress();
    DrawSelection();
}

void EditorStep() {
    const DesignedGadgetRef selected = State().Selected;
    if (!selected) return;
    const DesignedGadget before = *selected;
    ApplyEditorChanges(*selected);
    if (Selection().size() > 1) ShareEditedFields(before, *selected);
}

}  // namespace kvx::studio
