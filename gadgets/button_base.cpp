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

void KVX_ButtonBase::HandleMouse(const KVX_Gadget* parent, int ax, int ay, int32_t& pressedRegister) {
    State = 0;
    if (Caption) Caption->Text = Text;
    if (!ParentAcceptsInput(parent) || Disabled) return;
    const bool over = KVX_Mouse.MouseIn(ax, ay, Width, Height, false);
    if (over) State = 1;
    if (KVX_Mouse.LeftDown && KVX_Mouse.MouseIn(ax, ay, Width, Height, true)) {
        pressedRegister = Handle;
        KVX_PressReleased = 0;
        State = 2;
        if (ClickSound && !ClickLatch) {
            PlaySound(SoundFromHandle(ClickSound));
            ClickLatch = 1;
        }
    }
    if (KVX_Mouse.LeftReleased && pressedRegister == Handle) {
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
