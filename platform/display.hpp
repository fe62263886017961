#pragma once
// The one display: opening, presenting, mode queries, the pointer's visibility.
#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int depth = 0;  // bits per pixel: 16, 24 or 32
    int hz = 0;
};

// Which backend Graphics opens. The SDL backend is the default; tests pick the headless one.
enum class Backend { Sdl, Headless };
void UseBackend(Backend backend);
Backend CurrentBackend();

// depth 0 opens a window; any other depth a full-screen mode, which must exist
// ("Graphics mode does not exist" otherwise). Closes any previous display first and
// resets the drawing state.
void Graphics(int width, int height, int depth = 0, int hz = 60);
void EndGraphics();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
int GraphicsDepth();
bool GraphicsModeExists(int width, int height, int depth = 0, int hz = 0);
std::vector<DisplayMode> GraphicsModes();

void Cls();
void zglSwapBuffers();
void zglSetSwapInterval(int interval);
void HideMouse();
void ShowMouse();

// How frames reach the screen; both modes give the same pixels. Changes, the default: a frame's
// calls are compared with the previous frame's at the present, and only the boxes around the
// calls that differ are drawn again and shown. Full: every call is drawn as it comes and the whole
// screen is shown, as a reference and for measuring the drawing itself.
enum class RedrawMode { Changes, Full };
void SetRedrawMode(RedrawMode mode);
RedrawMode CurrentRedrawMode();
// Pixels the last present drew again: none when nothing changed, the whole screen in Full mode.
int64_t PixelsRecomposed();

// True once the user asked the window to close (window manager); stays true until a program
// that asked the user whether to close after all calls KeepRunning.
bool AppTerminate();
void KeepRunning();
// The real window's title; the headless backend only keeps it.
void AppTitle(const std::string& title);

// The back buffer as 0x00RRGGBB pixels, for tests and screenshots.
unsigned BackBufferPixel(int x, int y);
bool SaveBackBufferPNG(const char* path);

}  // namespace kvx
