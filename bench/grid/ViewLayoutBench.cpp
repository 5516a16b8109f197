// A view's layout, painting and hit tests on a view of 3,493 rows x 63 cells in a 1018 x 735 site
// (35 visible rows, 2,205 cells), each beside a plain baseline in the same run:
// - FirstLayoutAndPaint: the view laid out and painted from nothing; baseline: filling and writing
//   the same 2,205 rectangles straight on the canvas.
// - PageScroll: the next page laid out and painted; same baseline.
// - HoverRepaint: one cell turns hot and a pass repaints its rectangle; baseline: that one cell
//   filled and written straight.
// - HitTest: the hit test of a point on a cell, with its allocations; baseline: the arithmetic of
//   finding the cell.
// - HiddenGrid: the layout and paint passes that a relayout and a repaint cost a view behind an
//   inactive level tab and a view on a hidden form, per request.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/GridSite.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy::bench {
namespace {

constexpr int RowCount = 3493, ColumnCount = 63, RowHeight = 21, ColumnWidth = 16;

class TRowCellHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TRowCellHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return 107; }
};

class TRowCell : public TcxCustomGridViewCellViewInfo {
  public:
    TRowCell(TcxCustomGridViewInfo* viewInfo, int row, int column)
        : TcxCustomGridViewCellViewInfo(viewInfo), row_(row), column_(column) {}
    ~TRowCell() override { BeginDestruction(); }
    const TMetaClass* GetHitTestClass() override { return TRowCellHitTest::StaticClass(); }
    std::string CalculateText() override { return std::to_string((row_ * 7 + column_) % 100); }
    TcxBorders CalculateBorders() override { return cxBorder(bRight) | cxBorder(bBottom); }
    int GetSideBorderWidth(TcxBorder) override { return 1; }
    TColor GetBorderColor(TcxBorder) override { return clSilver; }
    TAlignment CalculateAlignmentHorz() override { return taCenter; }
    bool CanPress() override { return true; }
    void GetViewParams(TcxPartParams& params) override {
        params.Color = GetState() == gcsHot ? clYellow : clWindow;
        params.TextColor = clWindowText;
        params.Font = font_;
    }
    void SetFont(TFont* font) { font_ = font; }

  private:
    int row_, column_;
    TFont* font_ = nullptr;
};

// Cell view infos only for the visible rows, made again by every layout pass.
class TRowsViewInfo : public TcxCustomGridViewInfo {
    ZORVY_CLASS(TRowsViewInfo, TcxCustomGridViewInfo)
  public:
    using TcxCustomGridViewInfo::TcxCustomGridViewInfo;
    int TopRow = 0;
    int VisibleRows = 0;
    int Passes = 0;
    std::vector<std::unique_ptr<TRowCell>> Cells;

    void DestroyViewInfos(bool recreating) override {
        Cells.clear();
        TcxCustomGridViewInfo::DestroyViewInfos(recreating);
    }
    TcxCustomGridHitTest* GetHitTest(TPoint p) override {
        const TRect& b = GetBounds();
        const int row = (p.Y - b.Top) / RowHeight, column = (p.X - b.Left) / ColumnWidth;
        if (p.X >= b.Left && p.Y >= b.Top && row < VisibleRows && column < ColumnCount)
            if (TcxCustomGridHitTest* hitTest = Cells[static_cast<size_t>(row * ColumnCount + column)]->GetHitTest(p))
                return hitTest;
        return TcxCustomGridViewInfo::GetHitTest(p);
    }

  protected:
    void CalculateLayout() override {
        ++Passes;
        Cells.clear();
        const TRect& b = GetBounds();
        VisibleRows = std::min((b.Bottom - b.Top + RowHeight - 1) / RowHeight, RowCount - TopRow);
        Cells.reserve(static_cast<size_t>(VisibleRows * ColumnCount));
        TFont* font = GetGridView()->GetGrid()->GetFont();
        for (int r = 0; r < VisibleRows; ++r)
            for (int c = 0; c < ColumnCount; ++c) {
                auto cell = std::make_unique<TRowCell>(this, TopRow + r, c);
                cell->SetFont(font);
                cell->Calculate(b.Left + c * ColumnWidth, b.Top + r * RowHeight, ColumnWidth, RowHeight);
                Cells.push_back(std::move(cell));
            }
        TcxCustomGridViewInfo::CalculateLayout();
    }
};

