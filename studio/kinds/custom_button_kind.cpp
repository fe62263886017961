// Custom buttons: three pictures of the user's, placed with the demo icon.
#include "gadgets/custom_button.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {
    kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
    {"Border", [](DesignedGadget& r) { return std::string(BooleanText(r.Border == 1)); },
     [](DesignedGadget& r, std::string_view v) { r.Border = ReadBoolean(v); }},
    {"ImageOver", [](DesignedGadget& r) { return r.ImageOver; }, [](DesignedGadget& r, std::string_view v) { r.ImageOver = v; }},
    {"ImageNormal", [](DesignedGadget& r) { return r.ImageNormal; },
     [](DesignedGadget& r, std::string_view v) { r.ImageNormal = v; }},
    {"ImagePress", [](DesignedGadget& r) { return r.ImagePress; },
     [](DesignedGadget& r, std::string_view v) { r.ImagePress = v; }},
};

KVX_GadgetRef MakeCustomButton(DesignedGadget& r) {
    return KVX_CustomButton::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Tx, r.Ty, r.ImageOver, r.ImageNormal,
                                    r.ImagePress, r.Border);
}

KVX_GadgetRef Place(DesignedGadget& r, const Band&) {
    r.ImageOver = "./KVX_Demos/Icon_04_hi.png";
    r.ImageNormal = "./KVX_Demos/Icon_04_un.png";
    r.ImagePress = "./KVX_Demos/Icon_04_se.png";
    r.Border = 0;
    return MakeCustomButton(r);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
    a.Quoted(r.ImageOver).Quoted(r.ImageNormal).Quoted(r.ImagePress).Flag(r.Border);
    return {"KVX_CustomButton", a};
}

}  // namespace

const KindDescription kCustomButtonKind{
    .Word = "CustomButton",
    .PaletteCaption = "Custom Button",
    .Keys = kKeys,
    .Place = Place,
    .Load = MakeCustomButton,
    .Export = Export,
    .CaptionIsHandle = true,
};

}  // namespace kvx::studio
