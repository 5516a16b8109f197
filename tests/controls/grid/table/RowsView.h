#pragma once
// A table view laid out as one row per record, for tests, the gallery and the benchmarks: each record
// view info places one data cell per visible item, side by side at the items' widths, as high as its
// tallest cell; group rows carry an expand button at their left. The records are stacked from the
// first record downwards (or upwards from it for a temporary layout) until the records area is full.
// Measured row heights are counted, so a test can tell a height measured twice.
#include "controls/data/DataController.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/table/FilterBox.h"
#include "controls/grid/table/NavigatorSite.h"
#include "controls/grid/table/RecordCells.h"
#include "controls/grid/table/RecordHitTests.h"
#include "controls/grid/table/RecordsViewInfo.h"
#include "controls/grid/table/TablePainters.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewInfo.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {

// Paints the row's cells (the record painter leaves them to the record's kind).
class TTestRowPainter : public TcxCustomGridRecordPainter {
  public:
    using TcxCustomGridRecordPainter::TcxCustomGridRecordPainter;

  protected:
    void Paint() override;
};

class TTestRowViewInfo : public TcxCustomGridRecordViewInfo {
    ZORVY_CLASS(TTestRowViewInfo, TcxCustomGridRecordViewInfo)
  public:
    TTestRowViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record)
        : TcxCustomGridRecordViewInfo(recordsViewInfo, record) {
        auto* view = static_cast<TcxCustomGridTableView*>(record->GetGridView());
        if (record->HasCells())
            for (int i = 0; i < view->GetVisibleItemCount(); ++i)
                cells_.push_back(std::make_unique<TcxGridTableDataCellViewInfo>(this, view->GetVisibleItem(i)));
    }
    ~TTestRowViewInfo() override {
        BeginDestruction();
        cells_.clear();
    }
    static inline int Measurements = 0;
    int GetCellCount() const { return static_cast<int>(cells_.size()); }
    TcxGridTableDataCellViewInfo* GetCell(int index) const { return cells_.at(static_cast<size_t>(index)).get(); }

    int CalculateWidth() override {
        int width = ExpandAreaWidth();
        for (const auto& cell : cells_) width += cell->GetItem()->GetWidth();
        return std::max(width, 100);
    }
    int CalculateHeight() override {
        ++Measurements;
        int height = cells_.empty() ? 20 : 0;
        for (const auto& cell : cells_) height = std::max(height, cell->CalculateHeight());
        return height;
    }
    void Calculate(int left, int top, int width = -1, int height = -1) override {
        TcxCustomGridRecordViewInfo::Calculate(left, top, width, height);
        int x = Bounds.Left + ExpandAreaWidth();
        for (const auto& cell : cells_) {
            const int w = cell->GetItem()->GetWidth();
            cell->Calculate(x, Bounds.Top, w, Bounds.Bottom - Bounds.Top);
            x += w;
        }
    }
    void CalculateExpandButtonBounds(TRect& r) override {
        const int size = GetTableViewInfo()->GetExpandButtonSize();
        const int top = Bounds.Top + (Bounds.Bottom - Bounds.Top - size) / 2;
        r = TRect{Bounds.Left + 4, top, Bounds.Left + 4 + size, top + size};
    }
    TRect GetExpandButtonAreaBounds() override {
        if (!GetGridRecord()->CanExpand()) return TRect{};
        return TRect{Bounds.Left, Bounds.Top, Bounds.Left + ExpandAreaWidth(), Bounds.Bottom};
    }
    void DoOffset(int dx, int dy) override {
        TcxCustomGridRecordViewInfo::DoOffset(dx, dy);
        for (const auto& cell : cells_) cell->Offset(dx, dy);
    }
    TcxCustomGridHitTest* GetHitTest(TPoint p) override {
        if (!PtInRect(Bounds, p)) return nullptr;
        if (CanHitExpandButton() && PtInRect(GetExpandButtonAreaBounds(), p))
            return TcxCustomGridRecordViewInfo::GetHitTest(p);
        for (const auto& cell : cells_)
            if (TcxCustomGridHitTest* hitTest = cell->GetHitTest(p)) return hitTest;
        return TcxCustomGridRecordViewInfo::GetHitTest(p);
    }
    TcxGridTableDataCellViewInfo* GetCellViewInfoByItem(TcxCustomGridTableItem* item) override {
        for (const auto& cell : cells_)
            if (cell->GetItem() == item) return cell.get();
        return nullptr;
    }
    TRect GetItemCellBounds(TcxCustomGridTableItem* item) override {
        TcxGridTableDataCellViewInfo* cell = GetCellViewInfoByItem(item);
        return cell ? cell->Bounds : TRect{};
    }
    TcxCustomGridCellPainterClass GetPainterClass() override { return CellPainterClassOf<TTestRowPainter>(); }

  private:
    int ExpandAreaWidth() const { return GetGridRecord()->CanExpand() ? 20 : 0; }
    std::vector<std::unique_ptr<TcxGridTableDataCellViewInfo>> cells_;
};

