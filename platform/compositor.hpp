#pragma once
// The software compositor: every pixel the user sees is written here.
// Pixels of the target are 0x00RRGGBB; image frames are straight and premultiplied 0xAARRGGBB with
// per-row spans. Blending is exact to within one step per channel of a real-valued rendering
// (alpha blending rounds once, so within half a step and a little), and the integer kernels give
// the same bits whichever instruction set runs them.
#include <cstdint>

#include "platform/image.hpp"

namespace kvx {

// Blend modes: mask (alpha test at 0.5, opaque write), solid, alpha, light (add), shade
// (multiply). The numbers are those of the public SetBlend call.
enum BlendMode : int { kMaskBlend = 1, kSolidBlend = 2, kAlphaBlend = 3, kLightBlend = 4, kShadeBlend = 5 };

}  // namespace kvx

namespace kvx::compositor {

struct Target {
    uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// Half-open clip rectangle, already inside the target.
struct Clip {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool operator==(const Clip&) const = default;
};

// The current colour, alpha and blend mode of a draw call.
struct Paint {
    int r = 255, g = 255, b = 255;
    float alpha = 1.f;
    int blend = kMaskBlend;
    bool operator==(const Paint&) const = default;
};

// The kernels use AVX2 where the processor has it and plain x86-64 code otherwise. Tests and the
// benchmark switch to the plain code to check that both give the same pixels.
bool Avx2KernelsAvailable();
void UsePlainKernels(bool plain);

void Clear(const Target& target, const Clip& clip, uint32_t xrgb);
void FillRect(const Target& target, const Clip& clip, int x, int y, int w, int h, const Paint& paint);
void FillPixel(const Target& target, const Clip& clip, int x, int y, const Paint& paint);
void DrawFrame(const Target& target, const Clip& clip, const ImageFrame& frame, int x, int y, const Paint& paint);
// An 8-bit coverage mask (a glyph) in the paint's colour.
void DrawCoverage(const Target& target, const Clip& clip, const uint8_t* coverage, int w, int h, int x, int y,
                  const Paint& paint);

}  // namespace kvx::compositor
