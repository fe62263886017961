#pragma once
// The standard text button: three skinned slices in three looks and a centred caption.
#include "gadgets/button_base.hpp"

namespace kvx {

// Narrower buttons are widened: their two caps need the room.
inline constexpr int32_t KVX_PushButtonMinWidth = 35;

class KVX_PushButton;
using KVX_PushButtonRef = std::shared_ptr<KVX_PushButton>;

class KVX_PushButton : public KVX_ButtonBase {
public:
    int32_t NormalLeft = 0, NormalMiddle = 0, NormalRight = 0;
    int32_t OverLeft = 0, OverMiddle = 0, OverRight = 0;
    int32_t PressLeft = 0, PressMiddle = 0, PressRight = 0;
    int32_t CapWidth = 0;

    uint8_t Kind() const override { return KVX_KindPushButton; }
    static KVX_PushButtonRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int width);
    void Update(KVX_Gadget* parent) override;
    void Free() override;
};

}  // namespace kvx
