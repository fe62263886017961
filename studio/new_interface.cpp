#include "studio/new_interface.hpp"

#include "dialogs/message_box.hpp"
#include "studio/ask_path.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/property_editor.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kYes = 1, kCancel = 3;

}  // namespace

void ForgetSelection() {
    // A record of the old design left selected would take the editor's values over.
    State().Selected = nullptr;
    State().Dragging = 0;
    ShowInEditor(nullptr);
}

void ClearDesign() {
    ForgetSelection();
    DesignState& design = Design();
    for (const DesignedGadgetRef& record : design.DesignList) {
        if (record->Gadget) record->Gadget->Free();
    }
    design.DesignList.clear();
    design.ResetCounters();
}

void NewInterface() {
    const int32_t answer = KVX_MessageBox("Alert !", "Do you save before create new interface ?", 3, 1);
    if (answer == kCancel) return;
    // A save that was cancelled or failed would lose the design the user meant to keep.
    if (answer == kYes && !SaveDesignAsked()) return;
    ClearDesign();
}

}  // namespace kvx::studio
