#pragma once
// The product's emblem and its "Korvex" word mark, as vector shapes.
#include "shape.hpp"

namespace kvx::art {

// A rounded hexagon carrying a "K" made of a stem and a chevron.
struct Emblem {
    Shape badge;
    Shape stem;
    Shape chevron;
};
Emblem MakeEmblem(Point centre, float radius);

struct Wordmark {
    Shape letters;
    float width;  // from the left of the first stroke to the right of the last
};
// `origin` is the left end of the baseline; strokes have the given half width.
Wordmark MakeWordmark(Point origin, float capHeight, float halfWidth);

}  // namespace kvx::art
