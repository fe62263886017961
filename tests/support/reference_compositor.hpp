#pragma once
// A straightforward real-valued rendering of one draw call, to check the compositor against.
#include <cstdint>

namespace kvx::reference {

struct Paint {
    double r = 1, g = 1, b = 1;  // tint, 0..1
    double alpha = 1;
    int blend = 3;
};

// Blends one straight 0xAARRGGBB source pixel onto an 0x00RRGGBB destination, channels 0..255
// as reals, not rounded. Returns false when the pixel is not written (alpha test).
bool BlendPixel(uint32_t source, uint32_t dest, const Paint& paint, double out[3]);

// Largest channel difference between an integer result and the real-valued one.
double ChannelError(uint32_t actual, const double expected[3]);

}  // namespace kvx::reference
