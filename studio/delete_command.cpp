#include "studio/delete_command.hpp"

#include <string>
#include <unordered_set>

#include "design/tab_pages.hpp"
#include "studio/ask_path.hpp"
#include "studio/current_file.hpp"
#include "studio/selection.hpp"

namespace kvx::studio {

std::string DeleteQuestion(const std::vector<DesignedGadgetRef>& doomed) {
    std::vector<std::string> windows;
    size_t gadgets = 0;
    for (const DesignedGadgetRef& r : doomed) {
        if (r->Info().IsWindow) {
            windows.push_back(r->Handle);
        } else if (r->ParentWindow) {
            ++gadgets;
        }
    }
    if (windows.empty() || gadgets == 0) return "";
    const std::string count = std::to_string(gadgets) + (gadgets == 1 ? " gadget" : " gadgets");
    if (windows.size() == 1) return "Delete " + windows.front() + " and the " + count + " in it ?";
    return "Delete " + std::to_string(windows.size()) + " windows and the " + count + " in them ?";
}

void RemoveRecords(const std::vector<DesignedGadgetRef>& doomed) {
    std::unordered_set<const DesignedGadget*> gone;
    for (const DesignedGadgetRef& r : doomed) gone.insert(r.get());
    // Last first: a window's gadgets come after it in the list.
    for (auto r = doomed.rbegin(); r != doomed.rend(); ++r) {
        if ((*r)->Gadget) (*r)->Gadget->Free();
        (*r)->Gadget = nullptr;
    }
    std::erase_if(Design().DesignList, [&](const DesignedGadgetRef& r) { return gone.contains(r.get()); });
    // The gadgets of a deleted tab panel stay, in its window.
    RejoinTabs(Design().DesignList);
    DropRecordsNotInDesign();
    NoteDesignChange();
}

bool DeleteSelection() {
    const std::vector<DesignedGadgetRef> doomed = SelectionWithWindowGadgets();
    if (doomed.empty()) return false;
    const std::string question = DeleteQuestion(doomed);
    if (!question.empty() && AskUser("Delete", question, kYesNo, kAskIcon) != kYesAnswer) return false;
    RemoveRecords(doomed);
    return true;
}

}  // namespace kvx::studio
