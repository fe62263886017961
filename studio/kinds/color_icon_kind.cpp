// Colour icons: the file keeps no colour, so every load and every export draws a new one.
#include "gadgets/color_icon.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey,
                               {"CustomColor", WriteNothing,
                                [](DesignedGadget& r, std::string_view) { r.CustomColor = RandomColor(); }}};

KVX_GadgetRef MakeColorIcon(DesignedGadget& r) {
    return KVX_ColorIcon::Create(LiveParentOf(r), r.Px, r.Py, r.Tx, r.Ty, r.CustomColor);
}

KVX_GadgetRef Place(DesignedGadget& r, const Band&) {
    r.CustomColor = RandomColor();
    return MakeColorIcon(r);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
    const std::string color = "My_" + r.Handle;
    return {"KVX_ColorIcon", a, "," + color + ")",
            {ScopeWord(r.Global) + color + ":KVX_Color", color + "=KVX_Color.Create(Rnd(0,255),Rnd(0,255),Rnd(0,255))"}};
}

}  // namespace

const KindDescription kColorIconKind{.Word = "ColorIcon", .PaletteCaption = "ColorIcon", .Keys = kKeys, .Place = Place,
                                     .Load = MakeColorIcon, .Export = Export};

}  // namespace kvx::studio
