#include "studio/ask_path.hpp"

#include "dialogs/file_requester.hpp"
#include "dialogs/message_box.hpp"
#include "studio/preferences.hpp"

namespace kvx::studio {

std::string AskDesignPath(const std::string& title, const std::string& filters, const std::string& ext, int save) {
    return KVX_FileRequester(title, Prefs().RequesterFolder, filters, ext, uint8_t(save));
}

int32_t AskUser(const std::string& title, const std::string& text, uint8_t buttons, int32_t icon) {
    return KVX_MessageBox(title, text, buttons, icon);
}

}  // namespace kvx::studio
