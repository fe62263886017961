#include "studio/design_reader.hpp"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/runtime.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"
#include "studio/designed_gadget.hpp"
#include "studio/kind_table.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/value_encoding.hpp"

namespace kvx::studio {
namespace {

// The entry whose section a header line opens, or none. Kinds the studio cannot make (tab panels,
// menus) open nothing: the lines after their header fall through as lines outside any section.
const KindDescription* KindOfHeader(const std::string& line) {
    static const std::vector<std::pair<std::string, const KindDescription*>> headers = [] {
        std::vector<std::pair<std::string, const KindDescription*>> list;
        for (const KindDescription* kind : Kinds()) {
            if (kind->Create) list.emplace_back(HeaderLine(kind->Word), kind);
        }
        return list;
    }();
    for (const auto& [header, kind] : headers) {
        if (line == header) return kind;
    }
    return nullptr;
}

// A section has a line per key of its kind, in any order; lines of other keys are skipped.
void ReadSectionLines(const StreamPtr& stream, const KindDescription& kind, DesignedGadget& record) {
    for (size_t i = 0; i < kind.Keys.size(); ++i) {
        const std::string line = ReadLine(stream);  // past the end: empty
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view text(line);
        const std::string_view key = text.substr(0, equals);
        for (const KeyFormat& format : kind.Keys) {
            if (key == format.Name && format.Read) format.Read(record, text.substr(equals + 1));
        }
    }
}

// Keeps a hand-edited file from asking for gadgets no surface can show.
void BoundSizes(DesignedGadget& r) {
    r.Px = std::clamp(r.Px, -kPositionLimit, kPositionLimit);
    r.Py = std::clamp(r.Py, -kPositionLimit, kPositionLimit);
    r.Tx = std::clamp(r.Tx, 0, kExtentLimit);
    r.Ty = std::clamp(r.Ty, 0, r.Info().HeightInLines ? kExtentLimit / std::max(1, KVX_LineHeight) : kExtentLimit);
    r.NumChar = std::clamp(r.NumChar, 0, kExtentLimit / CharWidth());
    r.MaxChar = std::clamp(r.MaxChar, 0, kTextLengthLimit);
}

// The live window of a handle, as LiveWindowOf finds it (the first designed window of that name),
// kept as an index so that a file of many sections loads in linear time.
class WindowIndex {
public:
    WindowIndex() {
        for (const DesignedGadgetRef& record : Design().DesignList) Add(*record);
    }
    void Add(const DesignedGadget& record) {
        if (record.Info().IsWindow)
            windows_.try_emplace(record.Handle, std::static_pointer_cast<KVX_Window>(record.Gadget));
    }
    std::shared_ptr<KVX_Window> Find(const std::string& handle) const {
        const auto it = windows_.find(handle);
        return it == windows_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<std::string, std::shared_ptr<KVX_Window>> windows_;
};

}  // namespace

void LoadDesignFrom(const std::string& path) {
    const StreamPtr stream = ReadFile(path);
    if (!stream) return;
    WindowIndex windows;
    int64_t area = 0;
    while (area < kLoadedAreaLimit && !Eof(stream)) {
        const KindDescription* kind = KindOfHeader(ReadLine(stream));
        if (!kind) continue;
        auto record = std::make_shared<DesignedGadget>();
        record->Kind = kind->Word;
        ReadSectionLines(stream, *kind, *record);
        BoundSizes(*record);
        ApplyFixedSize(*kind, record->Tx, record->Ty);
        if (!kind->IsWindow) record->ParentWindow = windows.Find(record->Parent);
        record->Gadget = kind->Create(*record);
        area += std::max(int64_t(record->Gadget->Width) * record->Gadget->Height, kGadgetAreaCharge);
        windows.Add(*record);
        ++Design().CounterOf(record->Kind);
        Design().DesignList.push_back(std::move(record));
    }
    CloseStream(stream);
}

}  // namespace kvx::studio
