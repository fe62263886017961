// Colour icons: the colour is saved as "R,G,B"; a file without one (as older files are) gets a
// colour drawn at random, and so does every run of an exported program.
#include <algorithm>

#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/color_icon.hpp"

namespace kvx::studio {
namespace {

std::string WriteColor(DesignedGadget& r) {
    if (!r.CustomColor) return "";
    const KVX_Color& c = *r.CustomColor;
    return std::to_string(c.Red) + "," + std::to_string(c.Green) + "," + std::to_string(c.Blue);
}

void ReadColor(DesignedGadget& r, std::string_view v) {
    const size_t first = v.find(','), second = first == v.npos ? v.npos : v.find(',', first + 1);
    if (second == v.npos) {
        r.CustomColor = RandomColor();
        return;
    }
    auto channel = [](std::string_view text) { return std::clamp(ReadInteger(text), 0, 255); };
    r.CustomColor = KVX_Color::Create(channel(v.substr(0, first)), channel(v.substr(first + 1, second - first - 1)),
                                      channel(v.substr(second + 1)));
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
    const std::string color = "My_" + r.Handle;
    return {
        "KVX_ColorIcon",
        a,
        "," + color + ")",
        {ScopeWord(r.Global) + color + ":KVX_Color", color + "=KVX_Color.Create(Rnd(0,255),Rnd(0,255),Rnd(0,255))"}};
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
