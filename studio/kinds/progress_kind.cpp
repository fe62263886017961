// Progress bars: placed half full of 100.
#include "gadgets/progress.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {
    kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
    {"Value", WriteNothing, ReadValue},
    {"Maximum",
     [](DesignedGadget& r) {
         const auto live = LiveAs<KVX_Progress>(r, KVX_KindProgressbar);
         return std::to_string(TruncateToInteger(live ? live->Maximum : r.Maximum));
     },
     ReadMaximum},
};

KVX_GadgetRef Place(DesignedGadget& r, const Band&) {
    return KVX_Progress::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Tx, r.Ty, 50, 100);
}

KVX_GadgetRef Load(DesignedGadget& r) {
    return KVX_Progress::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Tx, r.Ty, int(r.Value), int(r.Maximum));
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a = BoxArguments(r, parent);
    a.Add(TruncateToInteger(r.Value)).Add(TruncateToInteger(r.Maximum));
    return {"KVX_Progress", a};
}

}  // namespace

const KindDescription kProgressbarKind{.Word = "Progressbar", .PaletteCaption = "Progressbar", .Keys = kKeys,
                                       .Place = Place, .Load = Load, .Export = Export, .CaptionIsHandle = true};

}  // namespace kvx::studio
