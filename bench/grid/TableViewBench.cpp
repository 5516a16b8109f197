// The table view model's hot paths over 3,493 rows x 63 items, each beside a plain baseline:
// - TableRefresh: the view data thrown away and resized to the rows after 30 rows were visited
//   (what every change of the row set costs); baseline: refilling a vector of 3,493 pointers.
// - RecordWrappers: records made for 30 rows of 3,493; reports the records made and the bytes a
//   row that is never visited costs.
// - CreateViews: 13 table views with 609 items between them, made and freed; baseline: as many
//   bare table items without a view.
// - CopyAllRows: all rows as clipboard text, at the full and at half the row count (the per-row
//   ratio of the two shows whether it is linear); baseline: the same texts straight from the
//   data controller.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/grid/table/TableView.h"

#include <chrono>
#include <string>
#include <vector>

namespace zorvy::bench {
namespace {

// Seconds one run of body takes, over the given number of runs (for baselines beside a TimedLoop).
template <typename Body> double TimedRuns(int runs, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < runs; ++r) body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

constexpr int TableRows = 3493;
constexpr int TableItems = 63;

class TBenchTableRecord : public TcxCustomGridRecord {
    ZORVY_CLASS(TBenchTableRecord, TcxCustomGridRecord)
  public:
    using TcxCustomGridRecord::TcxCustomGridRecord;
    bool HasCells() const override { return true; }
};

class TBenchTableViewData : public TcxCustomGridTableViewData {
    ZORVY_CLASS(TBenchTableViewData, TcxCustomGridTableViewData)
  public:
    using TcxCustomGridTableViewData::TcxCustomGridTableViewData;
    const TMetaClass* GetRecordClass(const TcxDataRowInfo&) const override { return TBenchTableRecord::StaticClass(); }
};

class TBenchTableItem : public TcxCustomGridTableItem {
    ZORVY_CLASS(TBenchTableItem, TcxCustomGridTableItem)
  public:
    using TcxCustomGridTableItem::TcxCustomGridTableItem;
};

class TBenchTableView : public TcxCustomGridTableView {
    ZORVY_CLASS(TBenchTableView, TcxCustomGridTableView)
  public:
    using TcxCustomGridTableView::TcxCustomGridTableView;

  protected:
    const TMetaClass* GetItemClass() const override { return TBenchTableItem::StaticClass(); }
    const TMetaClass* GetPainterClass() const override { return TBenchPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TBenchTableViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TBenchViewInfo::StaticClass(); }
};

// A grid with one table view of the given items and rows (values are short texts).
struct TBenchTable {
    TBenchTable(int items, int rows) {
        grid = new TcxGrid(nullptr);
        view = static_cast<TBenchTableView*>(
            TcxControlChildComponent::CreateForControl(TBenchTableView::StaticClass(), grid, false));
        level = new TcxGridLevel(nullptr);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        for (int i = 0; i < items; ++i) view->CreateItem();
        Fill(rows);
    }
    void Fill(int rows) {
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int i = 0; i < view->GetItemCount(); ++i) data->SetValue(r, i, Variant(std::to_string((r * 7 + i) % 33 + 1)));
        data->EndUpdate();
    }
    ~TBenchTable() {
        delete level;
        delete view;
        delete grid;
    }
    TcxGrid* grid;
    TBenchTableView* view;
    TcxGridLevel* level;
};

void BM_TableRefresh(benchmark::State& state) {
    TGridUnits units;
    TBenchTable table(TableItems, TableRows);
    TcxCustomGridTableViewData* viewData = table.view->GetViewData();
    const double refresh = TimedLoop(state, [&] {
        for (int r = 0; r < 30; ++r) benchmark::DoNotOptimize(viewData->GetRecord(r * 100));
        table.view->RecordCountChanged();
    });
    std::vector<void*> slots;
    const double baseline = TimedRuns(1000, [&] {
        slots.assign(TableRows, nullptr);
        benchmark::DoNotOptimize(slots.data());
    });
    state.counters["refresh_ms"] = refresh * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = refresh / baseline;
}
BENCHMARK(BM_TableRefresh)->Unit(benchmark::kMillisecond);

void BM_RecordWrappers(benchmark::State& state) {
    TGridUnits units;
    TBenchTable table(TableItems, TableRows);
    TcxCustomGridTableViewData* viewData = table.view->GetViewData();
    int made = 0;
    const double visit = TimedLoop(state, [&] {
        table.view->RecordCountChanged();
        for (int r = 0; r < 30; ++r) benchmark::DoNotOptimize(viewData->GetRecord(r));
    });
    for (int r = 0; r < TableRows; ++r) made += viewData->FindRecord(r) != nullptr;
    state.counters["visit_ms"] = visit * 1e3;
    state.counters["records_made"] = made;
    state.counters["bytes_per_unvisited_row"] = static_cast<double>(sizeof(TcxCustomGridRecord*));
}
BENCHMARK(BM_RecordWrappers)->Unit(benchmark::kMillisecond);

void BM_CreateViews(benchmark::State& state) {
    TGridUnits units;
    constexpr int Views = 13;
    constexpr int ItemsInAll = 609;
    const double views = TimedLoop(state, [&] {
        std::vector<std::unique_ptr<TBenchTable>> tables;
        for (int v = 0; v < Views; ++v)
            tables.push_back(std::make_unique<TBenchTable>(ItemsInAll / Views + (v < ItemsInAll % Views ? 1 : 0), 0));
    });
    const double baseline = TimedRuns(10, [&] {
        std::vector<std::unique_ptr<TBenchTableItem>> items;
        for (int i = 0; i < ItemsInAll; ++i) items.push_back(std::make_unique<TBenchTableItem>(nullptr));
    });
    state.counters["views_ms"] = views * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = views / baseline;
}
BENCHMARK(BM_CreateViews)->Unit(benchmark::kMillisecond);

void BM_CopyAllRows(benchmark::State& state) {
    TGridUnits units;
    TBenchTable table(TableItems, TableRows);
    TBenchTable half(TableItems, TableRows / 2);
    std::size_t length = 0;
    const double full = TimedLoop(state, [&] { length = table.view->GetRecordsText(true).size(); });
    // Both sizes measured alike, one after the other, for the per-row comparison.
    const double fullTime = TimedRuns(10, [&] { benchmark::DoNotOptimize(table.view->GetRecordsText(true).size()); });
    const double halfTime = TimedRuns(10, [&] { benchmark::DoNotOptimize(half.view->GetRecordsText(true).size()); });
    auto directText = [](TcxCustomDataController* data, int rows) {
        std::string text;
        for (int r = 0; r < rows; ++r) {
            for (int i = 0; i < TableItems; ++i) text += data->GetDisplayText(r, i) + '\t';
            text += "\r\n";
        }
        benchmark::DoNotOptimize(text.size());
    };
    const double baseline = TimedRuns(10, [&] { directText(table.view->GetDataController(), TableRows); });
    const double baselineHalf = TimedRuns(10, [&] { directText(half.view->GetDataController(), TableRows / 2); });
    state.counters["baseline_per_row_ratio_full_to_half"] = (baseline / TableRows) / (baselineHalf / (TableRows / 2));
    state.counters["copy_ms"] = full * 1e3;
    state.counters["half_rows_ms"] = halfTime * 1e3;
    state.counters["per_row_ratio_full_to_half"] = (fullTime / TableRows) / (halfTime / (TableRows / 2));
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = full / baseline;
    state.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BM_CopyAllRows)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
