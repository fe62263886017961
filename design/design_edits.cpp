#include "design/design_edits.hpp"

#include "design/kind_table.hpp"
#include "design/tab_pages.hpp"
#include "gadgets/window.hpp"

namespace kvx::studio {
namespace {

bool HandleUsed(const std::string& handle, const DesignedGadget* except) {
    for (const DesignedGadgetRef& other : Design().DesignList) {
        if (other.get() != except && other->Handle == handle) return true;
    }
    return false;
}

}  // namespace

std::string HandleProblem(const DesignedGadget& record, const std::string& handle) {
    if (handle.empty()) return "empty";
    if (HandleUsed(handle, &record)) return "in use";
    return "";
}

void Rename(DesignedGadget& record, const std::string& handle) {
    if (IsTabPanel(record)) {
        for (const DesignedGadgetRef& other : Design().DesignList) {
            if (other->TabPanel == record.Handle && other->ParentWindow == record.ParentWindow) other->TabPanel = handle;
        }
    }
    if (record.Info().IsWindow) {
        for (const DesignedGadgetRef& other : Design().DesignList) {
            if (other->ParentWindow.get() == record.Gadget.get()) other->Parent = handle;
        }
    }
    record.Handle = handle;
}

std::string FreshHandle(const std::string& kindWord) {
    return FreshHandle(kindWord, [](const std::string& handle) { return HandleUsed(handle, nullptr); });
}

std::string FreshHandle(const std::string& kindWord, const std::function<bool(const std::string&)>& used) {
    int32_t& counter = Design().CounterOf(kindWord);
    std::string handle = kindWord + std::to_string(counter);
    while (used(handle)) handle = kindWord + std::to_string(++counter);
    ++counter;
    return handle;
}

}  // namespace kvx::studio
