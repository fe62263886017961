#pragma once
// A horizontal or vertical slider: the thumb, dragged or stepped by the wheel, maps linearly onto
// a value between Minimum and Maximum. A horizontal bar shows its caption and the value.
#include "core/gadget.hpp"

namespace kvx {

class KVX_Scrollbar;
using KVX_ScrollbarRef = std::shared_ptr<KVX_Scrollbar>;

// State: 1 while the thumb is held by the mouse, else 0.
class KVX_Scrollbar : public KVX_Gadget {
public:
    int32_t ThumbSize = 0;   // length of the thumb in pixels
    float ThumbPos = 0.f;    // thumb centre, in pixels from the start of the bar
    float ThumbValid = 0.f;  // 0 makes the next Update place the thumb from Value
    uint8_t ShowValue = 1;
    uint8_t Vertical = 0;
    int32_t BodyImage = 0;

    uint8_t Kind() const override { return KVX_KindScrollbar; }
    static KVX_ScrollbarRef Create(const KVX_GadgetRef& parent, const std::string& text, int x, int y, int width,
                                   int height, float value, float minimum, float maximum, float step, int vertical,
                                   int integerOnly);
    void Update(KVX_Gadget* parent) override;
    float ValueFromPosition(int position, int length) const;
    float PositionFromValue(float value, float length) const;
    // Neither clamps: the next Update does.
    void Increment();
    void Decrement();
    void Free() override;

private:
    void Drag(int ax, int ay, int length);
    void ClampThumbAndValue(int length);
    void Draw(int ax, int ay);
};

}  // namespace kvx
