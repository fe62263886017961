#include "studio/property_editor.hpp"

#include <string>

#include "studio/studio_window.hpp"

namespace kvx::studio {
namespace {

void EnableSizeBoxes(const std::string& kind) {
    const PropertyEditor& e = Studio().Editor;
    const bool fixedHeight = kind == "Button" || kind == "Combobox" || kind == "Inputbox" || kind == "Value";
    const bool fixedSize = kind == "Checkbox" || kind == "Labeltext";
    e.TxBox->Disabled = fixedSize ? 1 : 0;
    e.TyBox->Disabled = fixedSize || fixedHeight ? 1 : 0;
}

}  // namespace

bool SizedInCharacters(const DesignedGadget& record) {
    return record.Kind == "Inputbox" || record.Kind == "Value";
}

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
    EnableSizeBoxes(r.Kind);
}

}  // namespace kvx::studio
