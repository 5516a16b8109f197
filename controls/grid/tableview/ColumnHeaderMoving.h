#pragma once
// TcxGridColumnHeaderMovingObject: dragging a column header to another place in the header, into or
// within the group-by box, onto the customization form or away (hiding or ungrouping the column).
// The drag image and arrows are complete where the class is made.
#include "controls/foundation/dragdrop/DragImage.h"
#include "controls/grid/table/TableItemMoving.h"

namespace zorvy {

class TcxGridColumn;
class TcxGridTableView;
class TcxGridTableViewInfo;

class TcxGridColumnHeaderMovingObject : public TcxCustomGridTableItemMovingObject {
    ZORVY_CLASS(TcxGridColumnHeaderMovingObject, TcxCustomGridTableItemMovingObject)
  public:
    using TcxCustomGridTableItemMovingObject::TcxCustomGridTableItemMovingObject;
    TcxGridColumn* GetColumn() const;
    TcxGridTableView* GetTableView() const;

    void Init(TPoint p, TcxCustomGridHitTest* hitTest) override;
    // The group-by box's zone at the point (kind 3), else the header's (kind 2), else the form's.
    void CalculateDestination(TcxCustomGridHitTest* hitTest, int& containerKind,
                              std::unique_ptr<TcxGridItemContainerZone>& zone) override;
    // Into the group-by box only what can be grouped.
    void AdjustContainerKind(int& containerKind) override;
    bool CanRemove() const override;
    void CalculateArrowTargetRect(int place, TRect& r) override;
    void GetAreaBounds(TRect& r) override;
    TcxCustomGridCellViewInfo* GetSourceItemViewInfo() override;
    bool IsValidDestination() override;
    // The destination zone differs from the column's own place.
    virtual bool IsNewPosition();
    virtual void ApplyHeaderMove();
    virtual void CalculateHeaderArrowTargetRect(TRect& r);

  protected:
    void StopTracking(bool accepted) override;
    TcxGridTableViewInfo* GetTableViewInfo() const;
    int GetZoneIndex() const;
};

} // namespace zorvy
