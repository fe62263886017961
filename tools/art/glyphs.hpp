#pragma once
// Small vector symbols shared by the skin and the demo pictures.
#include "shape.hpp"

namespace kvx::art {

enum class Direction { Left, Right, Up, Down };

// A solid, slightly rounded arrow head of the given size pointing in `direction`.
Shape ArrowHead(Point centre, float size, Direction direction);
Shape Tick(Point centre, float size, float halfWidth);
Shape Cross(Point centre, float size, float halfWidth);
// Marks exactly `height` tall (dot included), centred on `centre`.
Shape QuestionMark(Point centre, float height, float halfWidth);
Shape ExclamationMark(Point centre, float height, float halfWidth);

struct Padlock {
    Shape body;
    Shape shackle;
    Shape keyhole;
};
Padlock MakePadlock(Point centre, float size);

}  // namespace kvx::art
