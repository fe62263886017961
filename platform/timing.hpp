#pragma once
// Time, memory and random numbers.
#include <cstdint>

namespace kvx {

int MilliSecs();       // milliseconds from an arbitrary start; the headless clock is the test's
int64_t MicroSecs();   // the same clock in microseconds
int64_t MemAlloced();  // bytes the process holds on the heap right now
// Objects are destroyed as soon as their last holder lets go, so the per-frame release
// point has nothing left to do; it stays as the frame loop's documented step.
void FlushMem();
double Rnd(double min, double max);
void SeedRnd(uint32_t seed);

}  // namespace kvx
