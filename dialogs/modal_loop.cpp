#include "dialogs/modal_loop.hpp"

#include "core/frame_pacing.hpp"
#include "gadgets/combo.hpp"
#include "gadgets/gui.hpp"
#include "gadgets/menu.hpp"
#include "platform/platform.hpp"

namespace kvx {

bool CancelKeyPressed() { return KeyHit(KEY_ESCAPE) > 0; }
bool ConfirmKeyPressed() { return KeyHit(KEY_ENTER) > 0; }

ModalSession::ModalSession(KVX_WindowRef window) : window_(std::move(window)) {
    KVX_ActivationAllowed = 0;
    // An open drop-down or menu would hold the mouse the dialog needs.
    KVX_Combo::CloseAll();
    CloseAllMenus(1);
}

ModalSession::~ModalSession() {
    if (window_) window_->Free();
    KVX_ActivationAllowed = 1;
}

bool ModalSession::Run(const std::function<bool()>& answered) {
    for (;;) {
        KVX_WaitWhileIdle();
        if (AppTerminate()) return false;
        Cls();
        KVX_RefreshGui();
        const bool done = answered();
        zglSwapBuffers();
        FlushMem();
        if (done) return true;
    }
}

void ModalSession::Resume() {
    window_->Activate();
    KVX_ActivationAllowed = 0;
}

}  // namespace kvx
