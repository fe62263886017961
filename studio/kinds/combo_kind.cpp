// Combo boxes: one line high.
#include "gadgets/combo.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kComboHeight = 20;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey,
                               {"Items", WriteNothing, nullptr}};
// clang-format on

KVX_GadgetRef Create(DesignedGadget& r) { return KVX_Combo::Create(LiveParentOf(r), r.Px, r.Py, r.Tx); }

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Combo", Arguments().Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx)};
}

}  // namespace

// clang-format off
const KindDescription kComboboxKind{.Word = "Combobox", .PaletteCaption = "Combobox", .Keys = kKeys,
                                    .Fixed = [] { return FixedSize{std::nullopt, kComboHeight}; }, .Create = Create,
                                    .Export = Export};
// clang-format on

}  // namespace kvx::studio
