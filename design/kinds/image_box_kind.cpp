// Image boxes: a picture of the user's, placed with the demo picture in a sunken border.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/image_box.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kSunkenBorder = 2;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey,
                               TextKey<&DesignedGadget::Image>("Image"),
                               IntegerKey<&DesignedGadget::ImageBorder>("Border")};
// clang-format on

constexpr PropertyField kRows[] = {PictureRow<&DesignedGadget::Image>("Picture"),
                                   WholeRow<&DesignedGadget::ImageBorder>("Border")};

std::string Refusal(const DesignedGadget& r) {
    if (r.ImageBorder < 0 || r.ImageBorder > kSunkenBorder) return "Border not 0 to " + std::to_string(kSunkenBorder);
    return PicturesRefusal(r);
}

void Defaults(DesignedGadget& r, const Band&) {
    r.ImageBorder = kSunkenBorder;
    r.Image = "./KVX_Demos/Image_01.png";
}

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Image::Create, "KVX_Image::Create", ParentArgument{r}, r.Image, r.Px, r.Py, r.Tx, r.Ty,
                r.ImageBorder);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Image",
            Arguments().Add(parent).Quoted(r.Image).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty).Add(r.ImageBorder)};
}

}  // namespace

// clang-format off
const KindDescription kImageboxKind{.Word = "Imagebox", .PaletteCaption = "Imagebox", .Keys = kKeys,
                                    .Defaults = Defaults, .Create = LiveOf<kMake>,
                                    .CppType = "KVX_ImageRef", .CppCreate = CppOf<kMake>,
                                    .Properties = kRows, .Refusal = Refusal, .Export = Export};
// clang-format on

}  // namespace kvx::studio
