#include "engine/SerialNumber.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

template <int32_t (*Serial)(const TCombination&)> void NumberAll(benchmark::State& state) {
    for (auto _ : state) {
        int64_t sum = 0;
        TCombination c{};
        for (c[0] = 1; c[0] <= 28; ++c[0])
            for (c[1] = c[0] + 1; c[1] <= 29; ++c[1])
                for (c[2] = c[1] + 1; c[2] <= 30; ++c[2])
                    for (c[3] = c[2] + 1; c[3] <= 31; ++c[3])
                        for (c[4] = c[3] + 1; c[4] <= 32; ++c[4])
                            for (c[5] = c[4] + 1; c[5] <= 33; ++c[5])
                                sum += Serial(c);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * CombinationCount);
}

BENCHMARK(NumberAll<SerialNumberByTailWalk>)
    ->Name("SerialNumber/TailWalk/AllCombinations")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(NumberAll<SerialNumber>)
    ->Name("SerialNumber/Shipped/AllCombinations")
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
