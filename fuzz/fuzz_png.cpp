// PNG bytes through the platform loader, then the image and resize paths that use its result.
#include <cstddef>
#include <cstdint>

#include "platform/image.hpp"
#include "platform/pixmap.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kvx::PixmapPtr pixmap = kvx::LoadPixmapFromMemory({data, size});
    if (!pixmap) return 0;
    kvx::ImagePtr image = kvx::LoadImage(pixmap);
    kvx::ResizePixmap(pixmap, 17, 9);
    kvx::ResizePixmap(pixmap, 1, 1);
    return 0;
}
