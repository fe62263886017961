#pragma once
// A button drawn from three pictures (over, normal, pressed), optionally with a bevel built in.
#include "gadgets/button_base.hpp"

namespace kvx {

class KVX_CustomButton;
using KVX_CustomButtonRef = std::shared_ptr<KVX_CustomButton>;

class KVX_CustomButton : public KVX_ButtonBase {
public:
    int32_t OverImage = 0;
    int32_t NormalImage = 0;
    int32_t PressImage = 0;

    uint8_t Kind() const override { return KVX_KindCustomButton; }
    static KVX_CustomButtonRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int width,
                                      int height, const std::string& imageOver, const std::string& imageNormal,
                                      const std::string& imagePress, int border);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
};

}  // namespace kvx
