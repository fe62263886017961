#pragma once
// FNV-1a over a frame's pixels, to compare frames between runs at a glance.
#include <cstdint>
#include <vector>

namespace kvx::bench {

inline uint64_t Fnv1a(const std::vector<uint32_t>& pixels) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (uint32_t p : pixels) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (p >> shift) & 255;
            hash *= 0x100000001b3ull;
        }
    }
    return hash;
}

}  // namespace kvx::bench
