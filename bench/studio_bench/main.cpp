// Frames per second of the studio's own frame loop, headless at 1024 x 768, with an empty design
// and with 20 windows holding 200 gadgets of every kind. Run from the repository root so that the
// fonts and the demo pictures are found.
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/display.hpp"
#include "platform/headless.hpp"
#include "design/designed_gadget.hpp"
#include "studio/frame_loop.hpp"
#include "studio/placed_record.hpp"

namespace {

using namespace kvx;

constexpr int kWindows = 20, kGadgetsPerWindow = 10;
constexpr int kFrames = 400;

// Places records as the Create page would, each gadget in the window just made.
void BuildLargeDesign() {
    static const char* kinds[] = {"Frame",     "Checkbox",    "Button",  "CustomButton", "ColorIcon",
                                  "Scrollbar", "Progressbar", "Listbox", "Combobox",     "Inputbox",
                                  "Value",     "Labeltext",   "Imagebox"};
    constexpr int kKinds = sizeof(kinds) / sizeof(kinds[0]);
    for (int w = 0; w < kWindows; ++w) {
        const int x = 10 + (w % 5) * 160, y = 10 + (w / 5) * 180;
        const auto window = studio::PlaceInDesign("Window", {x, y, 200, 250}, nullptr);
        const auto live = std::static_pointer_cast<KVX_Window>(window->Gadget);
        for (int g = 0; g < kGadgetsPerWindow; ++g) {
            const studio::Band band{x + 10 + (g % 2) * 95, y + 30 + (g / 2) * 42, 80, 36};
            studio::PlaceInDesign(kinds[(w * kGadgetsPerWindow + g) % kKinds], band, live);
        }
    }
}

double FramesPerSecond() {
    studio::Frame();  // the first frame builds nothing more, but warms the caches
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i) studio::Frame();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return kFrames / elapsed.count();
}

}  // namespace

int main() {
    UseBackend(Backend::Headless);
    headless::SetClockStepPerFrame(2);

    studio::Start();
    const double empty = FramesPerSecond();
    studio::Shutdown();

    studio::Start();
    BuildLargeDesign();
    const size_t records = studio::Design().DesignList.size();
    const double large = FramesPerSecond();
    studio::Shutdown();

    std::printf("studio frame loop, headless 1024x768, %d frames each\n", kFrames);
    std::printf("  (a) empty design:                     %8.1f frames/s\n", empty);
    std::printf("  (b) %d windows, %zu gadgets (%zu records): %8.1f frames/s\n", kWindows, records - kWindows, records,
                large);
    return 0;
}
