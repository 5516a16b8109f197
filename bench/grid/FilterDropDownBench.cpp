// The item filter drop-down and the quick customization over the draw history, each beside a plain
// baseline:
// - FilterDropDownIssues: the entries of an issue column of 3,493 distinct values, as the drop-down
//   builds them when it opens; baseline: sorting the same texts.
// - FilterDropDownMonths: the entries of a date column of 3,493 draws with the month filter on
//   (about 270 month entries before the values); baseline as above.
// - QuickCustomization: the check list of 68 columns filled and sized; baseline: 68 captions copied.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/data/ValueTypes.h"
#include "controls/editors/lists/CheckListBox.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterValueList.h"
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/StringList.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace zorvy::bench {
namespace {

constexpr int Draws = 3493;

template <typename Body> double TimedRuns(int runs, Body body) {
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < runs; ++r) body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

class TDropDownBenchItem : public TcxCustomGridTableItem {
    ZORVY_CLASS(TDropDownBenchItem, TcxCustomGridTableItem)
  public:
    using TcxCustomGridTableItem::TcxCustomGridTableItem;
};

class TDropDownBenchRecord : public TcxCustomGridRecord {
    ZORVY_CLASS(TDropDownBenchRecord, TcxCustomGridRecord)
  public:
    using TcxCustomGridRecord::TcxCustomGridRecord;
    bool HasCells() const override { return true; }
};

class TDropDownBenchViewData : public TcxCustomGridTableViewData {
    ZORVY_CLASS(TDropDownBenchViewData, TcxCustomGridTableViewData)
  public:
    using TcxCustomGridTableViewData::TcxCustomGridTableViewData;
    const TMetaClass* GetRecordClass(const TcxDataRowInfo&) const override { return TDropDownBenchRecord::StaticClass(); }
};

class TDropDownBenchView : public TcxCustomGridTableView {
    ZORVY_CLASS(TDropDownBenchView, TcxCustomGridTableView)
  public:
    using TcxCustomGridTableView::TcxCustomGridTableView;

  protected:
    const TMetaClass* GetItemClass() const override { return TDropDownBenchItem::StaticClass(); }
    const TMetaClass* GetPainterClass() const override { return TBenchPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TDropDownBenchViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TBenchViewInfo::StaticClass(); }
};

struct TDropDownBenchTable {
    explicit TDropDownBenchTable(int items) {
        grid = new TcxGrid(nullptr);
        view = static_cast<TDropDownBenchView*>(
            TcxControlChildComponent::CreateForControl(TDropDownBenchView::StaticClass(), grid, false));
        level = new TcxGridLevel(nullptr);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        for (int i = 0; i < items; ++i) view->CreateItem()->SetCaption("Column " + std::to_string(i));
    }
    ~TDropDownBenchTable() {
        delete level;
        delete view;
        delete grid;
    }
    TcxGrid* grid;
    TDropDownBenchView* view;
    TcxGridLevel* level;
};

std::vector<std::string> IssueTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < Draws; ++i) texts.push_back(std::to_string(2003001 + (i / 153) * 1000 + i % 153));
    return texts;
}

double SortBaseline(const std::vector<std::string>& texts) {
    return TimedRuns(20, [&] {
        std::vector<std::string> copy = texts;
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    });
}

void BM_FilterDropDownIssues(benchmark::State& state) {
    TGridUnits units;
    TDropDownBenchTable table(1);
    const std::vector<std::string> texts = IssueTexts();
    TcxCustomDataController* data = table.view->GetDataController();
    data->BeginUpdate();
    data->SetRecordCount(Draws);
    for (int r = 0; r < Draws; ++r) data->SetValue(r, 0, Variant(texts[static_cast<size_t>(r)]));
    data->EndUpdate();
    auto list = table.view->GetViewData()->CreateFilterValueList();
    TStringList strings;
    const double open = TimedLoop(state, [&] {
        table.view->GetItem(0)->GetDataBinding()->GetFilterStrings(&strings, list.get());
    });
    const double baseline = SortBaseline(texts);
    state.counters["entries"] = list->GetCount();
    state.counters["open_ms"] = open * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = open / baseline;
}
BENCHMARK(BM_FilterDropDownIssues)->Unit(benchmark::kMillisecond);

void BM_FilterDropDownMonths(benchmark::State& state) {
    TGridUnits units;
    TDropDownBenchTable table(1);
    TcxCustomDataController* data = table.view->GetDataController();
    data->ChangeValueTypeClass(0, &cxDateTimeValueType);
    table.view->GetDateTimeHandling()->SetFilters(1u << dtfMonths);
    data->BeginUpdate();
    data->SetRecordCount(Draws);
    // Three draws a week from the start of 2003: about 270 months.
    for (int r = 0; r < Draws; ++r)
        data->SetValue(r, 0, VarFromDateTime(EncodeDate(2003, 2, 23) + (r / 3) * 7 + (r % 3) * 2));
    data->EndUpdate();
    auto list = table.view->GetViewData()->CreateFilterValueList();
    TStringList strings;
    const double open = TimedLoop(state, [&] {
        table.view->GetItem(0)->GetDataBinding()->GetFilterStrings(&strings, list.get());
    });
    int months = 0;
    for (int i = 0; i < list->GetCount(); ++i) months += list->GetItem(i).Kind == fvkDateRange;
    const double baseline = SortBaseline(IssueTexts());
    state.counters["month_entries"] = months;
    state.counters["open_ms"] = open * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = open / baseline;
}
BENCHMARK(BM_FilterDropDownMonths)->Unit(benchmark::kMillisecond);

void BM_QuickCustomization(benchmark::State& state) {
    TGridUnits units;
    TDropDownBenchTable table(68);
    TcxCustomGridItemsCustomizationPopup popup(table.view);
    const double customize = TimedLoop(state, [&] {
        popup.GetCheckListBox()->GetItems()->BeginUpdate();
        popup.AddCheckListBoxItems();
        popup.GetCheckListBox()->GetItems()->EndUpdate();
        popup.AdjustCheckListBoxSize(false);
    });
    const double baseline = TimedRuns(1000, [&] {
        std::vector<std::string> captions;
        for (int i = 0; i < table.view->GetItemCount(); ++i) captions.push_back(table.view->GetItem(i)->GetCaption());
        benchmark::DoNotOptimize(captions.data());
    });
    state.counters["customize_ms"] = customize * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = customize / baseline;
}
BENCHMARK(BM_QuickCustomization)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
