#pragma once
// TcxCustomGridRecordViewInfo: the layout of one record in a table view's records area. It places
// the record, keeps its height in the view-info cache so it is measured once, answers hit tests
// (with its expand button), focuses its record on a press and tells the rest of the view what to
// repaint for one of its cells. It registers itself in its record unless the record already has a
// view info (then it is foreign and never unregisters).
//
// A descendant supplies CalculateExpandButtonBounds, its cells and its height (CalculateHeight).
#include "controls/grid/view/CellViewInfo.h"

#include <cstdint>

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridRecordsViewInfo;
class TcxCustomGridTableItem;
class TcxCustomGridTableViewInfo;
class TcxCustomGridTableViewInfoCacheItem;
class TcxCustomGridView;
class TcxGridTableDataCellViewInfo;

class TcxCustomGridRecordViewInfo : public TcxCustomGridViewCellViewInfo {
    ZORVY_CLASS(TcxCustomGridRecordViewInfo, TcxCustomGridViewCellViewInfo)
  public:
    // recordsViewInfo may be nil for a record view info outside a layout (the view's view info then
    // stands in).
    TcxCustomGridRecordViewInfo(TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record);
    ~TcxCustomGridRecordViewInfo() override;

    TcxCustomGridRecordsViewInfo* GetRecordsViewInfo() const { return recordsViewInfo_; }
    TcxCustomGridTableViewInfo* GetTableViewInfo() const;
    TcxCustomGridRecord* GetGridRecord() const { return record_; }
    bool IsForeign() const { return foreign_; }
    const TRect& GetBounds() const { return Bounds; }
    void SetBounds(const TRect& value) { Bounds = value; }
    TRect ExpandButtonBounds{};
    // The view's view-info cache entry of the record; nil without a record.
    TcxCustomGridTableViewInfoCacheItem* GetCacheItem() const;
    bool GetExpanded();
    bool GetFocused() const;
    int GetIndex() const;
    bool GetSelected();
    // Lays the record out again at its current corner.
    virtual void Recalculate();
    // The whole record for nil, else the item's cell.
    virtual TRect GetBoundsForInvalidate(TcxCustomGridTableItem* item);

    // ---- overrides of the cell ----
    TBitmap* GetBackgroundBitmap() override;
    TcxCanvas* GetCanvas() override;
    // The cached height, else measured once and cached.
    int GetRecordHeight();
    const TMetaClass* GetHitTestClass() override;
    bool GetVisible() override;
    void InitHitTest(TcxCustomGridHitTest* hitTest) override;
    void DoOffset(int dx, int dy) override;
    void BeforeRecalculation() override;
    TcxCustomGridHitTest* GetHitTest(TPoint p) override;
    bool MouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift) override;
    TcxCustomGridCellPainterClass GetPainterClass() override;
    // Places the record at (left, top): a height of -1 takes the cached one, measured once.
    void Calculate(int left, int top, int width = -1, int height = -1) override;

    // ---- operations of records ----
    virtual void CalculateExpandButtonBounds(TRect& r) { r = TRect{}; }
    virtual bool CalculateSelected();
    virtual bool CanHitExpandButton() { return true; }
    virtual void ControlFocusChanged() {}
    virtual bool GetAutoHeight() { return false; }
    virtual TRect GetBackgroundBitmapBounds() { return GetRecordContentBounds(); }
    virtual bool CellHasBackgroundBitmap(TcxCustomGridCellViewInfo*) { return HasBackgroundBitmap(); }
    virtual TRect GetRecordContentBounds() { return Bounds; }
    virtual TRect GetExpandButtonAreaBounds() { return TRect{}; }
    virtual TRect GetFocusRectBounds() { return Bounds; }
    virtual bool GetHideFocusRect();
    virtual bool IsRecordFocusRect();
    virtual bool IsClickHitTest(TcxCustomGridHitTest* hitTest);
    virtual bool IsDetailVisible(TcxCustomGridView*) { return false; }
    virtual void VisibilityChanged(bool) {}
    // Focuses the record; False when the view went away on the way.
    virtual bool FocusRecordOnMouseDown(TcxCustomGridHitTest* hitTest, TMouseButton button, TShiftState shift);
    virtual TRect GetItemBounds(TcxCustomGridTableItem* item);
    virtual TRect GetItemCellBounds(TcxCustomGridTableItem*) { return TRect{}; }
    virtual TcxGridTableDataCellViewInfo* GetCellViewInfoByItem(TcxCustomGridTableItem*) { return nullptr; }
    virtual bool ProcessDialogChar(std::uint16_t) { return false; }

  protected:
    // Runs after a Recalculate (nothing here).
    virtual void AfterRecalculation() {}

  private:
    friend class TcxCustomGridRecord;
    bool expanded_ = false;
    bool expandedKnown_ = false;
    bool foreign_ = false;
    TcxCustomGridRecordsViewInfo* recordsViewInfo_;
    bool selected_ = false;
    bool selectedKnown_ = false;
    TcxCustomGridRecord* record_;
};

} // namespace zorvy
