// Korvex Studio: the interface designer's entry point.
#include <cstdio>

#include "studio/frame_loop.hpp"
#include "studio/start_options.hpp"

int main(int argc, char** argv) {
    std::string problem;
    const auto options = kvx::studio::ParseStartOptions(argc, argv, problem);
    if (!options) {
        if (!problem.empty()) std::fprintf(stderr, "korvex-studio: %s\n", problem.c_str());
        std::fputs(kvx::studio::kUsage, problem.empty() ? stdout : stderr);
        return problem.empty() ? 0 : 2;
    }
    return kvx::studio::Run(*options);
}
