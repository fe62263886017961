#include "design/design_reader.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/runtime.hpp"
#include "design/design_edits.hpp"
#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/tab_pages.hpp"
#include "design/value_encoding.hpp"
#include "gadgets/window.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

// The entry whose section a header line opens, or none: the lines after an unknown header fall
// through as lines outside any section.
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

// A line of the file, cut at the length limit; the rest of a longer one is skipped, not read as
// lines of its own.
void ReadDesignLine(const StreamPtr& stream, std::string& line) {
    if (ReadLine(stream, line, kLineLengthLimit)) return;
    std::string rest;
    while (!Eof(stream) && !ReadLine(stream, rest, kLineLengthLimit)) {
    }
}

// A section has a line per key of its kind, in any order; lines of other keys are skipped. A
// header ends a short section early and is handed back in `next`.
void ReadSectionLines(const StreamPtr& stream, std::span<const KeyFormat> keys, DesignedGadget& record,
                      std::optional<std::string>& next) {
    for (size_t i = 0; i < keys.size(); ++i) {
        std::string line;
        ReadDesignLine(stream, line);  // past the end: empty
        if (line.starts_with('[')) {
            next = std::move(line);
            return;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string_view text(line);
        const std::string_view key = text.substr(0, equals);
        for (const KeyFormat& format : keys) {
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
    // The windows of the list before the records now being made.
    WindowIndex(const std::vector<DesignedGadgetRef>& list, size_t count) {
        for (size_t i = 0; i < count; ++i) Add(*list[i]);
    }
    void Add(const DesignedGadget& record) {
        if (record.Info().IsWindow) {
            windows_.try_emplace(record.Handle, std::static_pointer_cast<KVX_Window>(record.Gadget));
        }
    }
    std::shared_ptr<KVX_Window> Find(const std::string& handle) const {
        const auto it = windows_.find(handle);
        return it == windows_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<std::string, std::shared_ptr<KVX_Window>> windows_;
};

const char* const kBannerMark = ";KVX Studio File";

std::string Megabytes(int64_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

// Why the file at path cannot be read as a design, before reading it; "" when it can be tried.
std::string FileProblem(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return "does not exist";
    if (fs::is_directory(status)) return "is a folder";
    // A pipe or a device would never end, or never answer.
    if (!fs::is_regular_file(status)) return "is not a regular file";
    if (FileSize(path) > kFileSizeLimit) return "is larger than " + Megabytes(kFileSizeLimit);
    return "";
}

// Records join the design under handles of their own: one taken already (the same file opened
// twice) gets the next free one of its kind, and a renamed window's gadgets follow it.
void AppendWithOwnHandles(std::vector<DesignedGadgetRef> records) {
    std::unordered_set<std::string> used;
    for (const DesignedGadgetRef& record : Design().DesignList) used.insert(record->Handle);
    const auto taken = [&](const std::string& handle) { return used.contains(handle); };
    std::unordered_map<std::string, std::string> renamedWindows, renamedPanels;  // panels by "<window>\n<handle>"
    const auto panelKey = [](const DesignedGadget& r, const std::string& handle) { return r.Parent + "\n" + handle; };
    for (DesignedGadgetRef& record : records) {
        const KindDescription& kind = record->Info();
        if (!kind.IsWindow) {
            if (const auto it = renamedWindows.find(record->Parent); it != renamedWindows.end()) {
                record->Parent = it->second;
            }
        }
        if (const auto it = renamedPanels.find(panelKey(*record, record->TabPanel)); it != renamedPanels.end()) {
            record->TabPanel = it->second;
        }
        if (!record->Handle.empty() && !taken(record->Handle)) {
            ++Design().CounterOf(record->Kind);
        } else {
            const std::string handle = FreshHandle(record->Kind, taken);
            if (kind.IsWindow) renamedWindows[record->Handle] = handle;
            if (IsTabPanel(*record)) renamedPanels[panelKey(*record, record->Handle)] = handle;
            record->Handle = handle;
        }
        used.insert(record->Handle);
        Design().DesignList.push_back(std::move(record));
    }
}

// What the pictures of the records from `first` on will take at least: each kind draws its box
// once per distinct size, and gadgets of one kind and size share their pictures.
int64_t LeastPictureBytes(const std::vector<DesignedGadgetRef>& list, size_t first) {
    constexpr int64_t kBytesPerPixel = 4;
    std::unordered_set<std::string> sizes;
    int64_t bytes = 0;
    for (size_t i = first; i < list.size(); ++i) {
        const DesignedGadget& r = *list[i];
        const int64_t height = r.Info().HeightInLines ? int64_t(r.Ty) * KVX_LineHeight : r.Ty;
        if (sizes.insert(r.Kind + ":" + std::to_string(r.Tx) + "x" + std::to_string(height)).second) {
            bytes += kBytesPerPixel * r.Tx * height;
        }
    }
    return bytes;
}

}  // namespace

void FreeLiveGadgets(std::vector<DesignedGadgetRef>& list, size_t first) {
    for (size_t i = list.size(); i-- > first;) {
        if (list[i]->Gadget) list[i]->Gadget->Free();
        list[i]->Gadget = nullptr;
    }
}

bool MakeLiveGadgets(std::vector<DesignedGadgetRef>& list, size_t first, LiveUse use) {
    constexpr size_t kCheckEvery = 64;
    constexpr int64_t kLargeGadgetPixels = int64_t(256) * 256;
    // Refused before anything is made when the pictures alone would pass the budget.
    if (LeastPictureBytes(list, first) > kLoadMemoryLimit) return false;
    WindowIndex windows(list, first);
    const int64_t before = MemAlloced();
    const auto withinBudget = [&] { return MemAlloced() - before <= kLoadMemoryLimit; };
    for (size_t i = first; i < list.size(); ++i) {
        DesignedGadget& record = *list[i];
        if (!record.Info().IsWindow) record.ParentWindow = windows.Find(record.Parent);
        record.Gadget = CreateLive(record, use);
        windows.Add(record);
        // A large gadget is weighed at once: a few of them could pass the budget between checks.
        const bool large = int64_t(record.Tx) * record.Ty >= kLargeGadgetPixels;
        if ((large || (i - first) % kCheckEvery == 0) && !withinBudget()) {
            FreeLiveGadgets(list, first);
            return false;
        }
    }
    if (!withinBudget()) {
        FreeLiveGadgets(list, first);
        return false;
    }
    RejoinTabs(list);
    return true;
}

std::string OverBudgetReason() { return "needs more than " + Megabytes(kLoadMemoryLimit) + " for its gadgets"; }

DesignRecords ReadDesignFile(const std::string& path) {
    DesignRecords read;
    read.Error = FileProblem(path);
    if (!read.Error.empty()) return read;
    const StreamPtr stream = ReadFile(path);
    if (!stream) {
        read.Error = FileType(path) == kFileRegular ? "cannot be read" : "is not a regular file";
        return read;
    }
    read = ReadDesignRecords(stream);
    const bool failed = StreamFailed(stream);
    CloseStream(stream);
    if (failed) read.Error = "cannot be read";
    if (!read.Error.empty()) read.Records.clear();
    return read;
}

DesignRecords ReadDesignRecords(const StreamPtr& stream) {
    DesignRecords result;
    bool banner = false;
    std::string line;
    DesignedGadget* lastRead = nullptr;  // the record of the section just read, if any
    std::optional<std::string> next;     // a header that ended the section before
    while (next || !Eof(stream)) {
        if (next) {
            line = std::move(*next);
            next.reset();
        } else {
            ReadDesignLine(stream, line);
        }
        banner = banner || line.starts_with(kBannerMark);
        if (line == kTabPageHeader && lastRead) {
            ReadSectionLines(stream, TabPageKeys(), *lastRead, next);
            lastRead = nullptr;
            continue;
        }
        const KindDescription* kind = KindOfHeader(line);
        if (line.starts_with('[')) lastRead = nullptr;
        if (!kind) continue;
        if (result.Records.size() == kRecordLimit) {
            result.Error = "holds more than " + std::to_string(kRecordLimit) + " gadgets";
            result.Records.clear();
            return result;
        }
        auto record = std::make_shared<DesignedGadget>();
        record->Kind = kind->Word;
        ReadSectionLines(stream, kind->Keys, *record, next);
        BoundSizes(*record);
        ApplyFixedSize(*kind, record->Tx, record->Ty);
        lastRead = record.get();
        result.Records.push_back(std::move(record));
    }
    // A file the studio wrote opens with its banner; one with neither banner nor section is some
    // other kind of file.
    if (result.Records.empty() && !banner && StreamSize(stream) > 0) result.Error = "is not a Korvex design";
    return result;
}

DesignLoad LoadDesignFrom(const std::string& path, LoadMode mode) {
    DesignLoad load;
    DesignRecords read = ReadDesignFile(path);
    if (!read.Error.empty()) {
        load.Error = read.Error;
        return load;
    }
    std::vector<DesignedGadgetRef>& list = Design().DesignList;
    const auto counters = Design().HandleCounters;
    std::vector<DesignedGadgetRef> previous;
    if (mode == LoadMode::Replace) {
        previous = std::move(list);
        list.clear();
        Design().ResetCounters();
    }
    const size_t first = list.size();
    AppendWithOwnHandles(std::move(read.Records));
    if (!MakeLiveGadgets(list, first, LiveUse::Designer)) {
        list.resize(first);
        Design().HandleCounters = counters;
        if (mode == LoadMode::Replace) list = std::move(previous);
        load.Error = OverBudgetReason();
        return load;
    }
    for (const DesignedGadgetRef& record : previous) {
        if (record->Gadget) record->Gadget->Free();
    }
    load.Ok = true;
    load.Added = list.size() - first;
    return load;
}

}  // namespace kvx::studio
