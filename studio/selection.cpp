#include "studio/selection.hpp"

#include <algorithm>
#include <unordered_set>

#include "gadgets/window.hpp"
#include "studio/property_editor.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

void ShowPrimary(const DesignedGadgetRef& record) {
    StudioState& s = State();
    if (record != s.Selected) ShowInEditor(record.get());
    s.Selected = record;
}

}  // namespace

const std::vector<DesignedGadgetRef>& Selection() { return State().Selection; }

bool IsSelected(const DesignedGadget& record) {
    const auto& all = Selection();
    return std::any_of(all.begin(), all.end(), [&](const DesignedGadgetRef& r) { return r.get() == &record; });
}

void SelectOnly(const DesignedGadgetRef& record) {
    State().Selection.clear();
    if (record) State().Selection.push_back(record);
    ShowPrimary(record);
}

void AddToSelection(const DesignedGadgetRef& record) {
    if (!record) return;
    if (!IsSelected(*record)) State().Selection.push_back(record);
    ShowPrimary(record);
}

void RemoveFromSelection(const DesignedGadgetRef& record) {
    std::erase(State().Selection, record);
    if (State().Selected == record) ShowPrimary(Selection().empty() ? nullptr : Selection().back());
}

void SelectRecords(const std::vector<DesignedGadgetRef>& records) {
    State().Selection = records;
    ShowPrimary(records.empty() ? nullptr : records.back());
}

void DropRecordsNotInDesign() {
    const auto& list = Design().DesignList;
    const std::unordered_set<const DesignedGadget*> present = [&] {
        std::unordered_set<const DesignedGadget*> set;
        for (const DesignedGadgetRef& r : list) set.insert(r.get());
        return set;
    }();
    std::vector<DesignedGadgetRef> kept;
    for (const DesignedGadgetRef& r : Selection()) {
        if (present.contains(r.get())) kept.push_back(r);
    }
    const DesignedGadgetRef primary = State().Selected && present.contains(State().Selected.get())
                                          ? State().Selected
                                          : (kept.empty() ? nullptr : kept.back());
    State().Selection = std::move(kept);
    ShowPrimary(primary);
}

std::vector<DesignedGadgetRef> SelectionWithWindowGadgets() {
    std::unordered_set<const KVX_Gadget*> windows;
    std::unordered_set<const DesignedGadget*> selected;
    for (const DesignedGadgetRef& r : Selection()) {
        selected.insert(r.get());
        if (r->Info().IsWindow && r->Gadget) windows.insert(r->Gadget.get());
    }
    std::vector<DesignedGadgetRef> taken;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        const bool inWindow = !r->Info().IsWindow && r->ParentWindow && windows.contains(r->ParentWindow.get());
        if (inWindow || selected.contains(r.get())) taken.push_back(r);
    }
    return taken;
}

DesignedGadgetRef WindowRecordOf(const DesignedGadget& record) {
    const KVX_Gadget* window =
        record.Info().IsWindow ? record.Gadget.get() : static_cast<const KVX_Gadget*>(record.ParentWindow.get());
    if (!window) return nullptr;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Info().IsWindow && r->Gadget.get() == window) return r;
    }
    return nullptr;
}

}  // namespace kvx::studio
