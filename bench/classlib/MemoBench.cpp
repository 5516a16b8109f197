// The result-list memo with a whole filter run's lines: appending them all, scrolling with a repaint,
// and selecting all, each beside a plain vector of strings doing the same appends.
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace zorvy {
namespace {

constexpr int RunLines = 1107568;

std::vector<std::string> ResultLines() {
    std::vector<std::string> lines;
    lines.reserve(RunLines);
    for (int i = 1; i <= RunLines; ++i)
        lines.push_back("02 05 10 27 29 33    " + std::to_string(i));
    return lines;
}

struct TMemoFixture {
    THeadlessDisplay display;
    TMemo* memo = nullptr;
    TForm* form = nullptr;
    TMemoFixture() {
        InitializeForms();
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 300, 740);
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(0, 0, 176, 700);
        memo->SetScrollBars(ssVertical);
        form->Show();
        Application->ProcessMessages();
    }
    ~TMemoFixture() { FinalizeForms(); }
};

// Baseline: the same appends into a vector of strings.
void BM_AppendRunLinesBaselineVector(benchmark::State& state) {
    const auto lines = ResultLines();
    for (auto _ : state) {
        std::vector<std::string> copy;
        for (const auto& line : lines)
            copy.push_back(line);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_AppendRunLinesBaselineVector)->Unit(benchmark::kMillisecond);

// Appending every line of a run to a showing memo, one Add each, as the filter run does.
void BM_AppendRunLinesToMemo(benchmark::State& state) {
    const auto lines = ResultLines();
    TMemoFixture f;
    for (auto _ : state) {
        state.PauseTiming();
        f.memo->Clear();
        Application->ProcessMessages();
        state.ResumeTiming();
        for (const auto& line : lines)
            f.memo->GetLines()->Add(line);
        Application->ProcessMessages();
    }
}
BENCHMARK(BM_AppendRunLinesToMemo)->Unit(benchmark::kMillisecond);

// Scrolling to another place of a full memo and painting it.
void BM_ScrollAndRepaintFullMemo(benchmark::State& state) {
    const auto lines = ResultLines();
    TMemoFixture f;
    for (const auto& line : lines)
        f.memo->GetLines()->Add(line);
    int top = 0;
    for (auto _ : state) {
        top = (top + 104729) % RunLines;
        f.memo->SetTopLine(top);
        f.memo->Update();
    }
}
BENCHMARK(BM_ScrollAndRepaintFullMemo)->Unit(benchmark::kMicrosecond);

void BM_SelectAllFullMemo(benchmark::State& state) {
    const auto lines = ResultLines();
    TMemoFixture f;
    for (const auto& line : lines)
        f.memo->GetLines()->Add(line);
    for (auto _ : state) {
        f.memo->SelectAll();
        benchmark::DoNotOptimize(f.memo->GetSelLength());
        f.memo->Update();
    }
}
BENCHMARK(BM_SelectAllFullMemo)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy
