#include "studio/new_interface.hpp"

#include "design/designed_gadget.hpp"
#include "studio/property_editor.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
void ForgetSelection() {
    // A record of the old design left selected would take the editor's values over.
    SelectOnly(nullptr);
    State().Dragging = 0;
    State().BandWindow = nullptr;
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

}  // namespace kvx::studio
