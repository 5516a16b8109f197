#include "engine/FilterRun.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

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

std::vector<TDraw> ReadHistory() {
    std::ifstream file(std::string(ZORVY_SHARED_DATA) + "/lottery-3508.csv");
    std::vector<TDraw> draws;
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::stringstream row(line);
        std::string lottery, issue, endTime, resultA1;
        std::getline(row, lottery, ',');
        std::getline(row, issue, ',');
        std::getline(row, endTime, ',');
        std::getline(row, resultA1, ',');
        draws.push_back({issue, resultA1});
    }
    return draws;
}

void Tick(TFilterInput& input, const char* stem, const char* text) {
    input.Conditions[ConditionIndex(stem)] = {true, text};
}

TFilterInput AllDigitsInput() {
    TFilterInput input;
    for (auto& row : input.DigitButtons)
        row.fill(true);
    return input;
}

// About twenty conditions across the families.
TFilterInput TypicalScheme() {
    TFilterInput input = AllDigitsInput();
    const std::pair<const char*, const char*> conditions[] = {{"xhtz2", "fw1=15/fw2=35/"},
                                                              {"xhtz3", "xfw= 6 /"},
                                                              {"xhtz4", "fw1=0/fw2=2/"},
                                                              {"xhtz7", "fw1=1/fw2=5/"},
                                                              {"xhtz11", "fw1=1/fw2=7/"},
                                                              {"xhtz15", "y=0/y=1/"},
                                                              {"xhbh1", "xfw= 1 3 /fw1=1/fw2=3/"},
                                                              {"xhtz19", "xfw=c3, 0 1 /"},
                                                              {"xhx0", "fw1=0/fw2=2/"},
                                                              {"gw1", "xfw= 0 1 2 3 4 5 6 7 /"},
                                                              {"gw7", "fw1=2/fw2=4/"},
                                                              {"sw2", "fw1=1/fw2=4/"},
                                                              {"sw9", "xfw= 1 2 3 5 /"},
                                                              {"bw3", "y=0/y=1/"},
                                                              {"qw6", "xfw= 0 /"},
                                                              {"ww10", "fw1=0/fw2=2/"},
                                                              {"sww5", "xfw= 0 1 2 3 5 6 /"},
                                                              {"tb1", "fw1=1/fw2=6/"},
                                                              {"tb4", "xfw= 2 3 /"},
                                                              {"Tb11", "fw1=3/fw2=8/"},
                                                              {"Tb12", "fw1=3/fw2=9/"}};
    for (const auto& [stem, text] : conditions)
        Tick(input, stem, text);
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
    host.History = ReadHistory();
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
