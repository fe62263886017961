// Labels: a line of text, aligned to their position, in the skin's text colour so that it reads
// on a window's body.
#include <algorithm>

#include "core/runtime.hpp"
#include "core/skin.hpp"
#include "design/kinds/creation_call.hpp"
#include "design/kinds/kind_parts.hpp"
#include "design/kinds/kinds.hpp"
#include "gadgets/label.hpp"
#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

constexpr uint8_t kAlignedLeft = 1;

// clang-format off
constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kCaptionKey,
                               FlagKey<&DesignedGadget::Align>("Align")};
// clang-format on

constexpr auto kMake = [](const auto& call, const DesignedGadget& r) {
    return call(&KVX_Label::Create, "KVX_Label::Create", ParentArgument{r}, r.Caption, r.Px, r.Py, r.Align,
                SchemeTextColor{});
};

Creation Export(const DesignedGadget& r, const std::string& parent) {
    return {"KVX_Label", Arguments().Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py).Flag(r.Align),
            ",KVX_BlackColor)"};
}

// The pointer takes a label by its text, however long; the size the toolkit gives it is a square.
int32_t TextHitWidth(const DesignedGadget& r) {
    SetImageFont(KVX_GuiFont);
    return std::max(r.Tx, TextWidth(r.Caption));
}

}  // namespace

// clang-format off
const KindDescription kLabeltextKind{.Word = "Labeltext", .PaletteCaption = "Labeltext", .Keys = kKeys,
                                     .Fixed = [] { return FixedSize{KVX_LineHeight + 1, KVX_LineHeight + 1}; },
                                     .Defaults = [](DesignedGadget& r, const Band&) { r.Align = kAlignedLeft; },
                                     .Create = LiveOf<kMake>,
                                     .CppType = "KVX_LabelRef", .CppCreate = CppOf<kMake>, .Export = Export,
                                     .HitWidth = TextHitWidth, .CaptionIsHandle = true};
// clang-format on

}  // namespace kvx::studio
