#include "studio/studio_step.hpp"

#include <algorithm>

#include "core/mouse.hpp"
#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/about_box.hpp"
#include "studio/ask_path.hpp"
#include "studio/current_file.hpp"
#include "studio/edit_buttons_step.hpp"
#include "studio/edit_history.hpp"
#include "studio/edit_keys.hpp"
#include "studio/frame_loop.hpp"
#include "studio/grid_image.hpp"
#include "studio/menu_strip.hpp"
#include "studio/modify_step.hpp"
#include "studio/placement.hpp"
#include "studio/preferences_dialog.hpp"
#include "studio/scheme_editor.hpp"
#include "studio/studio_state.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

// A click on a line of the recent designs opens it; the line does not stay chosen.
void OpenRecent(FilePage& f) {
    const auto line = std::find_if(f.Recent->ItemList.begin(), f.Recent->ItemList.end(),
                                   [](const KVX_ListItem& item) { return item.Selected != 0; });
    const size_t index = size_t(line - f.Recent->ItemList.begin());
    f.Recent->DeselectAll();
    f.Recent->SelectedText.clear();
    if (index < f.RecentPaths.size()) LoadDesign(f.RecentPaths[index]);
}

// Only the first fired button is handled: a command may run a dialog of its own.
void FilePageStep() {
    FilePage& f = Studio().File;
    if (f.New->Clicked()) {
        NewDesign();
    } else if (f.Open->Clicked()) {
        LoadDesign();
    } else if (f.Save->Clicked()) {
        SaveDesign();
    } else if (f.SaveAs->Clicked()) {
        SaveDesignAs();
    } else if (f.Export->Clicked()) {
        ExportSource();
    } else if (f.ExportCpp->Clicked()) {
        ExportHeader();
    } else if (f.Preferences->Clicked()) {
        EditPreferences();
    } else if (f.SchemeEditor->Clicked()) {
        ShowSchemeEditor();
    } else if (f.About->Clicked()) {
        ShowAbout();
    } else if (f.Exit->Clicked()) {
        ExitStudio();
    } else if (KVX_Mouse.LeftReleased && !f.Recent->SelectedText.empty()) {
        OpenRecent(f);
    }
}

// Ctrl shortcuts work on every page, also while a field has the keys.
void ShortcutStep() {
    if (!KeyDown(KEY_CONTROL)) return;
    if (KeyHit(KEY_S)) {
        SaveDesign();
    } else if (KeyHit(KEY_O)) {
        LoadDesign();
    } else if (KeyHit(KEY_N)) {
        NewDesign();
    } else if (KeyHit(KEY_Q)) {
        ExitStudio();
    }
}

// The tool window's caption names the design and marks it while it has unsaved changes.
void ShowDesignName() {
    const std::string caption = DisplayName() + (DesignChanged() ? " *" : "");
    Studio().StudioWindow->Text = caption;
    static std::string shown;
    if (caption == shown) return;
    shown = caption;
    AppTitle(std::string("Korvex Studio ") + kVersionText + " - " + caption);
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
    MenuStripStep();
    EditorStep();
    ShortcutStep();
    UndoKeysStep();
    HelpKeyStep();
    ShowDesignName();
    switch (Studio().StudioTabs->SelectedTab) {
        case kFilePage:
            LeavePlacement();
            FilePageStep();
            break;
        case kCreatePage: CreatePageStep(); break;
        case kModifyPage:
            LeavePlacement();
            ModifyStep();
            SelectionKeysStep();
            EditButtonsStep();
            break;
        default: break;
    }
    PreviewKeyStep();
    if (!EditInProgress()) RecordFinishedEdit();
}

}  // namespace kvx::studio
