#pragma once
// Images: one or more equally sized frames made from pixmaps, drawable by the compositor.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pixmap.hpp"

namespace kvx {

enum ImageFlags : int {
    kDynamicImage = 1,
    kFilteredImage = 2,
    kMaskedImage = 4,
};

// One frame as the compositor reads it: the straight pixels with per-row spans, rebuilt whenever
// the frame's pixmap changes.
struct ImageFrame {
    PixmapPtr pixmap;  // straight ARGB, what LockImage hands out
    struct Row {
        int16_t first = 0;    // first pixel with alpha > 0
        int16_t end = 0;      // one past the last pixel with alpha > 0
        bool opaque = false;  // every pixel of the row has alpha 255
    };
    std::vector<Row> rows;
    // The longest run of rows opaque all across: drawn opaque, it hides whatever is under it.
    int opaqueFirst = 0, opaqueEnd = 0;
    uint64_t content = 0;  // a new serial at every rebuild (platform/content_serial.hpp)
    bool locked = false;

    void Rebuild();
    // Premultiplied ARGB, exactly rounded. Only the light blend reads it, so it is made the first
    // time one does and not kept for the other pictures.
    const std::vector<uint32_t>& Premultiplied() const;

private:
    mutable std::vector<uint32_t> premul_;
};

struct Image {
    int width = 0;
    int height = 0;
    int flags = 0;
    std::vector<ImageFrame> frames;
};
using ImagePtr = std::shared_ptr<Image>;

// flags -1 = the default flags that Graphics sets (filtered + masked).
ImagePtr LoadImage(const std::string& path, int flags = -1);
ImagePtr LoadImage(const PixmapPtr& pixmap, int flags = -1);
// Takes the pixmap over when nothing else holds it, as a freshly resized one.
ImagePtr LoadImage(PixmapPtr&& pixmap, int flags = -1);
ImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                       int flags = -1);
ImagePtr LoadAnimImage(const PixmapPtr& pixmap, int cellWidth, int cellHeight, int firstCell, int cellCount,
                       int flags = -1);
ImagePtr CreateImage(int width, int height, int frames = 1, int flags = -1);
void GrabImage(const ImagePtr& image, int x, int y, int frame = 0);

int ImageWidth(const ImagePtr& image);
int ImageHeight(const ImagePtr& image);

// Lock gives the frame's pixmap; unlocking rebuilds what the compositor draws from it.
PixmapPtr LockImage(const ImagePtr& image, int frame = 0, bool read = true, bool write = true);
void UnlockImage(const ImagePtr& image, int frame = 0);

int DefaultImageFlags();
void SetDefaultImageFlags(int flags);

}  // namespace kvx
