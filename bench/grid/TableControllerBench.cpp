// The table controller's hot paths over 3,493 rows of 63 items, 30 records a page, each beside a
// plain baseline (the data controller moving its focused row by one):
// - ArrowKey: the focus one record down and back (the two records repainted).
// - PageDown: to the page's end, then a page further, until the end (then back to the top).
// - MakeVisible: row 3,400 made visible from the top.
// - SearchKey: one incremental-search character typed, then Backspace.
// - EditorFromCache: the focused cell's editor shown and hidden again (the editor stays cached).
// - EnterNextCell: Enter in an editor with go-to-next-cell: posted, next cell, its editor opened.
// The records are laid out by hand (one record view info per shown row), as a layout pass would.
#include "bench/TimedLoop.h"
#include "bench/grid/GridBenchSupport.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/view/GridSite.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace zorvy::bench {
namespace {

constexpr int ControllerRows = 3493;
constexpr int ControllerItems = 63;
constexpr int ControllerPageRows = 30;

class TCtlBenchRecord : public TcxCustomGridRecord {
    ZORVY_CLASS(TCtlBenchRecord, TcxCustomGridRecord)
  public:
    using TcxCustomGridRecord::TcxCustomGridRecord;
    bool HasCells() const override { return true; }
};

class TCtlBenchViewData : public TcxCustomGridTableViewData {
    ZORVY_CLASS(TCtlBenchViewData, TcxCustomGridTableViewData)
  public:
    using TcxCustomGridTableViewData::TcxCustomGridTableViewData;
    const TMetaClass* GetRecordClass(const TcxDataRowInfo&) const override { return TCtlBenchRecord::StaticClass(); }
};

class TCtlBenchItem : public TcxCustomGridTableItem {
    ZORVY_CLASS(TCtlBenchItem, TcxCustomGridTableItem)
  public:
    using TcxCustomGridTableItem::TcxCustomGridTableItem;
};

class TCtlBenchView : public TcxCustomGridTableView {
    ZORVY_CLASS(TCtlBenchView, TcxCustomGridTableView)
  public:
    using TcxCustomGridTableView::TcxCustomGridTableView;

  protected:
    const TMetaClass* GetItemClass() const override { return TCtlBenchItem::StaticClass(); }
    const TMetaClass* GetPainterClass() const override { return TBenchPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TCtlBenchViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TBenchViewInfo::StaticClass(); }
};

class TCtlBenchRecordViewInfo : public TcxCustomGridRecordViewInfo {
  public:
    explicit TCtlBenchRecordViewInfo(TcxCustomGridRecord* record) : TcxCustomGridRecordViewInfo(nullptr, record) {}
    TRect GetBoundsForInvalidate(TcxCustomGridTableItem* item) override {
        TRect r = GetBounds();
        if (!item) return r;
        r.Left = item->GetVisibleIndex() * 60;
        r.Right = r.Left + 60;
        return r;
    }
};

// A shown grid with the site focused; a page of records laid out at every change of the top record.
struct TControllerBench {
    explicit TControllerBench(TGridUnits&) {
        form = Application->CreateForm<TForm>();
        form->SetBounds(0, 0, 800, 600);
        grid = new TcxGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 800, 600);
        view = static_cast<TCtlBenchView*>(
            TcxControlChildComponent::CreateForControl(TCtlBenchView::StaticClass(), grid, true));
        level = new TcxGridLevel(grid);
        grid->GetRootLevel()->Add(level);
        level->SetGridView(view);
        for (int i = 0; i < ControllerItems; ++i) {
            TcxCustomGridTableItem* item = view->CreateItem();
            item->SetPropertiesClass(TcxTextEditProperties::StaticClass());
        }
        TcxCustomDataController* data = view->GetDataController();
        data->BeginUpdate();
        data->SetRecordCount(ControllerRows);
        for (int r = 0; r < ControllerRows; ++r)
            for (int i = 0; i < ControllerItems; ++i)
                data->SetValue(r, i, Variant(std::to_string((r * 7 + i) % 33 + 1)));
        data->EndUpdate();
        form->Show();
        Application->ProcessMessages();
        controller()->GetSite()->SetFocus();
        Application->ProcessMessages();
        view->OnTopRecordIndexChanged = [this](TcxCustomGridTableView*) { LayOut(); };
        controller()->FocusRowIndex(0);
        controller()->SetFocusedItem(view->GetVisibleItem(0));
        LayOut();
    }
    ~TControllerBench() {
        infos.clear();
        delete form;
    }
    TcxCustomGridTableController* controller() const { return view->GetController(); }
    void LayOut() {
        infos.clear();
        const int top = std::max(controller()->GetTopRecordIndex(), 0);
        TcxCustomGridTableViewData* viewData = view->GetViewData();
        for (int i = 0; i < ControllerPageRows && top + i < viewData->GetRecordCount(); ++i) {
            auto info = std::make_unique<TCtlBenchRecordViewInfo>(viewData->GetRecord(top + i));
            info->SetBounds(TRect{0, i * 18, 800, (i + 1) * 18});
            infos.push_back(std::move(info));
        }
    }
    // The plain baseline: the data controller's focused row one down and back.
    double Baseline() {
        TcxCustomDataController* data = view->GetDataController();
        const auto start = std::chrono::steady_clock::now();
        for (int r = 0; r < 1000; ++r) {
            data->ChangeFocusedRowIndex(1);
            data->ChangeFocusedRowIndex(0);
        }
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 1000;
    }