inline void TTestRowPainter::Paint() {
    auto* row = static_cast<TTestRowViewInfo*>(GetViewInfo());
    for (int i = 0; i < row->GetCellCount(); ++i) row->GetCell(i)->Paint(GetCanvas());
}

// Rows stacked from the first record in the layout direction until the content area is full.
class TTestRowsViewInfo : public TcxCustomGridRecordsViewInfo {
    ZORVY_CLASS(TTestRowsViewInfo, TcxCustomGridRecordsViewInfo)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    using TcxCustomGridRecordsViewInfo::TcxCustomGridRecordsViewInfo;

    void DoCalculate() override {
        TcxCustomGridRecordsViewInfo::DoCalculate();
        const bool down = GetGridViewInfo()->GetCalculateDown();
        int edge = down ? ContentArea.Top : ContentArea.Bottom;
        for (int i = 0; i < GetMaxCount() && (down ? edge < ContentArea.Bottom : edge > ContentArea.Top); ++i) {
            TcxCustomGridRecordViewInfo* row = GetItem(i);
            if (down) {
                row->Calculate(ContentArea.Left, edge);
                edge = row->Bounds.Bottom;
            } else {
                row->Calculate(ContentArea.Left, edge - row->GetRecordHeight());
                edge = row->Bounds.Top;
            }
        }
        CalculateVisibleCount();
    }
    // The rows that lie wholly inside the content area, at least one.
    void CalculateVisibleCount() override {
        int count = 0;
        for (int i = 0; i < GetCount(); ++i) {
            TcxCustomGridRecordViewInfo* row = GetItem(i);
            if (row && row->Bounds.Bottom <= ContentArea.Bottom && row->Bounds.Top >= ContentArea.Top) ++count;
        }
        SetVisibleCount(std::max(count, std::min(GetCount(), 1)));
    }
    int GetItemLeftBound(int) override { return ContentArea.Left; }
    int GetItemTopBound(int index) override {
        if (index == 0) return ContentArea.Top;
        TcxCustomGridRecordViewInfo* previous = GetItem(index - 1);
        return previous ? previous->Bounds.Bottom : ContentArea.Top;
    }
    int GetItemsOffset(int recordCountDelta) override {
        int offset = 0;
        if (recordCountDelta > 0) {
            for (int i = 0; i < recordCountDelta; ++i) offset -= GetItem(i)->GetRecordHeight();
        } else {
            for (int i = 0; i < -recordCountDelta; ++i) offset += GetItem(i)->GetRecordHeight();
        }
        return offset;
    }
    void OffsetItem(int index, int offset) override { GetItem(index)->Offset(0, offset); }
};

