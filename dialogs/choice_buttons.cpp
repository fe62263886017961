#include "dialogs/choice_buttons.hpp"

namespace kvx {

ChoiceButtons CreateChoiceButtons(const KVX_WindowRef& window, const std::string& confirmCaption, int cancelX, int y) {
    ChoiceButtons buttons{KVX_PushButton::Create(window, confirmCaption, 10, y, 100), nullptr};
    buttons.Confirm->Tooltip = "Confirm your choice ...";
    buttons.Cancel = KVX_PushButton::Create(window, "Cancel", cancelX, y, 100);
    buttons.Cancel->Tooltip = "Close the window ...";
    return buttons;
}

}  // namespace kvx
