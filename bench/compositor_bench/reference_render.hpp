#pragma once
// The scene rendered draw by draw with the real-valued reference blend.
#include <vector>

#include "scene.hpp"

namespace kvx::bench {

// Three channels per pixel, row by row. Either nothing is rounded (errors of the renderer
// accumulate over the layers), or every draw's result is rounded to whole steps, as an integer
// frame holds it (each draw is compared starting from an integer destination).
enum class Intermediate { Real, Rounded };
std::vector<double> RenderReference(const Scene& scene, Intermediate intermediate);

struct Difference {
    double channels = 0;  // the largest channel difference
    int x = 0, y = 0;     // where it is
};
// Between a frame (0x00RRGGBB) and the reference.
Difference MaxChannelDifference(const std::vector<uint32_t>& frame, const std::vector<double>& reference);

}  // namespace kvx::bench
