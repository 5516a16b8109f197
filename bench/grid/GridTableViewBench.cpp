// The table view's hot paths, each beside a plain baseline in the same run:
// - BuildTableViews: the program's thirteen grids as table views (eight of 63 to 68 columns, five of
//   100) with their options, footer and group summaries set, one layout each, made and freed;
//   baseline: as many columns made and freed without a view.
// - StyleLookups: header, footer, footer-cell, group and group-summary params of every column
//   through the view's and the columns' styles; counts allocations. Baseline: copying a fixed
//   params record per lookup.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewStyles.h"

#include <chrono>
#include <memory>
#include <vector>

namespace zorvy::bench {
namespace {

template <typename Body> double TimedRuns(int runs, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < runs; ++r) body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

// The column counts of the thirteen grids: eight trend views and five plain ones.
constexpr int GridColumns[] = {63, 64, 65, 66, 66, 67, 68, 68, 100, 100, 100, 100, 100};

// A shown form holding one grid with a table view laid out as the program's windows set them.
struct TTableGrid {
    explicit TTableGrid(int columns) {
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 1030, 750);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1020, 737);
        view = static_cast<TcxGridTableView*>(
            TcxControlChildComponent::CreateForControl(TcxGridTableView::StaticClass(), grid, true));
        level = new TcxGridLevel(form);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        view->BeginUpdate();
        TcxGridTableOptionsView* options = view->GetOptionsView();
        options->SetGroupByBox(false);
        options->SetFooter(true);
        options->SetIndicator(true);
        options->SetColumnAutoWidth(false);
        options->SetDataRowHeight(19);
        view->GetOptionsSelection()->SetCellMultiSelect(true);
        view->GetOptionsCustomize()->SetColumnHidingOnGrouping(false);
        for (int c = 0; c < columns; ++c) {
            TcxGridColumn* column = view->CreateColumn();
            column->SetCaption("c" + std::to_string(c));
            column->SetWidth(c == 0 ? 60 : 24);
            column->SetFooterAlignmentHorz(taCenter);
            column->GetOptions()->SetHorzSizing(c != 0);
            if (c > 0) column->GetSummary()->SetFooterKind(skSum);
            if (c % 10 == 1) column->GetSummary()->SetGroupKind(skCount);
        }
        view->EndUpdate();
        view->GetViewInfo()->Recalculate();
    }
    ~TTableGrid() { delete form; }
    TForm* form;
    TcxGrid* grid;
    TcxGridTableView* view;
    TcxGridLevel* level;
};

void BM_BuildTableViews(benchmark::State& state) {
    TGridUnits units;
    int columnsInAll = 0;
    for (int columns : GridColumns) columnsInAll += columns;
    const double build = TimedLoop(state, [&] {
        std::vector<std::unique_ptr<TTableGrid>> grids;
        for (int columns : GridColumns) grids.push_back(std::make_unique<TTableGrid>(columns));
        Application->ProcessMessages();
    });
    const double baseline = TimedRuns(5, [&] {
        std::vector<std::unique_ptr<TcxGridColumn>> columns;
        for (int c = 0; c < columnsInAll; ++c) columns.push_back(std::make_unique<TcxGridColumn>(nullptr));
    });
    state.counters["views_ms"] = build * 1e3;
    state.counters["columns"] = columnsInAll;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = build / baseline;
}
BENCHMARK(BM_BuildTableViews)->Unit(benchmark::kMillisecond);

void BM_StyleLookups(benchmark::State& state) {
    TGridUnits units;
    TTableGrid table(100);
    TcxGridTableView* view = table.view;
    auto* header = new TcxStyle(table.form);
    header->SetColor(clYellow);
    view->GetStyles()->SetHeader(header);
    auto* footer = new TcxStyle(table.form);
    footer->SetColor(clSilver);
    for (int c = 0; c < view->GetColumnCount(); c += 3) view->GetColumn(c)->GetStyles()->SetFooter(footer);
    TcxGridTableViewStyles* styles = view->GetStyles();
    const int columns = view->GetColumnCount();
    std::size_t allocations = 0;
    int lookups = 0;
    const double lookup = TimedLoop(state, [&] {
        TcxPartParams params;
        const std::size_t before = AllocationCount();
        for (int c = 0; c < columns; ++c) {
            TcxGridColumn* column = view->GetColumn(c);
            styles->GetHeaderParams(column, params);
            column->GetStyles()->GetHeaderParams(params);
            styles->GetFooterCellParams(nullptr, column, -1, nullptr, params);
            styles->GetFooterCellParams(nullptr, column, 0, nullptr, params);
            styles->GetGroupParams(nullptr, 0, params);
            column->GetStyles()->GetGroupSummaryParams(nullptr, nullptr, params);
            benchmark::DoNotOptimize(params.Color);
        }
        allocations += AllocationCount() - before;
        lookups += 6 * columns;
    });
    TcxPartParams fixed;
    fixed.Color = clYellow;
    const double baseline = TimedRuns(1000, [&] {
        TcxPartParams params;
        for (int i = 0; i < 6 * columns; ++i) {
            params = fixed;
            benchmark::DoNotOptimize(params.Color);
        }
    });
    state.counters["lookup_us"] = lookup * 1e6;
    state.counters["ns_per_lookup"] = lookup * 1e9 / (6 * columns);
    state.counters["allocations_per_lookup"] = static_cast<double>(allocations) / lookups;
    state.counters["baseline_us"] = baseline * 1e6;
    state.counters["ratio"] = lookup / baseline;
}
BENCHMARK(BM_StyleLookups)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zorvy::bench
