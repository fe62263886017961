#include "noise.hpp"

#include <cmath>

namespace kvx::art {

float Hash(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return float(h >> 8) / float(1u << 24);
}

float ValueNoise(float x, float y, float cell, uint32_t seed) {
    const float u = x / cell, v = y / cell;
    const float fu = std::floor(u), fv = std::floor(v);
    const int ix = int(fu), iy = int(fv);
    const float tx = u - fu, ty = v - fv;
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float top = Hash(ix, iy, seed) + (Hash(ix + 1, iy, seed) - Hash(ix, iy, seed)) * sx;
    const float bottom = Hash(ix, iy + 1, seed) + (Hash(ix + 1, iy + 1, seed) - Hash(ix, iy + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

float FractalNoise(float x, float y, float cell, int octaves, uint32_t seed) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, cell, seed + uint32_t(i) * 101u) * weight;
        total += weight;
        weight *= 0.5f;
        cell *= 0.5f;
    }
    return sum / total;
}

}  // namespace kvx::art
