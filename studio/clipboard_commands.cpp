#include "studio/clipboard_commands.hpp"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/mouse.hpp"
#include "design/design_edits.hpp"
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "gadgets/gui.hpp"
#include "platform/platform.hpp"
#include "studio/current_file.hpp"
#include "studio/delete_command.hpp"
#include "studio/placement.hpp"
#include "studio/preferences.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

DesignedGadgetRef DesignWindowUnderPointer() {
    const KVX_WindowRef under = KVX_ActiveWindowAt(false);
    if (!under) return nullptr;
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Info().IsWindow && r->Gadget == under) return r;
    }
    return nullptr;
}

bool HasWindowNamed(const std::string& handle) {
    for (const DesignedGadgetRef& r : Design().DesignList) {
        if (r->Info().IsWindow && r->Handle == handle) return true;
    }
    return false;
}

// Fresh handles, and the copies of windows' gadgets following their window's new name.
// The records that stand on their own (not inside a pasted window) are returned.
std::vector<DesignedGadgetRef> Rehome(std::vector<DesignedGadgetRef>& records, const DesignedGadgetRef& into) {
    std::unordered_set<std::string> used;
    for (const DesignedGadgetRef& r : Design().DesignList) used.insert(r->Handle);
    const auto taken = [&](const std::string& handle) { return used.contains(handle); };
    std::unordered_map<std::string, std::string> pastedWindows;  // the copied name, the new one
    std::vector<DesignedGadgetRef> standing;
    for (DesignedGadgetRef& r : records) {
        const std::string handle = FreshHandle(r->Kind, taken);
        used.insert(handle);
        if (r->Info().CaptionIsHandle && r->Caption == r->Handle) r->Caption = handle;
        const bool isWindow = r->Info().IsWindow;
        const auto window = isWindow ? pastedWindows.end() : pastedWindows.find(r->Parent);
        if (isWindow) pastedWindows[r->Handle] = handle;
        r->Handle = handle;
        if (!isWindow && window != pastedWindows.end()) {
            r->Parent = window->second;  // where it was in its window
            continue;
        }
        if (!isWindow && (into || !HasWindowNamed(r->Parent))) r->Parent = into ? into->Handle : "";
        r->Px += Prefs().GridStep;
        r->Py += Prefs().GridStep;
        standing.push_back(r);
    }
    return standing;
}

}  // namespace

std::string SelectionText() { return DesignText(SelectionWithWindowGadgets()); }

void CopySelection() {
    if (!Selection().empty()) SetClipboardText(SelectionText());
}

void CutSelection() {
    if (Selection().empty()) return;
    CopySelection();
    RemoveRecords(SelectionWithWindowGadgets());
}

void PasteClipboard() {
    DesignedGadgetRef into = DesignWindowUnderPointer();
    if (!into && State().Selected) into = WindowRecordOf(*State().Selected);
    PasteText(ClipboardText(), into);
}

void DuplicateSelection() {
    if (!Selection().empty()) PasteText(SelectionText(), nullptr);
}

size_t PasteText(const std::string& text, const DesignedGadgetRef& into) {
    DesignRecords read = ReadDesignRecords(OpenMemoryStream(std::vector<uint8_t>(text.begin(), text.end())));
    if (!read.Error.empty() || read.Records.empty()) return 0;
    const auto counters = Design().HandleCounters;
    const std::vector<DesignedGadgetRef> standing = Rehome(read.Records, into);
    std::vector<DesignedGadgetRef>& list = Design().DesignList;
    const size_t first = list.size();
    list.insert(list.end(), read.Records.begin(), read.Records.end());
    if (!MakeLiveGadgets(list, first, LiveUse::Designer)) {
        list.resize(first);
        Design().HandleCounters = counters;
        return 0;
    }
    SelectRecords(standing);
    NoteDesignChange();
    return read.Records.size();
}

}  // namespace kvx::studio
