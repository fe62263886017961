// Font bytes (bitmap .fon or scalable) through the platform loader at the toolkit's usual size.
#include <cstddef>
#include <cstdint>

#include "platform/font.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kvx::LoadImageFontFromMemory({data, size}, 13);
    return 0;
}
