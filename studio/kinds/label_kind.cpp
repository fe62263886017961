// Labels: a line of text, aligned to their position.
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/label.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr uint8_t kAlignedLeft = 1;

constexpr KeyFormat kKeys[] = {
    kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kCaptionKey,
    {"Align",
     [](DesignedGadget& r) {
         const auto live = LiveAs<KVX_Label>(r, KVX_KindLabel);
         return std::string(BooleanText((live ? live->Align : r.Align) == 1));
     },
     FlagKey<&DesignedGadget::Align>("").Read},
};

KVX_GadgetRef MakeLabel(DesignedGadget& r) {
    return KVX_Label::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Align, KVX_BlackColor);
}

KVX_GadgetRef Place(DesignedGadget& r, const Band&) {
    r.Align = kAlignedLeft;
    return MakeLabel(r);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Flag(r.Align);
    return {"KVX_Label", a, ",KVX_BlackColor)"};
}

}  // namespace

const KindDescription kLabeltextKind{.Word = "Labeltext", .PaletteCaption = "Labeltext", .Keys = kKeys,
                                     .Fixed = [] { return FixedSize{KVX_LineHeight + 1, KVX_LineHeight + 1}; },
                                     .Place = Place, .Load = MakeLabel, .Export = Export, .CaptionIsHandle = true};

}  // namespace kvx::studio
