// Push buttons: as high as the skin's button pieces.
#include "gadgets/push_button.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kCaptionKey};

KVX_GadgetRef MakeButton(DesignedGadget& r) { return KVX_PushButton::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Tx); }

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx);
    return {"KVX_PushButton", a};
}

}  // namespace

const KindDescription kButtonKind{.Word = "Button", .PaletteCaption = "Button", .Keys = kKeys,
                                  .Fixed = [] { return FixedSize{std::nullopt, Design().ButtonSkinHeight}; },
                                  .Place = [](DesignedGadget& r, const Band&) { return MakeButton(r); },
                                  .Load = MakeButton, .Export = Export, .CaptionIsHandle = true};

}  // namespace kvx::studio
