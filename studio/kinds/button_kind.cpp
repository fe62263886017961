// Push buttons: as high as the skin's button pieces.
#include <algorithm>

#include "gadgets/push_button.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kCaptionKey};
// clang-format on

// The record says what is drawn, also of a button the toolkit widens.
KVX_GadgetRef Create(DesignedGadget& r) {
    r.Tx = std::max(r.Tx, KVX_PushButtonMinWidth);
    return KVX_PushButton::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.Tx);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_PushButton", Arguments().Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx)};
}

}  // namespace

// clang-format off
const KindDescription kButtonKind{.Word = "Button", .PaletteCaption = "Button", .Keys = kKeys,
                                  .Fixed = [] { return FixedSize{std::nullopt, Design().ButtonSkinHeight}; },
                                  .Create = Create, .Export = Export, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
