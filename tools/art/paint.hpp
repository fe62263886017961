#pragma once
// Paints: the colour of a fill at each point of the canvas.
#include <functional>

#include "colour.hpp"

namespace kvx::art {

using Paint = std::function<Rgba(float x, float y)>;

Paint Solid(Rgba colour);
// Ramp position 0 at (x0, y0), 1 at (x1, y1), measured along that direction.
Paint LinearGradient(float x0, float y0, float x1, float y1, Ramp ramp);
Paint VerticalGradient(float top, float bottom, Ramp ramp);
Paint HorizontalGradient(float left, float right, Ramp ramp);
// Ramp position 0 at the centre, 1 at radiusX / radiusY (an ellipse).
Paint RadialGradient(float cx, float cy, float radiusX, float radiusY, Ramp ramp);

}  // namespace kvx::art
