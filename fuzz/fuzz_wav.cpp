// WAV bytes through the platform's sound loader.
#include <cstddef>
#include <cstdint>

#include "platform/audio.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kvx::LoadSoundFromMemory({data, size});
    return 0;
}