    TForm* form;
    TcxGrid* grid;
    TCtlBenchView* view;
    TcxGridLevel* level;
    std::vector<std::unique_ptr<TCtlBenchRecordViewInfo>> infos;
};

void Report(benchmark::State& state, TControllerBench& bench, double seconds) {
    const double baseline = bench.Baseline();
    state.counters["op_ms"] = seconds * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = seconds / baseline;
}

void BM_ArrowKey(benchmark::State& state) {
    TGridUnits units;
    TControllerBench bench(units);
    const double t = TimedLoop(state, [&] {
        bench.controller()->FocusNextRecord();
        bench.controller()->FocusPrevRecord();
        Application->ProcessMessages();
    });
    Report(state, bench, t / 2);
}
BENCHMARK(BM_ArrowKey)->Unit(benchmark::kMillisecond);

void BM_PageDown(benchmark::State& state) {
    TGridUnits units;
    TControllerBench bench(units);
    const double t = TimedLoop(state, [&] {
        if (bench.controller()->GetFocusedRowIndex() == ControllerRows - 1) {
            bench.controller()->SetTopRecordIndex(0);
            bench.controller()->FocusRowIndex(0);
        }
        std::uint16_t key = 34;
        bench.controller()->KeyDown(key, 0);
        Application->ProcessMessages();
    });
    Report(state, bench, t);
}
BENCHMARK(BM_PageDown)->Unit(benchmark::kMillisecond);

void BM_MakeVisible(benchmark::State& state) {
    TGridUnits units;
    TControllerBench bench(units);
    TcxCustomGridRecord* far = bench.view->GetViewData()->GetRecord(3400);
    const double t = TimedLoop(state, [&] {
        bench.controller()->SetTopRecordIndex(0);
        bench.controller()->MakeRecordVisible(far);
        Application->ProcessMessages();
    });
    Report(state, bench, t);
}
BENCHMARK(BM_MakeVisible)->Unit(benchmark::kMillisecond);

void BM_SearchKey(benchmark::State& state) {
    TGridUnits units;
    TControllerBench bench(units);
    bench.view->GetOptionsBehavior()->SetIncSearch(true);
    const double t = TimedLoop(state, [&] {
        char32_t ch = U'2';
        bench.controller()->KeyPress(ch);
        std::uint16_t key = 8;
        bench.controller()->KeyDown(key, 0);
        Application->ProcessMessages();
    });
    Report(state, bench, t / 2);
}
BENCHMARK(BM_SearchKey)->Unit(benchmark::kMillisecond);

void BM_EditorFromCache(benchmark::State& state) {
    TGridUnits units;
    TControllerBench bench(units);
    TcxGridEditingController* editing = bench.controller()->GetEditingController();
    TcxCustomGridTableItem* item = bench.view->GetVisibleItem(0);
    item->SetEditing(true);
    editing->HideEdit(false);
    const double t = TimedLoop(state, [&] {
        item->SetEditing(true);
        Application->ProcessMessages();
        editing->HideEdit(false);
    });
    Report(state, bench, t);
}
BENCHMARK(BM_EditorFromCache)->Unit(benchmark::kMillisecond);

void BM_EnterNextCell(benchmark::State& state) {
    TGridUnits units;
    TControllerBench bench(units);
    bench.view->GetOptionsBehavior()->SetGoToNextCellOnEnter(true);
    TcxGridEditingController* editing = bench.controller()->GetEditingController();
    const double t = TimedLoop(state, [&] {
        if (bench.controller()->GetFocusedItemIndex() >= ControllerItems - 2) {
            editing->HideEdit(false);
            bench.controller()->SetFocusedItem(bench.view->GetVisibleItem(0));
        }
        if (!editing->GetEdit()) editing->ShowEdit(nullptr);
        std::uint16_t key = 13;
        editing->HandleEditKeyDown(editing->GetEdit(), key, 0);
        Application->ProcessMessages();
    });
    Report(state, bench, t);
}
BENCHMARK(BM_EnterNextCell)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