class TRowsPainter : public TcxCustomGridPainter {
    ZORVY_CLASS(TRowsPainter, TcxCustomGridPainter)
  public:
    using TcxCustomGridPainter::TcxCustomGridPainter;
    int Passes = 0;

  protected:
    void PaintContent() override {
        ++Passes;
        for (auto& cell : static_cast<TRowsViewInfo*>(GetViewInfo())->Cells) {
            cell->Paint(GetCanvas());
            ExcludeFromBackground(cell->Bounds);
        }
    }
};

class TRowsView : public TcxCustomGridView {
    ZORVY_CLASS(TRowsView, TcxCustomGridView)
  public:
    using TcxCustomGridView::TcxCustomGridView;
    TRowsViewInfo* Info() const { return static_cast<TRowsViewInfo*>(GetViewInfo()); }
    TRowsPainter* Painter() const { return static_cast<TRowsPainter*>(GetPainter()); }

  protected:
    const TMetaClass* GetControllerClass() const override { return TcxCustomGridController::StaticClass(); }
    TcxDataControllerClass GetDataControllerClass() const override { return DataControllerClassOf<TcxDataController>(); }
    const TMetaClass* GetPainterClass() const override { return TRowsPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TcxCustomGridViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TRowsViewInfo::StaticClass(); }
};

// A shown form with a grid whose content is 1018 x 735, showing one rows view.
struct TRowsGrid {
    explicit TRowsGrid(bool shown = true) {
        form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 1030, 750);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1020, 737);
        view = static_cast<TRowsView*>(TcxControlChildComponent::CreateForControl(TRowsView::StaticClass(), grid, true));
        level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        if (shown) form->Show();
        Application->ProcessMessages();
    }
    ~TRowsGrid() {
        delete form;
        Application->ProcessMessages();
    }
    TcxCanvas* Canvas() const { return view->Info()->GetCanvas(); }
    void LayoutAndPaint() {
        view->Info()->Recalculate();
        view->GetPainter()->Paint();
    }
    // What painting the visible cells costs without view infos: fill, borders and text of each.
    void PlainPaint(int topRow) {
        TcxCanvas* canvas = Canvas();
        canvas->AssignFont(grid->GetFont());
        for (int r = 0; r < 35; ++r)
            for (int c = 0; c < ColumnCount; ++c) {
                const TRect cell{c * ColumnWidth, r * RowHeight, (c + 1) * ColumnWidth, (r + 1) * RowHeight};
                canvas->FillRectSolid(TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}, clWindow);
                canvas->FillRectSolid(TRect{cell.Right - 1, cell.Top, cell.Right, cell.Bottom}, clSilver);
                canvas->FillRectSolid(TRect{cell.Left, cell.Bottom - 1, cell.Right - 1, cell.Bottom}, clSilver);
                canvas->PaintText(std::to_string(((topRow + r) * 7 + c) % 100), cell,
                                  ctfAlignHCenter | ctfAlignTop | ctfSingleLine);
            }
    }
    TForm* form;
    TcxGrid* grid;
    TRowsView* view;
    TcxGridLevel* level;
};

double PlainBaseline(TRowsGrid& rows, int runs) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) rows.PlainPaint(i * 35 % RowCount);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_FirstLayoutAndPaint(benchmark::State& state) {
    TGridUnits units;
    TRowsGrid rows;
    int runs = 0;
    const double time = TimedLoop(state, [&] {
        rows.view->Info()->RecreateViewInfos(); // from nothing
        rows.LayoutAndPaint();
        ++runs;
    });
    const double baseline = PlainBaseline(rows, runs);
    state.counters["layout_paint_ms"] = time * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = time / baseline;
    state.counters["cell_view_infos"] = static_cast<double>(rows.view->Info()->Cells.size());
}
BENCHMARK(BM_FirstLayoutAndPaint)->Unit(benchmark::kMillisecond);

void BM_PageScroll(benchmark::State& state) {
    TGridUnits units;
    TRowsGrid rows;
    int runs = 0;
    const double time = TimedLoop(state, [&] {
        TRowsViewInfo* info = rows.view->Info();
        info->TopRow = (info->TopRow + info->VisibleRows) % (RowCount - 35);
        rows.LayoutAndPaint();
        ++runs;
    });
    const double baseline = PlainBaseline(rows, runs);
    state.counters["scroll_ms"] = time * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = time / baseline;
}
BENCHMARK(BM_PageScroll)->Unit(benchmark::kMillisecond);

