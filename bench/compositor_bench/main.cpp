// Frames per second of our compositor against SDL2's software renderer and pixman, all drawing
// the same studio-like frame; also checks our frame against the real-valued reference.
//   compositor_bench [seconds per run, default 2] [rounds, default 3] [--breakdown]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "checksum.hpp"
#include "platform/compositor.hpp"
#include "platform/font.hpp"
#include "reference_render.hpp"
#include "renderer.hpp"

namespace kvx::bench {
namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    double seconds = 2.0;
    int rounds = 3;
    bool breakdown = false;
};

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double MeasureFps(Renderer& renderer, size_t draws, double seconds) {
    const Clock::time_point start = Clock::now();
    long frames = 0;
    double elapsed = 0;
    do {
        renderer.RenderFrame(draws);
        ++frames;
        elapsed = SecondsSince(start);
    } while (elapsed < seconds);
    return double(frames) / elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Microseconds per frame in each group of draws, every draw timed on its own; the median frame
// of each group, which other work on the machine disturbs least.
void PrintBreakdown(const std::vector<std::unique_ptr<Renderer>>& renderers, const Scene& scene, int frames) {
    std::printf("\ntime per frame by group, us (each draw timed on its own, median of %d frames):\n%-22s", frames,
                "group");
    for (const auto& r : renderers) std::printf(" %14s", r->Name());
    std::printf("\n");
    // spent[renderer][group][frame]
    std::vector<std::vector<std::vector<double>>> spent(
        renderers.size(), std::vector<std::vector<double>>(kDrawGroups, std::vector<double>(size_t(frames), 0.0)));
    for (size_t r = 0; r < renderers.size(); ++r) {
        renderers[r]->Activate();
        for (int f = 0; f < frames; ++f) {
            for (size_t i = 0; i < scene.draws.size(); ++i) {
                const Clock::time_point start = Clock::now();
                renderers[r]->Render(i);
                spent[r][size_t(scene.draws[i].group)][size_t(f)] += SecondsSince(start);
            }
            renderers[r]->EndFrame();
        }
    }
    std::vector<double> totals(renderers.size(), 0.0);
    for (int g = 0; g < kDrawGroups; ++g) {
        std::printf("%-22s", GroupName(DrawGroup(g)));
        for (size_t r = 0; r < renderers.size(); ++r) {
            const double us = Median(spent[r][size_t(g)]) * 1e6;
            totals[r] += us;
            std::printf(" %14.1f", us);
        }
        std::printf("\n");
    }
    std::printf("%-22s", "sum");
    for (double total : totals) std::printf(" %14.1f", total);
    std::printf("\n");
}

struct Check {
    Difference rounded, real;
    uint64_t checksum = 0;
};

Check CheckFrame(Renderer& renderer, size_t draws, const std::vector<double>& rounded,
                 const std::vector<double>& real) {
    renderer.Activate();
    renderer.RenderFrame(draws);
    const std::vector<uint32_t> pixels = renderer.Pixels();
    return {MaxChannelDifference(pixels, rounded), MaxChannelDifference(pixels, real), Fnv1a(pixels)};
}

void PrintTable(const std::vector<std::unique_ptr<Renderer>>& renderers, const std::vector<std::vector<double>>& fps) {
    std::printf("\n%-14s %9s %9s %9s   %s\n", "renderer", "fps", "ms/frame", "best fps", "fps range over rounds");
    for (size_t i = 0; i < renderers.size(); ++i) {
        const double median = Median(fps[i]);
        const auto [low, high] = std::minmax_element(fps[i].begin(), fps[i].end());
        std::printf("%-14s %9.0f %9.3f %9.0f   %.0f - %.0f\n", renderers[i]->Name(), median, 1000 / median, *high, *low,
                    *high);
    }
    std::printf("(fps and ms/frame: median of the rounds)\n");
}

int Run(const Options& options) {
    const Scene scene = BuildStudioScene(DefaultFont());
    const size_t draws = scene.draws.size();
    const SceneCounts counts = CountDraws(scene);
    std::printf("frame %dx%d, alpha blending: %d pictures, %d rectangles, %d lines, %d glyphs\n", kWidth, kHeight,
                counts.images, counts.rects, counts.lines, counts.glyphs);

    const HeadlessDisplay display;
    std::vector<std::unique_ptr<Renderer>> renderers;
    renderers.push_back(MakeKorvexRenderer(scene, Kernels::Default));
    renderers.push_back(MakeKorvexRenderer(scene, Kernels::Plain));
    renderers.push_back(MakeSdlRenderer(scene));
    renderers.push_back(MakePixmanRenderer(scene));
    enum { kOurs, kOursPlain, kSdl, kPixman };

    const std::vector<double> rounded = RenderReference(scene, Intermediate::Rounded);
    const std::vector<double> real = RenderReference(scene, Intermediate::Real);
    std::printf("\nmax channel difference from the reference, rounded after each draw / never rounded:\n");
    std::vector<Check> checks;
    for (const auto& renderer : renderers) {
        const Check& c = checks.emplace_back(CheckFrame(*renderer, draws, rounded, real));
        std::printf("  %-14s %6.3f at %4d,%3d  / %6.3f at %4d,%3d   checksum %016llx\n", renderer->Name(),
                    c.rounded.channels, c.rounded.x, c.rounded.y, c.real.channels, c.real.x, c.real.y,
                    static_cast<unsigned long long>(c.checksum));
    }
    const bool sameKernels = checks[kOurs].checksum == checks[kOursPlain].checksum;
    std::printf("our kernels: %s %016llx, plain x86-64 %016llx: %s\n",
                compositor::Avx2KernelsAvailable() ? "AVX2" : "(no AVX2 here) default",
                static_cast<unsigned long long>(checks[kOurs].checksum),
                static_cast<unsigned long long>(checks[kOursPlain].checksum), sameKernels ? "identical" : "DIFFERENT");

    if (options.breakdown) PrintBreakdown(renderers, scene, 200);

    std::vector<std::vector<double>> fps(renderers.size());
    std::printf("\ntiming: %d rounds, %.1f s per renderer per round, interleaved\n", options.rounds, options.seconds);
    for (int round = 0; round < options.rounds; ++round) {
        std::printf("  round %d:", round + 1);
        for (size_t i = 0; i < renderers.size(); ++i) {
            renderers[i]->Activate();
            fps[i].push_back(MeasureFps(*renderers[i], draws, options.seconds));
            std::printf("  %s %.0f", renderers[i]->Name(), fps[i].back());
        }
        std::printf("\n");
    }
    PrintTable(renderers, fps);
    const double ours = Median(fps[kOurs]);
    std::printf("\nours / SDL2 software: %.2f   (aim: at least 4)\n", ours / Median(fps[kSdl]));
    std::printf("ours / pixman:        %.2f   (aim: above 1)\n", ours / Median(fps[kPixman]));
    std::printf("ours:                 %.0f fps (aim: at least 2500)\n", ours);
    std::fflush(stdout);

    bool exact = sameKernels;
    for (int i : {kOurs, kOursPlain}) {
        const Check& c = checks[size_t(i)];
        if (c.rounded.channels > 1.0 || c.real.channels > 1.0) {
            std::fprintf(stderr, "%s differs from the reference by more than 1\n", renderers[size_t(i)]->Name());
            exact = false;
        }
    }
    if (!sameKernels) std::fprintf(stderr, "the AVX2 and the plain kernels drew different frames\n");
    return exact ? 0 : 1;
}

bool Parse(int argc, char** argv, Options& options) {
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--breakdown") == 0) {
            options.breakdown = true;
        } else if (positional == 0) {
            options.seconds = std::atof(argv[i]);
            ++positional;
        } else if (positional == 1) {
            options.rounds = std::atoi(argv[i]);
            ++positional;
        } else {
            return false;
        }
    }
    return options.seconds > 0 && options.rounds >= 1;
}

}  // namespace
}  // namespace kvx::bench

int main(int argc, char** argv) {
    kvx::bench::Options options;
    if (!kvx::bench::Parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: compositor_bench [seconds per run] [rounds] [--breakdown]\n");
        return 2;
    }
    try {
        return kvx::bench::Run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "compositor_bench: %s\n", e.what());
        return 1;
    }
}
