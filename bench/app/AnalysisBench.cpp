// The analysis window: opening it over the real history, and switching the docked view over the last
// 100 draws and over the whole history, each beside the data module opening the same view alone;
// building the trend table (计算) over the whole history, beside the data module's walk over the same
// view without the table; and a scroll frame of the docked trend grid.
#include "app/AnalysisForm.h"
#include "app/ControlUnits.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "app/TrendForm.h"
#include "bench/TimedLoop.h"
#include "bench/app/ControlUnitsOnce.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/table/TableController.h"
#include "data/DataModule.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Buttons.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/ButtonGroup.h"
#include "platform/db/ADODataSet.h"
#include "platform/display/HeadlessDisplay.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace zorvy {
namespace {

struct TAnalysisBenchFolders {
    test::DrawDatabase database{test::DrawDatabase::RealDraws};
    test::TempFolder config;
    TAnalysisBenchFolders() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
};

class AnalysisWindow : public benchmark::Fixture {
  public:
    void SetUp(benchmark::State&) override {
        static TAnalysisBenchFolders folders;
        display_ = std::make_unique<THeadlessDisplay>();
        InitializeForms();
        StartControlUnitsOnce();
        CreateWindows();
        Frmain->Show();
    }
    void TearDown(benchmark::State&) override {
        FinalizeForms();
        FinalizeControlUnits();
        ForgetWindows();
        display_.reset();
    }

  protected:
    void Paint(HWND hwnd) { DeleteObject(display_->Capture(hwnd)); }
    // Every view in turn, each closed beforehand so that the switch opens it over the range.
    void SwitchViews(benchmark::State& state, const std::string& first) {
        Frfx->startcom->SetText(first);
        int view = 0;
        const double windowSeconds = TimedLoop(state, [&] {
            state.PauseTiming();
            Data->ViewQuery(static_cast<TTrendView>(view))->Close();
            state.ResumeTiming();
            Frfx->ButtonGroup1->ClickItem(view);
            view = (view + 1) % TrendViewCount;
        });
        // The baseline: the data module opening the views over the same range by itself.
        const std::string last = Frfx->Endcom->GetText();
        const auto start = std::chrono::steady_clock::now();
        for (int v = 0; v < TrendViewCount; ++v)
            Data->RefreshView(static_cast<TTrendView>(v), first, last);
        const double moduleSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / TrendViewCount;
        state.counters["window_ms"] = windowSeconds * 1000;
        state.counters["module_ms"] = moduleSeconds * 1000;
        state.counters["ratio"] = windowSeconds / moduleSeconds;
    }

    std::unique_ptr<THeadlessDisplay> display_;
};

BENCHMARK_DEFINE_F(AnalysisWindow, Open)(benchmark::State& state) {
    // The one start-up made gives way to the window each iteration makes.
    delete Frfx;
    Frfx = nullptr;
    for (auto _ : state) {
        auto* window = Application->CreateForm<TFrfx>();
        window->Show();
        Paint(window->GetHandle());
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK_REGISTER_F(AnalysisWindow, Open)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(AnalysisWindow, SwitchViewLast100)(benchmark::State& state) {
    const auto& issues = Frfx->startcom->GetProperties()->GetItems();
    SwitchViews(state, issues[issues.size() - 100]);
}
BENCHMARK_REGISTER_F(AnalysisWindow, SwitchViewLast100)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(AnalysisWindow, SwitchViewWholeHistory)(benchmark::State& state) {
    SwitchViews(state, Frfx->startcom->GetProperties()->GetItems().front());
}
BENCHMARK_REGISTER_F(AnalysisWindow, SwitchViewWholeHistory)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(AnalysisWindow, BuildTrendTableWholeHistory)(benchmark::State& state) {
    const std::string first = Frfx->startcom->GetProperties()->GetItems().front();
    const std::string last = Frfx->Endcom->GetText();
    Frfx->ButtonGroup1->ClickItem(1);
    Frgw->ComboBox1->SetItemIndex(0);
    Frgw->ComboBox1Change(Frgw->ComboBox1);
    Frfx->btNewzoushiClick(Frfx->btNewzoushi);
    Frfx->RwLchk->SetChecked(true);
    Frfx->startcom->SetText(first);
    const double buildSeconds = TimedLoop(state, [&] { Frfx->BitBtn2Click(Frfx->BitBtn2); });
    const int rows = Data->xxtoxxTb->GetRecordCount();
    // The baseline: the same view walked over the same range with no trend table.
    Data->Frfx.Panel4 = false;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i)
        Data->RefreshView(TTrendView::gw, first, last);
    const double walkSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 3;
    state.counters["rows"] = rows;
    state.counters["build_ms"] = buildSeconds * 1000;
    state.counters["walk_ms"] = walkSeconds * 1000;
    state.counters["ratio"] = buildSeconds / walkSeconds;
}
BENCHMARK_REGISTER_F(AnalysisWindow, BuildTrendTableWholeHistory)->Unit(benchmark::kMillisecond);

// One frame of the docked trend grid scrolled by a row over the whole history, beside a frame painted
// without scrolling.
BENCHMARK_DEFINE_F(AnalysisWindow, ScrollFrame)(benchmark::State& state) {
    Frfx->Show();
    Frfx->startcom->SetText(Frfx->startcom->GetProperties()->GetItems().front());
    Frfx->ButtonGroup1->ClickItem(1);
    Application->ProcessMessages();
    TcxGridDBBandedTableView* view = Frgw->cxGrid1DBBandedTableView1;
    const int rows = view->GetDataController()->GetRecordCount();
    HWND hwnd = Frfx->GetHandle();
    int top = 0;
    const double scrollSeconds = TimedLoop(state, [&] {
        top = (top + 1) % (rows - 40);
        view->GetController()->SetTopRecordIndex(top);
        Paint(hwnd);
    });
    const auto start = std::chrono::steady_clock::now();
    constexpr int stillFrames = 20;
    for (int i = 0; i < stillFrames; ++i) {
        Frgw->cxGrid1->Invalidate();
        Paint(hwnd);
    }
    const double stillSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / stillFrames;
    state.counters["scroll_ms"] = scrollSeconds * 1000;
    state.counters["still_ms"] = stillSeconds * 1000;
    state.counters["ratio"] = scrollSeconds / stillSeconds;
}
BENCHMARK_REGISTER_F(AnalysisWindow, ScrollFrame)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy
