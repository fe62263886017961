// Progress bars: placed half full of 100.
#include "gadgets/progress.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {kGlobalKey,  kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey, kTyKey, kCaptionKey,
                               WholeNumberKey<&DesignedGadget::Value>("Value"),
                               WholeNumberKey<&DesignedGadget::Maximum>("Maximum")};

void Defaults(DesignedGadget& r, const Band&) {
    r.Value = 50;
    r.Maximum = 100;
}

KVX_GadgetRef Create(DesignedGadget& r) {
    return KVX_Progress::Create(LiveParentOf(r), r.Caption, r.Px, r.Py, r.Tx, r.Ty, int(r.Value), int(r.Maximum));
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a = BoxArguments(r, parent);
    a.Add(TruncateToInteger(r.Value)).Add(TruncateToInteger(r.Maximum));
    return {"KVX_Progress", a};
}

}  // namespace

const KindDescription kProgressbarKind{.Word = "Progressbar", .PaletteCaption = "Progressbar", .Keys = kKeys,
                                       .Defaults = Defaults, .Create = Create, .Export = Export,
                                       .CaptionIsHandle = true};

}  // namespace kvx::studio
