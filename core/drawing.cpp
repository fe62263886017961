#include "core/drawing.hpp"

#include <utility>

#include "platform/platform.hpp"

namespace kvx {

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
    return LoadSizedImage(SharedPixmap(source), width, height, colorA, colorB, style);
}

int LoadSizedImage(const PixmapPtr& source, int width, int height, int32_t colorA, int32_t colorB, int style) {
    Cls();
    PixmapPtr pixels = ResizePixmap(source, width, height);
    if (!pixels) return 0;
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
    return HandleFromImage(LoadImage(std::move(pixels), kDynamicImage));
}

int GrabScreenImage(int x, int y, int w, int h, bool masked) {
    ImagePtr image = CreateImage(w + 1, h + 1, 1, masked ? (kDynamicImage | kMaskedImage) : kDynamicImage);
    if (image) GrabImage(image, x, y, 0);
    SetColor(255, 255, 255);
    Cls();
    return HandleFromImage(image);
}

}  // namespace kvx
