// Check boxes: a box of the skin's size; the file keeps no state.
#include "gadgets/checkbox.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr int32_t kBoxSize = 16;

constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kCaptionKey,
                               {"State", WriteNothing, nullptr}};

KVX_GadgetRef Create(DesignedGadget& r) { return KVX_Checkbox::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, 0); }

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Quoted(r.Caption).Add(r.Px).Add(r.Py);
    return {"KVX_Checkbox", a, ",True)"};
}

}  // namespace

const KindDescription kCheckboxKind{.Word = "Checkbox", .PaletteCaption = "Checkbox", .Keys = kKeys,
                                    .Fixed = [] { return FixedSize{kBoxSize, kBoxSize}; }, .Create = Create,
                                    .Export = Export, .CaptionIsHandle = true};

}  // namespace kvx::studio
