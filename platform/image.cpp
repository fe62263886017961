#include "platform/image.hpp"

#include <algorithm>

#include "platform/backbuffer.hpp"
#include "platform/frame_recorder.hpp"

namespace kvx {
namespace {

int g_defaultFlags = kFilteredImage | kMaskedImage;

int ResolveFlags(int flags) { return flags == -1 ? g_defaultFlags : flags; }

// The mask colour is black: such pixels become fully transparent.
void ApplyMask(Pixmap& pixmap) {
    for (uint32_t& p : pixmap.pixels) {
        if ((p & 0x00FFFFFFu) == 0) p = 0;
    }
}

uint32_t Premultiply(uint32_t p) {
    uint32_t a = p >> 24;
    if (a == 255) return p;
    if (a == 0) return 0;
    auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (mul((p >> 16) & 255) << 16) | (mul((p >> 8) & 255) << 8) | mul(p & 255);
}

ImageFrame MakeFrame(PixmapPtr pixmap, int flags) {
    if (flags & kMaskedImage) ApplyMask(*pixmap);
    ImageFrame frame;
    frame.pixmap = std::move(pixmap);
    frame.Rebuild();
    return frame;
}

ImagePtr MakeImage(int width, int height, int flags) {
    auto image = std::make_shared<Image>();
    image->width = width;
    image->height = height;
    image->flags = flags;
    return image;
}

}  // namespace

void ImageFrame::Rebuild() {
    const int w = pixmap->width, h = pixmap->height;
    premul_.clear();
    premul_.shrink_to_fit();
    rows.assign(size_t(h), Row{});
    content = NewContentSerial();
    opaqueFirst = opaqueEnd = 0;
    for (int y = 0, runFirst = 0; y < h; ++y) {
        const uint32_t* src = &pixmap->pixels[size_t(y) * w];
        int first = w, end = 0;
        bool opaque = true;
        for (int x = 0; x < w; ++x) {
            uint32_t a = src[x] >> 24;
            if (a != 0) {
                first = std::min(first, x);
                end = x + 1;
            }
            opaque = opaque && a == 255;
        }
        rows[size_t(y)] = Row{int16_t(first < end ? first : 0), int16_t(end), opaque};
        if (!opaque) {
            runFirst = y + 1;
        } else if (y + 1 - runFirst > opaqueEnd - opaqueFirst) {
            opaqueFirst = runFirst;
            opaqueEnd = y + 1;
        }
    }
}

const std::vector<uint32_t>& ImageFrame::Premultiplied() const {
    if (premul_.size() != pixmap->pixels.size()) {
        premul_.resize(pixmap->pixels.size());
        std::transform(pixmap->pixels.begin(), pixmap->pixels.end(), premul_.begin(), Premultiply);
    }
    return premul_;
}

int DefaultImageFlags() { return g_defaultFlags; }
void SetDefaultImageFlags(int flags) { g_defaultFlags = flags; }

ImagePtr LoadImage(const std::string& path, int flags) { return LoadImage(SharedPixmap(path), flags); }

ImagePtr LoadImage(const PixmapPtr& pixmap, int flags) { return LoadImage(PixmapPtr(pixmap), flags); }

ImagePtr LoadImage(PixmapPtr&& pixmap, int flags) {
    if (!pixmap || !PixmapSizeAllowed(pixmap->width, pixmap->height)) return nullptr;
    flags = ResolveFlags(flags);
    auto image = MakeImage(pixmap->width, pixmap->height, flags);
    // Masking changes the pixels, so a pixmap someone else still holds is copied first.
    PixmapPtr own = pixmap.use_count() == 1 ? std::move(pixmap) : std::make_shared<Pixmap>(*pixmap);
    image->frames.push_back(MakeFrame(std::move(own), flags));
    return image;
}

ImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                       int flags) {
    return LoadAnimImage(SharedPixmap(path), cellWidth, cellHeight, firstCell, cellCount, flags);
}

ImagePtr LoadAnimImage(const PixmapPtr& pixmap, int cellWidth, int cellHeight, int firstCell, int cellCount,
                       int flags) {
    if (!pixmap || cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return nullptr;
    const int across = pixmap->width / cellWidth, down = pixmap->height / cellHeight;
    if (int64_t(firstCell) + cellCount > int64_t(across) * down) return nullptr;
    flags = ResolveFlags(flags);
    auto image = MakeImage(cellWidth, cellHeight, flags);
    for (int cell = firstCell; cell < firstCell + cellCount; ++cell) {
        auto part = std::make_shared<Pixmap>(cellWidth, cellHeight);
        const int ox = (cell % across) * cellWidth, oy = (cell / across) * cellHeight;
        for (int y = 0; y < cellHeight; ++y) {
            std::copy_n(&pixmap->pixels[size_t(oy + y) * pixmap->width + ox], cellWidth, &part->at(0, y));
        }
        image->frames.push_back(MakeFrame(std::move(part), flags));
    }
    return image;
}

ImagePtr CreateImage(int width, int height, int frames, int flags) {
    if (!PixmapSizeAllowed(width, height) || frames <= 0 || frames > 4096) return nullptr;
    flags = ResolveFlags(flags) | kDynamicImage;
    auto image = MakeImage(width, height, flags);
    for (int i = 0; i < frames; ++i) image->frames.push_back(MakeFrame(std::make_shared<Pixmap>(width, height), 0));
    return image;
}

void GrabImage(const ImagePtr& image, int x, int y, int frame) {
    if (!image || frame < 0 || frame >= int(image->frames.size())) return;
    ImageFrame& target = image->frames[size_t(frame)];
    Pixmap& pixmap = *target.pixmap;
    DrawPending();
    const BackBuffer& screen = CurrentBackBuffer();
    for (int row = 0; row < pixmap.height; ++row) {
        for (int col = 0; col < pixmap.width; ++col) {
            const int sx = x + col, sy = y + row;
            const bool inside = sx >= 0 && sy >= 0 && sx < screen.width && sy < screen.height;
            pixmap.at(col, row) = inside ? (screen.pixels[size_t(sy) * screen.width + sx] | 0xFF000000u) : 0u;
        }
    }
    if (image->flags & kMaskedImage) ApplyMask(pixmap);
    target.Rebuild();
}

int ImageWidth(const ImagePtr& image) { return image ? image->width : 0; }
int ImageHeight(const ImagePtr& image) { return image ? image->height : 0; }

PixmapPtr LockImage(const ImagePtr& image, int frame, bool, bool) {
    if (!image || frame < 0 || frame >= int(image->frames.size())) FatalError("Image frame cannot be locked");
    // Calls waiting to draw this frame must draw the pixels it has now.
    DrawPending();
    ImageFrame& target = image->frames[size_t(frame)];
    target.locked = true;
    return target.pixmap;
}

void UnlockImage(const ImagePtr& image, int frame) {
    if (!image || frame < 0 || frame >= int(image->frames.size())) FatalError("Image frame cannot be unlocked");
    ImageFrame& target = image->frames[size_t(frame)];
    target.locked = false;
    target.Rebuild();
}

}  // namespace kvx
