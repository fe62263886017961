#pragma once
// The confirm and Cancel pair every requester and chooser ends with, with their tooltips.
#include <string>

#include "gadgets/push_button.hpp"
#include "gadgets/window.hpp"

namespace kvx {

struct ChoiceButtons {
    KVX_PushButtonRef Confirm, Cancel;
};

// Confirm at (10, y) and then Cancel at (cancelX, y), both 100 pixels wide.
ChoiceButtons CreateChoiceButtons(const KVX_WindowRef& window, const std::string& confirmCaption, int cancelX, int y);

}  // namespace kvx
