// Labels: a line of text, aligned to their position, in the skin's text colour so that it reads
// on a window's body.
#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "gadgets/label.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr uint8_t kAlignedLeft = 1;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kCaptionKey,
                               FlagKey<&DesignedGadget::Align>("Align")};
// clang-format on

KVX_GadgetRef Create(DesignedGadget& r) {
    return KVX_Label::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.Align, KVX_SchemeColors.GadgetText);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Label", Arguments().Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Flag(r.Align),
            ",KVX_BlackColor)"};
}

}  // namespace

// clang-format off
const KindDescription kLabeltextKind{.Word = "Labeltext", .PaletteCaption = "Labeltext", .Keys = kKeys,
                                     .Fixed = [] { return FixedSize{KVX_LineHeight + 1, KVX_LineHeight + 1}; },
                                     .Defaults = [](DesignedGadget& r, const Band&) { r.Align = kAlignedLeft; },
                                     .Create = Create, .Export = Export, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
