#pragma once
// The studio's command line: how to open the screen and which design to open at start.
#include <optional>
#include <string>

namespace kvx::studio {

enum class ScreenChoice { Automatic, Window, FullScreen };

struct StartOptions {
    ScreenChoice Screen = ScreenChoice::Automatic;  // full screen when the screen has the mode
    std::string Design;                             // a .kvx to open once the studio is up
    bool Benchmark = false;                         // frames as fast as they can be drawn, never waiting
};

inline constexpr const char* kUsage =
    "Usage: korvex-studio [--window | --fullscreen] [--benchmark] [design.kvx]\n"
    "  --window      open in a 1024 x 768 window\n"
    "  --fullscreen  open full screen at 1024 x 768 (a window when the screen lacks the mode)\n"
    "  --benchmark   never wait for input: the FPS figure shows how fast frames can be drawn\n"
    "  --help        show this and end\n";

// The options, or none with `problem` saying why ("" for --help, which asks for the usage).
std::optional<StartOptions> ParseStartOptions(int argc, char** argv, std::string& problem);

}  // namespace kvx::studio
