#include "mockup_painter.hpp"

#include <utility>

namespace kvx {
namespace {

uint32_t Argb(Rgb c) { return 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b); }

}  // namespace

MockupPainter::MockupPainter(std::filesystem::path graphicsDir) : graphicsDir_(std::move(graphicsDir)) {
    for (const char* path : {"arial.ttf", "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"}) {
        if ((font_ = LoadImageFont(path, 13))) break;
    }
    SetImageFont(font_);
    lineHeight_ = TextHeight("Wg") + 3;
}

std::filesystem::path MockupPainter::skinPath(const std::string& name) const {
    return graphicsDir_ / "Default_Skin" / name;
}

ImagePtr MockupPainter::Natural(const std::string& name) const { return LoadImage(skinPath(name).string()); }

ImagePtr MockupPainter::Stretched(const std::string& name, int width, int height) const {
    return LoadImage(ResizePixmap(LoadPixmap(skinPath(name).string()), width, height));
}

ImagePtr MockupPainter::Framed(const std::string& name, int width, int height, Rgb a, Rgb b, int style) const {
    PixmapPtr pixmap = ResizePixmap(LoadPixmap(skinPath(name).string()), width, height);
    if (!pixmap) return nullptr;
    if (style == 1 || style == 2) {
        const uint32_t first = Argb(style == 1 ? b : a), second = Argb(style == 1 ? a : b);
        for (int x = 0; x < width; ++x) pixmap->at(x, height - 1) = first;
        for (int y = 0; y < height; ++y) pixmap->at(width - 1, y) = first;
        for (int x = 0; x < width; ++x) pixmap->at(x, 0) = second;
        for (int y = 0; y < height; ++y) pixmap->at(0, y) = second;
    }
    return LoadImage(pixmap, kDynamicImage);
}

ImagePtr MockupPainter::Cursor(const std::string& name, int cellWidth, int cellHeight, int frames) const {
    return LoadAnimImage((graphicsDir_ / name).string(), cellWidth, cellHeight, 0, frames, kMaskedImage);
}

void MockupPainter::Put(const ImagePtr& image, int x, int y, int frame, float alpha, Rgb tint) const {
    if (!image) return;
    SetBlend(kAlphaBlend);
    SetAlpha(alpha);
    SetColor(tint.r, tint.g, tint.b);
    DrawImage(image, float(x), float(y), frame);
    SetAlpha(1.0f);
}

void MockupPainter::Text(const std::string& text, int x, int y, Rgb colour) const {
    SetBlend(kAlphaBlend);
    SetColor(colour.r, colour.g, colour.b);
    DrawText(text, float(x), float(y));
}

void MockupPainter::CentredText(const std::string& text, int centreX, int y, Rgb colour) const {
    Text(text, centreX - TextWidth(text) / 2, y, colour);
}

void MockupPainter::Bevel(int x, int y, int w, int h, Rgb fill, Rgb a, Rgb b, int style, float alpha) const {
    SetBlend(kAlphaBlend);
    SetAlpha(alpha);
    SetColor(fill.r, fill.g, fill.b);
    DrawRect(float(x), float(y), float(w), float(h));
    if (style == 1 || style == 2) {
        const Rgb bottomRight = style == 1 ? b : a, topLeft = style == 1 ? a : b;
        const float r = float(x + w - 1), bottom = float(y + h - 1);
        SetColor(bottomRight.r, bottomRight.g, bottomRight.b);
        DrawLine(float(x), bottom, r, bottom);
        DrawLine(r, float(y), r, bottom);
        SetColor(topLeft.r, topLeft.g, topLeft.b);
        DrawLine(float(x), float(y), r, float(y));
        DrawLine(float(x), float(y), float(x), bottom);
    }
    SetAlpha(1.0f);
}

}  // namespace kvx
