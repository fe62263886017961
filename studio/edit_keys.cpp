#include "studio/edit_keys.hpp"

#include <utility>
#include <vector>

#include "core/focus.hpp"
#include "core/mouse.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/arrange_commands.hpp"
#include "studio/clipboard_commands.hpp"
#include "studio/delete_command.hpp"
#include "studio/edit_history.hpp"
#include "studio/keys_window.hpp"
#include "studio/preview_mode.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

constexpr int kArrowKeys[] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};

// The window whose gadgets Ctrl+A takes: the selection's, else the design window in front.
DesignedGadgetRef ActiveDesignWindow() {
    if (State().Selected) {
        if (DesignedGadgetRef window = WindowRecordOf(*State().Selected)) return window;
    }
    for (auto w = KVX_GadgetList.rbegin(); w != KVX_GadgetList.rend(); ++w) {
        for (const DesignedGadgetRef& r : Design().DesignList) {
            if (r->Info().IsWindow && r->Gadget == *w) return r;
        }
    }
    return nullptr;
}

void SelectWindowGadgets() {
    const DesignedGadgetRef window = ActiveDesignWindow();
    if (!window) return;
    std::vector<DesignedGadgetRef> gadgets;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (!r->Info().IsWindow && r->ParentWindow == window->Gadget) gadgets.push_back(r);
    }
    SelectRecords(gadgets);
}

// Alt+arrows line the selection up on that edge, Alt+C and Alt+M on the centres across and
// along, Alt+H and Alt+V spread it.
void ArrangeKeysStep() {
    static constexpr std::pair<int, AlignTo> kAlignKeys[] = {{KEY_LEFT, AlignTo::Left},  {KEY_RIGHT, AlignTo::Right},
                                                             {KEY_UP, AlignTo::Top},     {KEY_DOWN, AlignTo::Bottom},
                                                             {KEY_C, AlignTo::CentreX},  {KEY_M, AlignTo::CentreY}};
    for (const auto& [key, edge] : kAlignKeys) {
        if (KeyHit(key)) AlignSelection(edge);
    }
    if (KeyHit(KEY_H)) SpreadSelection(true);
    if (KeyHit(KEY_V)) SpreadSelection(false);
}

}  // namespace

bool EditInProgress() {
    // The press itself changes nothing yet: what was finished before it is a step of its own.
    if (State().Dragging && KVX_Mouse.LeftDown && !KVX_Mouse.LeftHit) return true;
    if (KVX_FocusTaken()) return true;
    for (const int key : kArrowKeys) {
        if (KeyDown(key)) return true;
    }
    return false;
}

void HelpKeyStep() {
    if (KeyHit(KEY_F1)) ShowShortcuts();
}

void PreviewKeyStep() {
    // Not while a drag or a typed field holds an edit the preview would cut in two.
    if (KVX_Mouse.LeftDown || KVX_FocusTaken()) return;
    if (KeyHit(KEY_F5)) RunPreview();
}

void UndoKeysStep() {
    if (!KeyDown(KEY_CONTROL)) return;
    const bool undo = KeyHit(KEY_Z) > 0, redo = KeyHit(KEY_Y) > 0;
    // Not in the middle of a drag: the records it holds would be made anew under it.
    if (KVX_Mouse.LeftDown && (State().Dragging || State().Placing)) return;
    if (undo && KeyDown(KEY_SHIFT)) {
        Redo();
    } else if (undo) {
        Undo();
    } else if (redo) {
        Redo();
    }
}

void SelectionKeysStep() {
    if (KVX_FocusTaken()) return;
    if (KeyHit(KEY_DELETE)) {
        DeleteSelection();
        return;
    }
    if (KeyDown(KEY_ALT)) {
        ArrangeKeysStep();
        return;
    }
    if (!KeyDown(KEY_CONTROL)) return;
    if (KeyHit(KEY_A)) {
        SelectWindowGadgets();
    } else if (KeyHit(KEY_C)) {
        CopySelection();
    } else if (KeyHit(KEY_X)) {
        CutSelection();
    } else if (KeyHit(KEY_V)) {
        PasteClipboard();
    } else if (KeyHit(KEY_D)) {
        DuplicateSelection();
    } else if (KeyHit(KEY_PAGEUP)) {
        BringSelectionToFront();
    } else if (KeyHit(KEY_PAGEDOWN)) {
        SendSelectionToBack();
    }
}

}  // namespace kvx::studio
