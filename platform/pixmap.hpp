#pragma once
// Pixmaps: plain 32-bit pixel buffers, straight (not premultiplied) 0xAARRGGBB.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kvx {

struct Pixmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // row-major, width * height

    Pixmap() = default;
    Pixmap(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    uint32_t& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
using PixmapPtr = std::shared_ptr<Pixmap>;

// Largest picture the loaders accept; anything bigger is refused before allocating.
inline constexpr int kMaxPixmapSide = 16384;
inline constexpr int64_t kMaxPixmapPixels = int64_t(8192) * 8192;
bool PixmapSizeAllowed(int64_t w, int64_t h);

// PNG files, "incbin::" resources, or a pixmap passed through unchanged. Null on failure.
PixmapPtr LoadPixmap(const std::string& path);
PixmapPtr LoadPixmap(const PixmapPtr& pixmap);
PixmapPtr LoadPixmapFromMemory(std::span<const uint8_t> bytes);
// The same, for reading only, so it must not be changed: an embedded picture is decoded once, a
// file once per version of it while anyone holds it (and the last few small ones meanwhile).
// Gadgets resize their pictures from these each time they are made.
PixmapPtr SharedPixmap(const std::string& path);

// Bilinear resize with the sample point (i + 0.5) * (h / H) - 0.5, channels truncated.
PixmapPtr ResizePixmap(const PixmapPtr& pixmap, int width, int height);

void WritePixel(const PixmapPtr& pixmap, int x, int y, uint32_t argb);
uint32_t ReadPixel(const PixmapPtr& pixmap, int x, int y);

// Writes RGBA, or RGB without an alpha channel when withAlpha is false.
bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path, bool withAlpha = true);

}  // namespace kvx
