#include "studio/studio_step.hpp"

#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/ask_path.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/frame_loop.hpp"
#include "studio/grid_image.hpp"
#include "studio/kind_table.hpp"
#include "studio/modify_step.hpp"
#include "studio/new_interface.hpp"
#include "studio/placement.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

// Only the first fired button is handled: a command may run a dialog of its own.
void FilePageStep() {
    const FilePage& f = Studio().File;
    if (f.New->Clicked()) {
        NewInterface();
    } else if (f.Open->Clicked()) {
        LoadDesign();
    } else if (f.Save->Clicked()) {
        SaveDesign();
    } else if (f.Export->Clicked()) {
        ExportSource();
    } else if (f.Exit->Clicked()) {
        RequestExit();
    }
}

void ArmClickedKind() {
    for (const KindButton& entry : Studio().CreateButtons) {
        if (entry.Button && entry.Button->Clicked()) {
            State().PendingKind = entry.KindWord;
            return;
        }
    }
}

void DrawPlacementGrid() {
    const KVX_WindowRef under = KVX_ActiveWindowAt(false);
    if (under && under != Studio().StudioWindow) DrawGridInto(*under, State().GridImage);
}

void CreatePageStep() {
    ArmClickedKind();
    StudioState& s = State();
    // Read every frame, so that an Escape pressed with nothing armed cannot disarm a later kind.
    const bool escape = KeyHit(KEY_ESCAPE) > 0;
    if (s.PendingKind.empty()) return;
    PlacementStep();
    // Placing may have just disarmed: the grid belongs to an armed kind only.
    const KindDescription* armed = FindKind(s.PendingKind);
    if (armed && !armed->IsWindow) DrawPlacementGrid();
    if (escape) CancelPlacement();
}

void LeavePlacement() {
    State().PendingKind.clear();
    State().Placing = 0;
}

}  // namespace

void StudioFrameStep() {
    EditorStep();
    switch (Studio().StudioTabs->SelectedTab) {
        case kFilePage:
            LeavePlacement();
            FilePageStep();
            break;
        case kCreatePage: CreatePageStep(); break;
        case kModifyPage:
            LeavePlacement();
            ModifyStep();
            break;
        default: break;
    }
}

}  // namespace kvx::studio
