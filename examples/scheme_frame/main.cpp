// Scheme frame: headless, loads a scheme, draws the scheme sample window and writes the screen
// as a PPM file, so that the frames two builds of the toolkit draw can be compared byte for byte.
//   scheme_frame --save-tinted <scheme>   writes a scheme with tints, a colour and a font size
//   scheme_frame <scheme> <frame.ppm>     draws with it; any problem in the scheme fails
#include <Inc_Korvex.hpp>
#include <cstdio>
#include <platform/headless.hpp>
#include <string>

namespace {

constexpr int kWidth = 1024, kHeight = 768, kCursorSet = 2;
constexpr int kSampleX = 40, kSampleY = 120;
// Away from the sample, so nothing is hovered.
constexpr int kPointerX = 1000, kPointerY = 740;
constexpr int kSettleFrames = 3;
constexpr int kTintedFontSize = 15;

void SetChannels(const kvx::KVX_ColorRef& color, uint8_t r, uint8_t g, uint8_t b) {
    color->Red = r;
    color->Green = g;
    color->Blue = b;
}

bool SaveTinted(const std::string& path) {
    const kvx::KVX_Scheme& s = kvx::KVX_SchemeColors;
    SetChannels(s.WindowFrameTint, 255, 200, 120);
    SetChannels(s.WindowBodyTint, 170, 200, 255);
    SetChannels(s.ButtonTint, 255, 110, 110);
    SetChannels(s.FieldTint, 120, 255, 140);
    SetChannels(s.ListTint, 255, 255, 120);
    SetChannels(s.TabTint, 200, 140, 255);
    SetChannels(s.GadgetText, 255, 230, 0);
    return kvx::KVX_SetGuiFont(kvx::KVX_GuiFontPath(), kTintedFontSize) && kvx::KVX_SaveScheme(path);
}

// The screen as binary PPM (P6), replacing the file only once it is written whole.
bool WriteScreen(const std::string& path) {
    const kvx::StreamPtr stream = kvx::WriteReplacement(path, kvx::AtLink::kFollow);
    if (!stream) return false;
    const std::string header = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
    bool written = kvx::WriteBytes(stream, header.data(), header.size());
    std::string row(size_t(kWidth) * 3, '\0');
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const unsigned pixel = kvx::BackBufferPixel(x, y);
            row[size_t(x) * 3] = char(pixel >> 16);
            row[size_t(x) * 3 + 1] = char(pixel >> 8);
            row[size_t(x) * 3 + 2] = char(pixel);
        }
        written = kvx::WriteBytes(stream, row.data(), row.size()) && written;
    }
    return written && kvx::CommitReplacement(stream);
}

int DrawWith(const std::string& schemePath, const std::string& framePath) {
    const kvx::KVX_SchemeLoad load = kvx::KVX_LoadScheme(schemePath);
    if (!load.Ok()) {
        std::fprintf(stderr, "scheme_frame: %s\n", load.Error().c_str());
        return 1;
    }
    const kvx::KVX_WindowRef sample = kvx::KVX_SchemeSampleWindow(kSampleX, kSampleY);
    kvx::headless::MoveMouse(kPointerX, kPointerY);
    for (int i = 0; i < kSettleFrames; ++i) {
        kvx::Cls();
        kvx::KVX_RefreshGui();
        kvx::zglSwapBuffers();
    }
    if (WriteScreen(framePath)) return 0;
    std::fprintf(stderr, "scheme_frame: %s could not be written\n", framePath.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool save = argc == 3 && std::string(argv[1]) == "--save-tinted";
    if (argc != 3) {
        std::fprintf(stderr, "usage: scheme_frame --save-tinted <scheme> | scheme_frame <scheme> <frame.ppm>\n");
        return 2;
    }
    kvx::UseBackend(kvx::Backend::Headless);
    kvx::Graphics(kWidth, kHeight, 0, 60);
    kvx::KVX_InitGUI(kCursorSet);
    const int status = save ? (SaveTinted(argv[2]) ? 0 : 1) : DrawWith(argv[1], argv[2]);
    kvx::KVX_ClearGui();
    kvx::EndGraphics();
    return status;
}
