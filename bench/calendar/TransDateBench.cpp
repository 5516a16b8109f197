// Cost of converting a day: the table walk alone, and the component's full update (names and festivals).
#include "calendar/LunarConversion.h"
#include "calendar/TransDate.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

constexpr long kFirstDayNumber = 31; // 1900-01-31
constexpr long kDayCount = 57'000;   // up to 2056

void BM_LunarDayFromDayNumber(benchmark::State& state) {
    long day = kFirstDayNumber;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarDayFromDayNumber(day));
        day = day + 7919 >= kFirstDayNumber + kDayCount ? day + 7919 - kDayCount : day + 7919;
    }
}
BENCHMARK(BM_LunarDayFromDayNumber);

void BM_TransDateSetDate(benchmark::State& state) {
    TTransDate trans(nullptr);
    long day = kFirstDayNumber;
    for (auto _ : state) {
        trans.SetDate(static_cast<TDateTime>(day + 1));
        benchmark::DoNotOptimize(trans.GetLunarDate()->GetlDay());
        day = day + 7919 >= kFirstDayNumber + kDayCount ? day + 7919 - kDayCount : day + 7919;
    }
}
BENCHMARK(BM_TransDateSetDate);

} // namespace
} // namespace zorvy
