#include "studio/start_options.hpp"

namespace kvx::studio {

std::optional<StartOptions> ParseStartOptions(int argc, char** argv, std::string& problem) {
    StartOptions options;
    problem.clear();
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") return std::nullopt;
        if (argument == "--window") {
            options.Screen = ScreenChoice::Window;
        } else if (argument == "--fullscreen") {
            options.Screen = ScreenChoice::FullScreen;
        } else if (argument == "--benchmark") {
            options.Benchmark = true;
        } else if (argument.starts_with("-")) {
            problem = "unknown option " + argument;
            return std::nullopt;
        } else if (options.Design.empty()) {
            options.Design = argument;
        } else {
            problem = "one design at a time: " + argument;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace kvx::studio