void BM_HoverRepaint(benchmark::State& state) {
    TGridUnits units;
    TRowsGrid rows;
    rows.LayoutAndPaint();
    TRowsViewInfo* info = rows.view->Info();
    TcxCanvas* canvas = rows.Canvas();
    int i = 0;
    const double time = TimedLoop(state, [&] {
        TRowCell* cell = info->Cells[static_cast<size_t>((i++ * 97) % static_cast<int>(info->Cells.size()))].get();
        cell->SetState(gcsHot);
        cell->RecalculateAndInvalidate();
        // The pass of the WM_PAINT that follows: clipped to the cell.
        TcxRegion* clip = canvas->CopyClipRegion();
        canvas->ClipIntersectRect(cell->Bounds);
        rows.view->GetPainter()->Paint();
        canvas->ApplyClipRegion(clip);
        cell->SetState(gcsNone);
    });
    const int runs = static_cast<int>(state.iterations());
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < runs; ++k) {
        const TRect r{(k % ColumnCount) * ColumnWidth, 0, (k % ColumnCount + 1) * ColumnWidth, RowHeight};
        canvas->FillRectSolid(r, clYellow);
        canvas->PaintText(std::to_string(k % 100), r, ctfAlignHCenter | ctfSingleLine);
    }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
    state.counters["hover_ms"] = time * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = time / baseline;
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMillisecond);

void BM_HitTest(benchmark::State& state) {
    TGridUnits units;
    TRowsGrid rows;
    rows.LayoutAndPaint();
    TRowsViewInfo* info = rows.view->Info();
    info->GetHitTestAt(1, 1); // the first request of the class makes its object
    const std::size_t allocationsBefore = AllocationCount();
    int i = 0, found = 0;
    const double time = TimedLoop(state, [&] {
        const int x = (i * 37) % 1008, y = (i * 53) % 735;
        ++i;
        found += info->GetHitTestAt(x, y)->GetHitTestCode() == 107;
    });
    const double allocations = static_cast<double>(AllocationCount() - allocationsBefore);
    const int runs = i;
    const auto start = std::chrono::steady_clock::now();
    int sum = 0;
    for (int k = 0; k < runs; ++k) {
        const int x = (k * 37) % 1008, y = (k * 53) % 735;
        benchmark::DoNotOptimize(sum += (y / RowHeight) * ColumnCount + x / ColumnWidth);
    }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
    state.counters["hit_test_us"] = time * 1e6;
    state.counters["baseline_us"] = baseline * 1e6;
    state.counters["allocations"] = allocations;
    state.counters["on_cells"] = static_cast<double>(found) / runs;
}
BENCHMARK(BM_HitTest);

// A view behind an inactive level tab, and a view on a hidden form: relayouts asked of each.
void BM_HiddenGrid(benchmark::State& state) {
    TGridUnits units;
    TRowsGrid behindTab;
    auto* front = new TcxGridLevel(behindTab.form);
    behindTab.grid->GetRootLevel()->Add(front);
    behindTab.grid->SetActiveLevel(front);
    TRowsGrid onHiddenForm(false);
    Application->ProcessMessages();
    const int tabPasses = behindTab.view->Info()->Passes, tabPaints = behindTab.view->Painter()->Passes;
    const int formPasses = onHiddenForm.view->Info()->Passes, formPaints = onHiddenForm.view->Painter()->Passes;
    int runs = 0;
    const double time = TimedLoop(state, [&] {
        for (TRowsGrid* rows : {&behindTab, &onHiddenForm}) {
            rows->view->LayoutChanged(true);
            rows->view->Invalidate();
        }
        Application->ProcessMessages();
        ++runs;
    });
    state.counters["relayout_ms"] = time * 1e3;
    state.counters["behind_tab_layouts"] = (behindTab.view->Info()->Passes - tabPasses) / static_cast<double>(runs);
    state.counters["behind_tab_paints"] = (behindTab.view->Painter()->Passes - tabPaints) / static_cast<double>(runs);
    state.counters["hidden_form_layouts"] =
        (onHiddenForm.view->Info()->Passes - formPasses) / static_cast<double>(runs);
    state.counters["hidden_form_paints"] =
        (onHiddenForm.view->Painter()->Passes - formPaints) / static_cast<double>(runs);
}
BENCHMARK(BM_HiddenGrid)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
