#include "dialogs/path_requester.hpp"

#include "core/mouse.hpp"
#include "dialogs/file_requester.hpp"
#include "dialogs/message_box.hpp"
#include "dialogs/modal_loop.hpp"
#include "dialogs/path_text.hpp"
#include "dialogs/requester_layout.hpp"
#include "platform/files.hpp"

namespace kvx {

std::string KVX_PathRequester(const std::string& title, const std::string& path) {
    TakeStartDirectory(path);
    std::string result;
    RequesterLayout r = CreateRequesterLayout(title, "Select", 47);

    ModalSession session(r.Window);
    ListDirectory(LastDirectory, r.List, LastFilter, 1);
    // The working directory, not the argument: a relative path must not be entered twice.
    std::string curDir = CurrentDir();
    r.Window->Activate();

    const bool answered = session.Run([&] {
        const std::string sel = r.List->SelectedText, drive = r.Drives->SelectedText;
        // Typing into the field has no lasting effect: it always shows where the list is.
        r.Field->Text = curDir;
        if (KVX_Mouse.LeftReleased == 1 && !sel.empty() && FileType(sel) == kFileDirectory) {
            ListDirectory(JoinPath(curDir, sel), r.List, ".*", 1);
            curDir = CurrentDir();
        }
        if (drive != LastDirectory) {
            curDir = ListDirectory(drive, r.List, ".*", 1) ? drive : CurrentDir();
            LastDirectory = drive;
        }
        if (r.Cancel->Clicked() || CancelKeyPressed()) {
            LastDirectory = CurrentDir();
            return true;
        }
        if (r.Confirm->Clicked() || ConfirmKeyPressed()) {
            if (curDir.empty()) {
                KVX_MessageBox("Alert", "You must select a path before validate !", 1, 2);
                session.Resume();
                return false;
            }
            result = WithTrailingSlash(curDir);
            LastDirectory = CurrentDir();
            return true;
        }
        return false;
    });
    if (!answered) LastDirectory = CurrentDir();
    return result;
}

}  // namespace kvx
