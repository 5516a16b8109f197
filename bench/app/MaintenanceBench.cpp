// The data-maintenance window over the whole draw history: showing it until painted, beside opening
// its draw query alone (DrawQueryAlone); and appending a draw (the next issue and date proposed, the row written).
#include "bench/app/ControlUnitsOnce.h"
#include "app/DataMaintenance.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/db/ADOConnection.h"
#include "platform/db/ADODataSet.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/win/Painting.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <optional>

namespace zorvy {
namespace {

// The program over the real draws, unless another benchmark of the binary has started it already.
struct TMaintenanceBench {
    std::optional<test::DrawDatabase> database;
    std::optional<test::TempFolder> config;
    THeadlessDisplay display;
    TMaintenanceBench() {
        if (Frmain && Frdatamodify) return;
        database.emplace(test::DrawDatabase::RealDraws);
        config.emplace();
        setenv("XDG_CONFIG_HOME", config->Path().c_str(), 1);
        InitializeForms();
        StartControlUnitsOnce();
        CreateWindows();
        Frmain->Show();
        Application->ProcessMessages();
    }
};

TMaintenanceBench& Bench() {
    static TMaintenanceBench bench;
    return bench;
}

// Showing the window connects and opens both draw queries over the history, then paints it.
void OpenOverHistory(benchmark::State& state) {
    TMaintenanceBench& bench = Bench();
    TFrdatamodify* window = Frdatamodify;
    for (auto _ : state) {
        window->Show();
        DeleteObject(bench.display.Capture(window->GetHandle()));
        state.PauseTiming();
        window->Hide();
        window->Tkpdata->Close();
        window->Tc22x5data->Close();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenOverHistory)->Unit(benchmark::kMillisecond)->Iterations(20);

// The baseline: the Tekpa draw query alone, opened and closed on the window's connection.
void DrawQueryAlone(benchmark::State& state) {
    Bench();
    TADOQuery plain(nullptr);
    plain.SetConnection(Frdatamodify->Connet);
    plain.SetSQLText(Frdatamodify->Tkpdata->GetSQLText());
    for (auto _ : state) {
        plain.Open();
        plain.Close();
    }
}
BENCHMARK(DrawQueryAlone)->Unit(benchmark::kMillisecond)->Iterations(20);

// Appending the next draw after 2026096 and posting it; the row is taken out again untimed.
void AppendDraw(benchmark::State& state) {
    Bench();
    TFrdatamodify* window = Frdatamodify;
    window->Show();
    window->Tkpdata->BeforeDelete = nullptr; // no question while the benchmark removes its rows
    window->Edit1->SetText("01 04 12 20 28 33+08");
    for (auto _ : state) {
        window->Tkpdata->Append();
        window->Tkpdata->Post();
        state.PauseTiming();
        window->Tkpdata->Last();
        window->Tkpdata->Delete();
        state.ResumeTiming();
    }
    window->Hide();
}
BENCHMARK(AppendDraw)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
