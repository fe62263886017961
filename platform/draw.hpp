#pragma once
// Drawing state and primitives, all on the back buffer through our own compositor.
#include <string>

#include "compositor.hpp"
#include "font.hpp"
#include "image.hpp"

namespace kvx {

void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetViewport(int x, int y, int width, int height);
void GetViewport(int& x, int& y, int& width, int& height);
void SetClsColor(int r, int g, int b);
void SetImageFont(const FontPtr& font);  // null selects the built-in default font
const FontPtr& GetImageFont();

void DrawRect(float x, float y, float width, float height);
void DrawLine(float x1, float y1, float x2, float y2, bool lastPixel = true);
void Plot(float x, float y);
void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

// Resets colour, alpha, blend, viewport, clear colour and font, as Graphics does.
void ResetPlatformDrawState();

}  // namespace kvx
