#include "engine/SerialNumber.h"

#include "tests/engine/AllCombinations.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

template <int32_t (*Serial)(const TCombination&)> void NumberAll(benchmark::State& state) {
    for (auto _ : state) {
        int64_t sum = 0;
        TCombination c = FirstCombination;
        do
            sum += Serial(c);
        while (NextCombination(c));
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
