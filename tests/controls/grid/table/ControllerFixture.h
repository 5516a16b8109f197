#pragma once
// A table view laid out by hand for the controller tests: one record view info per shown row,
// PageRows rows of RowHeight pixels from the top record on, one column of CellWidth per visible item,
// so the controller's page size, visibility and cell bounds come from real record view infos.
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/table/TableController.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/grid/table/TableFixture.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace zorvy::test {

class TLaidOutRecordViewInfo : public TcxCustomGridRecordViewInfo {
  public:
    TLaidOutRecordViewInfo(TcxCustomGridRecord* record, int cellWidth)
        : TcxCustomGridRecordViewInfo(nullptr, record), cellWidth_(cellWidth) {}
    TRect GetBoundsForInvalidate(TcxCustomGridTableItem* item) override {
        TRect r = GetBounds();
        if (!item) return r;
        r.Left += item->GetVisibleIndex() * cellWidth_;
        r.Right = r.Left + cellWidth_;
        return r;
    }

  private:
    int cellWidth_;
};

// Answers HitRecord for every hit test, so that a click needs no laid-out cell under the point.
class TTestTableController : public TcxCustomGridTableController {
    ZORVY_CLASS(TTestTableController, TcxCustomGridTableController)
  public:
    using TcxCustomGridTableController::TcxCustomGridTableController;
    TcxCustomGridRecord* GetHitRecord(TcxCustomGridHitTest*) const override { return HitRecord; }
    TcxCustomGridRecord* HitRecord = nullptr;
};

class TControllerTestView : public TTestTableView {
    ZORVY_CLASS(TControllerTestView, TTestTableView)
  public:
    using TTestTableView::TTestTableView;

  protected:
    const TMetaClass* GetControllerClass() const override { return TTestTableController::StaticClass(); }
};

class TableControllerTest : public GridTest {
  protected:
    static constexpr int RowHeight = 10;
    static constexpr int CellWidth = 60;

    TableControllerTest() {
        form = NewForm();
        grid = NewGrid(form);
        view = static_cast<TControllerTestView*>(
            TcxControlChildComponent::CreateForControl(TControllerTestView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
        form->SetBounds(0, 0, 400, 300);
        form->Show();
        grid->SetParent(form);
        grid->SetBounds(0, 0, 400, 300);
        Pump();
        // The real layout follows the top record index at once.
        view->OnTopRecordIndexChanged = [this](TcxCustomGridTableView*) { LayOut(); };
    }
    ~TableControllerTest() override { infos.clear(); }

    TTestTableController* Controller() const { return static_cast<TTestTableController*>(view->GetController()); }
    TcxCustomDataController* Data() const { return view->GetDataController(); }
    TcxCustomGridRecord* Record(int row) const { return view->GetViewData()->GetRecord(row); }
    TTestTableItem* AddTextItem(const std::string& caption) {
        TTestTableItem* item = view->AddTestItem(caption);
        item->SetPropertiesClass(TcxTextEditProperties::StaticClass());
        return item;
    }
    // Rows of one text each, named "r0", "r1" ...
    void FillRows(int count) {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < count; ++i) rows.push_back({"r" + std::to_string(i)});
        Data()->BeginUpdate();
        Data()->SetRecordCount(count);
        for (int r = 0; r < count; ++r) Data()->SetValue(r, 0, Variant(rows[static_cast<size_t>(r)][0]));
        Data()->EndUpdate();
    }
    void FillTexts(const std::vector<std::string>& texts) {
        Data()->BeginUpdate();
        Data()->SetRecordCount(static_cast<int>(texts.size()));
        for (size_t r = 0; r < texts.size(); ++r) Data()->SetValue(static_cast<int>(r), 0, Variant(texts[r]));
        Data()->EndUpdate();
    }
    // Lays out PageRows rows from the top record index on (fewer at the end of the rows).
    void LayOut() {
        infos.clear();
        const int top = std::max(Controller()->GetTopRecordIndex(), 0);
        TcxCustomGridTableViewData* data = view->GetViewData();
        for (int i = 0; i < PageRows && top + i < data->GetRecordCount(); ++i) {
            auto info = std::make_unique<TLaidOutRecordViewInfo>(data->GetRecord(top + i), CellWidth);
            info->SetBounds(TRect{0, i * RowHeight, 400, (i + 1) * RowHeight});
            infos.push_back(std::move(info));
        }
    }
    void PressKey(std::uint16_t key, TShiftState shift = 0) {
        Controller()->KeyDown(key, shift);
        LayOut();
    }
    // Runs action once the modal loop that is about to start handles its first messages.
    static void Soon(std::function<void()> action) {
        auto shared = std::make_shared<std::function<void()>>(std::move(action));
        auto id = std::make_shared<std::uintptr_t>(0);
        *id = SetTimer(0, 0, 1, [shared, id](HWND, UINT, std::uintptr_t, std::uint64_t) {
            KillTimer(0, *id);
            (*shared)();
        });
    }
    void FocusSite() {
        Controller()->GetSite()->SetFocus();
        Pump();
    }

    TForm* form;
    TcxGrid* grid;
    TControllerTestView* view;
    int PageRows = 20;
    std::vector<std::unique_ptr<TLaidOutRecordViewInfo>> infos;
};

} // namespace zorvy::test
