#pragma once
// The Modify page's command buttons.

namespace kvx::studio {

// Every frame while the Modify page is shown; the first clicked button is handled.
void EditButtonsStep();

}  // namespace kvx::studio
