#include "core/drawing.hpp"

#include <functional>
#include <utility>

#include "platform/platform.hpp"
#include "platform/resources.hpp"
#include "platform/weak_cache.hpp"

namespace kvx {
namespace {

// What names a picture's source: an embedded one by its name, a file by its name and version.
std::string SourceKey(const std::string& path) {
    return path.starts_with(kIncbinPrefix) ? path : path + '\n' + FileVersion(path);
}

ImagePtr SharedImage(const std::string& key, const std::function<ImagePtr()>& make) {
    static WeakCache<Image> images;
    return images.Get(key, make);
}

ImagePtr SizedImage(const PixmapPtr& source, int width, int height, int32_t colorA, int32_t colorB, int style) {
    PixmapPtr pixels = ResizePixmap(source, width, height);
    if (!pixels) return nullptr;
    // The border goes into the pixels before they become an image, which then is built once.
    auto row = [&](int y, int32_t color) {
        for (int x = 0; x < width; ++x) WritePixel(pixels, x, y, uint32_t(color));
    };
    auto column = [&](int x, int32_t color) {
        for (int y = 0; y < height; ++y) WritePixel(pixels, x, y, uint32_t(color));
    };
    if (style == 1 || style == 2) {
        const int32_t lower = style == 1 ? colorB : colorA, upper = style == 1 ? colorA : colorB;
        row(height - 1, lower);
        column(width - 1, lower);
        row(0, upper);
        column(0, upper);
    }
    return LoadImage(std::move(pixels), kDynamicImage);
}

}  // namespace

void DrawImageHandle(int image, int x, int y, const KVX_ColorRef& color, int frame) {
    ImagePtr picture = ImageFromHandle(image);
    if (!picture) return;
    if (color) color->Set();
    SetBlend(kAlphaBlend);
    DrawImage(picture, float(x), float(y), frame);
    SetColor(255, 255, 255);
    SetBlend(kMaskBlend);
}

void DrawColoredText(const std::string& text, int x, int y, const KVX_ColorRef& color, const FontPtr& font) {
    if (color) color->Set();
    SetImageFont(font);
    SetBlend(kAlphaBlend);
    DrawText(text, float(x), float(y));
    SetColor(255, 255, 255);
    SetBlend(kMaskBlend);
}

void DrawBevelRect(int x, int y, int w, int h, const KVX_ColorRef& fill, const KVX_ColorRef& edgeA,
                   const KVX_ColorRef& edgeB, int style) {
    if (fill) fill->Set();
    DrawRect(float(x), float(y), float(w), float(h));
    if (style != 1 && style != 2) return;
    const int r = x + w - 1, b = y + h - 1;
    const KVX_ColorRef& lower = style == 1 ? edgeB : edgeA;
    const KVX_ColorRef& upper = style == 1 ? edgeA : edgeB;
    if (lower) lower->Set();
    DrawLine(float(x), float(b), float(r), float(b), true);
    DrawLine(float(r), float(y), float(r), float(b), true);
    if (upper) upper->Set();
    DrawLine(float(x), float(y), float(r), float(y), true);
    DrawLine(float(x), float(y), float(x), float(b), true);
}

void DrawFrameRect(int x, int y, int w, int h, bool solid) {
    if (solid) {
        DrawRect(float(x), float(y), float(w), float(h));
        return;
    }
    DrawLine(float(x), float(y), float(x + w), float(y), true);
    DrawLine(float(x), float(y + h), float(x + w), float(y + h), true);
    DrawLine(float(x), float(y), float(x), float(y + h), true);
    DrawLine(float(x + w), float(y), float(x + w), float(y + h), true);
}

void ResetDrawState() {
    SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
    SetColor(255, 255, 255);
    SetBlend(kMaskBlend);
    SetAlpha(1.0f);
}

int LoadSizedImage(const std::string& source, int width, int height, int32_t colorA, int32_t colorB, int style) {
    Cls();
    const std::string key = "sized\n" + SourceKey(source) + '\n' + std::to_string(width) + 'x' +
                            std::to_string(height) + '\n' + std::to_string(colorA) + ',' + std::to_string(colorB) +
                            ',' + std::to_string(style);
    return HandleFromImage(
        SharedImage(key, [&] { return SizedImage(SharedPixmap(source), width, height, colorA, colorB, style); }));
}

int LoadSizedImage(const PixmapPtr& source, int width, int height, int32_t colorA, int32_t colorB, int style) {
    Cls();
    return HandleFromImage(SizedImage(source, width, height, colorA, colorB, style));
}

int LoadSkinPiece(const std::string& source, int width, int height) {
    const std::string key = "piece\n" + SourceKey(source) + '\n' + std::to_string(width) + 'x' +
                            std::to_string(height) + '\n' + std::to_string(DefaultImageFlags());
    return HandleFromImage(SharedImage(key, [&] {
        const PixmapPtr pixels = SharedPixmap(source);
        return width > 0 ? LoadImage(ResizePixmap(pixels, width, height), -1) : LoadImage(pixels, -1);
    }));
}

int GrabScreenImage(int x, int y, int w, int h, bool masked) {
    ImagePtr image = CreateImage(w + 1, h + 1, 1, masked ? (kDynamicImage | kMaskedImage) : kDynamicImage);
    if (image) GrabImage(image, x, y, 0);
    SetColor(255, 255, 255);
    Cls();
    return HandleFromImage(image);
}

}  // namespace kvx
