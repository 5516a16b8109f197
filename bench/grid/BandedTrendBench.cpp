// A trend window's banded view as the program shows it: 3,493 draws, 15 root bands and 61 columns
// in row 0 (two of them hidden), in a grid of 865 x 694 (about 34 rows in view). Each figure beside
// a plain baseline in the same run (text in every visible cell of the view, cell by cell), for
// comparison with TrendTableBench's plain table:
// - BandedFirstLayoutAndPaint: the row heights forgotten, a layout pass and a paint.
// - BandedLayout: a layout pass.
// - BandedWidthDistribution: the bands' and columns' widths worked out again (part of each pass).
// - BandedScrollLine: LeftPos moved by one line step (20 pixels), a layout pass and a paint.
// - BandedScrollPage: a page down, a layout pass and a paint.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/bandedview/BandedTableView.h"
#include "controls/grid/bandedview/BandedViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "platform/classlib/Bitmap.h"

#include <chrono>
#include <memory>
#include <string>

namespace zorvy::bench {
namespace {

constexpr int BandedDraws = 3493;
// The trend window's bands: their widths (0: as wide as their columns) and column counts.
constexpr int BandWidths[15] = {0, 62, 60, 90, 0, 0, 231, 377, 0, 0, 0, 0, 0, 0, 129};
constexpr int BandColumns[15] = {3, 2, 2, 3, 2, 2, 9, 16, 2, 7, 3, 2, 2, 2, 4};

struct TBandedTrend {
    TBandedTrend() {
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 900, 720);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 865, 694);
        view = static_cast<TcxGridBandedTableView*>(
            TcxControlChildComponent::CreateForControl(TcxGridBandedTableView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        view->BeginUpdate();
        view->GetOptionsView()->SetGroupByBox(false);
        view->GetOptionsView()->SetIndicator(true);
        view->GetOptionsView()->SetFooter(true);
        for (int b = 0; b < 15; ++b) {
            TcxGridBand* band = view->GetBands()->Add();
            band->SetCaption("band " + std::to_string(b));
            band->SetWidth(BandWidths[b]);
            for (int c = 0; c < BandColumns[b]; ++c) {
                TcxGridBandedColumn* column = view->CreateColumn();
                column->SetCaption(std::to_string(c));
                column->SetWidth(columns == 0 ? 58 : 24);
                column->GetPosition()->SetBandIndex(b);
                column->GetPosition()->SetRowIndex(0);
                // EndTime and ResultA1 are hidden in the trend windows.
                if (b == 0 && c > 0) column->SetVisible(false);
                ++columns;
            }
        }
        view->EndUpdate();
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(BandedDraws);
        for (int r = 0; r < BandedDraws; ++r)
            for (int c = 0; c < columns; ++c) data->SetValue(r, c, Variant(std::to_string((r * 7 + c) % 34)));
        data->EndUpdate();
        surface.SetSize(865, 694);
        canvas = std::make_unique<TcxCanvas>(surface.GetCanvas());
        Layout();
    }
    ~TBandedTrend() { delete form; }
    TcxGridBandedTableViewInfo* Info() const { return static_cast<TcxGridBandedTableViewInfo*>(view->GetViewInfo()); }
    TcxGridTableController* Controller() const { return static_cast<TcxGridTableController*>(view->GetController()); }
    void Layout() { Info()->Recalculate(); }
    void Paint() { view->GetPainter()->Paint(canvas.get(), Info()); }
    // Text in every cell of the laid-out rows and the columns in view.
    void Baseline() {
        const int rows = Info()->GetRowsViewInfo()->GetCount();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < 34; ++c) {
                const TRect cell{c * 24, r * 19, c * 24 + 24, r * 19 + 19};
                canvas->FillRectSolid(cell, clWindow);
                canvas->PaintText(std::to_string((r * 7 + c) % 34), cell, ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
            }
    }

    TForm* form;
    TcxGrid* grid;
    TcxGridBandedTableView* view;
    int columns = 0;
    TBitmap surface;
    std::unique_ptr<TcxCanvas> canvas;
};

void ReportBanded(benchmark::State& state, TBandedTrend& trend, double seconds) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) trend.Baseline();
    const double plain = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 5;
    state.counters["ms"] = seconds * 1e3;
    state.counters["baseline_ms"] = plain * 1e3;
    state.counters["ratio"] = seconds / plain;
    state.counters["rows_in_view"] = trend.Info()->GetRowsViewInfo()->GetVisibleCount();
    state.counters["visible_columns"] = trend.view->GetVisibleItemCount();
}

void BM_BandedFirstLayoutAndPaint(benchmark::State& state) {
    TGridUnits units;
    TBandedTrend trend;
    const double seconds = TimedLoop(state, [&] {
        trend.view->GetViewInfoCache()->UnassignValues(false);
        trend.Layout();
        trend.Paint();
    });
    ReportBanded(state, trend, seconds);
}
BENCHMARK(BM_BandedFirstLayoutAndPaint)->Unit(benchmark::kMillisecond);

void BM_BandedLayout(benchmark::State& state) {
    TGridUnits units;
    TBandedTrend trend;
    const double seconds = TimedLoop(state, [&] { trend.Layout(); });
    ReportBanded(state, trend, seconds);
}
BENCHMARK(BM_BandedLayout)->Unit(benchmark::kMillisecond);

void BM_BandedWidthDistribution(benchmark::State& state) {
    TGridUnits units;
    TBandedTrend trend;
    TcxGridBandsViewInfo* bands = trend.Info()->GetBandsViewInfo();
    const double seconds = TimedLoop(state, [&] {
        bands->ResetCaches();
        benchmark::DoNotOptimize(bands->GetWidth());
    });
    ReportBanded(state, trend, seconds);
}
BENCHMARK(BM_BandedWidthDistribution)->Unit(benchmark::kMicrosecond);

void BM_BandedScrollLine(benchmark::State& state) {
    TGridUnits units;
    TBandedTrend trend;
    int step = 20;
    const double seconds = TimedLoop(state, [&] {
        const int left = trend.Controller()->GetLeftPos();
        trend.Controller()->SetLeftPos(left + step);
        if (trend.Controller()->GetLeftPos() == left) {
            step = -step;
            trend.Controller()->SetLeftPos(left + step);
        }
        trend.Layout();
        trend.Paint();
    });
    ReportBanded(state, trend, seconds);
}
BENCHMARK(BM_BandedScrollLine)->Unit(benchmark::kMillisecond);

void BM_BandedScrollPage(benchmark::State& state) {
    TGridUnits units;
    TBandedTrend trend;
    const double seconds = TimedLoop(state, [&] {
        if (trend.Controller()->GetTopRecordIndex() + 80 >= BandedDraws) trend.Controller()->SetTopRecordIndex(0);
        trend.Controller()->ScrollPage(true);
        trend.Layout();
        trend.Paint();
    });
    ReportBanded(state, trend, seconds);
}
BENCHMARK(BM_BandedScrollPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
