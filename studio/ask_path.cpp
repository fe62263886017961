#include "studio/ask_path.hpp"

#include "dialogs/file_requester.hpp"

namespace kvx::studio {

std::string AskDesignPath(const std::string& title, const std::string& filters, const std::string& ext, int save) {
    return KVX_FileRequester(title, "", filters, ext, uint8_t(save));
}

}  // namespace kvx::studio
