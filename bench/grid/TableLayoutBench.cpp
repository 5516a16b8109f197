// A table view the size of the trend windows (about 35 rows x 63 cells in 1018 x 735), laid out one
// row per record, each figure beside a plain baseline in the same run:
// - TableFirstLayoutAndPaint: the view info's cache forgotten, a layout pass (every row measured) and a
//   paint; baseline: filling the site's rectangle cell by cell with text.
// - TableRepaint: a paint of the laid-out view; same baseline.
// - TableScrollOneRow: the first record moved by one, the layout offset by one record (one new row) and
//   the view painted; same baseline.
// Each reports the row heights measured per pass (once per row, and none when they are cached).
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/grid/table/RowsView.h"

#include <chrono>
#include <memory>
#include <string>

namespace zorvy::bench {
namespace {

using test::TTestRowsView;
using test::TTestRowViewInfo;

constexpr int Rows = 3493;
constexpr int Columns = 63;

struct TTrendView {
    TTrendView() {
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 1030, 760);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1020, 737); // content 1018 x 735
        view = static_cast<TTestRowsView*>(
            TcxControlChildComponent::CreateForControl(TTestRowsView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        for (int c = 0; c < Columns; ++c) view->AddColumn("C" + std::to_string(c), c == 0 ? 60 : 15);
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(Rows);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c) data->SetValue(r, c, Variant(std::to_string((r * 7 + c) % 34)));
        data->EndUpdate();
        surface.SetSize(1018, 735);
        canvas = std::make_unique<TcxCanvas>(surface.GetCanvas());
    }
    ~TTrendView() { delete form; }
    void Layout() { view->Layout()->Recalculate(); }
    void Paint() { view->GetPainter()->Paint(canvas.get(), view->Layout()); }
    // Text in every cell of a 35 x 63 table: what drawing the cells costs at least.
    void Baseline() {
        for (int r = 0; r < 35; ++r)
            for (int c = 0; c < Columns; ++c) {
                const TRect cell{c * 16, r * 21, c * 16 + 16, r * 21 + 21};
                canvas->FillRectSolid(cell, clWindow);
                canvas->PaintText(std::to_string((r * 7 + c) % 34), cell, ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
            }
    }

    TForm* form;
    TcxGrid* grid;
    TTestRowsView* view;
    TBitmap surface;
    std::unique_ptr<TcxCanvas> canvas;
};

void Report(benchmark::State& state, TTrendView& trend, double seconds, int measurements, int passes) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) trend.Baseline();
    const double plain = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 5;
    state.counters["ms"] = seconds * 1e3;
    state.counters["baseline_ms"] = plain * 1e3;
    state.counters["ratio"] = seconds / plain;
    state.counters["rows_laid_out"] = trend.view->Layout()->GetRecordsViewInfo()->GetCount();
    state.counters["heights_measured_per_pass"] = passes ? static_cast<double>(measurements) / passes : 0;
}

void BM_TableFirstLayoutAndPaint(benchmark::State& state) {
    TGridUnits units;
    TTrendView trend;
    int passes = 0;
    TTestRowViewInfo::Measurements = 0;
    const double seconds = TimedLoop(state, [&] {
        trend.view->GetViewInfoCache()->UnassignValues(false);
        trend.Layout();
        trend.Paint();
        ++passes;
    });
    Report(state, trend, seconds, TTestRowViewInfo::Measurements, passes);
}
BENCHMARK(BM_TableFirstLayoutAndPaint)->Unit(benchmark::kMillisecond);

void BM_TableRepaint(benchmark::State& state) {
    TGridUnits units;
    TTrendView trend;
    trend.Layout();
    int passes = 0;
    TTestRowViewInfo::Measurements = 0;
    const double seconds = TimedLoop(state, [&] {
        trend.Paint();
        ++passes;
    });
    Report(state, trend, seconds, TTestRowViewInfo::Measurements, passes);
}
BENCHMARK(BM_TableRepaint)->Unit(benchmark::kMillisecond);

void BM_TableScrollOneRow(benchmark::State& state) {
    TGridUnits units;
    TTrendView trend;
    trend.Layout();
    int first = 0, passes = 0;
    TTestRowViewInfo::Measurements = 0;
    const double seconds = TimedLoop(state, [&] {
        if (first + 60 >= Rows) {
            first = 0;
            trend.view->Layout()->SetFirstRecordIndex(first);
            trend.Layout();
        }
        trend.view->Layout()->SetFirstRecordIndex(++first);
        trend.view->Layout()->OffsetView(1, 0, 0);
        trend.Paint();
        ++passes;
    });
    Report(state, trend, seconds, TTestRowViewInfo::Measurements, passes);
}
BENCHMARK(BM_TableScrollOneRow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