class TTestRowsTableViewInfo : public TcxCustomGridTableViewInfo {
    ZORVY_CLASS(TTestRowsTableViewInfo, TcxCustomGridTableViewInfo)
  public:
    using TcxCustomGridTableViewInfo::TcxCustomGridTableViewInfo;
    TTestRowsViewInfo* Rows() const { return static_cast<TTestRowsViewInfo*>(GetRecordsViewInfo()); }
    const TMetaClass* GetRecordsViewInfoClass() const override { return TTestRowsViewInfo::StaticClass(); }
    void CalculateLayout() override {
        RecreateViewInfos();
        TcxCustomGridTableViewInfo::CalculateLayout();
    }
};

// The table painter, with the filter box (which the concrete table view's painter draws).
class TTestRowsPainter : public TcxCustomGridTablePainter {
    ZORVY_CLASS(TTestRowsPainter, TcxCustomGridTablePainter)
  public:
    using TcxCustomGridTablePainter::TcxCustomGridTablePainter;

  protected:
    void PaintContent() override {
        DrawFilterBox();
        TcxCustomGridTablePainter::PaintContent();
    }
};

// Data rows have cells; group rows (level below the grouping depth) expand and collapse.
class TTestRowRecord : public TcxCustomGridRecord {
    ZORVY_CLASS(TTestRowRecord, TcxCustomGridRecord)
  public:
    using TcxCustomGridRecord::TcxCustomGridRecord;
    bool IsGroupRow() const { return GetLevel() < GetDataController()->GetGroupingItemCount(); }
    bool HasCells() const override { return !IsGroupRow(); }
    bool IsDataRecord() const override { return !IsGroupRow(); }
    bool CanExpand() const override { return IsGroupRow(); }
    bool GetExpanded() const override { return GetRowInfo().Expanded; }
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override {
        return RecordViewInfoClassOf<TTestRowViewInfo>();
    }

  protected:
    void DoExpand(bool recursive) override { GetDataController()->ChangeExpanding(GetIndex(), true, recursive); }
    void DoCollapse(bool recursive) override { GetDataController()->ChangeExpanding(GetIndex(), false, recursive); }
};

class TTestRowsItem : public TcxCustomGridTableItem {
    ZORVY_CLASS(TTestRowsItem, TcxCustomGridTableItem)
  public:
    using TcxCustomGridTableItem::TcxCustomGridTableItem;
};

class TTestRowsViewData : public TcxCustomGridTableViewData {
    ZORVY_CLASS(TTestRowsViewData, TcxCustomGridTableViewData)
  public:
    using TcxCustomGridTableViewData::TcxCustomGridTableViewData;
    const TMetaClass* GetRecordClass(const TcxDataRowInfo&) const override { return TTestRowRecord::StaticClass(); }
};

class TTestRowsView : public TcxCustomGridTableView {
    ZORVY_CLASS(TTestRowsView, TcxCustomGridTableView)
  public:
    using TcxCustomGridTableView::TcxCustomGridTableView;
    TTestRowsTableViewInfo* Layout() const { return static_cast<TTestRowsTableViewInfo*>(GetViewInfo()); }
    // A text column of the given width.
    TTestRowsItem* AddColumn(const std::string& caption, int width = 60) {
        auto* item = static_cast<TTestRowsItem*>(CreateItem());
        item->SetCaption(caption);
        item->SetPropertiesClass(TcxTextEditProperties::StaticClass());
        item->SetWidth(width);
        return item;
    }

  protected:
    const TMetaClass* GetItemClass() const override { return TTestRowsItem::StaticClass(); }
    const TMetaClass* GetPainterClass() const override { return TTestRowsPainter::StaticClass(); }
    const TMetaClass* GetViewDataClass() const override { return TTestRowsViewData::StaticClass(); }
    const TMetaClass* GetViewInfoClass() const override { return TTestRowsTableViewInfo::StaticClass(); }
};

} // namespace zorvy::test
