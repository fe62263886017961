#include "studio/edit_buttons_step.hpp"

#include <utility>

#include "studio/arrange_commands.hpp"
#include "studio/delete_command.hpp"
#include "studio/edit_history.hpp"
#include "studio/keys_window.hpp"
#include "studio/preview_mode.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {

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
        {c.Preview, RunPreview},
    };
    for (const auto& [button, action] : actions) {
        if (button->Clicked()) {
            action();
            return;
        }
    }
}

}  // namespace kvx::studio
