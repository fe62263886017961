#pragma once
// What push and custom buttons share: hover, press, release and the one-frame click.
#include "core/gadget.hpp"

namespace kvx {

// State: 0 normal, 1 hovered, 2 pressed, 3 in the frame a click completes (until Clicked reads it).
class KVX_ButtonBase : public KVX_Gadget {
public:
    virtual int32_t Clicked();  // 1 once per completed click
    virtual int32_t Pressed();  // 1 while held down over the button

protected:
    // Resets State, re-captions and runs the press rules (button_base.cpp); the caller draws by
    // State. The press is captured in KVX_PressedGadget, shared by every button-like gadget.
    void HandleMouse(const KVX_Gadget* parent, int ax, int ay);
    // State 0 restarts the tooltip delay.
    void RestartTooltipDelay();
};

}  // namespace kvx
