#include "gadgets/button_base.hpp"

#include "core/mouse.hpp"
#include "core/runtime.hpp"
#include "gadgets/label.hpp"
#include "platform/audio.hpp"
#include "platform/handles.hpp"

namespace kvx {

int32_t KVX_ButtonBase::Clicked() {
    if (State != 3) return 0;
    State = 0;
    return 1;
}

int32_t KVX_ButtonBase::Pressed() { return State == 2 ? 1 : 0; }

// One frame of a button enabled in an active window, with no drop-down or menu open:
//
//   this frame      pointer   captured by it   State   what happens
//   press           over      becomes so       2       pressed look; the click sound, once a press
//   held            over      yes              2       pressed look
//   held            off       yes              0       normal look, still captured
//   held or free    over      no               1       hover look
//   release         over      yes              3       a click, which Clicked reports once
//   release         off       yes              0       no click
//   free            off       no               0       normal look
//
// The capture ends with every release, wherever it happens (the refresh clears it), so a press
// that starts elsewhere and slides onto the button is no click.
void KVX_ButtonBase::HandleMouse(const KVX_Gadget* parent, int ax, int ay) {
    State = 0;
    if (Caption) Caption->Text = Text;
    if (!ParentAcceptsInput(parent) || Disabled) return;
    const KVX_MouseState& m = KVX_Mouse;
    const bool over = m.MouseIn(ax, ay, Width, Height, false);
    if (m.LeftHit && m.MouseIn(ax, ay, Width, Height, true)) {
        KVX_PressedGadget = Handle;
        KVX_PressReleased = 0;
    }
    const bool captured = KVX_PressedGadget == Handle;
    if (over) State = 1;
    if (m.LeftDown && captured) {
        State = over ? 2 : 0;
        if (over && ClickSound && !ClickLatch) {
            PlaySound(SoundFromHandle(ClickSound));
            ClickLatch = 1;
        }
    }
    if (m.LeftReleased && captured) {
        KVX_PressReleased = 1;
        if (over) {
            ClickLatch = 0;
            State = 3;
        }
    }
}

void KVX_ButtonBase::RestartTooltipDelay() {
    if (!Tooltip.empty()) TooltipTimer = KVX_Timer::Create(450);
}

}  // namespace kvx
