#pragma once
// Monotonic milliseconds and the runtime's pseudo-random numbers.
#include <cstdint>

namespace zorvy {

// Milliseconds since an arbitrary fixed point (system start); never goes backwards.
uint64_t GetTickCount64();
// The same counter cut to 32 bits, wrapping about every 49.7 days.
uint32_t GetTickCount();

// A whole number in [0, range); 0 when range <= 0.
int Random(int range);
// A real number in [0, 1).
double Random();
// Seeds the generator from the clock; without it the sequence repeats on every run.
void Randomize();
void SetRandSeed(uint32_t seed);

} // namespace zorvy
