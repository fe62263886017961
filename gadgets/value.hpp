#pragma once
// A numeric spinner: a caption, a field showing the number and two arrows stepping it; the wheel
// steps it too while the pointer is over the field. It draws nothing itself: its children draw.
#include "core/gadget.hpp"
#include "gadgets/custom_button.hpp"
#include "gadgets/input.hpp"
#include "gadgets/label.hpp"

namespace kvx {

class KVX_Value;
using KVX_ValueRef = std::shared_ptr<KVX_Value>;

// State: unused.
class KVX_Value : public KVX_Gadget {
public:
    KVX_InputRef ValueInput;
    KVX_LabelRef CaptionLabel;
    KVX_CustomButtonRef UpButton;
    KVX_CustomButtonRef DownButton;
    KVX_Timer RepeatTimer = KVX_Timer::Create(150);  // shared by both arrows

    uint8_t Kind() const override { return KVX_KindValue; }
    // No desktop default: without a parent the box is registered nowhere.
    static KVX_ValueRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int numChar,
                               float value, float step, float minimum, float maximum, int integerOnly);
    void Update(KVX_Gadget* parent) override;
    void Increment();
    void Decrement();
    void Free() override;

private:
    void ShowValue();
    void ReadField();
    void RepeatArrows();
};

}  // namespace kvx
