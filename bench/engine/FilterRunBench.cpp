// The filter run against its limit: the hand-written baseline of the typical scheme first, then the
// engine on the same scheme (its time as a ratio to the baseline's), and the runs with no condition
// and with every condition.
#include "bench/TimedLoop.h"
#include "bench/engine/TypicalSchemeBaseline.h"
#include "engine/FilterRun.h"
#include "tests/engine/RealDraws.h"
#include "tests/engine/RecordingHost.h"
#include "tests/engine/Schemes.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

class TBenchHost : public TFilterHost {
  public:
    std::vector<TDraw> History;
    std::vector<TDraw> Tem1Draws() override { return History; }
};

const std::vector<TDraw>& History() {
    static const std::vector<TDraw> history = RealDrawHistory();
    return history;
}

TFilterInput AllDigitsInput() {
    TFilterInput input;
    input.DigitButtons = AllDigits();
    return input;
}

// Every condition ticked with a text that lets nearly everything through.
TFilterInput AllConditionsScheme() {
    TFilterInput input = AllDigitsInput();
    for (int condition = 0; condition < ConditionCount; ++condition)
        input.Conditions[condition] = {true, "fw1=0/fw2=1107568/"};
    for (int condition = XhbhFirst; condition < XhbhFirst + 4; ++condition)
        input.Conditions[condition] = {true, "xfw=0123456789/fw1=0/fw2=7/"};
    input.Conditions[XhtzFirst] = {true, "fw1=2/fw2=1107568/"};
    return input;
}

double baselineSeconds = 0; // per run, set by the baseline benchmark

void Baseline(benchmark::State& state) {
    const TTypicalSchemeBaseline baseline(GetWzEnd6v(History()));
    TBaselineLines lines;
    baseline.Run(lines);

    // The baseline is only a limit if it produces what the engine produces.
    TBenchHost host;
    host.History = History();
    TFilterEngine engine;
    TFilterInput input = TypicalScheme();
    engine.BtfilterClick(input, host);
    const TResultLines& results = engine.Results();
    bool same = static_cast<size_t>(results.Count()) == lines.Count;
    for (size_t i = 0; same && i < lines.Count; ++i)
        same = results.Line(static_cast<int32_t>(i)) == lines.Line(i);
    if (!same) {
        state.SkipWithError("the baseline's lines differ from the engine's");
        return;
    }

    baselineSeconds = TimedLoop(state, [&] { benchmark::DoNotOptimize(baseline.Run(lines)); });
    state.counters["survivors"] = static_cast<double>(lines.Count);
}

// The typical scheme in check mode: every condition tested in the evaluators' order.
TFilterInput TypicalSchemeInCheckMode() {
    return TypicalScheme();
}

// state.range(0) threads.
void Run(benchmark::State& state, TFilterInput (*scheme)(), TEvaluationMethod method) {
    TBenchHost host;
    host.History = History();
    TFilterEngine engine;
    engine.EvaluationMethod = method;
    engine.CheckModeOn = scheme == TypicalSchemeInCheckMode;
    engine.ThreadCount = static_cast<int>(state.range(0));
    const double seconds = TimedLoop(state, [&] {
        TFilterInput input = scheme();
        engine.BtfilterClick(input, host);
        benchmark::DoNotOptimize(engine.Results().Text());
    });
    state.counters["survivors"] = static_cast<double>(engine.Results().Count());
    if (scheme == TypicalScheme && baselineSeconds > 0)
        state.counters["x_baseline"] = seconds / baselineSeconds;
}

BENCHMARK(Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, TypicalScheme, TypicalScheme, TEvaluationMethod::emFast)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, NoConditions, AllDigitsInput, TEvaluationMethod::emFast)
    ->Arg(1)
    ->Arg(8)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, AllConditions, AllConditionsScheme, TEvaluationMethod::emFast)
    ->Arg(1)
    ->Arg(8)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, TypicalSchemeInCheckMode, TypicalSchemeInCheckMode, TEvaluationMethod::emFast)
    ->Arg(1)
    ->Arg(8)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, TypicalSchemeLiteral, TypicalScheme, TEvaluationMethod::emLiteral)
    ->Arg(1)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
} // namespace zorvy
