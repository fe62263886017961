// Combo boxes: one line high.
#include "gadgets/combo.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kComboHeight = 20;

constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey,
                               {"Items", WriteNothing, nullptr}};

KVX_GadgetRef Create(DesignedGadget& r) { return KVX_Combo::Create(LiveParentOf(r), r.Px, r.Py, r.Tx); }

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx);
    return {"KVX_Combo", a};
}

}  // namespace

const KindDescription kComboboxKind{.Word = "Combobox", .PaletteCaption = "Combobox", .Keys = kKeys,
                                    .Fixed = [] { return FixedSize{std::nullopt, kComboHeight}; }, .Create = Create,
                                    .Export = Export};

}  // namespace kvx::studio
