#include "platform/display.hpp"

#include <cstdio>
#include <cstdlib>

#include "platform/backend.hpp"
#include "platform/compositor.hpp"
#include "platform/draw.hpp"
#include "platform/frame_recorder.hpp"
#include "platform/image.hpp"
#include "platform/pixmap.hpp"

namespace kvx {
namespace {

struct DisplayState {
    Backend backend = Backend::Sdl;
    bool open = false;
    int depth = 0;
    BackBuffer buffer;
};

DisplayState& Display() {
    static DisplayState state;
    return state;
}

}  // namespace

BackBuffer& CurrentBackBuffer() { return Display().buffer; }

void FatalError(const char* message) {
    std::fprintf(stderr, "%s\n", message);
    std::fflush(stderr);
    std::exit(1);
}

void UseBackend(Backend backend) {
    if (Display().open) EndGraphics();
    Display().backend = backend;
}

Backend CurrentBackend() { return Display().backend; }

DisplayBackend& ActiveBackend() { return Display().backend == Backend::Headless ? HeadlessBackend() : SdlBackend(); }

bool ModeMatches(const DisplayMode& mode, int width, int height, int depth, int hz) {
    if (mode.width != width || mode.height != height) return false;
    if (hz != 0 && mode.hz != 0 && mode.hz != hz) return false;
    switch (depth) {
        case 0: return true;
        case 32: return mode.depth == 32;
        case 24: return mode.depth == 24 || mode.depth == 32;
        case 16: return mode.depth == 16;
        default: return mode.depth == depth;
    }
}

std::vector<DisplayMode> GraphicsModes() { return ActiveBackend().Modes(); }

bool GraphicsModeExists(int width, int height, int depth, int hz) {
    for (const DisplayMode& mode : GraphicsModes()) {
        if (ModeMatches(mode, width, height, depth, hz)) return true;
    }
    return false;
}

void Graphics(int width, int height, int depth, int hz) {
    if (Display().open) EndGraphics();
    if (depth != 0 && !GraphicsModeExists(width, height, 0, 0)) FatalError("Graphics mode does not exist");
    if (!PixmapSizeAllowed(width, height) || !ActiveBackend().Open(width, height, depth, hz)) {
        FatalError("Unable to set graphics mode");
    }
    DisplayState& d = Display();
    d.open = true;
    d.depth = depth;
    d.buffer.width = width;
    d.buffer.height = height;
    d.buffer.pixels.assign(size_t(width) * height, 0);
    d.buffer.cleared.reset();
    ForgetFrames();
    SetDefaultImageFlags(kFilteredImage | kMaskedImage);
    ResetPlatformDrawState();
}

void EndGraphics() {
    DisplayState& d = Display();
    if (!d.open) return;
    ActiveBackend().Close();
    d.open = false;
    d.buffer = BackBuffer{};
    ForgetFrames();
    SetImageFont(nullptr);
}

bool GraphicsOpen() { return Display().open; }
int GraphicsWidth() { return Display().buffer.width; }
int GraphicsHeight() { return Display().buffer.height; }
int GraphicsDepth() { return Display().depth; }

void zglSwapBuffers() {
    if (Display().open) {
        const std::vector<Box> changed = FinishFrame();
        ActiveBackend().Present(Display().buffer, changed);
    }
    EndInputFrame();
}

void zglSetSwapInterval(int interval) { ActiveBackend().SetSwapInterval(interval); }
void HideMouse() { ActiveBackend().SetPointerVisible(false); }
void ShowMouse() { ActiveBackend().SetPointerVisible(true); }

bool AppTerminate() {
    PumpInput();
    return Input().terminate;
}

void KeepRunning() { Input().terminate = false; }

void AppTitle(const std::string& title) { ActiveBackend().SetTitle(title); }

unsigned BackBufferPixel(int x, int y) {
    DrawPending();
    const BackBuffer& b = Display().buffer;
    if (x < 0 || y < 0 || x >= b.width || y >= b.height) return 0;
    return b.pixels[size_t(y) * b.width + x] & 0x00FFFFFFu;
}

bool SaveBackBufferPNG(const char* path) {
    DrawPending();
    const BackBuffer& b = Display().buffer;
    if (b.width == 0) return false;
    Pixmap shot(b.width, b.height);
    for (size_t i = 0; i < b.pixels.size(); ++i) shot.pixels[i] = b.pixels[i] | 0xFF000000u;
    return SavePixmapPNG(shot, path, false);
}

}  // namespace kvx
