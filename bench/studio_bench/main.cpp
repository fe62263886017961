// Frames per second of the studio's own frame loop, headless at 1024 x 768 and never waiting:
// an empty design, 20 windows of 200 gadgets with the pointer still and moving over them, and the
// tool window dragged over 100 windows of 2 000 gadgets. "--short" draws fewer frames (CI).
// Run from the repository root so that the fonts and the demo pictures are found.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "design/designed_gadget.hpp"
#include "gadgets/window.hpp"
#include "platform/display.hpp"
#include "platform/headless.hpp"
#include "studio/frame_loop.hpp"
#include "studio/placed_record.hpp"
#include "studio/studio_window.hpp"

namespace {

using namespace kvx;

constexpr int kFullFrames = 400, kShortFrames = 60;
constexpr double kPi = 3.14159265358979;

// Places records as the Create page would, each gadget in the window just made.
void BuildDesign(int windows, int gadgetsPerWindow) {
    static const char* kinds[] = {"Frame",     "Checkbox",    "Button",  "CustomButton", "ColorIcon",
                                  "Scrollbar", "Progressbar", "Listbox", "Combobox",     "Inputbox",
                                  "Value",     "Labeltext",   "Imagebox"};
    constexpr int kKinds = sizeof(kinds) / sizeof(kinds[0]);
    for (int w = 0; w < windows; ++w) {
        const int x = 10 + (w % 5) * 160 + (w / 20) * 7, y = 10 + (w / 5 % 4) * 180 + (w / 20) * 5;
        const auto window = studio::PlaceInDesign("Window", {x, y, 200, 250}, nullptr);
        const auto live = std::static_pointer_cast<KVX_Window>(window->Gadget);
        for (int g = 0; g < gadgetsPerWindow; ++g) {
            const studio::Band band{x + 10 + (g % 2) * 95, y + 30 + (g / 2 % 5) * 42, 80, 36};
            studio::PlaceInDesign(kinds[(w * gadgetsPerWindow + g) % kKinds], band, live);
        }
    }
}

// `step(i)` before frame i, then the frame; a first frame warms the caches.
double FramesPerSecond(int frames, const std::function<void(int)>& step) {
    step(0);
    studio::Frame();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= frames; ++i) {
        step(i);
        studio::Frame();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return frames / elapsed.count();
}

void Still(int) {}

// Round and round over the design's windows, a few pixels a frame.
void PointerRound(int i) {
    const double angle = i * 2 * kPi / 240;
    headless::MoveMouse(int(420 + 330 * std::cos(angle)), int(360 + 300 * std::sin(angle)));
}

double DragToolWindow(int frames) {
    const KVX_Window& tool = *studio::Studio().StudioWindow;
    const int grabX = tool.X + tool.Width / 2, grabY = tool.Y + tool.TitleHeight / 2;
    headless::MoveMouse(grabX, grabY);
    headless::PressMouse(1);
    studio::Frame();
    const double fps = FramesPerSecond(frames, [&](int i) {
        const double angle = i * 2 * kPi / 240;
        headless::MoveMouse(grabX - 400 + int(300 * std::cos(angle)), grabY + 200 + int(200 * std::sin(angle)));
    });
    headless::ReleaseMouse(1);
    studio::Frame();
    return fps;
}

}  // namespace

int main(int argc, char** argv) {
    const bool isShort = argc > 1 && std::strcmp(argv[1], "--short") == 0;
    const int frames = isShort ? kShortFrames : kFullFrames;
    UseBackend(Backend::Headless);
    headless::SetClockStepPerFrame(2);

    studio::Start();
    const double empty = FramesPerSecond(frames, Still);
    studio::Shutdown();

    studio::Start();
    BuildDesign(20, 10);
    const double still = FramesPerSecond(frames, Still);
    const double moving = FramesPerSecond(frames, PointerRound);
    studio::Shutdown();

    studio::Start();
    BuildDesign(100, 20);
    const double dragged = DragToolWindow(frames / 2);
    studio::Shutdown();

    std::printf("studio frame loop, headless 1024x768, uncapped, %d frames each\n", frames);
    std::printf("  empty design, pointer still:                 %8.1f frames/s\n", empty);
    std::printf("  20 windows, 200 gadgets, pointer still:      %8.1f frames/s\n", still);
    std::printf("  20 windows, 200 gadgets, pointer moving:     %8.1f frames/s\n", moving);
    std::printf("  100 windows, 2000 gadgets, window dragged:   %8.1f frames/s\n", dragged);
    return 0;
}
