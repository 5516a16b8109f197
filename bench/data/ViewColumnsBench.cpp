// Time to calculate every column of every row of the whole real history, per view, without a database.
#include "data/ViewCalculator.h"

#include "engine/DrawContext.h"
#include "platform/rtl/Numbers.h"
#include "tests/support/Draws.h"

#include <benchmark/benchmark.h>

#include <chrono>

using namespace zorvy;

namespace {

const std::vector<TDrawRow>& Rows() {
    static const std::vector<TDrawRow> rows = [] {
        using namespace std::chrono;
        std::vector<TDrawRow> result;
        for (const test::DrawRow& draw : test::ReadDraws()) {
            const year_month_day date{year{StrToInt(draw.endTime.substr(0, 4))},
                                      month{static_cast<unsigned>(StrToInt(draw.endTime.substr(5, 2)))},
                                      day{static_cast<unsigned>(StrToInt(draw.endTime.substr(8, 2)))}};
            result.push_back(TDrawRow{StrToInt(draw.issue), ReadDrawBalls(draw.resultA1, draw.issue),
                                      static_cast<int32_t>(static_cast<unsigned>(date.day())),
                                      static_cast<int32_t>(weekday{sys_days{date}}.iso_encoding())});
        }
        return result;
    }();
    return rows;
}

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
        for (const TDrawRow& row : Rows())
            benchmark::DoNotOptimize(
                calculator.CalculateRow(view, row, window, analysis, [](const TTrendRow&) {}));
    }
    state.counters["rows"] = static_cast<double>(Rows().size());
}

} // namespace

// Arguments: view (0 serial, 1..6 the positions gw..sww, 7 advanced), trend table built alongside.
BENCHMARK(CalculateView)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0}})
    ->Args({1, 1})
    ->Args({7, 1})
    ->Unit(benchmark::kMillisecond);
