#pragma once
// Sizing a table view by the mouse: TcxCustomGridSizingObject draws an inverted mark line across
// the view at the new edge while the mouse moves (drawing it again at the same place erases it);
// TcxGridColumnHorzSizingObject sets a column's width from its header's right edge and
// TcxGridRowSizingObject the data row height from a row's bottom edge in the indicator.
#include "controls/grid/view/GridDragAndDrop.h"

namespace zorvy {

class TcxCustomGridRow;
class TcxCustomGridRowViewInfo;
class TcxGridColumn;
class TcxGridColumnHeaderViewInfo;
class TcxGridTableViewInfo;

class TcxCustomGridSizingObject : public TcxCustomGridDragAndDropObject {
    ZORVY_CLASS(TcxCustomGridSizingObject, TcxCustomGridDragAndDropObject)
  public:
    using TcxCustomGridDragAndDropObject::TcxCustomGridDragAndDropObject;

    TCursor GetCursorForAcceptance(bool accepted) const override;
    // The mark follows the mouse from the press on, without the drag threshold.
    bool StartsImmediately() const override { return true; }
    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override;

    int GetStartingSize() const { return startingSize_; }
    TPoint GetDestPoint() const { return destPoint_; }
    // The starting size and the mouse distance; descendants clamp it.
    virtual int CalcCurrentSize();
    virtual int CalcMouseDistance();
    virtual bool SizesWidth() const { return true; }
    // The sized item's bounds in the site's client coordinates.
    virtual TRect GetSizedItemRect() = 0;
    virtual TRect GetMarkRect();
    virtual int GetMarkThickness() const = 0;

  protected:
    void RefreshFeedback() override;
    void TrackTo(TPoint p, bool& accepted) override;
    // A repaint of the view would leave the inverted line behind: it goes before and comes back after.
    void DoBeforePaint() override;
    void DoAfterPaint() override;
    // A vertical line at the item's left edge plus the current size, down to the bottom parts.
    virtual TRect CalcWidthMarkRect();
    // A horizontal line across the view at the item's top plus the current size.
    virtual TRect CalcHeightMarkRect();
    void SetStartingSize(int value) { startingSize_ = value; }
    TcxGridTableViewInfo* GetTableViewInfo() const;

  private:
    TPoint destPoint_{};
    int startingSize_ = 0;
};

class TcxCustomGridColumnSizingObject : public TcxCustomGridSizingObject {
    ZORVY_CLASS(TcxCustomGridColumnSizingObject, TcxCustomGridSizingObject)
  public:
    using TcxCustomGridSizingObject::TcxCustomGridSizingObject;
    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override;
    TcxGridColumn* GetColumn() const { return column_; }
    TRect GetSizedItemRect() override;
    int GetMarkThickness() const override { return 1; }

  protected:
    // The column's cell in the header part; nil when the header does not show it.
    TcxGridColumnHeaderViewInfo* GetHeaderCell() const;

  private:
    TcxGridColumn* column_ = nullptr;
};

class TcxGridColumnHorzSizingObject : public TcxCustomGridColumnSizingObject {
    ZORVY_CLASS(TcxGridColumnHorzSizingObject, TcxCustomGridColumnSizingObject)
  public:
    using TcxCustomGridColumnSizingObject::TcxCustomGridColumnSizingObject;
    // Within the header cell's minimum and maximum widths.
    int CalcCurrentSize() override;

  protected:
    void StartTracking() override;
    void StopTracking(bool accepted) override;
};

class TcxGridRowSizingObject : public TcxCustomGridSizingObject {
    ZORVY_CLASS(TcxGridRowSizingObject, TcxCustomGridSizingObject)
  public:
    using TcxCustomGridSizingObject::TcxCustomGridSizingObject;
    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override;
    TcxCustomGridRow* GetRow() const { return row_; }
    // Within the row's own height limits.
    int CalcCurrentSize() override;
    bool SizesWidth() const override { return false; }
    TRect GetSizedItemRect() override;
    int GetMarkThickness() const override { return 1; }

  protected:
    void StartTracking() override;
    void StopTracking(bool accepted) override;
    // nil when the row is not laid out.
    TcxCustomGridRowViewInfo* GetRowViewInfo() const;

  private:
    TcxCustomGridRow* row_ = nullptr;
};

} // namespace zorvy
