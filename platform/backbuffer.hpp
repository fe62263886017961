#pragma once
// The back buffer that every draw call writes into (internal to the platform layer).
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/compositor.hpp"

namespace kvx {

struct BackBuffer {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB; the top byte is ignored
    // The area and colour of the last clear, and the box drawn over since: gadget builders clear
    // the whole buffer once per image after drawing a few lines, and a clear of the same colour
    // only has to undo what was drawn.
    struct Cleared {
        compositor::Clip area;
        uint32_t color = 0;
        compositor::Clip drawn;  // empty when nothing was drawn
    };
    std::optional<Cleared> cleared;
};

BackBuffer& CurrentBackBuffer();

struct DrawCall;
// Draws the call into the buffer at once, keeping its remembered clear true.
void DrawNow(BackBuffer& buffer, const DrawCall& call);

// Stops the program with a message, the platform's only fatal path.
[[noreturn]] void FatalError(const char* message);

}  // namespace kvx
