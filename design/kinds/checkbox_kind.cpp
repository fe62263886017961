// Check boxes: a box of the skin's size. A checked one says "State=True"; an unchecked one leaves
// the value empty, as files always did.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/checkbox.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kBoxSize = 16;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kCaptionKey,
                               {"State", [](DesignedGadget& r) { return std::string(r.Checked ? BooleanText(true) : ""); },
                                FlagKey<&DesignedGadget::Checked>("").Read}};
// clang-format on

constexpr PropertyField kRows[] = {FlagRow<&DesignedGadget::Checked>("Checked")};

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Checkbox::Create, "KVX_Checkbox::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Checked);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Checkbox", Arguments().Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Flag(r.Checked)};
}

}  // namespace

// clang-format off
const KindDescription kCheckboxKind{.Word = "Checkbox", .PaletteCaption = "Checkbox", .Keys = kKeys,
                                    .Fixed = [] { return FixedSize{kBoxSize, kBoxSize}; }, .Create = LiveOf<kMake>,
                                    .CppType = "KVX_CheckboxRef", .CppCreate = CppOf<kMake>,
                                    .Properties = kRows, .Export = Export, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
