#include "studio/designed_gadget.hpp"

#include <algorithm>

#include "gadgets/window.hpp"

namespace kvx::studio {

DesignState& Design() {
    static DesignState state;
    return state;
}

int32_t& DesignState::CounterOf(const std::string& kind) {
    const auto it = std::find(kKindWords.begin(), kKindWords.end(), kind);
    return HandleCounters[size_t(it == kKindWords.end() ? 0 : it - kKindWords.begin())];
}

std::string WindowHandleOf(const KVX_Gadget* liveGadget) {
    if (!liveGadget) return "";
    for (const DesignedGadgetRef& record : Design().DesignList) {
        if (record->Kind == "Window" && record->Gadget.get() == liveGadget) return record->Handle;
    }
    return "";
}

std::shared_ptr<KVX_Window> LiveWindowOf(const std::string& handle) {
    for (const DesignedGadgetRef& record : Design().DesignList) {
        if (record->Kind == "Window" && record->Handle == handle) {
            return std::static_pointer_cast<KVX_Window>(record->Gadget);
        }
    }
    return nullptr;
}

}  // namespace kvx::studio
