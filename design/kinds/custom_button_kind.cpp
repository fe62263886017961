// Custom buttons: three pictures of the user's, placed with the demo icon.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/custom_button.hpp"

namespace kvx::studio {
namespace {

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               FlagKey<&DesignedGadget::Border>("Border"),
                               TextKey<&DesignedGadget::ImageOver>("ImageOver"),
                               TextKey<&DesignedGadget::ImageNormal>("ImageNormal"),
                               TextKey<&DesignedGadget::ImagePress>("ImagePress")};
// clang-format on

constexpr PropertyField kRows[] = {PictureRow<&DesignedGadget::ImageNormal>("Normal"),
                                   PictureRow<&DesignedGadget::ImageOver>("Pointer over"),
                                   PictureRow<&DesignedGadget::ImagePress>("Pressed"),
                                   FlagRow<&DesignedGadget::Border>("Border")};

void Defaults(DesignedGadget& r, const Band&) {
    r.ImageOver = "./KVX_Demos/Icon_04_hi.png";
    r.ImageNormal = "./KVX_Demos/Icon_04_un.png";
    r.ImagePress = "./KVX_Demos/Icon_04_se.png";
    r.Border = 0;
}

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_CustomButton::Create, "KVX_CustomButton::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Tx,
                r.Ty, r.ImageOver, r.ImageNormal, r.ImagePress, r.Border);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_CustomButton",
            BoxArguments(r, parent).Quoted(r.ImageOver).Quoted(r.ImageNormal).Quoted(r.ImagePress).Flag(r.Border)};
}

}  // namespace

// clang-format off
const KindDescription kCustomButtonKind{.Word = "CustomButton", .PaletteCaption = "Custom Button", .Keys = kKeys,
                                        .Defaults = Defaults, .Create = LiveOf<kMake>,
                                        .CppType = "KVX_CustomButtonRef", .CppCreate = CppOf<kMake>,
                                        .Properties = kRows, .Refusal = PicturesRefusal, .Export = Export,
                                        .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
