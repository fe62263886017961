#pragma once
// What the value box and the scroll bar share: how a value is shown and stepping by the wheel.
#include <cstdint>
#include <string>

#include "core/mouse.hpp"

namespace kvx {

// Whole numbers truncate toward zero; other values print as "%#.9g" (5 shows as "5.00000000").
std::string ValueText(float value, uint8_t integerOnly);

// The number a person typed: decimal only ("0x8" is 0, not 8), leading blanks and a sign allowed,
// anything after the number ignored; 0 when there is none; too large gives an infinity.
float ReadDecimal(const std::string& text);

// One step for a wheel movement this frame; the movement is consumed for the rest of the frame.
template <class ValueGadget>
void StepByWheel(ValueGadget& gadget) {
    const int32_t direction = KVX_Mouse.WheelDir;
    if (direction == 0) return;
    KVX_Mouse.WheelDir = 0;
    if (direction < 0) {
        gadget.Decrement();
    } else {
        gadget.Increment();
    }
}

}  // namespace kvx
