#include "engine/BallFeatures.h"
#include "engine/SerialFeatures.h"
#include "engine/SerialNumber.h"
#include "engine/ValueKindFeatures.h"
#include "platform/rtl/Numbers.h"
#include "tests/engine/AllCombinations.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

// Every feature of every serial, position and ball routine for one combination, through the text
// routines as the trend columns call them.
int64_t AllFeatures(const TCombination& balls) {
    static constexpr const char* serialKeys[] = {"hz", "cd", "tz", "nt", "fd", "fd5", "111", "11", "22",
                                                 "oz", "lh", "lt", "gw", "sw", "bw",  "qw",  "ww", "sww"};
    static constexpr const char* positionKeys[] = {"gw", "sw", "bw", "qw", "ww", "sww"};
    static constexpr const char* gridModes[] = {"h", "l", "zx", "yx"};
    const int32_t n = SerialNumber(balls);
    const std::string t = IntToStr(n);
    int64_t sum = 0;
    for (const char* key : serialKeys)
        sum += SerialFeature(n, key);
    sum += OddEvenType(t) + RemainderType(t) + BigSmallType(t) + GapType(t) + CountBigDigits(t);
    sum += CountDigitsInSet(t, " 1 3 5 ") + CountDigitOccurrences(t, "0");
    for (const char* key : {"12", "23", "34", "45", "56"})
        sum += AdjacentDigitGap(t, key);
    sum += static_cast<int64_t>(BaseDigitStats(n, 2, 25, "1").size() + BaseDigitStats(n, 2, 25, "0").size());
    for (const char* key : positionKeys) {
        sum += PositionBigSmall(t, key) + DigitSegment(SerialFeature(n, key)) +
               FiveElementValue(SerialFeature(n, key));
        for (const char* mode : gridModes)
            sum += StaticGridValue(t, mode, key) + DynamicGridValue(t, mode, key);
        const int32_t mask = TripleMaskValue(t, key);
        sum += BisectionSteps(1024, mask, "ds") + BisectionSteps(1024, mask, "bs");
    }
    sum += KaprekarSteps(n, "q4") + KaprekarSteps(n, "z4") + KaprekarSteps(n, "h4") + SisyphusSteps(n);
    sum += BisectionSteps(CombinationCount, n, "ds") + BisectionSteps(CombinationCount, n, "bs");
    sum += BallSum(balls) + TailSum(balls) + SumBandClass(balls) + ZoneRatioClass(balls);
    sum +=
        BisectionSteps(64, BallParityCode(balls), "bs") + BisectionSteps(729, BallRemainderCode(balls), "bs");
    sum += BisectionSteps(64, GroupParityCode(balls), "bs") +
           BisectionSteps(729, GroupRemainderCode(balls), "bs");
    return sum;
}

void FullFeatureSet(benchmark::State& state) {
    int64_t combinations = 0;
    for (auto _ : state) {
        int64_t sum = 0;
        int32_t index = 0;
        TCombination c = FirstCombination;
        do {
            if (++index % 16 == 0) {
                sum += AllFeatures(c);
                ++combinations;
            }
        } while (NextCombination(c));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(combinations);
}

// One combination in sixteen, across the whole space; items are combinations.
BENCHMARK(FullFeatureSet)->Name("Features/AllPerCombination")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
