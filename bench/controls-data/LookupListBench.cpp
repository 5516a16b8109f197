// The lookup cache of a grid-mode lookup editor at 100,000 keys met in scattered order: each key is
// looked for, inserted where it belongs when missing, then every key is looked for again. Beside it a
// std::map doing the same work in the same run ("x_baseline").
#include "bench/TimedLoop.h"
#include "controls/data/DataStorage.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

using namespace zorvy;

namespace {

constexpr int KeyCount = 100000;

// The keys 0 .. KeyCount-1 in a scattered order (KeyCount and the step are coprime).
int KeyAt(int i) {
    return static_cast<int>((static_cast<long long>(i) * 7919) % KeyCount);
}

double mapBaseline = 0;

void BaselineLookupMap(benchmark::State& state) {
    mapBaseline = TimedLoop(state, [] {
        std::map<int, std::string> cache;
        for (int i = 0; i < KeyCount; ++i)
            if (!cache.contains(KeyAt(i))) cache.emplace(KeyAt(i), "text " + std::to_string(KeyAt(i)));
        std::size_t found = 0;
        for (int i = 0; i < KeyCount; ++i) found += cache.count(KeyAt(i));
        benchmark::DoNotOptimize(found);
    });
}

void FillAndLocateLookupList(benchmark::State& state) {
    const double seconds = TimedLoop(state, [] {
        TcxLookupList cache;
        int index = 0;
        for (int i = 0; i < KeyCount; ++i)
            if (!cache.Find(KeyAt(i), index)) cache.Insert(index, KeyAt(i), "text " + std::to_string(KeyAt(i)));
        int found = 0;
        for (int i = 0; i < KeyCount; ++i) found += cache.Find(KeyAt(i), index) ? 1 : 0;
        benchmark::DoNotOptimize(found);
    });
    if (mapBaseline > 0) state.counters["x_baseline"] = seconds / mapBaseline;
}

} // namespace

BENCHMARK(BaselineLookupMap)->Unit(benchmark::kMillisecond);
BENCHMARK(FillAndLocateLookupList)->Unit(benchmark::kMillisecond);
