// A trend table as the program shows it: 3,493 draws x 53 columns with 53 footer counts in a grid of
// about 750 x 735, through the table view's own layout. Each figure beside a plain baseline in the
// same run (text in every visible cell of the view, cell by cell):
// - TrendFirstLayoutAndPaint: the row heights forgotten, a layout pass and a paint.
// - TrendLayout: a layout pass.
// - TrendToggleColumns: 44 columns hidden and shown again, each change with its layout pass.
// - TrendScrollRow: the top row moved by one, a layout pass and a paint.
// - TrendScrollTenPixels: LeftPos moved by 10 pixels (the laid-out rows move) and a paint.
// - TrendScrollTenPixelsOnScreen: the same on the shown grid, where the site's pixels are copied and
//   only the uncovered strip is painted.
// - TrendScrollPage: a page down, a layout pass and a paint.
// Counters: the rows and cells laid out, and the bytes a layout pass allocates per visible cell.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/DataRowViewInfo.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/RowsViewInfo.h"
#include "platform/classlib/Bitmap.h"

#include <chrono>
#include <memory>
#include <string>

namespace zorvy::bench {
namespace {

constexpr int Draws = 3493;
constexpr int Columns = 53;

struct TTrendTable {
    TTrendTable() {
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 780, 760);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 752, 737);
        view = static_cast<TcxGridTableView*>(
            TcxControlChildComponent::CreateForControl(TcxGridTableView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        view->BeginUpdate();
        view->GetOptionsView()->SetGroupByBox(false);
        view->GetOptionsView()->SetFooter(true);
        view->GetOptionsView()->SetColumnAutoWidth(false);
        for (int c = 0; c < Columns; ++c) {
            TcxGridColumn* column = view->CreateColumn();
            column->SetCaption("c" + std::to_string(c));
            column->SetWidth(c == 0 ? 60 : 24);
            column->GetSummary()->SetFooterKind(skCount);
        }
        view->EndUpdate();
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(Draws);
        for (int r = 0; r < Draws; ++r)
            for (int c = 0; c < Columns; ++c) data->SetValue(r, c, Variant(std::to_string((r * 7 + c) % 34)));
        data->EndUpdate();
        surface.SetSize(752, 737);
        canvas = std::make_unique<TcxCanvas>(surface.GetCanvas());
        Layout();
    }
    ~TTrendTable() { delete form; }
    TcxGridTableViewInfo* Info() const { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    TcxGridTableController* Controller() const { return static_cast<TcxGridTableController*>(view->GetController()); }
    void Layout() { Info()->Recalculate(); }
    void Paint() { view->GetPainter()->Paint(canvas.get(), Info()); }
    int CellsLaidOut() const {
        int cells = 0;
        TcxGridRowsViewInfo* rows = Info()->GetRowsViewInfo();
        for (int i = 0; i < rows->GetCount(); ++i) {
            auto* row = static_cast<TcxGridDataRowViewInfo*>(rows->GetItem(i));
            for (int c = 0; c < row->GetCellCount(); ++c) cells += row->FindCellViewInfo(c) ? 1 : 0;
        }
        return cells;
    }
    // Text in every cell of the laid-out rows and columns in view.
    void Baseline() {
        const int rows = Info()->GetRowsViewInfo()->GetCount();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < 29; ++c) {
                const TRect cell{c * 24, r * 19, c * 24 + 24, r * 19 + 19};
                canvas->FillRectSolid(cell, clWindow);
                canvas->PaintText(std::to_string((r * 7 + c) % 34), cell, ctfAlignLeft | ctfAlignVCenter | ctfSingleLine);
            }
    }

    TForm* form;
    TcxGrid* grid;
    TcxGridTableView* view;
    TBitmap surface;
    std::unique_ptr<TcxCanvas> canvas;
};

void Report(benchmark::State& state, TTrendTable& table, double seconds) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) table.Baseline();
    const double plain = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 5;
    table.Layout();
    const int cells = table.CellsLaidOut();
    const std::size_t before = AllocatedBytes();
    table.Layout();
    const std::size_t bytes = AllocatedBytes() - before;
    state.counters["ms"] = seconds * 1e3;
    state.counters["baseline_ms"] = plain * 1e3;
    state.counters["ratio"] = seconds / plain;
    state.counters["rows_laid_out"] = table.Info()->GetRowsViewInfo()->GetCount();
    state.counters["cells_laid_out"] = cells;
    state.counters["bytes_per_cell"] = cells ? static_cast<double>(bytes) / cells : 0;
}

void BM_TrendFirstLayoutAndPaint(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    const double seconds = TimedLoop(state, [&] {
        table.view->GetViewInfoCache()->UnassignValues(false);
        table.Layout();
        table.Paint();
    });
    Report(state, table, seconds);
}
BENCHMARK(BM_TrendFirstLayoutAndPaint)->Unit(benchmark::kMillisecond);

void BM_TrendLayout(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    const double seconds = TimedLoop(state, [&] { table.Layout(); });
    Report(state, table, seconds);
}
BENCHMARK(BM_TrendLayout)->Unit(benchmark::kMillisecond);

void BM_TrendToggleColumns(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    const double seconds = TimedLoop(state, [&] {
        for (bool visible : {false, true}) {
            table.view->BeginUpdate();
            for (int c = 9; c < Columns; ++c) table.view->GetColumn(c)->SetVisible(visible);
            table.view->EndUpdate();
            table.Layout();
        }
    });
    Report(state, table, seconds / 2);
}
BENCHMARK(BM_TrendToggleColumns)->Unit(benchmark::kMillisecond);

void BM_TrendScrollRow(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    int top = 0;
    const double seconds = TimedLoop(state, [&] {
        top = top + 60 >= Draws ? 0 : top + 1;
        table.Controller()->SetTopRecordIndex(top);
        table.Layout();
        table.Paint();
    });
    Report(state, table, seconds);
}
BENCHMARK(BM_TrendScrollRow)->Unit(benchmark::kMillisecond);

void BM_TrendScrollTenPixels(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    int step = 10;
    const double seconds = TimedLoop(state, [&] {
        const int left = table.Controller()->GetLeftPos();
        table.Controller()->SetLeftPos(left + step);
        if (table.Controller()->GetLeftPos() == left) {
            step = -step;
            table.Controller()->SetLeftPos(left + step);
        }
        table.Paint();
    });
    Report(state, table, seconds);
}
BENCHMARK(BM_TrendScrollTenPixels)->Unit(benchmark::kMillisecond);

void BM_TrendScrollTenPixelsOnScreen(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    table.form->Show();
    Application->ProcessMessages();
    int step = 10;
    const double seconds = TimedLoop(state, [&] {
        const int left = table.Controller()->GetLeftPos();
        table.Controller()->SetLeftPos(left + step);
        if (table.Controller()->GetLeftPos() == left) {
            step = -step;
            table.Controller()->SetLeftPos(left + step);
        }
    });
    Report(state, table, seconds);
}
BENCHMARK(BM_TrendScrollTenPixelsOnScreen)->Unit(benchmark::kMillisecond);

void BM_TrendScrollPage(benchmark::State& state) {
    TGridUnits units;
    TTrendTable table;
    const double seconds = TimedLoop(state, [&] {
        if (table.Controller()->GetTopRecordIndex() + 80 >= Draws) table.Controller()->SetTopRecordIndex(0);
        table.Controller()->ScrollPage(true);
        table.Layout();
        table.Paint();
    });
    Report(state, table, seconds);
}
BENCHMARK(BM_TrendScrollPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
