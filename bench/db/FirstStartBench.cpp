// The first start on the embedded database: reading the shipped draw history, and making zorvy.db with
// its tables and every draw in one transaction; against the floor of copying a finished file of the
// same draws. Reports draws per second.
#include "platform/db/DrawHistoryFile.h"
#include "platform/db/EmbeddedDatabase.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace zorvy {
namespace {

void Rate(benchmark::State& state, int64_t draws) {
    state.counters["draws/s"] = benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kIsRate);
}

void BM_ReadShippedHistory(benchmark::State& state) {
    int64_t draws = 0;
    for (auto _ : state)
        draws += static_cast<int64_t>(ReadDrawHistory(ShippedHistoryFile()).Rows.size());
    Rate(state, draws);
}

void BM_CreateEmbeddedDatabase(benchmark::State& state) {
    test::TempFolder folder;
    const std::string file = folder.Path() + "/zorvy.db";
    int64_t draws = 0;
    for (auto _ : state) {
        CreateEmbeddedDatabase(file);
        state.PauseTiming();
        std::filesystem::remove(file);
        draws += 3493;
        state.ResumeTiming();
    }
    Rate(state, draws);
}

// The floor: a finished database of the same draws, copied into place.
void BM_CopyFilledDatabase(benchmark::State& state) {
    test::DrawDatabase filled;
    test::TempFolder folder;
    const std::string file = folder.Path() + "/zorvy.db";
    int64_t draws = 0;
    for (auto _ : state) {
        std::filesystem::copy_file(filled.File(), file);
        state.PauseTiming();
        std::filesystem::remove(file);
        draws += 3493;
        state.ResumeTiming();
    }
    Rate(state, draws);
}

BENCHMARK(BM_ReadShippedHistory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateEmbeddedDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyFilledDatabase)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
