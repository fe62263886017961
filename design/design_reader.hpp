#pragma once
// Reading a .kvx file back: every section it recognises becomes a record with its live gadget,
// appended to the DesignList; a file that cannot be loaded whole adds nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "design/designed_gadget.hpp"
#include "platform/files.hpp"

namespace kvx::studio {

// Sizes a hand-edited file may give; beyond them a gadget could not sensibly appear on a surface
// and its pictures would only exhaust memory. Positions keep their sign.
inline constexpr int32_t kPositionLimit = 16384;    // |Px|, |Py|
inline constexpr int32_t kExtentLimit = 4096;       // Tx, Ty, and what NumChar and LineNumber span, in pixels
inline constexpr int32_t kTextLengthLimit = 65536;  // MaxChar
inline constexpr int32_t kNumberLimit = 1 << 24;    // |Value|, |Minimum|, |Maximum|, |Increment|: exact as floats
// What a design may cost, far beyond what anyone designs on a screen: files past these limits
// are refused whole. Memory is what the live gadgets really take (pictures of the same size are
// shared), so ten thousand gadgets cost tens of megabytes, not hundreds.
inline constexpr int64_t kFileSizeLimit = int64_t(256) << 20;
inline constexpr size_t kRecordLimit = 250000;
inline constexpr int64_t kLoadMemoryLimit = int64_t(1) << 30;
// Lines longer than this are cut: no key of the format needs more.
inline constexpr size_t kLineLengthLimit = size_t(4) << 20;

// What a load did: Ok with the number of records added, or the reason nothing was added.
struct DesignLoad {
    bool Ok = false;
    std::string Error;  // "does not exist", "holds more than 250000 gadgets", ...
    size_t Added = 0;
};

// The sections of a stream as records, without live gadgets; Error says why a file is no design.
struct DesignRecords {
    std::vector<DesignedGadgetRef> Records;
    std::string Error;
};
DesignRecords ReadDesignRecords(const StreamPtr& stream);
// The records of a file; none, with the reason, when it is missing, no regular file, too large,
// unreadable or no design.
DesignRecords ReadDesignFile(const std::string& path);

// Makes the live gadgets of the list's records from `first` on, each in the window its Parent
// names; false, with those gadgets freed again, once they cost more memory than the budget.
bool MakeLiveGadgets(std::vector<DesignedGadgetRef>& list, size_t first, LiveUse use);
// Frees the live gadgets of the list's records from `first` on, last first.
void FreeLiveGadgets(std::vector<DesignedGadgetRef>& list, size_t first);
// Why MakeLiveGadgets refused.
std::string OverBudgetReason();

enum class LoadMode { Append, Replace };
// The ending of the name is the caller's business. Replacing, the design in memory is let go only
// once the file's has loaded; until then, and when it does not load, it stays as it was.
DesignLoad LoadDesignFrom(const std::string& path, LoadMode mode = LoadMode::Append);

}  // namespace kvx::studio
