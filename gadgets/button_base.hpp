#pragma once
// What push and custom buttons share: hover, press, release and the one-frame click.
#include "core/gadget.hpp"

namespace kvx {

class KVX_ButtonBase : public KVX_Gadget {
public:
    virtual int32_t Clicked();  // 1 once per completed click
    virtual int32_t Pressed();  // 1 while held down over the button

protected:
    // Resets State, re-captions and runs the four mouse tests; the caller draws by State.
    // pressedRegister names the gadget that took the last press (buttons share KVX_PressedGadget).
    void HandleMouse(const KVX_Gadget* parent, int ax, int ay, int32_t& pressedRegister);
    // State 0 restarts the tooltip delay.
    void RestartTooltipDelay();
};

}  // namespace kvx
