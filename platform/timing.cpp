#include "platform/timing.hpp"

#include <malloc.h>

#include <chrono>
#include <random>

#include "platform/display.hpp"
#include "platform/headless_state.hpp"

namespace kvx {
namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(0x4B565821u);
    return generator;
}

}  // namespace

int MilliSecs() { return int(MicroSecs() / 1000); }

int64_t MicroSecs() {
    if (CurrentBackend() == Backend::Headless) return int64_t(HeadlessClock()) * 1000;
    static const auto start = std::chrono::steady_clock::now();
    auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
}

int64_t MemAlloced() {
    struct mallinfo2 info = mallinfo2();
    return int64_t(info.uordblks + info.hblkhd);
}

void FlushMem() {}

double Rnd(double min, double max) {
    std::uniform_real_distribution<double> distribution(min, max);
    return distribution(Generator());
}

void SeedRnd(uint32_t seed) { Generator().seed(seed); }

}  // namespace kvx
