// Progress bars: placed half full of 100.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/progress.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey,  kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               WholeNumberKey<&DesignedGadget::Value>("Value"),
                               WholeNumberKey<&DesignedGadget::Maximum>("Maximum")};
// clang-format on

constexpr PropertyField kRows[] = {NumberRow<&DesignedGadget::Value>("Value"),
                                   NumberRow<&DesignedGadget::Maximum>("Maximum")};

std::string Refusal(const DesignedGadget& r) {
    if (!(r.Maximum > 0)) return "Maximum not above 0";
    if (r.Value < 0 || r.Value > r.Maximum) return "Value outside 0 to maximum";
    return "";
}

void Defaults(DesignedGadget& r, const Band&) {
    r.Value = 50;
    r.Maximum = 100;
}

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Progress::Create, "KVX_Progress::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Tx, r.Ty,
                int32_t(r.Value), int32_t(r.Maximum));
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Progress", BoxArguments(r, parent).Add(TruncateToInteger(r.Value)).Add(TruncateToInteger(r.Maximum))};
}

}  // namespace

// clang-format off
const KindDescription kProgressbarKind{.Word = "Progressbar", .PaletteCaption = "Progressbar", .Keys = kKeys,
                                       .Defaults = Defaults, .Create = LiveOf<kMake>,
                                       .CppType = "KVX_ProgressRef", .CppCreate = CppOf<kMake>,
                                       .Properties = kRows, .Refusal = Refusal, .Export = Export,
                                       .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
