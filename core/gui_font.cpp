#include "core/gui_font.hpp"

#include "core/runtime.hpp"
#include "platform/data_files.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

constexpr int kGuiFontStyle = 5;
constexpr const char* kLineHeightSample = "Korvex";
constexpr int kLinesPerTextHeight = 2;

std::string g_path;
int g_size = 0;

// The line height is measured in the new font; the font selected before is selected again.
void MakeGuiFont(const FontPtr& font, const std::string& path, int size) {
    const FontPtr selected = GetImageFont();
    KVX_GuiFont = font;
    g_path = path;
    g_size = size;
    SetImageFont(KVX_GuiFont);
    KVX_LineHeight = TextHeight(kLineHeightSample) * kLinesPerTextHeight;
    SetImageFont(selected);
}

}  // namespace

std::string KVX_DefaultGuiFontPath() { return DataFilePath("arial.ttf"); }
const std::string& KVX_GuiFontPath() { return g_path; }
int KVX_GuiFontSize() { return g_size; }

void KVX_LoadDefaultGuiFont() {
    const std::string path = KVX_DefaultGuiFontPath();
    // A missing font file leaves the built-in default font drawing, as it always has.
    MakeGuiFont(LoadImageFont(path, KVX_DefaultGuiFontSize, kGuiFontStyle), path, KVX_DefaultGuiFontSize);
}

bool KVX_SetGuiFont(const std::string& path, int size) {
    if (size < KVX_MinGuiFontSize || size > KVX_MaxGuiFontSize) return false;
    const FontPtr font = LoadImageFont(path, size, kGuiFontStyle);
    if (!font) return false;
    MakeGuiFont(font, path, size);
    return true;
}

}  // namespace kvx
