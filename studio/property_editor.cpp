#include "studio/property_editor.hpp"

#include <algorithm>
#include <span>
#include <string>

#include "core/focus.hpp"
#include "core/runtime.hpp"
#include "design/design_edits.hpp"
#include "design/kind_table.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/tab_pages.hpp"
#include "studio/current_file.hpp"
#include "studio/live_gadget.hpp"
#include "studio/property_rows.hpp"
#include "studio/studio_window.hpp"
#include "studio/tab_membership.hpp"

namespace kvx::studio {
namespace {

// What the fields showed last: a field that differs from it was changed by the user.
struct Shown {
    std::string Handle, Caption;
    int32_t Px = 0, Py = 0, Width = 0, Height = 0;
    uint8_t Global = 0;
};
Shown g_shown;

// The width field shows characters for text fields, the height field lines for list boxes.
int32_t ShownWidth(const DesignedGadget& r) { return SizedInCharacters(r) ? r.NumChar : r.Tx; }
int32_t ShownHeight(const DesignedGadget& r) { return r.Ty; }

void LockFieldsOfKind(const DesignedGadget* r) {
    const PropertyEditor& e = Studio().Editor;
    const FixedSize fixed = r && r->Info().Fixed ? r->Info().Fixed() : FixedSize{};
    // A menu's place and size are its title's on the bar.
    const bool onBar = r && r->Info().OnMenuBar;
    e.TxBox->Disabled = !r || fixed.Width || onBar ? 1 : 0;
    e.TyBox->Disabled = !r || fixed.Height || onBar ? 1 : 0;
    e.PxBox->Disabled = !r || onBar ? 1 : 0;
    e.PyBox->Disabled = !r || onBar ? 1 : 0;
    // A kind whose file keeps no caption (lists, tab panels) has none to edit.
    const auto keys = r ? r->Info().Keys : std::span<const KeyFormat>{};
    const bool captioned =
        std::any_of(keys.begin(), keys.end(), [](const KeyFormat& k) { return k.Name == std::string_view("Caption"); });
    e.CaptionBox->Disabled = captioned ? 0 : 1;
}

// A size the user typed, as the record holds it: characters for text fields, lines for lists,
// pixels otherwise. Negative sizes are refused.
bool TakeWidth(DesignedGadget& r, int32_t width) {
    if (width < 0) return false;
    (SizedInCharacters(r) ? r.NumChar : r.Tx) = width;
    return true;
}

bool TakeHeight(DesignedGadget& r, int32_t height) {
    if (height < 0) return false;
    r.Ty = height;
    return true;
}

void ShowProblem(const std::string& problem) {
    const PropertyEditor& e = Studio().Editor;
    if (e.HandleProblem) e.HandleProblem->Text = problem.empty() ? "" : "Name " + problem;
}

}  // namespace

bool SizedInCharacters(const DesignedGadget& record) { return record.Info().SizedInCharacters; }

void ShowNumber(const KVX_ValueRef& box, int32_t number) {
    if (!box || !box->ValueInput) return;
    box->Value = float(number);
    box->ValueInput->Text = std::to_string(number);
}

int32_t BoxNumber(const KVX_ValueRef& box) { return box ? int32_t(box->Value) : 0; }

void ShowGeometry(const DesignedGadget& r) {
    const PropertyEditor& e = Studio().Editor;
    g_shown.Px = r.Px;
    g_shown.Py = r.Py;
    g_shown.Width = ShownWidth(r);
    g_shown.Height = ShownHeight(r);
    ShowNumber(e.PxBox, g_shown.Px);
    ShowNumber(e.PyBox, g_shown.Py);
    ShowNumber(e.TxBox, g_shown.Width);
    ShowNumber(e.TyBox, g_shown.Height);
}

void ShowInEditor(const DesignedGadget* r) {
    const PropertyEditor& e = Studio().Editor;
    if (!e.HandleBox) return;  // no tool window
    const DesignedGadget blank;
    const DesignedGadget& shown = r ? *r : blank;
    g_shown.Handle = e.HandleBox->Text = shown.Handle;
    g_shown.Caption = e.CaptionBox->Text = shown.Caption;
    g_shown.Global = e.GlobalBox->State = shown.Global;
    ShowGeometry(shown);
    ShowProblem("");
    ShowProperties(r);
    for (const KVX_GadgetRef& field : std::initializer_list<KVX_GadgetRef>{e.HandleBox, e.GlobalBox}) {
        field->Disabled = r ? 0 : 1;
    }
    LockFieldsOfKind(r);
}

void ApplyEditorChanges(DesignedGadget& r) {
    const PropertyEditor& e = Studio().Editor;
    LockFieldsOfKind(&r);
    // A command (align, spread, a drag of another selected gadget) may have moved it since.
    const bool movedElsewhere =
        r.Px != g_shown.Px || r.Py != g_shown.Py || ShownWidth(r) != g_shown.Width || ShownHeight(r) != g_shown.Height;
    if (movedElsewhere && !KVX_FocusTaken()) ShowGeometry(r);
    bool rebuild = false;
    // A new handle is taken once the field is left (Enter, a click elsewhere, another page), so
    // that the names passed through while typing it never count; a taken one is refused.
    const std::string problem =
        e.HandleBox->Text == g_shown.Handle ? std::string() : HandleProblem(r, e.HandleBox->Text);
    ShowProblem(problem);
    if (e.HandleBox->Text != g_shown.Handle && problem.empty() && !KVX_HasFocus(*e.HandleBox)) {
        Rename(r, e.HandleBox->Text);
        g_shown.Handle = r.Handle;
        NoteDesignChange();
    }
    if (e.CaptionBox->Text != g_shown.Caption && !e.CaptionBox->Disabled) {
        g_shown.Caption = r.Caption = e.CaptionBox->Text;
        rebuild = true;
    }
    if (e.GlobalBox->State != g_shown.Global) {
        g_shown.Global = r.Global = e.GlobalBox->State;
        NoteDesignChange();
    }
    if ((BoxNumber(e.PxBox) != g_shown.Px || BoxNumber(e.PyBox) != g_shown.Py) && !e.PxBox->Disabled) {
        const int32_t dx = BoxNumber(e.PxBox) - r.Px, dy = BoxNumber(e.PyBox) - r.Py;
        r.Px = g_shown.Px = BoxNumber(e.PxBox);
        r.Py = g_shown.Py = BoxNumber(e.PyBox);
        MoveLive(r);
        FollowPanelUnder(r);
        CarryTabGadgets(r, dx, dy);
        RejoinTabs(Design().DesignList);
        NoteDesignChange();
    }
    if (BoxNumber(e.TxBox) != g_shown.Width && !e.TxBox->Disabled) {
        rebuild |= TakeWidth(r, BoxNumber(e.TxBox));
        ShowGeometry(r);
    }
    if (BoxNumber(e.TyBox) != g_shown.Height && !e.TyBox->Disabled) {
        rebuild |= TakeHeight(r, BoxNumber(e.TyBox));
        ShowGeometry(r);
    }
    if (rebuild) {
        RebuildLive(r);
        NoteDesignChange();
        ShowGeometry(r);  // the toolkit may have widened it
    }
    PropertyRowsStep(r);
}

}  // namespace kvx::studio
