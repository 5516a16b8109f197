#pragma once
// TcxCustomGridRecordsViewInfo: the records area of a table view. It decides which records are laid
// out, from the first record index in the layout direction, keeps one record view info per laid-out
// record, scrolls by whole records while keeping the record view infos that stay, and finds the
// cell that shows the incremental-search text.
//
// A descendant lays the records out in DoCalculate (after the base step), growing the list with
// GetItem one index after the other, and supplies GetItemLeftBound, GetItemTopBound,
// GetItemsOffset, OffsetItem and CalculateVisibleCount.
#include "controls/grid/table/TableViewInfo.h"

#include <vector>

namespace zorvy {

class TcxCanvas;
class TcxCustomGridRecord;
class TcxCustomGridRecordViewInfo;
class TcxCustomGridRecordsPainter;
class TcxCustomGridTableItem;
class TcxGridTableDataCellViewInfo;

// Makes the painter of the records for one paint call.
using TcxCustomGridRecordsPainterClass = TcxCustomGridRecordsPainter* (*)(TcxCanvas*, TcxCustomGridRecordsViewInfo*);
template <class T> TcxCustomGridRecordsPainterClass RecordsPainterClassOf() {
    return [](TcxCanvas* canvas, TcxCustomGridRecordsViewInfo* viewInfo) -> TcxCustomGridRecordsPainter* {
        return new T(canvas, viewInfo);
    };
}

class TcxCustomGridRecordsViewInfo : public TObject {
    ZORVY_CLASS(TcxCustomGridRecordsViewInfo, TObject)
  public:
    using TCreateOwner = TcxCustomGridTableViewInfo;
    explicit TcxCustomGridRecordsViewInfo(TcxCustomGridTableViewInfo* gridViewInfo);
    // Frees every record view info.
    ~TcxCustomGridRecordsViewInfo() override;

    TRect Bounds{};
    TRect ContentArea{};

    TcxCustomGridTableViewInfo* GetGridViewInfo() const { return gridViewInfo_; }
    TcxCustomGridTableView* GetGridView() const;
    TcxCustomGridTableController* GetController() const;
    TcxCustomGridTableViewData* GetViewData() const;
    TcxCanvas* GetCanvas() const;
    TBitmap* GetBackgroundBitmapValue() const { return backgroundBitmap_; }

    // ---- the laid-out records ----
    int GetCount() const { return static_cast<int>(items_.size()); }
    // Below the count: the entry (nil when its record is gone); at the count: a new record view info
    // for the next record, appended.
    TcxCustomGridRecordViewInfo* GetItem(int index);
    int GetFirstRecordIndex() const;
    // How many records can be laid out from the first one in the layout direction.
    int GetMaxCount() const;
    int GetRecordIndex(int index) const;
    // -1 when the record is not laid out.
    int GetRecordViewInfoIndex(int recordIndex) const;
    int GetVisibleCount() const { return visibleCount_; }
    int GetItemsOffsetValue() const { return itemsOffset_; }
    TcxCustomGridRecordViewInfo* CreateRecordViewInfo(int index);
    TcxGridTableDataCellViewInfo* GetIncSearchingCellViewInfo();
    void CreateEditViewDatas();
    void DestroyEditViewDatas();
    void Paint();

    // ---- virtual operations ----
    virtual void AfterCalculation();
    virtual void BeforeCalculation();
    // A record view info is about to recalculate itself.
    virtual void BeforeItemRecalculation();
    virtual void AfterOffset() {}
    virtual void ResetIncSearching() { incSearchingCellFound_ = false; }
    virtual void DoCalculate();
    virtual TRect CalculateBoundsRect();
    virtual TRect CalculateContentBoundsRect() { return Bounds; }
    virtual TcxGridTableDataCellViewInfo* FindIncSearchingCellViewInfo(bool& found);
    virtual void CalculateVisibleCount() { visibleCount_ = 0; }
    virtual TRect GetDataCellClipBounds(TcxGridTableDataCellViewInfo* cell);
    virtual bool GetAutoDataCellHeight() { return GetAutoRecordHeight(); }
    virtual bool GetAutoDataRecordHeight() { return GetAutoDataCellHeight(); }
    virtual bool GetAutoRecordHeight();
    virtual TBitmap* GetBackgroundBitmap();
    virtual int GetItemLeftBound(int index) = 0;
    // How far the staying record view infos move when the layout moves by recordCountDelta.
    virtual int GetItemsOffset(int recordCountDelta) = 0;
    virtual int GetItemTopBound(int index) = 0;
    virtual bool IsEmpty() const { return items_.empty(); }
    virtual void OffsetItem(int index, int offset) = 0;
    virtual void ControlFocusChanged();
    virtual void VisibilityChanged(bool visible);
    virtual TcxCustomGridRecordsPainterClass GetPainterClass();
    virtual bool CanOffset(int recordCountDelta) const;
    virtual int AdjustDataRecordHeight(int height) { return height; }
    virtual TcxCustomGridHitTest* GetHitTest(TPoint p);
    virtual TcxCustomGridRecordViewInfo* GetRecordViewInfo(TcxCustomGridRecord* record);
    virtual bool IsCellMultiLine(TcxCustomGridTableItem*) { return false; }
    void Calculate();
    // Scrolls by whole records after the controller moved the first record (CanOffset held).
    virtual void OffsetRecords(int recordCountDelta);
    virtual void Offset(int dx, int dy);

  protected:
    void SetVisibleCount(int value) { visibleCount_ = value; }

  private:
    TBitmap* backgroundBitmap_ = nullptr;
    TcxCustomGridTableViewInfo* gridViewInfo_;
    TcxGridTableDataCellViewInfo* incSearchingCell_ = nullptr;
    bool incSearchingCellFound_ = false;
    std::vector<TcxCustomGridRecordViewInfo*> items_; // owned; an entry may be nil while offsetting
    int itemsOffset_ = 0;
    int visibleCount_ = 0;
};

} // namespace zorvy
