#pragma once
// A clickable rectangle filled with a colour: hover and pressed bevels and a one-frame click.
#include "gadgets/button_base.hpp"

namespace kvx {

class KVX_ColorIcon;
using KVX_ColorIconRef = std::shared_ptr<KVX_ColorIcon>;

// The buttons' mouse logic and click event.
class KVX_ColorIcon : public KVX_ButtonBase {
public:
    KVX_ColorRef FillColor;

    uint8_t Kind() const override { return KVX_KindColorIcon; }
    // A null parent means the desktop window.
    static KVX_ColorIconRef Create(const KVX_GadgetRef& parent, int x, int y, int width, int height,
                                   const KVX_ColorRef& color);
    void Update(KVX_Gadget* parent) override;
    // Free is the base's: it also releases the click sound.
};

}  // namespace kvx
