// Time to calculate every column of every row of the whole real history, per view, without a database.
#include "data/ViewCalculator.h"

#include "tests/data/RealDraws.h"

#include <benchmark/benchmark.h>

using namespace zorvy;

namespace {

void CalculateView(benchmark::State& state) {
    const auto view = static_cast<TTrendView>(state.range(0));
    const bool building = state.range(1) != 0;
    TViewCalculator calculator;
    TTrendWindowSettings window;
    TAnalysisSettings analysis;
    analysis.Panel4 = true;
    for (auto _ : state) {
        calculator.BeginView();
        calculator.Builder.TrendBuildOn = building;
        for (const TDrawRow& row : test::RealDrawRows())
            benchmark::DoNotOptimize(
                calculator.CalculateRow(view, row, window, analysis, [](const TTrendRow&) {}));
    }
    state.counters["rows"] = static_cast<double>(test::RealDrawRows().size());
}

} // namespace

// Arguments: view (0 serial, 1..6 the positions gw..sww, 7 advanced), trend table built alongside.
BENCHMARK(CalculateView)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0}})
    ->Args({1, 1})
    ->Args({7, 1})
    ->Unit(benchmark::kMillisecond);
