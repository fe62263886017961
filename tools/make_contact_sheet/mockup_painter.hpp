#pragma once
// Loads skin images the way the gadgets do (natural size, stretched, or sized
// with a one-pixel frame) and draws them, text and bevels on the open display.
#include <filesystem>
#include <string>

#include "platform/platform.hpp"

namespace kvx {

struct Rgb {
    int r, g, b;
};

class MockupPainter {
public:
    explicit MockupPainter(std::filesystem::path graphicsDir);

    ImagePtr Natural(const std::string& name) const;
    ImagePtr Stretched(const std::string& name, int width, int height) const;
    // Frame style 1: top and left in a, bottom and right in b; style 2 the reverse; 0 none.
    ImagePtr Framed(const std::string& name, int width, int height, Rgb a, Rgb b, int style) const;
    ImagePtr Cursor(const std::string& name, int cellWidth, int cellHeight, int frames) const;

    void Put(const ImagePtr& image, int x, int y, int frame = 0, float alpha = 1.0f, Rgb tint = {255, 255, 255}) const;
    void Text(const std::string& text, int x, int y, Rgb colour = {250, 250, 250}) const;
    void CentredText(const std::string& text, int centreX, int y, Rgb colour = {250, 250, 250}) const;
    void Bevel(int x, int y, int w, int h, Rgb fill, Rgb a, Rgb b, int style, float alpha = 1.0f) const;

    int LineHeight() const { return lineHeight_; }

private:
    std::filesystem::path skinPath(const std::string& name) const;

    std::filesystem::path graphicsDir_;
    FontPtr font_;
    int lineHeight_ = 16;
};

}  // namespace kvx
