#pragma once
// Deterministic noise: the same seed gives the same pattern on every run.
#include <cstdint>

namespace kvx::art {

// Uniform value in [0, 1) for an integer lattice point.
float Hash(int x, int y, uint32_t seed);
// Smooth value noise in [0, 1) with features about `cell` pixels apart.
float ValueNoise(float x, float y, float cell, uint32_t seed);
// Several octaves of value noise, each half the size and weight of the one before.
float FractalNoise(float x, float y, float cell, int octaves, uint32_t seed);

}  // namespace kvx::art
