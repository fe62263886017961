#include "studio/edit_history.hpp"

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "platform/files.hpp"
#include "studio/current_file.hpp"
#include "studio/selection.hpp"
#include "studio/studio_state.hpp"

namespace kvx::studio {
namespace {

using Section = std::shared_ptr<const std::string>;

struct Step {
    std::vector<Section> Sections;
    std::array<int32_t, kKindCount> Counters{};
    uint64_t Revision = 0;
};

struct History {
    std::deque<Step> Steps;
    size_t Current = 0;
};

History& TheHistory() {
    static History history;
    return history;
}

// The design now, sharing every section that the step before holds already: most edits change
// one or a few records of many.
Step TakeStep(const Step* before) {
    std::unordered_map<std::string_view, Section> known;
    if (before) {
        for (const Section& section : before->Sections) known.emplace(*section, section);
    }
    Step step;
    const auto& list = Design().DesignList;
    step.Sections.reserve(list.size());
    for (const DesignedGadgetRef& record : list) {
        std::string text = SectionText(*record);
        const auto found = known.find(text);
        step.Sections.push_back(found != known.end() ? found->second
                                                     : std::make_shared<const std::string>(std::move(text)));
    }
    step.Counters = Design().HandleCounters;
    step.Revision = DesignRevision();
    return step;
}

bool SameDesign(const Step& a, const Step& b) {
    if (a.Counters != b.Counters || a.Sections.size() != b.Sections.size()) return false;
    for (size_t i = 0; i < a.Sections.size(); ++i) {
        if (a.Sections[i] != b.Sections[i] && *a.Sections[i] != *b.Sections[i]) return false;
    }
    return true;
}

std::vector<std::string> SelectedHandles() {
    std::vector<std::string> handles;
    for (const DesignedGadgetRef& r : Selection()) {
        if (r != State().Selected) handles.push_back(r->Handle);
    }
    if (State().Selected) handles.push_back(State().Selected->Handle);  // last: shown in the editor
    return handles;
}

void Reselect(const std::vector<std::string>& handles) {
    std::unordered_map<std::string, DesignedGadgetRef> byHandle;
    for (const DesignedGadgetRef& r : Design().DesignList) byHandle.emplace(r->Handle, r);
    std::vector<DesignedGadgetRef> records;
    for (const std::string& handle : handles) {
        if (const auto it = byHandle.find(handle); it != byHandle.end()) records.push_back(it->second);
    }
    SelectRecords(records);
}

// The design made again from the step's bytes, the selection kept by handle where it can be.
void Restore(const Step& step) {
    std::string bytes = DesignBanner();
    for (const Section& section : step.Sections) bytes += *section;
    DesignRecords read = ReadDesignRecords(OpenMemoryStream(std::vector<uint8_t>(bytes.begin(), bytes.end())));
    const std::vector<std::string> selected = SelectedHandles();
    State().Dragging = 0;
    std::vector<DesignedGadgetRef>& list = Design().DesignList;
    FreeLiveGadgets(list, 0);
    list = std::move(read.Records);
    // The step was a design the studio held, within the budget then as now.
    MakeLiveGadgets(list, 0, LiveUse::Designer);
    Design().HandleCounters = step.Counters;
    RestoreRevision(step.Revision);
    Reselect(selected);
}

}  // namespace

void StartHistory() {
    History& h = TheHistory();
    h.Steps.clear();
    h.Steps.push_back(TakeStep(nullptr));
    h.Current = 0;
}

void RecordFinishedEdit() {
    History& h = TheHistory();
    if (h.Steps.empty()) StartHistory();
    Step& current = h.Steps[h.Current];
    if (DesignRevision() == current.Revision) return;
    Step step = TakeStep(&current);
    if (SameDesign(step, current)) {
        // Changed and changed back: the state is the step's, saved or not as it was.
        RestoreRevision(current.Revision);
        return;
    }
    h.Steps.resize(h.Current + 1);  // what was undone cannot be redone after a new edit
    h.Steps.push_back(std::move(step));
    if (h.Steps.size() > kUndoSteps + 1) h.Steps.pop_front();
    h.Current = h.Steps.size() - 1;
}

bool CanUndo() { return TheHistory().Current > 0; }
bool CanRedo() { return TheHistory().Current + 1 < TheHistory().Steps.size(); }

bool Undo() {
    RecordFinishedEdit();
    if (!CanUndo()) return false;
    History& h = TheHistory();
    Restore(h.Steps[--h.Current]);
    return true;
}

bool Redo() {
    RecordFinishedEdit();
    if (!CanRedo()) return false;
    History& h = TheHistory();
    Restore(h.Steps[++h.Current]);
    return true;
}

size_t HistoryBytes() {
    std::unordered_map<const std::string*, size_t> counted;
    size_t bytes = 0;
    for (const Step& step : TheHistory().Steps) {
        bytes += sizeof(Step) + step.Sections.capacity() * sizeof(Section);
        for (const Section& section : step.Sections) {
            if (counted.emplace(section.get(), section->size()).second)
                bytes += section->capacity() + sizeof(std::string);
        }
    }
    return bytes;
}

}  // namespace kvx::studio
