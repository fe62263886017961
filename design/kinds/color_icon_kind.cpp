// Colour icons: the colour is saved as "R,G,B"; a file without one (as older files are) gets a
// colour drawn at random, and so does every run of an exported program.
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/color_icon.hpp"

namespace kvx::studio {
namespace {

std::string WriteColor(DesignedGadget& r) { return ColorText(r.CustomColor); }

// A file without a colour, as older files are, gets one at random.
void ReadColor(DesignedGadget& r, std::string_view v) {
    r.CustomColor = ReadColorText(v);
    if (!r.CustomColor) r.CustomColor = RandomColor();
}

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey,
                               {"CustomColor", WriteColor, ReadColor}};
// clang-format on

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_ColorIcon::Create, "KVX_ColorIcon::Create", ParentArgument{r}, r.Px, r.Py, r.Tx, r.Ty,
                r.CustomColor);
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
    ColorVariable color = ExportedColor(r, "KVX_Color.Create(Rnd(0,255),Rnd(0,255),Rnd(0,255))");
    return {"KVX_ColorIcon", a, "," + color.Name + ")", std::move(color.Prelude)};
}

constexpr PropertyField kRows[] = {{"Colour", PropertyField::Type::Colour}};

}  // namespace

// clang-format off
const KindDescription kColorIconKind{.Word = "ColorIcon", .PaletteCaption = "ColorIcon", .Keys = kKeys,
                                     .Defaults = [](DesignedGadget& r, const Band&) { r.CustomColor = RandomColor(); },
                                     .Create = LiveOf<kMake>,
                                     .CppType = "KVX_ColorIconRef", .CppCreate = CppOf<kMake>,
                                     .Properties = kRows, .Export = Export};
// clang-format on

}  // namespace kvx::studio
