// The table view's interaction over a trend view of 3,493 draws and 66 columns, each beside a plain
// baseline in the same run:
// - HeaderSort: a header click (ascending and descending in turn) and the repaint; baseline: sorting
//   the column's texts with std::sort.
// - SizingMove: one mouse move while a column edge is dragged (the mark erased and drawn again, no
//   layout); baseline: the two inversions drawn straight on the site's canvas.
// - SizingRelease: press, move and release on a column edge with the one layout that follows;
//   baseline: a layout pass of the unchanged view.
// - LeftRight: Right then Left in the focused row with the repaint; baseline: as many layout-free
//   focused-item changes of the data controller's own.
// - FilterRowKeystroke: a value written into the filter row (filtering the draws) and the layout;
//   baseline: the same filter set straight on the data controller.
// - BestFit: one column fitted to its widest text; baseline: measuring each distinct text once.
// - Grouping: grouping by a column and back, with the layouts; baseline: a layout pass.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/data/DataFilter.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/tableview/TableViewOptions.h"
#include "controls/grid/view/GridSite.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace zorvy::bench {
namespace {

constexpr int kDraws = 3493;
constexpr int kColumns = 66;

template <typename Body> double TimedRuns(int runs, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < runs; ++r) body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

// A shown trend view: the issue number, then omission counts of the numbers.
struct TTrendGrid {
    explicit TTrendGrid(THeadlessDisplay& display) : display(display) {
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 1030, 750);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1020, 737);
        view = static_cast<TcxGridTableView*>(
            TcxControlChildComponent::CreateForControl(TcxGridTableView::StaticClass(), grid, true));
        auto* level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        view->BeginUpdate();
        view->GetOptionsView()->SetGroupByBox(true);
        view->GetOptionsView()->SetIndicator(true);
        view->GetOptionsView()->SetColumnAutoWidth(false);
        view->GetOptionsCustomize()->SetDataRowSizing(true);
        for (int c = 0; c < kColumns; ++c) {
            TcxGridColumn* column = view->CreateColumn();
            column->SetCaption(c == 0 ? "期号" : std::to_string(c));
            column->SetWidth(c == 0 ? 60 : 24);
        }
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(kDraws);
        for (int r = 0; r < kDraws; ++r) {
            data->SetValue(r, 0, Variant(std::to_string(2003001 + r)));
            for (int c = 1; c < kColumns; ++c) data->SetValue(r, c, Variant(std::to_string((r * 7 + c * 13) % 40)));
        }
        data->EndUpdate();
        view->EndUpdate();
        form->Show();
        Application->ProcessMessages();
    }
    ~TTrendGrid() { delete form; }
    TcxGridTableController* Controller() const { return static_cast<TcxGridTableController*>(view->GetController()); }
    TcxGridTableViewInfo* Layout() const { return static_cast<TcxGridTableViewInfo*>(view->GetViewInfo()); }
    HWND Site() const { return view->GetSite()->GetHandle(); }
    TPoint EdgeOf(int column) const {
        const TRect r = Layout()->GetHeaderViewInfo()->GetItem(column)->Bounds;
        return TPoint{r.Right - 1, (r.Top + r.Bottom) / 2};
    }
    void Settle() {
        Application->ProcessMessages();
        view->GetSite()->Update();
    }

    THeadlessDisplay& display;
    TForm* form;
    TcxGrid* grid;
    TcxGridTableView* view;
};

void BM_HeaderSort(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    TcxGridColumn* column = trend.view->GetColumn(5);
    const double click = TimedLoop(state, [&] {
        trend.Controller()->DoHeaderClick(column, 0);
        trend.Settle();
    });
    std::vector<std::string> texts;
    for (int r = 0; r < kDraws; ++r) texts.push_back(std::to_string((r * 7 + 5 * 13) % 40));
    const double baseline = TimedRuns(20, [&] {
        std::vector<std::string> sorted = texts;
        std::sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted.data());
    });
    state.counters["click_ms"] = click * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = click / baseline;
}
BENCHMARK(BM_HeaderSort)->Unit(benchmark::kMillisecond);

void BM_SizingMove(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    const TPoint edge = trend.EdgeOf(3);
    units.Display().PressMouse(trend.Site(), edge.X, edge.Y);
    Application->ProcessMessages();
    int step = 0;
    const double move = TimedLoop(state, [&] {
        units.Display().MoveMouse(trend.Site(), edge.X + 10 + (++step % 2) * 5, edge.Y);
        Application->ProcessMessages();
    });
    units.Display().ReleaseMouse(trend.Site(), edge.X, edge.Y);
    Application->ProcessMessages();
    TcxCanvas* canvas = trend.view->GetSite()->GetActiveCanvas();
    const double baseline = TimedRuns(1000, [&] {
        canvas->InvertRect(TRect{edge.X + 10, 0, edge.X + 11, 700});
        canvas->InvertRect(TRect{edge.X + 15, 0, edge.X + 16, 700});
    });
    state.counters["move_us"] = move * 1e6;
    state.counters["baseline_us"] = baseline * 1e6;
    state.counters["ratio"] = move / baseline;
}
BENCHMARK(BM_SizingMove)->Unit(benchmark::kMicrosecond);

