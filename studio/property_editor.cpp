#include "studio/property_editor.hpp"

#include <string>

#include "studio/kind_table.hpp"
#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

void EnableSizeBoxes(const KindDescription& kind) {
    const PropertyEditor& e = Studio().Editor;
    const FixedSize fixed = kind.Fixed ? kind.Fixed() : FixedSize{};
    e.TxBox->Disabled = fixed.Width ? 1 : 0;
    e.TyBox->Disabled = fixed.Height ? 1 : 0;
}

}  // namespace

bool SizedInCharacters(const DesignedGadget& record) { return record.Info().SizedInCharacters; }

void ShowNumber(const KVX_ValueRef& box, int32_t number) {
    if (!box || !box->ValueInput) return;
    // The box's number too, so that reading it back in the same frame gives what is shown.
    box->Value = float(number);
    box->ValueInput->Text = std::to_string(number);
}

int32_t BoxNumber(const KVX_ValueRef& box) { return box ? int32_t(box->Value) : 0; }

void LoadPropertyEditor(const DesignedGadget& r) {
    const PropertyEditor& e = Studio().Editor;
    e.HandleBox->Text = r.Handle;
    e.GlobalBox->State = r.Global;
    ShowNumber(e.PxBox, r.Px);
    ShowNumber(e.PyBox, r.Py);
    ShowNumber(e.TxBox, SizedInCharacters(r) ? r.NumChar : r.Tx);
    ShowNumber(e.TyBox, r.Ty);
    e.CaptionBox->Text = r.Caption;
    EnableSizeBoxes(r.Info());
}

}  // namespace kvx::studio
