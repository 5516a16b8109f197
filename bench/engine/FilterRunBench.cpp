#include "engine/FilterRun.h"

#include "tests/engine/RealDraws.h"
#include "tests/engine/RecordingHost.h"
#include "tests/engine/Schemes.h"

#include <benchmark/benchmark.h>

namespace zorvy {
namespace {

// Keeps the result lines, as the result list does.
class TBenchHost : public TFilterHost {
  public:
    std::vector<std::string> Lines;
    std::vector<TDraw> History;
    void ClearResults() override {
        Lines.clear();
        Lines.reserve(CombinationCount);
    }
    void AddResult(const std::string& line) override { Lines.push_back(line); }
    std::vector<TDraw> Tem1Draws() override { return History; }
};

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

void Run(benchmark::State& state, TFilterInput (*scheme)(), TEvaluationMethod method) {
    TBenchHost host;
    host.History = RealDrawHistory();
    TFilterEngine engine;
    engine.EvaluationMethod = method;
    for (auto _ : state) {
        TFilterInput input = scheme();
        engine.BtfilterClick(input, host);
        benchmark::DoNotOptimize(host.Lines.data());
    }
    state.counters["survivors"] = static_cast<double>(host.Lines.size());
    state.SetItemsProcessed(state.iterations() * CombinationCount);
}

BENCHMARK_CAPTURE(Run, NoConditionsAllDigits, AllDigitsInput, TEvaluationMethod::emFast)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, TypicalScheme, TypicalScheme, TEvaluationMethod::emFast)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, AllConditions, AllConditionsScheme, TEvaluationMethod::emFast)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Run, TypicalSchemeLiteral, TypicalScheme, TEvaluationMethod::emLiteral)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
} // namespace zorvy
