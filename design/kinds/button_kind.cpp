// Push buttons: as high as the skin's button pieces.
#include <algorithm>

#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/push_button.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kCaptionKey};
// clang-format on

// The record says what is drawn, also of a button the toolkit widens.
void Settle(DesignedGadget& r) { r.Tx = std::max(r.Tx, KVX_PushButtonMinWidth); }

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_PushButton::Create, "KVX_PushButton::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Tx);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_PushButton", Arguments().Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx)};
}

}  // namespace

// clang-format off
const KindDescription kButtonKind{.Word = "Button", .PaletteCaption = "Button", .Keys = kKeys,
                                  .Fixed = [] { return FixedSize{std::nullopt, SkinButtonHeight()}; },
                                  .Settle = Settle, .Create = LiveOf<kMake>,
                                  .CppType = "KVX_PushButtonRef", .CppCreate = CppOf<kMake>, .Export = Export, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
