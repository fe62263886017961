// Scroll bars: placed from 0 to 100 at 50, vertical when the band is no wider than high.
#include "gadgets/scrollbar.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey,  kParentKey,  kPxKey,      kPyKey,
                               kTxKey,     kTyKey,      kCaptionKey, kIntegerKey, kValueKey,
                               kMinimumKey, kMaximumKey, kIncrementKey, FlagKey<&DesignedGadget::Vertical>("Vertical")};

void Defaults(DesignedGadget& r, const Band& band) {
    r.Vertical = band.W > band.H ? 0 : 1;
    r.IntegerOnly = 1;
    r.Value = 50;
    r.Minimum = 0;
    r.Maximum = 100;
    r.Step = 1;
}

KVX_GadgetRef Create(DesignedGadget& r) {
    return KVX_Scrollbar::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.Tx, r.Ty, r.Value, r.Minimum, r.Maximum,
                                 r.Step, r.Vertical, r.IntegerOnly);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a = BoxArguments(r, parent);
    a.Number(r.Value, r.IntegerOnly).Number(r.Minimum, r.IntegerOnly).Number(r.Maximum, r.IntegerOnly);
    a.Number(r.Step, r.IntegerOnly).Flag(r.Vertical).Flag(r.IntegerOnly);
    return {"KVX_Scrollbar", a};
}

}  // namespace

const KindDescription kScrollbarKind{.Word = "Scrollbar", .PaletteCaption = "Scrollbar", .Keys = kKeys,
                                     .Defaults = Defaults, .Create = Create, .Export = Export,
                                     .CaptionIsHandle = true};

}  // namespace kvx::studio
