#pragma once
// The Modify page's command buttons, and the list of the studio's keys they can show.
#include <string>

namespace kvx::studio {

// Every frame while the Modify page is shown; the first clicked button is handled.
void EditButtonsStep();
// Every shortcut of the studio, one per line ('|' between them, as the message box takes it).
std::string ShortcutList();
void ShowShortcuts();

}  // namespace kvx::studio
