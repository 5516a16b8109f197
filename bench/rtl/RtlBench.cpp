// Text conversion and value comparison as the trend grids use them: once per cell drawn or
// per comparison while sorting.
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Variant.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Compression rates as the status bar shows them, and averages with many digits.
void BM_FloatToStr(benchmark::State& state) {
    std::vector<double> values;
    for (int n = 0; n < 1000; ++n)
        values.push_back(RoundTo((1 - n * 1000.0 / 1107568) * 100, -2));
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStr(values[i++ % values.size()]));
}
BENCHMARK(BM_FloatToStr);

void BM_FloatToStrLongFraction(benchmark::State& state) {
    double value = 1.0 / 3;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStr(value));
}
BENCHMARK(BM_FloatToStrLongFraction);

void BM_IntToStr(benchmark::State& state) {
    int64_t value = 1107568;
    for (auto _ : state)
        benchmark::DoNotOptimize(IntToStr(value++));
}
BENCHMARK(BM_IntToStr);

void BM_StrToInt(benchmark::State& state) {
    const std::string text = "2026096";
    for (auto _ : state)
        benchmark::DoNotOptimize(StrToInt(text));
}
BENCHMARK(BM_StrToInt);

void BM_FormatFloat(benchmark::State& state) {
    double value = 1234.5678;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatFloat("#,##0.00", value));
}
BENCHMARK(BM_FormatFloat);

void BM_VariantCompareNumbers(benchmark::State& state) {
    Variant a(12), b(12.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(VarCompareValue(a, b));
}
BENCHMARK(BM_VariantCompareNumbers);

void BM_VariantCompareStrings(benchmark::State& state) {
    Variant a("2026095"), b("2026096");
    for (auto _ : state)
        benchmark::DoNotOptimize(VarCompareValue(a, b));
}
BENCHMARK(BM_VariantCompareStrings);

void BM_CompareTextAsciiVsLocale(benchmark::State& state) {
    const std::string a = "Column12", b = "column13";
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompareText(a, b));
        benchmark::DoNotOptimize(AnsiCompareText(a, b));
    }
}
BENCHMARK(BM_CompareTextAsciiVsLocale);

void BM_SortedStringListAdd(benchmark::State& state) {
    for (auto _ : state) {
        TStringList list;
        list.SetSorted(true);
        for (int i = 0; i < state.range(0); ++i)
            list.Add(IntToStr((i * 7919) % 100000));
        benchmark::DoNotOptimize(list.GetCount());
    }
}
BENCHMARK(BM_SortedStringListAdd)->Arg(1000);

} // namespace

namespace {

// A scheme file of 400 keys, written and then read back key by key as the main window does.
void BM_IniSchemeRoundTrip(benchmark::State& state) {
    const test::ScratchFolder dir("zorvy-bench");
    const std::string file = dir.Path("scheme.ini");
    for (auto _ : state) {
        std::remove(file.c_str());
        TIniFile ini(file);
        for (int i = 0; i < 400; ++i)
            ini.WriteString(i % 2 ? "CheckBox" : "ButtonEdit", "key" + IntToStr(i), "dm=1234/j=1/");
        int total = 0;
        for (int i = 0; i < 400; ++i)
            total += static_cast<int>(
                ini.ReadString(i % 2 ? "CheckBox" : "ButtonEdit", "key" + IntToStr(i), "").size());
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_IniSchemeRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace
