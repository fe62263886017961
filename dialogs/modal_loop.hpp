#pragma once
// What every standard dialog shares: its own frame loop over the toolkit, and input held by its
// window for as long as it runs.
//
// Closing the application window (AppTerminate) while a dialog runs ends the dialog's loop at
// once; the dialog then answers as its Cancel button would (the message box with its highest
// button number), frees its window and allows activation again. The caller sees AppTerminate
// too and leaves through its own exit path.
#include <functional>

#include "gadgets/window.hpp"

namespace kvx {

// The keys every dialog answers: Escape as its Cancel (or No) button, Enter as its confirming one.
// Each is true in the frame the key was pressed.
bool CancelKeyPressed();
bool ConfirmKeyPressed();

class ModalSession {
public:
    // Bars window activation (KVX_ActivationAllowed = 0) until the session ends.
    explicit ModalSession(KVX_WindowRef window);
    ~ModalSession();  // frees the window, KVX_ActivationAllowed = 1
    ModalSession(const ModalSession&) = delete;
    ModalSession& operator=(const ModalSession&) = delete;

    // Frames of Cls, KVX_RefreshGui, `answered`, present and FlushMem until `answered` returns
    // true, each after KVX_WaitWhileIdle. False when the application window was closed first.
    bool Run(const std::function<bool()>& answered);
    // After a nested dialog ended: this window in front again, activation barred again.
    void Resume();
    const KVX_WindowRef& Window() const { return window_; }

private:
    KVX_WindowRef window_;
};

}  // namespace kvx
