#pragma once
// The three looks of every control: normal ("un"), mouse over ("hi"), pressed ("se").
#include "canvas.hpp"

namespace kvx::art {

enum class Look { Normal, Hover, Pressed };
inline constexpr Look kAllLooks[] = {Look::Hover, Look::Normal, Look::Pressed};

const char* Suffix(Look look);

struct ControlColours {
    Rgba top, bottom;  // face gradient
    Rgba border;
    Rgba glyph;
};
ControlColours RaisedColours(Look look);

// Paints a control face: gradient between rows `top` and `bottom`, a one-pixel
// inner border and a bevel (raised for normal and hover, inset when pressed).
void PaintControl(Canvas& canvas, const Shape& face, float top, float bottom, Look look);

// A one-pixel band just inside the shape's outline.
Shape InnerRing(const Shape& shape, float width = 1.0f);

}  // namespace kvx::art
