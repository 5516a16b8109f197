#include "platform/rtl/Ticks.h"

#include <random>
#include <time.h>

namespace zorvy {

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator(0);
    return generator;
}

} // namespace

uint64_t GetTickCount64() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

uint32_t GetTickCount() {
    return static_cast<uint32_t>(GetTickCount64());
}

int Random(int range) {
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(Generator());
}

double Random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(Generator());
}

void Randomize() {
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    SetRandSeed(static_cast<uint32_t>(ts.tv_sec ^ ts.tv_nsec));
}

void SetRandSeed(uint32_t seed) {
    Generator().seed(seed);
}

} // namespace zorvy
