// Scroll bars: placed from 0 to 100 at 50, vertical when the band is no wider than high.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/scrollbar.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               kIntegerKey, kValueKey, kMinimumKey, kMaximumKey, kIncrementKey,
                               FlagKey<&DesignedGadget::Vertical>("Vertical")};
// clang-format on

constexpr PropertyField kRows[] = {kValueRow, kMinimumRow, kMaximumRow, kIncrementRow, kIntegerRow,
                                   FlagRow<&DesignedGadget::Vertical>("Vertical")};

void Defaults(DesignedGadget& r, const Band& band) {
    r.Vertical = band.W > band.H ? 0 : 1;
    SetRange(r, 50, 0, 100, 1);
}

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Scrollbar::Create, "KVX_Scrollbar::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Tx, r.Ty,
                r.Value, r.Minimum, r.Maximum, r.Step, r.Vertical, r.IntegerOnly);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    const uint8_t whole = r.IntegerOnly;
    return {"KVX_Scrollbar", BoxArguments(r, parent)
                                 .Number(r.Value, whole)
                                 .Number(r.Minimum, whole)
                                 .Number(r.Maximum, whole)
                                 .Number(r.Step, whole)
                                 .Flag(r.Vertical)
                                 .Flag(whole)};
}

}  // namespace

// clang-format off
const KindDescription kScrollbarKind{.Word = "Scrollbar", .PaletteCaption = "Scrollbar", .Keys = kKeys,
                                     .Defaults = Defaults, .Create = LiveOf<kMake>,
                                     .CppType = "KVX_ScrollbarRef", .CppCreate = CppOf<kMake>,
                                     .Properties = kRows, .Refusal = RangeRefusal, .Export = Export,
                                     .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
