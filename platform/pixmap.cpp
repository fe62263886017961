#include "platform/pixmap.hpp"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <cstring>

#include "platform/files.hpp"
#include "platform/resources.hpp"
#include "platform/weak_cache.hpp"

namespace kvx {

namespace {

constexpr size_t kRecentPictures = 8;
constexpr int64_t kRecentPicturePixels = int64_t(1024) * 1024;

}  // namespace

bool PixmapSizeAllowed(int64_t w, int64_t h) {
    return w > 0 && h > 0 && w <= kMaxPixmapSide && h <= kMaxPixmapSide && w * h <= kMaxPixmapPixels;
}

namespace {

// Of the chunks libpng would read whole only the palette and transparency are kept (1 KiB at most);
// the others are skipped a piece at a time. No chunk but the pixel data may claim more than this.
constexpr png_alloc_size_t kChunkMemoryLimit = png_alloc_size_t(8) << 20;
constexpr size_t kSignatureSize = 8;
constexpr int kBgraBytes = 4;

struct MemoryInput {
    std::span<const uint8_t> bytes;
    size_t at = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (length > input->bytes.size() - input->at) png_error(png, "cut short");
    std::memcpy(out, input->bytes.data() + input->at, length);
    input->at += length;
}

// A picture that cannot be read gives none, silently.
[[noreturn]] void StopDecoding(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// libpng reports errors with a long jump back into these two; nothing they hold needs destroying.
// The header with the transformations to 8-bit BGRA set, its size within libpng's limits.
bool ReadHeader(png_structp png, png_infop info, MemoryInput& input) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &input, ReadFromMemory);
    png_set_user_limits(png, kMaxPixmapSide, kMaxPixmapSide);
    png_set_chunk_malloc_max(png, kChunkMemoryLimit);
    // Text, profiles, gamma and the rest change nothing the toolkit draws.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_read_info(png, info);
    png_set_expand(png);  // palette and low bit depths to 8 bits, transparency to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadRows(png_structp png, png_infop info, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, info);  // up to IEND, so a file cut short after its pixels is refused too
    return true;
}

}  // namespace

PixmapPtr LoadPixmapFromMemory(std::span<const uint8_t> bytes) {
    if (bytes.size() < kSignatureSize || png_sig_cmp(bytes.data(), 0, kSignatureSize) != 0) return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopDecoding, IgnoreWarning);
    if (!png) return nullptr;
    png_infop info = png_create_info_struct(png);
    MemoryInput input{bytes};
    PixmapPtr pixmap;
    if (info && ReadHeader(png, info, input)) {
        const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
        // The header is trusted for nothing: refuse absurd sizes before allocating.
        if (PixmapSizeAllowed(width, height) && png_get_rowbytes(png, info) == size_t(width) * kBgraBytes) {
            pixmap = std::make_shared<Pixmap>(int(width), int(height));
            std::vector<png_bytep> rows(height);
            for (png_uint_32 y = 0; y < height; ++y) rows[y] = reinterpret_cast<png_bytep>(&pixmap->at(0, int(y)));
            if (!ReadRows(png, info, rows.data())) pixmap = nullptr;
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return pixmap;
}

PixmapPtr LoadPixmap(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadResource(path, bytes, size_t(256) << 20)) return nullptr;
    return LoadPixmapFromMemory(bytes);
}

PixmapPtr LoadPixmap(const PixmapPtr& pixmap) { return pixmap; }

PixmapPtr SharedPixmap(const std::string& path) {
    if (path.starts_with(kIncbinPrefix)) {
        return MadeOnceIfEmbedded<PixmapPtr>(path, [](const std::string& p) { return LoadPixmap(p); });
    }
    const std::string version = FileVersion(path);
    if (version.empty()) return nullptr;
    static WeakCache<Pixmap> decoded;
    PixmapPtr pixmap = decoded.Get(path + '\n' + version, [&] { return LoadPixmap(path); });
    // The last few pictures stay decoded between their users: gadgets made one after the other
    // (a design loading) mostly name the same few files.
    static std::deque<PixmapPtr> recent;
    const bool small = pixmap && int64_t(pixmap->width) * pixmap->height <= kRecentPicturePixels;
    if (small && std::find(recent.begin(), recent.end(), pixmap) == recent.end()) {
        recent.push_back(pixmap);
        if (recent.size() > kRecentPictures) recent.pop_front();
    }
    return pixmap;
}

namespace {

// Source index pair and weight for destination index i of n, from a source of length len.
struct Sample {
    int first;
    int second;
    double t;
};

Sample SampleAt(int i, int n, int len) {
    double s = (i + 0.5) * (double(len) / n) - 0.5;
    int f = int(std::floor(s));
    if (f < 0) return {0, 0, 0.0};
    if (f >= len - 1) return {len - 1, len - 1, 0.0};
    return {f, f + 1, s - f};
}

}  // namespace

PixmapPtr ResizePixmap(const PixmapPtr& pixmap, int width, int height) {
    if (!pixmap || !PixmapSizeAllowed(width, height)) return nullptr;
    const int sw = pixmap->width, sh = pixmap->height;
    auto out = std::make_shared<Pixmap>(width, height);
    std::vector<Sample> cols(width);
    for (int x = 0; x < width; ++x) cols[x] = SampleAt(x, width, sw);
    for (int y = 0; y < height; ++y) {
        Sample row = SampleAt(y, height, sh);
        const uint32_t* r0 = &pixmap->pixels[size_t(row.first) * sw];
        const uint32_t* r1 = &pixmap->pixels[size_t(row.second) * sw];
        uint32_t* dst = &out->pixels[size_t(y) * width];
        for (int x = 0; x < width; ++x) {
            const Sample& c = cols[x];
            uint32_t p00 = r0[c.first], p10 = r0[c.second], p01 = r1[c.first], p11 = r1[c.second];
            uint32_t result = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                double a = (p00 >> shift) & 255, b = (p10 >> shift) & 255;
                double cc = (p01 >> shift) & 255, d = (p11 >> shift) & 255;
                double top = a + (b - a) * c.t;
                double bottom = cc + (d - cc) * c.t;
                double v = top + (bottom - top) * row.t;
                result |= uint32_t(int(v)) << shift;
            }
            dst[x] = result;
        }
    }
    return out;
}

void WritePixel(const PixmapPtr& pixmap, int x, int y, uint32_t argb) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return;
    pixmap->at(x, y) = argb;
}

uint32_t ReadPixel(const PixmapPtr& pixmap, int x, int y) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return 0;
    return pixmap->at(x, y);
}

bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path, bool withAlpha) {
    if (pixmap.width <= 0 || pixmap.height <= 0) return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(pixmap.width);
    image.height = png_uint_32(pixmap.height);
    image.format = PNG_FORMAT_BGRA;
    if (withAlpha) {
        return png_image_write_to_file(&image, path.c_str(), 0, pixmap.pixels.data(), 0, nullptr) != 0;
    }
    std::vector<uint8_t> bgr(size_t(pixmap.width) * pixmap.height * 3);
    for (size_t i = 0; i < pixmap.pixels.size(); ++i) {
        uint32_t p = pixmap.pixels[i];
        bgr[i * 3 + 0] = uint8_t(p);
        bgr[i * 3 + 1] = uint8_t(p >> 8);
        bgr[i * 3 + 2] = uint8_t(p >> 16);
    }
    image.format = PNG_FORMAT_BGR;
    return png_image_write_to_file(&image, path.c_str(), 0, bgr.data(), 0, nullptr) != 0;
}

}  // namespace kvx
