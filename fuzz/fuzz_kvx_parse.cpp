// A .kvx design read from memory up to its records, without a display, a toolkit or live gadgets:
// fast enough for a million inputs per run. Every record is checked against what the reader
// promises its callers; a broken promise traps, so the fuzzer keeps the input.
//
// Without a toolkit the line height and the button skin's height are 0: the kinds' fixed sizes are
// then 0 or 1, which the reader must take as calmly as the real ones.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/runtime.hpp"
#include "platform/files.hpp"
#include "design/design_reader.hpp"
#include "design/designed_gadget.hpp"
#include "design/kind_table.hpp"
#include "design/kinds/kind_parts.hpp"

namespace {

using kvx::studio::DesignedGadget;
using kvx::studio::KindDescription;

void Require(bool promise) {
    if (!promise) __builtin_trap();
}

bool Within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

bool NumberWithinLimit(float number) {
    return std::isfinite(number) && std::fabs(number) <= float(kvx::studio::kNumberLimit);
}

void CheckRecord(const DesignedGadget& record) {
    using namespace kvx::studio;
    // Only kinds the studio can make open a section.
    const KindDescription* kind = FindKind(record.Kind);
    Require(kind && kind->Create);

    Require(Within(record.Px, -kPositionLimit, kPositionLimit));
    Require(Within(record.Py, -kPositionLimit, kPositionLimit));
    Require(Within(record.Tx, 0, kExtentLimit));
    Require(Within(record.Ty, 0, kExtentLimit));
    if (kind->HeightInLines) Require(int64_t(record.Ty) * std::max(1, kvx::KVX_LineHeight) <= kExtentLimit);
    Require(Within(record.NumChar, 0, kExtentLimit / CharWidth()));
    Require(Within(record.MaxChar, 0, kTextLengthLimit));
    for (float number : {record.Value, record.Minimum, record.Maximum, record.Step}) {
        Require(NumberWithinLimit(number));
    }

    if (kind->Fixed) {
        const FixedSize fixed = kind->Fixed();
        Require(!fixed.Width || record.Tx == *fixed.Width);
        Require(!fixed.Height || record.Ty == *fixed.Height);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const kvx::StreamPtr stream = kvx::OpenMemoryStream(std::vector<uint8_t>(data, data + size));
    const kvx::studio::DesignRecords read = kvx::studio::ReadDesignRecords(stream);
    // A refused file gives no records at all.
    Require(read.Error.empty() || read.Records.empty());
    Require(read.Records.size() <= kvx::studio::kRecordLimit);
    for (const kvx::studio::DesignedGadgetRef& record : read.Records) {
        Require(record != nullptr);
        CheckRecord(*record);
    }
    return 0;
}