void BM_SizingRelease(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    int step = 0;
    const double release = TimedLoop(state, [&] {
        const TPoint edge = trend.EdgeOf(3);
        units.Display().Clock().Advance(1000);
        units.Display().PressMouse(trend.Site(), edge.X, edge.Y);
        const int x = edge.X + (++step % 2 ? 20 : -20);
        units.Display().MoveMouse(trend.Site(), x, edge.Y);
        units.Display().ReleaseMouse(trend.Site(), x, edge.Y);
        trend.Settle();
    });
    const double baseline = TimedRuns(20, [&] { trend.Layout()->Recalculate(); });
    state.counters["release_ms"] = release * 1e3;
    state.counters["baseline_layout_ms"] = baseline * 1e3;
    state.counters["ratio"] = release / baseline;
}
BENCHMARK(BM_SizingRelease)->Unit(benchmark::kMillisecond);

void BM_LeftRight(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    TcxGridTableController* controller = trend.Controller();
    controller->FocusRowIndex(10);
    controller->SetFocusedItem(trend.view->GetColumn(30));
    trend.Settle();
    const double keys = TimedLoop(state, [&] {
        std::uint16_t key = VK_RIGHT;
        controller->KeyDown(key, 0);
        trend.Settle();
        key = VK_LEFT;
        controller->KeyDown(key, 0);
        trend.Settle();
    });
    TcxCustomDataController* data = trend.view->GetDataController();
    int row = 0;
    const double baseline = TimedRuns(1000, [&] { data->ChangeFocusedRowIndex(++row % 2 + 10); });
    state.counters["key_ms"] = keys / 2 * 1e3;
    state.counters["baseline_us"] = baseline * 1e6;
    state.counters["ratio"] = keys / 2 / baseline;
}
BENCHMARK(BM_LeftRight)->Unit(benchmark::kMillisecond);

void BM_FilterRowKeystroke(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    trend.view->GetFilterRow()->SetVisible(true);
    trend.Settle();
    auto* rows = static_cast<TcxGridViewData*>(trend.view->GetViewData());
    const char* typed[] = {"1", "12", "1", ""};
    int step = 0;
    const double keystroke = TimedLoop(state, [&] {
        rows->GetFilterRow()->SetValue(3, Variant(std::string(typed[step++ % 4])));
        trend.Settle();
    });
    TcxCustomDataController* data = trend.view->GetDataController();
    TcxDataFilterCriteria& filter = data->GetFilter();
    step = 0;
    const double baseline = TimedRuns(20, [&] {
        filter.RemoveItemsByItemLink(trend.view->GetColumn(3));
        if (step++ % 2 == 0) {
            filter.AddItem(nullptr, trend.view->GetColumn(3), ocEqual, Variant(std::string("12")), "12");
            filter.SetActive(true);
        }
    });
    state.counters["keystroke_ms"] = keystroke * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = keystroke / baseline;
}
BENCHMARK(BM_FilterRowKeystroke)->Unit(benchmark::kMillisecond);

void BM_BestFit(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    TcxGridColumn* column = trend.view->GetColumn(0);
    const double fit = TimedLoop(state, [&] {
        column->SetWidth(60);
        column->ApplyBestFit();
    });
    TcxCanvas* canvas = trend.Layout()->GetCanvas();
    std::set<std::string> distinct;
    for (int r = 0; r < kDraws; ++r) distinct.insert(std::to_string(2003001 + r));
    const double baseline = TimedRuns(20, [&] {
        int widest = 0;
        for (const std::string& text : distinct) widest = std::max(widest, canvas->MeasureTextWidth(text));
        benchmark::DoNotOptimize(widest);
    });
    state.counters["fit_ms"] = fit * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = fit / baseline;
}
BENCHMARK(BM_BestFit)->Unit(benchmark::kMillisecond);

void BM_Grouping(benchmark::State& state) {
    TGridUnits units;
    TTrendGrid trend(units.Display());
    TcxGridColumn* column = trend.view->GetColumn(2);
    const double grouping = TimedLoop(state, [&] {
        column->SetGroupIndex(0);
        trend.Settle();
        column->SetGroupIndex(-1);
        trend.Settle();
    });
    const double baseline = TimedRuns(20, [&] { trend.Layout()->Recalculate(); });
    state.counters["group_ms"] = grouping / 2 * 1e3;
    state.counters["baseline_layout_ms"] = baseline * 1e3;
    state.counters["ratio"] = grouping / 2 / baseline;
}
BENCHMARK(BM_Grouping)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
