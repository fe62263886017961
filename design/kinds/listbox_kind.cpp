// List boxes: the record's height counts lines; the pointer takes them with their header line.
#include <algorithm>

#include "core/runtime.hpp"
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/listbox.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey,
                               IntegerKey<&DesignedGadget::Ty>("LineNumber"), kItemsKey};
// clang-format on

// The record says what is drawn, also of a list the toolkit widens or lengthens.
void Settle(DesignedGadget& r) {
    r.Tx = std::max(r.Tx, KVX_ListboxMinWidth);
    r.Ty = std::max(r.Ty, KVX_ListboxMinLines);
}

constexpr PropertyField kRows[] = {kItemsRow};

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Listbox::Create, "KVX_Listbox::Create", ParentArgument{r}, r.Px, r.Py, r.Tx, r.Ty);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Listbox", Arguments().Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty)};
}

}  // namespace

// A band of n line heights holds n - 1 lines.
// clang-format off
const KindDescription kListboxKind{
    .Word = "Listbox", .PaletteCaption = "Listbox", .Keys = kKeys,
    .Defaults = [](DesignedGadget& r, const Band& band) { r.Ty = std::max(LinesIn(band.H) - 1, 0); }, .Settle = Settle, .Create = LiveOf<kMake>,
    .CppType = "KVX_ListboxRef", .CppCreate = CppOf<kMake>,
    .Properties = kRows, .Export = Export,
    .AddItem = [](KVX_Gadget& live, const std::string& item) { static_cast<KVX_Listbox&>(live).AddItem(item, ""); },
    .HitHeight = [](const DesignedGadget& r) { return (r.Ty + 1) * KVX_LineHeight; },
    .HeightInLines = true};
// clang-format on

}  // namespace kvx::studio
