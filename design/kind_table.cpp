#include "design/kind_table.hpp"

#include <algorithm>
#include <array>

#include "design/designed_gadget.hpp"
#include "design/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

const std::array<const KindDescription*, kKindCount> kPalette = {
    &kWindowKind,    &kTabpanelKind,    &kFrameKind,   &kCheckboxKind,  &kButtonKind,   &kCustomButtonKind,
    &kScrollbarKind, &kProgressbarKind, &kListboxKind, &kComboboxKind,  &kInputboxKind, &kValueKind,
    &kLabeltextKind, &kImageboxKind,    &kMenuKind,    &kColorIconKind,
};

}  // namespace

std::span<const KindDescription* const> Kinds() { return kPalette; }

const KindDescription* FindKind(std::string_view word) {
    for (const KindDescription* kind : kPalette) {
        if (word == kind->Word) return kind;
    }
    return nullptr;
}

size_t KindIndex(const KindDescription& kind) {
    return size_t(std::find(kPalette.begin(), kPalette.end(), &kind) - kPalette.begin());
}

KVX_GadgetRef CreateLive(DesignedGadget& record, LiveUse use) {
    const KindDescription& kind = record.Info();
    // The designer draws the menu bar itself: the toolkit's would hold the studio's windows below it.
    if (kind.OnMenuBar && use == LiveUse::Designer) return nullptr;
    SettleSizes(record);
    KVX_GadgetRef live = kind.Create(record);
    if (live && kind.AddItem) {
        for (const std::string& item : record.Items) kind.AddItem(*live, item);
    }
    if (live && use == LiveUse::Designer && kind.InDesigner) kind.InDesigner(*live);
    return live;
}

void SettleSizes(DesignedGadget& record) {
    if (const auto settle = record.Info().Settle) settle(record);
}

void ApplyFixedSize(const KindDescription& kind, int32_t& w, int32_t& h) {
    if (!kind.Fixed) return;
    const FixedSize fixed = kind.Fixed();
    if (fixed.Width) w = *fixed.Width;
    if (fixed.Height) h = *fixed.Height;
}

}  // namespace kvx::studio
