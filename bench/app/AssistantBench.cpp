// The condition assistant opened on a filled edit (every segment, the list panel open) until it is
// painted, beside reading the same text alone: the window's part is the opening less the reading.
#include "bench/app/ControlUnitsOnce.h"
#include "app/ConditionAssistant.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "bench/TimedLoop.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace zorvy {
namespace {

constexpr const char* FilledText = "bh=1 3 /j=1/y=0/y=2/fw1=3/fw2=12/xfw=c5, 0 2 /";

void OpenOnFilledEdit(benchmark::State& state) {
    test::DrawDatabase database{test::DrawDatabase::Empty};
    test::TempFolder config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    THeadlessDisplay display;
    InitializeForms();
    StartControlUnitsOnce();
    CreateWindows();
    Frmain->Show();
    Application->ProcessMessages();
    TConditionEdit* edit = Frmain->ConditionEdits[0];
    Frmain->ConditionChecks[0]->SetChecked(true);
    edit->SetText(FilledText);
    bool flags[5] = {};
    auto open = [&] {
        FrTjshezhi->TJButtonClick(flags[0], flags[1], flags[2], flags[3], flags[4], Frmain->Tabbm, edit);
        DeleteObject(display.Capture(FrTjshezhi->GetHandle()));
        FrTjshezhi->Bt_cancelClick(nullptr);
    };
    // The list panel's 55 values are made once, at the first opening that needs them.
    const auto first = std::chrono::steady_clock::now();
    open();
    const double firstOpening =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - first).count();
    const double opening = TimedLoop(state, open);
    const auto reads = 1000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < reads; ++i)
        benchmark::DoNotOptimize(ReadConditionChoices(FilledText));
    const double reading =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / reads;
    state.counters["open_ms"] = opening * 1e3;
    state.counters["first_open_ms"] = firstOpening * 1e3;
    state.counters["read_us"] = reading * 1e6;
    state.counters["open_per_read"] = opening / reading;
    FinalizeForms();
    FinalizeControlUnits();
    ForgetWindows();
}
BENCHMARK(OpenOnFilledEdit)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
