// List boxes: the record's height counts lines; the pointer takes them with their header line.
#include "core/runtime.hpp"
#include "gadgets/listbox.hpp"
#include "studio/kinds/kind_parts.hpp"
#include "studio/kinds/kinds.hpp"

namespace kvx::studio {
namespace {

constexpr KeyFormat kKeys[] = {kGlobalKey, kHandleKey, kParentKey, kPxKey, kPyKey, kTxKey,
                               IntegerKey<&DesignedGadget::Ty>("LineNumber"), {"Items", WriteNothing, nullptr}};

KVX_GadgetRef MakeListbox(DesignedGadget& r) { return KVX_Listbox::Create(LiveParentOf(r), r.Px, r.Py, r.Tx, r.Ty); }

// A band of n line heights holds n - 1 lines.
KVX_GadgetRef Place(DesignedGadget& r, const Band& band) {
    r.Ty = KVX_LineHeight > 0 ? (band.H - KVX_LineHeight) / KVX_LineHeight : 0;
    return MakeListbox(r);
}

Creation Export(const DesignedGadget& r, const std::string& parent) {
    Arguments a;
    a.Add(parent).Add(r.Px).Add(r.Py).Add(r.Tx).Add(r.Ty);
    return {"KVX_Listbox", a};
}

}  // namespace

const KindDescription kListboxKind{.Word = "Listbox", .PaletteCaption = "Listbox", .Keys = kKeys, .Place = Place,
                                   .Load = MakeListbox, .Export = Export,
                                   .HitHeight = [](const DesignedGadget& r) { return (r.Ty + 1) * KVX_LineHeight; },
                                   .HeightInLines = true};

}  // namespace kvx::studio
