#pragma once
// A 16 x 16 box and a caption; a press on either toggles State (1 checked).
#include "core/gadget.hpp"

namespace kvx {

class KVX_Checkbox;
using KVX_CheckboxRef = std::shared_ptr<KVX_Checkbox>;

class KVX_Checkbox : public KVX_Gadget {
public:
    int32_t UncheckedImage = 0;
    int32_t CheckedImage = 0;

    uint8_t Kind() const override { return KVX_KindCheckbox; }
    // No desktop default: without a parent the box is registered nowhere.
    static KVX_CheckboxRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int checked);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
};

}  // namespace kvx
