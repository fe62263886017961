// Scroll bars: vertical when the band is no wider than high.
#include "gadgets/scrollbar.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

using Range = RangeKeys<KVX_Scrollbar, KVX_KindScrollbar>;

constexpr KeyFormat kKeys[] = {
    kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
    Range::Integer, Range::Value, Range::Minimum, Range::Maximum, Range::Increment,
    {"Vertical",
     [](DesignedGadget& r) {
         const auto live = LiveAs<KVX_Scrollbar>(r, KVX_KindScrollbar);
         return std::string(BooleanText((live ? live->Vertical : r.Vertical) == 1));
     },
     FlagKey<&DesignedGadget::Vertical>("").Read},
};

KVX_GadgetRef Place(DesignedGadget& r, const Band& band) {
    r.Vertical = band.W > band.H ? 0 : 1;
    r.IntegerOnly = 1;
    return KVX_Scrollbar::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Tx, r.Ty, 50, 0, 100, 1, r.Vertical, 1);
}

KVX_GadgetRef Load(DesignedGadget& r) {
    return KVX_Scrollbar::Create(LiveParentOf(r), r.Handle, r.Px, r.Py, r.Tx, r.Ty, r.Value, r.Minimum, r.Maximum,
                                 r.Step, r.Vertical, r.IntegerOnly);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a = BoxArguments(r, parent);
    a.Number(r.Value, r.IntegerOnly).Number(r.Minimum, r.IntegerOnly).Number(r.Maximum, r.IntegerOnly);
    a.Number(r.Step, r.IntegerOnly).Flag(r.Vertical).Flag(r.IntegerOnly);
    return {"KVX_Scrollbar", a};
}

}  // namespace

const KindDescription kScrollbarKind{.Word = "Scrollbar", .PaletteCaption = "Scrollbar", .Keys = kKeys, .Place = Place,
                                     .Load = Load, .Export = Export, .CaptionIsHandle = true};

}  // namespace kvx::studio
