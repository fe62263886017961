#include "dialogs/requester_layout.hpp"

#include "core/skin.hpp"
#include "dialogs/choice_buttons.hpp"
#include "dialogs/drive_list.hpp"
#include "dialogs/file_requester.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx {

RequesterLayout CreateRequesterLayout(const std::string& title, const std::string& confirmCaption, int fieldChars) {
    RequesterLayout r;
    r.Window = KVX_Window::Create(title, GraphicsWidth() / 2 - 200, GraphicsHeight() / 2 - 175, 400, 350, 0, 1, 0, 20);
    const ChoiceButtons buttons = CreateChoiceButtons(r.Window, confirmCaption, 290, 295);
    r.Confirm = buttons.Confirm;
    r.Cancel = buttons.Cancel;
    r.List = KVX_Listbox::Create(r.Window, 10, 35, 380, 12);
    KVX_Label::Create(r.Window, "Drives:", 10, 12, 1, KVX_SchemeColors.DialogText);
    r.Field = KVX_Input::Create(r.Window, "", 10, 270, fieldChars, 255);
    r.Drives = KVX_Combo::Create(r.Window, 70, 10, 320);
    r.Drives->AddItem(LastDirectory, "");
    FillDriveList(r.Drives);
    r.Drives->SelectItem(LastDirectory, 1);
    return r;
}

void TakeStartDirectory(const std::string& path) {
    if (!path.empty()) LastDirectory = path;
    if (LastDirectory.empty()) LastDirectory = CurrentDir();
}

}  // namespace kvx
