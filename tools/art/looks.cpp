#include "looks.hpp"

#include "theme.hpp"

namespace kvx::art {

const char* Suffix(Look look) {
    switch (look) {
        case Look::Hover: return "hi";
        case Look::Pressed: return "se";
        case Look::Normal: break;
    }
    return "un";
}

ControlColours RaisedColours(Look look) {
    switch (look) {
        case Look::Hover: return {Rgb8(68, 114, 168), Rgb8(38, 72, 116), Rgb8(0, 150, 204), Rgb8(255, 255, 255)};
        case Look::Pressed: return {Rgb8(24, 36, 56), Rgb8(40, 60, 92), Rgb8(0, 104, 146), Rgb8(160, 206, 232)};
        case Look::Normal: break;
    }
    return {Rgb8(80, 86, 98), Rgb8(50, 54, 62), Rgb8(24, 28, 35), theme::kGlyph};
}

Shape InnerRing(const Shape& shape, float width) { return Subtract(shape, Grow(shape, -width)); }

void PaintControl(Canvas& canvas, const Shape& face, float top, float bottom, Look look) {
    const ControlColours colours = RaisedColours(look);
    canvas.Fill(face, VerticalGradient(top, bottom, {{0, colours.top}, {1, colours.bottom}}));
    const Shape inside = Grow(face, -1.0f);
    switch (look) {
        case Look::Normal: canvas.Bevel(inside, 2.0f, Rgb8(255, 255, 255, 0.22f), Rgb8(0, 0, 0, 0.2f)); break;
        case Look::Hover: canvas.Bevel(inside, 2.0f, Rgb8(255, 255, 255, 0.32f), Rgb8(0, 0, 0, 0.2f)); break;
        case Look::Pressed: canvas.Bevel(inside, 3.0f, Rgb8(0, 0, 0, 0.5f), Rgb8(255, 255, 255, 0.08f)); break;
    }
    canvas.Fill(InnerRing(face), colours.border);
}

}  // namespace kvx::art
