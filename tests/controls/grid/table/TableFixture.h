#pragma once
// A headless table view for tests: its items are plain table items, its records are data rows
// (with cells) and group rows (that expand), its view info and painter are the grid tests' ones,
// so repaints are counted and no layout or drawing of tables is needed.
#include "controls/data/DataController.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/RecordViewInfo.h"
#include "controls/grid/table/TableView.h"
#include "tests/controls/grid/GridFixture.h"

#include <string>
#include <vector>

namespace zorvy::test {

class TTestTableItem : public TcxCustomGridTableItem {
    ZORVY_CLASS(TTestTableItem, TcxCustomGridTableItem)
  public:
    using TcxCustomGridTableItem::TcxCustomGridTableItem;
};

// Data rows have cells; group rows (level below the grouping depth) expand and collapse.
class TTestTableRecord : public TcxCustomGridRecord {
    ZORVY_CLASS(TTestTableRecord, TcxCustomGridRecord)
  public:
    using TcxCustomGridRecord::TcxCustomGridRecord;
    bool IsGroupRow() const { return GetLevel() < GetDataController()->GetGroupingItemCount(); }
    bool HasCells() const override { return !IsGroupRow(); }
    bool IsDataRecord() const override { return !IsGroupRow(); }
    bool CanExpand() const override { return IsGroupRow(); }
    bool GetExpanded() const override { return GetRowInfo().Expanded; }

  protected:
    void DoExpand(bool recursive) override { GetDataController()->ChangeExpanding(GetIndex(), true, recursive); }
    void DoCollapse(bool recursive) override { GetDataController()->ChangeExpanding(GetIndex(), false, recursive); }
};

class TTestTableViewData : public TcxCustomGridTableViewData {
    ZORVY_CLASS(TTestTableViewData, TcxCustomGridTableViewData)
  public:
    using TcxCustomGridTableViewData::TcxCustomGridTableViewData;
    const TMetaClass* GetRecordClass(const TcxDataRowInfo&) const override { return TTestTableRecord::StaticClass(); }
};

class TTestTableView : public TcxCustomGridTableView {
    ZORVY_CLASS(TTestTableView, TcxCustomGridTableView)
  public:
    using TcxCustomGridTableView::TcxCustomGridTableView;
    TTestPainter* Paint() const { return static_cast<TTestPainter*>(GetPainter()); }
    TTestTableItem* AddTestItem(const std::string& caption = {}) {
        auto* item = static_cast<TTestTableItem*>(CreateItem());
        if (!caption.empty()) item->SetCaption(caption);
        return item;
    }

  protected:
    const TMetaClass* GetItemClass() const override { return TTestTableItem::StaticClass(); }
    const TMetaClass* GetPainterClass() const override { return TTestPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TTestTableViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TTestViewInfo::StaticClass(); }
};

class TableTest : public GridTest {
  protected:
    TableTest() {
        form = NewForm();
        grid = NewGrid(form);
        view = static_cast<TTestTableView*>(
            TcxControlChildComponent::CreateForControl(TTestTableView::StaticClass(), grid, true));
        AddLevel(grid, nullptr, view);
    }
    TcxCustomDataController* Data() const { return view->GetDataController(); }
    // Fills the records row by row; every row has one text per item.
    void Fill(const std::vector<std::vector<std::string>>& rows) {
        Data()->BeginUpdate();
        Data()->SetRecordCount(static_cast<int>(rows.size()));
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t i = 0; i < rows[r].size(); ++i)
                Data()->SetValue(static_cast<int>(r), static_cast<int>(i), Variant(rows[r][i]));
        Data()->EndUpdate();
    }

    TForm* form;
    TcxGrid* grid;
    TTestTableView* view;
};

} // namespace zorvy::test
