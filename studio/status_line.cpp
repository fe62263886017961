#include "studio/status_line.hpp"

#include "platform/platform.hpp"

namespace kvx::studio {
namespace {

constexpr int kLeft = 10, kAboveBottom = 55;

}  // namespace

void DrawStatusLine(const std::string& text) {
    SetColor(255, 255, 255);
    DrawText(text, kLeft, float(GraphicsHeight() - kAboveBottom));
}

}  // namespace kvx::studio
