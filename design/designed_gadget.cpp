#include "design/designed_gadget.hpp"

#include "core/skin.hpp"
#include "design/kind_table.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {

DesignState& Design() {
    static DesignState state;
    return state;
}

int32_t SkinButtonHeight() {
    static int32_t height = 0;
    if (height == 0) height = ImageHeight(LoadImage(SkinPath("Button_left_hi.png")));
    return height;
}

int32_t& DesignState::CounterOf(const std::string& kind) {
    const KindDescription* entry = FindKind(kind);
    return HandleCounters[entry ? KindIndex(*entry) : 0];
}

const KindDescription& DesignedGadget::Info() const {
    // A record is only ever made for a kind of the table; the first entry stands in otherwise.
    const KindDescription* entry = FindKind(Kind);
    return entry ? *entry : *Kinds().front();
}

std::string WindowHandleOf(const KVX_Gadget* liveGadget) {
    if (!liveGadget) return "";
    for (const DesignedGadgetRef& record : Design().DesignList) {
        if (record->Info().IsWindow && record->Gadget.get() == liveGadget) return record->Handle;
    }
    return "";
}

std::shared_ptr<KVX_Window> LiveWindowOf(const std::string& handle) {
    for (const DesignedGadgetRef& record : Design().DesignList) {
        if (record->Info().IsWindow && record->Handle == handle) {
            return std::static_pointer_cast<KVX_Window>(record->Gadget);
        }
    }
    return nullptr;
}

}  // namespace kvx::studio
