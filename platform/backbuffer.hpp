#pragma once
// The back buffer that every draw call writes into (internal to the platform layer).
#include <cstdint>
#include <vector>

namespace kvx {

struct BackBuffer {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB; the top byte is ignored
};

BackBuffer& CurrentBackBuffer();

// Stops the program with a message, the platform's only fatal path.
[[noreturn]] void FatalError(const char* message);

}  // namespace kvx
