// Saving and loading large designs through the studio's writer and reader, headless: the time of
// each and the peak memory of a process that loads the design. Each size runs in a child of its
// own so that its peak is its own. Run from the repository root (fonts and demo pictures).
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "gadgets/window.hpp"
#include "platform/display.hpp"
#include "platform/headless.hpp"
#include "design/design_reader.hpp"
#include "design/design_writer.hpp"
#include "design/designed_gadget.hpp"
#include "studio/frame_loop.hpp"
#include "studio/new_interface.hpp"
#include "studio/placed_record.hpp"

namespace {

using namespace kvx;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows of 100 gadgets of every placeable kind, 99 gadgets and the window.
void BuildDesign(int gadgets) {
    static const char* const kinds[] = {"Frame",     "Checkbox",    "Button",  "CustomButton", "ColorIcon",
                                        "Scrollbar", "Progressbar", "Listbox", "Combobox",     "Inputbox",
                                        "Value",     "Labeltext",   "Imagebox"};
    constexpr int kKinds = sizeof(kinds) / sizeof(kinds[0]);
    constexpr int kPerWindow = 100;
    for (int placed = 0, w = 0; placed < gadgets; ++w) {
        const int x = 10 + w % 20 * 30, y = 10 + w % 15 * 20;
        const auto window = studio::PlaceInDesign("Window", {x, y, 300, 300}, nullptr);
        const auto live = std::static_pointer_cast<KVX_Window>(window->Gadget);
        ++placed;
        for (int i = 1; i < kPerWindow && placed < gadgets; ++i, ++placed) {
            studio::PlaceInDesign(kinds[i % kKinds], {x + 10, y + 30 + i % 200, 60, 60}, live);
        }
    }
}

long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

void MeasureSave(int gadgets, const std::string& path) {
    studio::Start();
    BuildDesign(gadgets);
    const auto start = Clock::now();
    const bool saved = studio::SaveDesignTo(path);
    std::printf("%6d gadgets: save %7.1f ms%s\n", gadgets, MillisecondsSince(start), saved ? "" : " FAILED");
    studio::Shutdown();
}

void MeasureLoad(int gadgets, const std::string& path) {
    studio::Start();
    const long before = PeakKilobytes();
    const auto start = Clock::now();
    studio::LoadDesignFrom(path);
    const double ms = MillisecondsSince(start);
    std::printf("%6d gadgets: load %7.1f ms, %zu records, peak memory %.1f MB (%.1f MB before the load)\n", gadgets, ms,
                studio::Design().DesignList.size(), PeakKilobytes() / 1024.0, before / 1024.0);
    studio::Shutdown();
}

template <class Step>
void InChild(Step step) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        step();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
    UseBackend(Backend::Headless);
    const std::string path = "/tmp/kvx_design_bench_" + std::to_string(getpid()) + ".kvx";
    for (int i = 1; i < argc || i == 1; ++i) {
        const int gadgets = argc > 1 ? std::stoi(argv[i]) : 2000;
        InChild([&] { MeasureSave(gadgets, path); });
        InChild([&] { MeasureLoad(gadgets, path); });
    }
    std::remove(path.c_str());
    return 0;
}
