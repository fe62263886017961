#include "design/design_loader.hpp"

#include "design/design_reader.hpp"

namespace kvx {

KVX_GadgetRef KVX_LoadedDesign::Find(std::string_view handle) const {
    const auto it = index_.find(std::string(handle));
    return it == index_.end() ? nullptr : gadgets_[it->second].second;
}

void KVX_LoadedDesign::Free() {
    // Children go with their window; what is left are gadgets outside any window.
    for (auto it = gadgets_.rbegin(); it != gadgets_.rend(); ++it) {
        if (!it->second->ParentGadget()) it->second->Free();
    }
    gadgets_.clear();
    index_.clear();
}

KVX_LoadedDesign KVX_LoadDesign(const std::string& path) {
    KVX_LoadedDesign loaded;
    studio::DesignRecords read = studio::ReadDesignFile(path);
    if (read.Error.empty() && !studio::MakeLiveGadgets(read.Records, 0, studio::LiveUse::Application)) {
        read.Error = studio::OverBudgetReason();
    }
    if (!read.Error.empty()) {
        loaded.error_ = path + " " + read.Error;
        return loaded;
    }
    for (const studio::DesignedGadgetRef& record : read.Records) {
        loaded.index_.try_emplace(record->Handle, loaded.gadgets_.size());
        loaded.gadgets_.emplace_back(record->Handle, record->Gadget);
    }
    loaded.ok_ = true;
    loaded.error_.clear();
    return loaded;
}

}  // namespace kvx
