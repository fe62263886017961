#pragma once
// Numbers that tell pictures apart: an image frame or a font takes a new one whenever its pixels are
// made, and none is given twice, so two draw calls of the same number draw the same pixels.
#include <cstdint>

namespace kvx {

inline uint64_t NewContentSerial() {
    static uint64_t last = 0;
    return ++last;
}

}  // namespace kvx
