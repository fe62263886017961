#pragma once
// The studio's tool window at the right edge: a tab panel with the File, Create and Modify pages.
#include <array>
#include <string>
#include <vector>

#include "design/kind_table.hpp"
#include "gadgets/checkbox.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"
#include "gadgets/listbox.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/tabpanel.hpp"
#include "gadgets/value.hpp"
#include "gadgets/window.hpp"

namespace kvx::studio {

inline constexpr int32_t kFilePage = 1, kCreatePage = 2, kModifyPage = 3;

struct FilePage {
    KVX_PushButtonRef New, Open, Save, SaveAs, Export, ExportCpp, Preferences, SchemeEditor, About, Exit;
    KVX_ListboxRef Recent;  // the designs last opened or saved; a click opens one
    std::vector<std::string> RecentPaths;  // the paths of its lines, in order
};

// A palette button and the kind word it arms.
struct KindButton {
    std::string KindWord;
    KVX_PushButtonRef Button;
};

struct PropertyEditor {
    KVX_InputRef HandleBox;
    KVX_LabelRef HandleProblem;  // why a typed handle was refused
    KVX_CheckboxRef GlobalBox;
    KVX_ValueRef PxBox, PyBox, TxBox, TyBox;
    KVX_InputRef CaptionBox;
};

// The Modify page's commands on the selection, in the frame below the editor.
struct EditButtons {
    KVX_PushButtonRef Delete, Help, Undo, Redo, ToFront, ToBack;
    KVX_PushButtonRef AlignLeft, AlignRight, AlignTop, AlignBottom, CentreX, CentreY, SpreadX, SpreadY;
    KVX_PushButtonRef Preview;  // the width of both columns, below them
};

struct StudioUi {
    KVX_WindowRef StudioWindow;
    KVX_TabpanelRef StudioTabs;
    FilePage File;
    std::array<KindButton, kKindCount> CreateButtons;  // in the palette's order, top to bottom
    PropertyEditor Editor;
    EditButtons Commands;
};

StudioUi& Studio();

// Builds the tool window with all three pages; called once after the background is set.
void BuildStudioInterface();
// Shows these paths, newest first, in the File page's list of recent designs.
void ShowRecentFiles(const std::vector<std::string>& paths);

// The palette button that arms this kind word; null when there is none.
KVX_PushButtonRef CreateButtonOf(const std::string& kindWord);

}  // namespace kvx::studio
