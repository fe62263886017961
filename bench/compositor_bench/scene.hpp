#pragma once
// The fixed studio-like frame that every renderer draws: source pictures and one draw list,
// all in alpha blending.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/font.hpp"
#include "platform/pixmap.hpp"

namespace kvx::bench {

inline constexpr int kWidth = 1024;
inline constexpr int kHeight = 768;

struct Tint {
    int r = 255, g = 255, b = 255;
    float alpha = 1.f;
    bool White() const { return r == 255 && g == 255 && b == 255; }
};

// One glyph of a text, placed the way DrawText places it.
struct PlacedGlyph {
    unsigned char code = 0;
    int x = 0, y = 0;
};

enum class DrawKind { Image, Rect, Line, Text };

// What a draw stands for in the frame, for the time breakdown.
enum class DrawGroup { Background, Shadow, WindowPicture, SmallPicture, Rect, Line, Text };
inline constexpr int kDrawGroups = 7;
const char* GroupName(DrawGroup group);

struct Draw {
    DrawKind kind = DrawKind::Rect;
    DrawGroup group = DrawGroup::Rect;
    Tint tint;
    int image = 0;                    // Image: index into Scene::images
    int x = 0, y = 0, w = 0, h = 0;   // Image: top-left; Rect and Line: the covered pixels
    std::string text;                 // Text: drawn at x, y
    std::vector<PlacedGlyph> glyphs;  // Text: its glyphs that have ink
};

struct SceneImage {
    PixmapPtr pixels;  // straight 0xAARRGGBB
    bool opaque = false;
};

struct Scene {
    std::vector<SceneImage> images;
    std::vector<Draw> draws;
    FontPtr font;  // the glyphs of every Text draw
};

// Text draws use this font; the frame holds exactly 300 visible glyphs of it.
Scene BuildStudioScene(const FontPtr& font);

// How many draws of each kind the scene holds (Text counts its glyphs).
struct SceneCounts {
    int images = 0, rects = 0, lines = 0, glyphs = 0;
};
SceneCounts CountDraws(const Scene& scene);

}  // namespace kvx::bench
