#include "dialogs/file_requester.hpp"

#include "core/focus.hpp"
#include "core/mouse.hpp"
#include "dialogs/message_box.hpp"
#include "dialogs/modal_loop.hpp"
#include "dialogs/path_text.hpp"
#include "dialogs/requester_layout.hpp"
#include "dialogs/text_pieces.hpp"
#include "platform/files.hpp"

namespace kvx {

std::string LastDirectory;
std::string LastFilter = ".*";

void FillFilterList(const KVX_ComboRef& combo, std::string filters, const std::string& selected) {
    for (const std::string& piece : SplitPieces(std::move(filters))) combo->AddItem(piece, "");
    combo->SelectItem(selected, 1);
}

std::string KVX_FileRequester(const std::string& title, const std::string& path, const std::string& filters,
                              const std::string& defaultFilter, uint8_t save) {
    TakeStartDirectory(path);
    std::string chosen, result;
    RequesterLayout r = CreateRequesterLayout(title, save == 1 ? "Save" : "Open", 35);
    const KVX_ComboRef filterSelector = KVX_Combo::Create(r.Window, 300, 270, 90);
    FillFilterList(filterSelector, filters, defaultFilter);
    std::string filter = filterSelector->SelectedText;

    ModalSession session(r.Window);
    ListDirectory(LastDirectory, r.List, LastFilter, 0);
    // The working directory, not the argument: a relative path must not be entered twice.
    std::string curDir = CurrentDir();
    r.Window->Activate();
    // A name can be typed at once, as in any file dialog.
    KVX_TakeFocus(*r.Field);

    const auto forgetChoice = [&] {
        chosen.clear();
        r.Field->Text.clear();
    };
    const auto keepPlace = [&] {
        LastDirectory = CurrentDir();
        LastFilter = filter;
    };
    const bool answered = session.Run([&] {
        const std::string sel = r.List->SelectedText, drive = r.Drives->SelectedText;
        filter = filterSelector->SelectedText;
        if (KVX_Mouse.LeftReleased == 1 && !sel.empty()) {
            if (FileType(sel) == kFileDirectory) {
                ListDirectory(JoinPath(curDir, sel), r.List, filter, 0);
                curDir = CurrentDir();
                forgetChoice();
            } else if (FileType(sel) == kFileRegular && sel != chosen) {
                // Not after entering a directory: its own entry of the same name was never picked.
                chosen = sel;
                curDir = WithTrailingSlash(curDir);
                r.Field->Text = sel;
            }
        }
        if (drive != LastDirectory) {
            curDir = ListDirectory(drive, r.List, filter, 0) ? drive : CurrentDir();
            LastDirectory = drive;
            forgetChoice();
        }
        if (filter != LastFilter) {
            ListDirectory(curDir, r.List, filter, 0);
            LastFilter = filter;
            forgetChoice();
        }
        if (r.Cancel->Clicked() || CancelKeyPressed()) {
            keepPlace();
            return true;
        }
        if (r.Confirm->Clicked() || ConfirmKeyPressed()) {
            const std::string& typed = r.Field->Text;
            if (chosen.empty() && typed.empty()) {
                KVX_MessageBox("Alert", "You must select a file before validate !", 1, 2);
                session.Resume();
                return false;
            }
            const std::string dir = WithTrailingSlash(CurrentDir());
            // An emptied field in save mode keeps the picked name rather than naming the directory.
            const bool typedWins = save == 1 && !typed.empty() && typed != chosen;
            const std::string name = typedWins || chosen.empty() ? typed : chosen;
            // A typed path from the root names its own folder.
            result = name.starts_with('/') ? name : dir + name;
            LastDirectory = dir;
            LastFilter = filter;
            return true;
        }
        return false;
    });
    if (!answered) keepPlace();
    return result;
}

}  // namespace kvx
