#include "studio/forced_size.hpp"

#include "core/runtime.hpp"
#include "studio/designed_gadget.hpp"

namespace kvx::studio {

void ApplyForcedSize(const std::string& kind, int32_t& w, int32_t& h) {
    if (kind == "Checkbox") w = h = 16;
    if (kind == "Button") h = Design().ButtonSkinHeight;
    if (kind == "Combobox") h = 20;
    if (kind == "Inputbox" || kind == "Value") h = KVX_LineHeight + 1;
    if (kind == "Labeltext") w = h = KVX_LineHeight;
}

}  // namespace kvx::studio
