// The main window: start-up to the first painted window, a full repaint of the maximised window, a page
// switch, loading the largest scheme, and a run with the window attached beside the engine alone.
#include "bench/app/ControlUnitsOnce.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Memo.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/Painting.h"
#include "platform/win/Styles.h"
#include "tests/app/LargestScheme.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace zorvy {
namespace {

// The real draws and a settings folder of their own, for the whole run of the benchmarks.
struct TBenchFolders {
    test::DrawDatabase database{test::DrawDatabase::RealDraws};
    test::TempFolder config;
    TBenchFolders() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
};

TBenchFolders& Folders() {
    static TBenchFolders folders;
    return folders;
}

// Paints everything pending of the window (the capture paints first) and drops the copy.
void Paint(THeadlessDisplay& display, HWND hwnd) { DeleteObject(display.Capture(hwnd)); }

void Close() {
    FinalizeForms();
    ForgetWindows();
}

void StartUp(benchmark::State& state) {
    Folders();
    THeadlessDisplay display;
    for (auto _ : state) {
        InitializeForms();
        StartControlUnitsOnce();
        CreateWindows();
        Frmain->Show();
        Paint(display, Frmain->GetHandle());
        state.PauseTiming();
        Close();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

// The window started once; each benchmark then works on it.
class MainWindow : public benchmark::Fixture {
  public:
    void SetUp(benchmark::State&) override {
        Folders();
        display_ = std::make_unique<THeadlessDisplay>();
        InitializeForms();
        StartControlUnitsOnce();
        CreateWindows();
        Frmain->Show();
        Paint(*display_, Frmain->GetHandle());
    }
    void TearDown(benchmark::State&) override {
        Close();
        display_.reset();
    }

  protected:
    std::unique_ptr<THeadlessDisplay> display_;
};

BENCHMARK_DEFINE_F(MainWindow, FullRepaint)(benchmark::State& state) {
    const HWND hwnd = Frmain->GetHandle();
    for (auto _ : state) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        Paint(*display_, hwnd);
    }
    state.counters["width"] = Frmain->GetWidth();
    state.counters["height"] = Frmain->GetHeight();
}
BENCHMARK_REGISTER_F(MainWindow, FullRepaint)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(MainWindow, PageSwitch)(benchmark::State& state) {
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % 4;
        Frmain->PageTabTiaojian->SetActivePageIndex(page);
        Paint(*display_, Frmain->GetHandle());
    }
}
BENCHMARK_REGISTER_F(MainWindow, PageSwitch)->Unit(benchmark::kMillisecond);

// The largest scheme the window writes (every digit, box and condition, each text at its longest),
// loaded into the window: read, checked and shown. Its check-mode box needs a draw code to check
// against; without one the window would stop at its warning, waiting for a click.
BENCHMARK_DEFINE_F(MainWindow, LoadLargestScheme)(benchmark::State& state) {
    test::TempFolder folder;
    const std::string path = folder.Path() + "/largest.ini";
    WriteSchemeFile(path, test::LargestScheme());
    if (!Frmain->SetDrawCode("03 08 12 19 25 31+07")) {
        state.SkipWithError("the draw code was refused");
        return;
    }
    for (auto _ : state) {
        Frmain->LoadScheme(path);
        Paint(*display_, Frmain->GetHandle());
    }
}
BENCHMARK_REGISTER_F(MainWindow, LoadLargestScheme)->Unit(benchmark::kMillisecond);

// Every combination survives: the most the window has to show.
BENCHMARK_DEFINE_F(MainWindow, RunWithWindow)(benchmark::State& state) {
    for (auto _ : state) {
        Frmain->BtfilterClick(Frmain->Btfilter);
        Paint(*display_, Frmain->GetHandle());
    }
    state.counters["lines"] = Frmain->Memo1->GetLines()->GetCount();
}
BENCHMARK_REGISTER_F(MainWindow, RunWithWindow)->Unit(benchmark::kMillisecond);

void RunEngineAlone(benchmark::State& state) {
    TFilterEngine engine;
    TFilterHost host;
    for (auto _ : state) {
        TFilterInput input;
        for (auto& row : input.DigitButtons)
            row.fill(true);
        engine.BtfilterClick(input, host);
        benchmark::DoNotOptimize(engine.Results().Count());
    }
    state.counters["lines"] = engine.Results().Count();
}
BENCHMARK(RunEngineAlone)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
