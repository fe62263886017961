// Combo boxes: one line high.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/combo.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kComboHeight = 20;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey,
                               kItemsKey};
// clang-format on

constexpr PropertyField kRows[] = {kItemsRow};

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Combo::Create, "KVX_Combo::Create", ParentArgument{r}, r.Px, r.Py, r.Tx);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Combo", Arguments().Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx)};
}

}  // namespace

// clang-format off
const KindDescription kComboboxKind{.Word = "Combobox", .PaletteCaption = "Combobox", .Keys = kKeys,
                                    .Fixed = [] { return FixedSize{std::nullopt, kComboHeight}; }, .Create = LiveOf<kMake>,
                                    .CppType = "KVX_ComboRef", .CppCreate = CppOf<kMake>,
                                    .Properties = kRows, .Export = Export,
                                    .AddItem = [](KVX_Gadget& live, const std::string& item) {
                                        static_cast<KVX_Combo&>(live).AddItem(item, "");
                                    }};
// clang-format on

}  // namespace kvx::studio
