// Custom buttons: three pictures of the user's, placed with the demo icon.
#include "gadgets/custom_button.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               FlagKey<&DesignedGadget::Border>("Border"),
                               TextKey<&DesignedGadget::ImageOver>("ImageOver"),
                               TextKey<&DesignedGadget::ImageNormal>("ImageNormal"),
                               TextKey<&DesignedGadget::ImagePress>("ImagePress")};
// clang-format on

void Defaults(DesignedGadget& r, const Band&) {
    r.ImageOver = "./KVX_Demos/Icon_04_hi.png";
    r.ImageNormal = "./KVX_Demos/Icon_04_un.png";
    r.ImagePress = "./KVX_Demos/Icon_04_se.png";
    r.Border = 0;
}

KVX_GadgetRef Create(DesignedGadget& r) {
    return KVX_CustomButton::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.Tx, r.Ty, r.ImageOver, r.ImageNormal,
                                    r.ImagePress, r.Border);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_CustomButton",
            BoxArguments(r, parent).Quoted(r.ImageOver).Quoted(r.ImageNormal).Quoted(r.ImagePress).Flag(r.Border)};
}

}  // namespace

// clang-format off
const KindDescription kCustomButtonKind{.Word = "CustomButton", .PaletteCaption = "Custom Button", .Keys = kKeys,
                                        .Defaults = Defaults, .Create = Create, .Export = Export,
                                        .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
