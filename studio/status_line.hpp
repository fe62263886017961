#pragma once
// The line of text at the foot of the screen, below the designer's windows.
#include <string>

namespace kvx::studio {

// Draws the text there in this frame.
void DrawStatusLine(const std::string& text);

}  // namespace kvx::studio
