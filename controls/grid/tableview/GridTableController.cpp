// The table view controller's horizontal position, scroll bars and pressed column header.
#include "controls/grid/tableview/GridTableController.h"

#include "controls/grid/table/TablePainters.h"
#include "controls/grid/tableview/ColumnHeaderMoving.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableEditingController.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewInfo.h"
#include "controls/grid/tableview/HeaderViewInfo.h"
#include "controls/grid/view/GridSite.h"

#include <algorithm>

namespace zorvy {

namespace {

constexpr int kHorzScrollStep = 10;

} // namespace

TcxGridTableView* TcxGridTableController::GetGridView() const {
    return static_cast<TcxGridTableView*>(TcxCustomGridTableController::GetGridView());
}

const TMetaClass* TcxGridTableController::GetColumnHeaderMovingObjectClass() const {
    return TcxGridColumnHeaderMovingObject::StaticClass();
}

TcxGridTableViewInfo* TcxGridTableController::GetTableViewInfo() const {
    return dynamic_cast<TcxGridTableViewInfo*>(GetViewInfo());
}

// ---- horizontal position ----

void TcxGridTableController::CheckLeftPos(int& value) {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (viewInfo) value = std::min(value, viewInfo->GetDataWidth() - viewInfo->GetClientWidth());
    value = std::max(value, 0);
}

void TcxGridTableController::SetLeftPos(int value) {
    CheckLeftPos(value);
    if (value == leftPos_) return;
    const int previous = leftPos_;
    leftPos_ = value;
    TcxGridTableView* view = GetGridView();
    auto* painter = dynamic_cast<TcxCustomGridTablePainter*>(view->GetPainter());
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (view->CanScrollHorizontally() && painter && viewInfo && !viewInfo->IsCalculating()) {
        viewInfo->OffsetView(0, previous - value, 0);
        painter->Offset(0, previous - value, 0);
    } else {
        LeftPosChanged();
    }
    view->DoLeftPosChanged();
}

void TcxGridTableController::LeftPosChanged() { GetGridView()->LayoutChanged(); }

void TcxGridTableController::CheckCoordinates() {
    TcxCustomGridTableController::CheckCoordinates();
    SetLeftPos(leftPos_);
}

// ---- scroll bars ----

void TcxGridTableController::InitScrollBars() {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    TcxGridSite* site = GetSite();
    if (!viewInfo || !site) return;
    site->SetScrollBarInfo(sbHorizontal, 0, viewInfo->GetDataWidth() - 1, kHorzScrollStep, viewInfo->GetClientWidth(),
                           leftPos_, true, IsNavigatorHidden());
    site->SetScrollBarInfo(sbVertical, 0, GetRecordCount() - 1, 1, viewInfo->GetVisibleRecordCount(), GetScrollBarPos(),
                           true, true);
}

void TcxGridTableController::Scroll(TScrollBarKind kind, TScrollCode code, int& position) {
    if (kind == sbHorizontal) {
        TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
        const TRect cells = viewInfo ? viewInfo->GetCellsAreaBounds() : TRect{};
        switch (code) {
        case scLineUp: SetLeftPos(leftPos_ - kHorzScrollStep); break;
        case scLineDown: SetLeftPos(leftPos_ + kHorzScrollStep); break;
        case scPageUp: SetLeftPos(leftPos_ - (cells.Right - cells.Left)); break;
        case scPageDown: SetLeftPos(leftPos_ + (cells.Right - cells.Left)); break;
        case scTrack: SetLeftPos(position); break;
        default: break;
        }
        position = leftPos_;
        return;
    }
    const bool gridMode = GetGridView()->GetDataController()->IsGridMode();
    switch (code) {
    case scLineUp: ScrollRecords(false, 1); break;
    case scLineDown: ScrollRecords(true, 1); break;
    case scPageUp: ScrollPage(false); break;
    case scPageDown: ScrollPage(true); break;
    case scPosition:
        if (gridMode) SetScrollBarPos(position);
        break;
    case scTrack:
        if (!gridMode) SetScrollBarPos(position);
        break;
    default: break;
    }
    position = GetScrollBarPos();
}

void TcxGridTableController::MakeItemVisible(TcxCustomGridTableItem* item) {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (!item || item->GetVisibleIndex() == -1 || !viewInfo) return;
    TRect r = viewInfo->GetColumnBounds(item->GetVisibleIndex());
    if (IsRectEmpty(r)) return;
    CheckFocusedRecord();
    if (!item->CanCheckFocusedCellClipping()) return;
    const TRect cells = viewInfo->GetCellsAreaBounds();
    if (r.Right - r.Left >= cells.Right - cells.Left) {
        SetLeftPos(leftPos_ + r.Left - cells.Left);
        return;
    }
    if (r.Right > cells.Right) {
        SetLeftPos(leftPos_ + r.Right - cells.Right);
        r = viewInfo->GetColumnBounds(item->GetVisibleIndex());
    }
    if (r.Left < cells.Left) SetLeftPos(leftPos_ - (cells.Left - r.Left));
}

// ---- the pressed column ----

void TcxGridTableController::InvalidateColumnHeader(TcxGridColumn* column) {
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (!column || !viewInfo) return;
    if (TcxGridGroupByBoxViewInfo* box = viewInfo->GetGroupByBoxViewInfo())
        if (TcxGridColumnHeaderViewInfo* cell = box->GetItem(column->GetGroupIndex()))
            GetGridView()->InvalidateRect(cell->Bounds);
    const TRect r = viewInfo->GetColumnBounds(column->GetVisibleIndex());
    if (!IsRectEmpty(r)) GetGridView()->InvalidateRect(r);
}

void TcxGridTableController::SetPressedColumn(TcxGridColumn* value) {
    if (value == pressedColumn_) return;
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (viewInfo && viewInfo->IsCalculating()) {
        pressedColumn_ = value;
        return;
    }
    TcxGridColumn* previous = pressedColumn_;
    pressedColumn_ = value;
    InvalidateColumnHeader(previous);
    InvalidateColumnHeader(value);
}

void TcxGridTableController::CancelMouseOperations() {
    TcxCustomGridTableController::CancelMouseOperations();
    SetPressedColumn(nullptr);
}

void TcxGridTableController::BeforeStopDragAndDrop(bool accepted) {
    SetPressedColumn(nullptr);
    TcxCustomGridTableController::BeforeStopDragAndDrop(accepted);
}

bool TcxGridTableController::GetPullFocusing() const {
    return TcxCustomGridTableController::GetPullFocusing() || CanCellMultiSelect();
}

bool TcxGridTableController::GetPullFocusingScrollDirection(int x, int y, int& direction) {
    if (TcxCustomGridTableController::GetPullFocusingScrollDirection(x, y, direction)) return true;
    TcxGridTableViewInfo* viewInfo = GetTableViewInfo();
    if (!viewInfo) return false;
    const TRect area = viewInfo->GetScrollableAreaBounds();
    if (x < area.Left)
        direction = 1;
    else if (x >= area.Right)
        direction = 2;
    return direction != 0;
}

void TcxGridTableController::DoPullFocusingScroll(int direction) {
    if (direction == 1 || direction == 2) FocusNextCell(direction == 2, true, false);
    TcxCustomGridTableController::DoPullFocusingScroll(direction);
}

const TMetaClass* TcxGridTableController::GetEditingControllerClass() const {
    return TcxGridTableEditingController::StaticClass();
}

} // namespace zorvy
