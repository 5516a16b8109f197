// Moving a column header: its drop zones, arrows and what a release does to the column.
#include "controls/grid/tableview/ColumnHeaderMoving.h"

#include "controls/grid/control/Grid.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableHitTests.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/tableview/TableViewOptions.h"

namespace zorvy {

TcxGridColumn* TcxGridColumnHeaderMovingObject::GetColumn() const {
    return static_cast<TcxGridColumn*>(GetSourceItem());
}

TcxGridTableView* TcxGridColumnHeaderMovingObject::GetTableView() const {
    return static_cast<TcxGridTableView*>(GetGridView());
}

TcxGridTableViewInfo* TcxGridColumnHeaderMovingObject::GetTableViewInfo() const {
    return dynamic_cast<TcxGridTableViewInfo*>(GetViewInfo());
}

int TcxGridColumnHeaderMovingObject::GetZoneIndex() const {
    return GetDestZone() ? GetDestZone()->ItemIndex : -1;
}

void TcxGridColumnHeaderMovingObject::Init(TPoint p, TcxCustomGridHitTest* hitTest) {
    TcxCustomGridTableItemMovingObject::Init(p, hitTest);
    if (auto* columnHitTest = dynamic_cast<TcxCustomGridColumnHitTest*>(hitTest)) {
        SetSourceItem(columnHitTest->Column);
        SetSourceItemContainerKind(columnHitTest->ColumnContainerKind);
    }
}

void TcxGridColumnHeaderMovingObject::CalculateDestination(TcxCustomGridHitTest* hitTest, int& containerKind,
                                                           std::unique_ptr<TcxGridItemContainerZone>& zone) {
    TcxCustomGridTableItemMovingObject::CalculateDestination(hitTest, containerKind, zone);
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (containerKind != ickNone || !viewInfo || !hitTest) return;
    const TPoint p = hitTest->Pos;
    if (TcxGridGroupByBoxViewInfo* box = viewInfo->GetGroupByBoxViewInfo()) {
        const int index = box->GetItemZone(p);
        if (index != -1) {
            containerKind = ckGroupByBox;
            zone = std::make_unique<TcxGridItemContainerZone>(index);
            return;
        }
    }
    if (TcxGridHeaderViewInfo* header = viewInfo->GetHeaderViewInfo()) {
        const int index = header->GetItemZone(p);
        if (index != -1) {
            containerKind = ckHeader;
            zone = std::make_unique<TcxGridItemContainerZone>(index);
        }
    }
}

void TcxGridColumnHeaderMovingObject::AdjustContainerKind(int& containerKind) {
    if (containerKind == ckGroupByBox && !GetColumn()->CanGroup()) containerKind = ickNone;
    TcxCustomGridTableItemMovingObject::AdjustContainerKind(containerKind);
}

bool TcxGridColumnHeaderMovingObject::CanRemove() const {
    TcxGridColumn* column = GetColumn();
    switch (GetSourceItemContainerKind()) {
    case ckGroupByBox: return column->CanGroup();
    case ckHeader:
        return column->CanHide() &&
               (GetController()->GetCustomization() || GetTableView()->GetOptionsCustomize()->GetColumnHiding());
    default: return false;
    }
}

bool TcxGridColumnHeaderMovingObject::IsNewPosition() {
    TcxGridColumn* column = GetColumn();
    const int zone = GetZoneIndex();
    switch (GetDestItemContainerKind()) {
    case ckHeader:
        if (GetSourceItemContainerKind() == ckGroupByBox) return true;
        return zone != column->GetVisibleIndex() && zone != column->GetVisibleIndex() + 1;
    case ckGroupByBox: return zone != column->GetGroupIndex() && zone != column->GetGroupIndex() + 1;
    default: return false;
    }
}

bool TcxGridColumnHeaderMovingObject::IsValidDestination() {
    switch (GetDestItemContainerKind()) {
    case ckHeader: return !GetColumn()->GetVisible() || IsNewPosition();
    case ckGroupByBox: return GetColumn()->GetGroupIndex() == -1 || IsNewPosition();
    default: return false;
    }
}

void TcxGridColumnHeaderMovingObject::GetAreaBounds(TRect& r) {
    TcxCustomGridTableItemMovingObject::GetAreaBounds(r);
    const TRect client = GetViewInfo()->GetClientBounds();
    r.Left = client.Left;
    r.Right = client.Right;
}

TcxCustomGridCellViewInfo* TcxGridColumnHeaderMovingObject::GetSourceItemViewInfo() {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (!viewInfo) return nullptr;
    switch (GetSourceItemContainerKind()) {
    case ckHeader:
        return viewInfo->GetHeaderViewInfo() ? viewInfo->GetHeaderViewInfo()->GetItem(GetColumn()->GetVisibleIndex())
                                             : nullptr;
    case ckGroupByBox:
        return viewInfo->GetGroupByBoxViewInfo()
                   ? viewInfo->GetGroupByBoxViewInfo()->GetItem(GetColumn()->GetGroupIndex())
                   : nullptr;
    default: return TcxCustomGridTableItemMovingObject::GetSourceItemViewInfo();
    }
}

void TcxGridColumnHeaderMovingObject::CalculateArrowTargetRect(int, TRect& r) {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    TcxGridGroupByBoxViewInfo* box = viewInfo ? viewInfo->GetGroupByBoxViewInfo() : nullptr;
    if (GetDestItemContainerKind() != ckGroupByBox || !box) {
        CalculateHeaderArrowTargetRect(r);
        return;
    }
    const int zone = GetZoneIndex();
    const int count = box->GetCount();
    if (zone < count) {
        r = box->GetItem(zone)->Bounds;
        r.Left -= 2;
        // Each grouped header stands lower than the one before it.
        if (zone > 0) OffsetRect(r, 0, -(box->GetItemOffset() / 2));
    } else if (count > 0) {
        r = box->GetItem(count - 1)->Bounds;
        r.Left = r.Right + 2;
    } else {
        r = box->Bounds;
        r.Left += 6;
        r.Top += 8;
        r.Bottom -= 8;
    }
}

void TcxGridColumnHeaderMovingObject::CalculateHeaderArrowTargetRect(TRect& r) {
    r = TRect{};
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    TcxGridHeaderViewInfo* header = viewInfo ? viewInfo->GetHeaderViewInfo() : nullptr;
    if (!header) return;
    const int zone = GetZoneIndex();
    const int count = header->GetCount();
    if (zone >= 0 && zone < count) {
        r = header->GetItem(zone)->Bounds;
    } else if (count > 0) {
        r = header->GetItem(count - 1)->Bounds;
        r.Left = r.Right;
    } else {
        r = header->Bounds;
    }
}

void TcxGridColumnHeaderMovingObject::ApplyHeaderMove() {
    TcxGridColumn* column = GetColumn();
    TcxGridTableView* view = GetTableView();
    const int zone = GetZoneIndex();
    if (zone >= view->GetVisibleColumnCount()) {
        column->SetIndex(view->GetColumnCount() - 1);
        return;
    }
    int index = view->GetVisibleColumn(zone)->GetIndex();
    // The column leaves its own place first.
    if (column->GetIndex() < index) --index;
    column->SetIndex(index);
}

void TcxGridColumnHeaderMovingObject::StopTracking(bool accepted) {
    TcxCustomGridTableItemMovingObject::StopTracking(accepted);
    if (!accepted) return;
    TcxGridColumn* column = GetColumn();
    TcxGridTableView* view = GetTableView();
    const int groupIndex = column->GetGroupIndex();
    const int sourceKind = GetSourceItemContainerKind();
    const int destKind = GetDestItemContainerKind();
    bool changed = false;
    TcxCustomGrid* grid = view->GetGrid();
    if (grid) grid->BeginUpdate();
    try {
        if (destKind == ckHeader) {
            if (IsValidDestination()) {
                ApplyHeaderMove();
                if (sourceKind == ckGroupByBox && column->CanGroup()) column->SetGroupIndex(-1);
                column->SetVisible(true);
                changed = true;
            }
        } else if (destKind == ckGroupByBox) {
            if (IsValidDestination()) {
                int target = GetZoneIndex();
                if (groupIndex != -1 && groupIndex < target) --target;
                changed = column->GroupBy(target, true);
            }
        } else if (CanRemove()) {
            if (sourceKind == ckHeader) {
                column->SetVisible(false);
                changed = true;
            } else if (sourceKind == ckGroupByBox) {
                // The column comes back to the header only when nothing else could show it.
                const bool mayShow =
                    !(destKind == ickCustomizationForm ||
                      (view->GetOptionsCustomize()->GetColumnHiding() && column->CanHide()) ||
                      GetController()->GetCustomization());
                changed = column->GroupBy(-1, mayShow);
            }
        }
    } catch (...) {
        if (grid) grid->EndUpdate();
        throw;
    }
    if (grid) grid->EndUpdate();
    if (column->GetGroupIndex() != groupIndex)
        if (auto* controller = dynamic_cast<TcxGridTableController*>(GetController())) controller->CheckFocusedRecord();
    if (changed) view->DoColumnPosChanged(column);
}

} // namespace zorvy
