#pragma once
// Runs a benchmark's body and answers the seconds one iteration took, for figures printed side by side.
#include <benchmark/benchmark.h>

#include <chrono>

template <typename Body> double TimedLoop(benchmark::State& state, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
           static_cast<double>(state.iterations());
}
