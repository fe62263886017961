#include "sheet.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/platform.hpp"
#include "sheet_layout.hpp"

namespace kvx {
namespace {

constexpr int kSheetWidth = 1280;

struct CursorStrip {
    const char* name;
    int cellWidth, cellHeight, frames;
};
constexpr CursorStrip kCursorStrips[] = {
    {"Mouse01_Normal.png", 28, 30, 9}, {"Mouse01_Help.png", 28, 30, 11}, {"Mouse01_Busy.png", 32, 32, 6},
    {"Mouse02_Normal.png", 32, 32, 6}, {"Mouse02_Help.png", 32, 32, 6},  {"Mouse02_Busy.png", 32, 32, 6},
};

int ViewFactor(const Pixmap& picture) {
    const int side = std::max(picture.width, picture.height);
    return side <= 64 ? 3 : side <= 128 ? 2 : 1;
}

SheetSection SkinSection(const std::filesystem::path& skinDir) {
    SheetSection section{"Default_Skin", {}};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(skinDir))
        if (entry.path().extension() == ".png") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const PixmapPtr picture = LoadPixmap(file.string());
        if (!picture) continue;
        section.tiles.push_back({file.stem().string(), Enlarge(*picture, ViewFactor(*picture))});
    }
    return section;
}

SheetSection CursorSection(const std::filesystem::path& graphicsDir) {
    constexpr int kFactor = 3;
    SheetSection section{"Cursors, frames left to right (hot spot = top-left pixel)", {}};
    for (const CursorStrip& strip : kCursorStrips) {
        const PixmapPtr picture = LoadPixmap((graphicsDir / strip.name).string());
        if (!picture) continue;
        section.tiles.push_back({strip.name, Enlarge(*picture, kFactor), strip.cellWidth * kFactor,
                                 strip.cellHeight * kFactor, strip.frames});
    }
    return section;
}

void DrawTile(const SheetTile& tile) {
    SetColor(255, 255, 255);
    if (tile.cellWidth > 0) {
        const ImagePtr frames =
            LoadAnimImage(tile.picture, tile.cellWidth, tile.cellHeight, 0, tile.frames, kMaskedImage);
        for (int frame = 0; frame < tile.frames; ++frame)
            DrawImage(frames, float(tile.x + frame * (tile.cellWidth + kFrameGap)), float(tile.y), frame);
    } else {
        DrawImage(LoadImage(tile.picture, kMaskedImage), float(tile.x), float(tile.y));
    }
    const int height = tile.cellHeight > 0 ? tile.cellHeight : tile.picture->height;
    SetColor(235, 235, 235);
    DrawText(tile.label, float(tile.x), float(tile.y + height + 2));
}

}  // namespace

bool WriteContactSheet(const std::string& graphicsDir, const std::string& outputPath) {
    const std::filesystem::path root(graphicsDir);
    std::vector<SheetSection> sections{SkinSection(root / "Default_Skin"), CursorSection(root)};
    if (const PixmapPtr logo = LoadPixmap((root / "KorvexLogo.png").string()))
        sections.push_back({"Logo", {{"KorvexLogo", logo}}});

    UseBackend(Backend::Headless);
    Graphics(kSheetWidth, 64);  // a display must be open to measure text
    const int height = LayOutSheet(sections, kSheetWidth, [](const std::string& text) { return TextWidth(text); });
    Graphics(kSheetWidth, height);
    SetClsColor(110, 110, 110);
    Cls();
    SetBlend(kAlphaBlend);
    for (const SheetSection& section : sections) {
        SetColor(255, 210, 140);
        DrawText(section.heading, float(kSheetMargin), float(section.y));
        for (const SheetTile& tile : section.tiles) DrawTile(tile);
    }
    const bool saved = SaveBackBufferPNG(outputPath.c_str());
    EndGraphics();
    return saved;
}

}  // namespace kvx
