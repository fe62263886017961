#include "studio/edit_buttons_step.hpp"

#include <utility>

#include "studio/arrange_commands.hpp"
#include "studio/ask_path.hpp"
#include "studio/delete_command.hpp"
#include "studio/edit_history.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

constexpr std::pair<const char*, const char*> kShortcuts[] = {
    {"Ctrl+N, O, S, Q", "new, open, save, quit"},
    {"Ctrl+Z", "undo"},
    {"Ctrl+Y, Ctrl+Shift+Z", "redo"},
    {"Del", "delete the selection"},
    {"Ctrl+C, X, V", "copy, cut, paste"},
    {"Ctrl+D", "duplicate"},
    {"Ctrl+A", "select the window's gadgets"},
    {"Ctrl+click", "add to or take from the selection"},
    {"Drag on a window", "select the gadgets it touches"},
    {"Ctrl+drag", "move the selection"},
    {"Shift+drag", "resize"},
    {"Arrows", "move by 5 pixels (Shift: 1)"},
    {"Ctrl+arrows", "resize by 5 pixels (Shift: 1)"},
    {"Ctrl+Page Up, Down", "to front, to back"},
    {"Escape", "disarm the palette, answer No"},
};

}  // namespace

std::string ShortcutList() {
    std::string text;
    for (const auto& [keys, meaning] : kShortcuts) {
        if (!text.empty()) text += "|";
        text += std::string(keys) + " : " + meaning;
    }
    return text;
}

void ShowShortcuts() { AskUser("Keys", ShortcutList(), kOkOnly, kAskIcon); }

void EditButtonsStep() {
    const EditButtons& c = Studio().Commands;
    if (!c.Delete) return;
    const std::pair<const KVX_PushButtonRef&, void (*)()> actions[] = {
        {c.Delete, [] { DeleteSelection(); }},
        {c.Help, ShowShortcuts},
        {c.Undo, [] { Undo(); }},
        {c.Redo, [] { Redo(); }},
        {c.ToFront, BringSelectionToFront},
        {c.ToBack, SendSelectionToBack},
        {c.AlignLeft, [] { AlignSelection(AlignTo::Left); }},
        {c.AlignRight, [] { AlignSelection(AlignTo::Right); }},
        {c.AlignTop, [] { AlignSelection(AlignTo::Top); }},
        {c.AlignBottom, [] { AlignSelection(AlignTo::Bottom); }},
        {c.CentreX, [] { AlignSelection(AlignTo::CentreX); }},
        {c.CentreY, [] { AlignSelection(AlignTo::CentreY); }},
        {c.SpreadX, [] { SpreadSelection(true); }},
        {c.SpreadY, [] { SpreadSelection(false); }},
    };
    for (const auto& [button, action] : actions) {
        if (button->Clicked()) {
            action();
            return;
        }
    }
}

}  // namespace kvx::studio
