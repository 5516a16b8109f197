#include "controls/editors/lookup/LookupGrid.h"

#include "controls/foundation/services/Timers.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

namespace {

// One position for every lookup grid: a mouse-move message without real movement (after
// scrolling, say) must not move the focus.
TPoint lookupGridCursorPos{-1, -1};

bool CursorMovedSinceRemembered() {
    TPoint p{};
    GetCursorPos(p);
    const bool moved = p.X != lookupGridCursorPos.X || p.Y != lookupGridCursorPos.Y;
    lookupGridCursorPos = p;
    return moved;
}

} // namespace

void TcxCustomLookupGrid::RememberCursorPos() {
    GetCursorPos(lookupGridCursorPos);
}

// ---- hit test ----

void TcxCustomLookupGrid::GetHitInfo(TPoint p, TcxLookupGridHitKind& kind, int& rowIndex, int& columnIndex) {
    kind = lghNone;
    rowIndex = columnIndex = -1;
    if (!PtInRect(GetContentBounds(), p)) return;
    if (PtInRect(viewInfo_->HeaderRect, p)) {
        for (int i = 0; i < static_cast<int>(viewInfo_->Columns.size()); ++i)
            if (PtInRect(viewInfo_->Columns[i]->Bounds, p)) {
                kind = lghHeader;
                columnIndex = i;
                return;
            }
        return;
    }
    if (!PtInRect(viewInfo_->RowsRect, p)) return;
    for (auto& row : viewInfo_->Rows) {
        if (!PtInRect(row->Bounds, p)) continue;
        kind = lghRow;
        rowIndex = row->RowIndex;
        for (const TcxLookupGridCellViewInfo& cell : row->Cells)
            if (p.X >= cell.Bounds.Left && p.X < cell.Bounds.Right) {
                columnIndex = cell.ColumnIndex;
                break;
            }
        return;
    }
}

bool TcxCustomLookupGrid::IsPointOnRow(TPoint p) {
    TcxLookupGridHitKind kind;
    int row, column;
    GetHitInfo(p, kind, row, column);
    return kind == lghRow;
}

// ---- focus moves ----

void TcxCustomLookupGrid::RowPressed(int rowIndex, int columnIndex, TShiftState) {
    if (rowIndex != -1) FocusRow(rowIndex);
    if (columnIndex != -1) SetFocusedColumn(columns_->GetColumn(columnIndex));
}

void TcxCustomLookupGrid::HeaderPressed(int columnIndex, TShiftState shift) {
    if (!options_->ColumnSorting || columnIndex == -1) return;
    TcxLookupGridColumn* column = columns_->GetColumn(columnIndex);
    if (!column->GetSorting()) return;
    BeginUpdate();
    try {
        if (shift & ssCtrl) {
            column->SetSortOrder(soNone);
        } else {
            const TcxDataSortOrder order = column->GetSortOrder() == soAscending ? soDescending : soAscending;
            if (!(shift & ssShift)) dataController_->ClearSorting(true);
            column->SetSortOrder(order);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    MakeFocusedRowVisible();
}

void TcxCustomLookupGrid::MoveFocusedRow(int delta) {
    int index = GetFocusedRowIndex();
    if (dataController_->IsGridMode()) {
        if (delta > 0 && index == GetRowCount() - 1 && !dataController_->IsEOF()) {
            dataController_->GridModeMoveBy(1);
            index = GetFocusedRowIndex() - 1;
        } else if (delta < 0 && index == 0 && !dataController_->IsBOF()) {
            dataController_->GridModeMoveBy(-1);
            index = GetFocusedRowIndex() + 1;
        }
    }
    index = std::max(std::min(index + delta, GetRowCount() - 1), 0);
    FocusRow(index);
    SetFocusedRowSelected(true);
}

void TcxCustomLookupGrid::MoveFocusedColumn(int delta) {
    const int count = columns_->GetCount();
    if (count == 0) return;
    const int current = focusedColumn_ ? focusedColumn_->GetIndex() : -1;
    const int index = std::max(std::min(current + delta, count - 1), 0);
    if (index == current) return;
    SetFocusedColumn(columns_->GetColumn(index));
    MakeFocusedRowVisible();
}

void TcxCustomLookupGrid::ScrollPageUp() {
    SetTopRowIndex(topRowIndex_ - std::max(VisibleRowCount() - 1, 1));
}

void TcxCustomLookupGrid::ScrollPageDown() {
    SetTopRowIndex(topRowIndex_ + std::max(VisibleRowCount() - 1, 1));
}

void TcxCustomLookupGrid::PageUp() {
    MakeFocusedRowVisible();
    if (GetFocusedRowIndex() == topRowIndex_) ScrollPageUp();
    FocusRow(topRowIndex_);
}

void TcxCustomLookupGrid::PageDown() {
    MakeFocusedRowVisible();
    if (GetFocusedRowIndex() == topRowIndex_ + VisibleRowCount() - 1) ScrollPageDown();
    FocusRow(topRowIndex_ + VisibleRowCount() - 1);
}

// ---- keyboard ----

void TcxCustomLookupGrid::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxControl::KeyDown(key, shift);
    const bool rowSelect = options_->GetRowSelect();
    switch (key) {
    case VK_RETURN:
        CloseUp(GetFocusedRowIndex() != -1);
        break;
    case VK_PRIOR:
        PageUp();
        break;
    case VK_NEXT:
        PageDown();
        break;
    case VK_HOME:
        if ((shift & ssCtrl) || rowSelect)
            dataController_->GotoFirst();
        else if (columns_->GetCount() > 0)
            MoveFocusedColumn(-columns_->GetCount());
        break;
    case VK_END:
        if ((shift & ssCtrl) || rowSelect)
            dataController_->GotoLast();
        else if (columns_->GetCount() > 0)
            MoveFocusedColumn(columns_->GetCount());
        break;
    case VK_LEFT:
        MoveFocusedColumn(-1);
        break;
    case VK_RIGHT:
        MoveFocusedColumn(1);
        break;
    case VK_UP:
        MoveFocusedRow(-1);
        break;
    case VK_DOWN:
        MoveFocusedRow(1);
        break;
    default:
        break;
    }
}

// ---- mouse ----

bool TcxCustomLookupGrid::FocusesRowOnMouseMove() const {
    return popupMode_ && options_->FocusRowOnMouseMove;
}

void TcxCustomLookupGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TcxControl::MouseDown(button, shift, x, y);
    TcxLookupGridHitKind kind;
    int row, column;
    GetHitInfo(Point(x, y), kind, row, column);
    if (kind == lghHeader) {
        HeaderPressed(column, shift);
    } else if (kind == lghRow) {
        RowPressed(row, column, shift);
        pressedOnRow_ = true;
    }
}

void TcxCustomLookupGrid::MouseMove(TShiftState shift, int x, int y) {
    TcxControl::MouseMove(shift, x, y);
    if (!CursorMovedSinceRemembered()) return;
    if (!GetMouseCapture() && !FocusesRowOnMouseMove()) return;
    if (pressedOnRow_ && GetMouseCapture()) {
        if (y < viewInfo_->VisibleRowsRect.Top) {
            SetAutoScrollDirection(1);
            return;
        }
        if (y >= viewInfo_->VisibleRowsRect.Bottom) {
            SetAutoScrollDirection(2);
            return;
        }
    }
    SetAutoScrollDirection(0);
    TcxLookupGridHitKind kind;
    int row, column;
    GetHitInfo(Point(x, y), kind, row, column);
    if (kind != lghRow) return;
    FocusRow(row);
    SetFocusedRowSelected(true);
}

void TcxCustomLookupGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxControl::MouseUp(button, shift, x, y);
    SetAutoScrollDirection(0);
    if (pressedOnRow_) {
        pressedOnRow_ = false;
        CloseUp(IsPointOnRow(Point(x, y)));
    }
}

void TcxCustomLookupGrid::AbortMouseActions() {
    StopAutoScroll();
    pressedOnRow_ = false;
}

// ---- scrolling while dragging beyond the rows ----

void TcxCustomLookupGrid::SetAutoScrollDirection(int direction) {
    if (autoScrollDirection_ == direction) return;
    StopAutoScroll();
    autoScrollDirection_ = direction;
    if (direction != 0) StartAutoScroll();
}

void TcxCustomLookupGrid::StartAutoScroll() {
    autoScrollTimer_->SetEnabled(true);
}

void TcxCustomLookupGrid::StopAutoScroll() {
    if (autoScrollTimer_) autoScrollTimer_->SetEnabled(false);
}

void TcxCustomLookupGrid::AutoScrollTick(TObject*) {
    int index;
    if (autoScrollDirection_ == 1)
        index = topRowIndex_ - 1;
    else if (autoScrollDirection_ == 2)
        index = topRowIndex_ + VisibleRowCount() + 1;
    else
        return;
    index = std::max(std::min(index, GetRowCount() - 1), 0);
    FocusRow(index);
    MakeFocusedRowVisible();
    SetFocusedRowSelected(false);
}

// ---- scroll bar ----

void TcxCustomLookupGrid::ComputeScrollBarParams() {
    SetScrollBarInfo(sbVertical, 0, HasRowsAbove() + GetRowCount() + HasRowsBelow() - 1, 1, VisibleRowCount(),
                     HasRowsAbove() + topRowIndex_, true, true);
}

void TcxCustomLookupGrid::ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) {
    if (kind != sbVertical) return;
    switch (code) {
    case scLineUp:
        SetTopRowIndex(topRowIndex_ - 1);
        break;
    case scLineDown:
        SetTopRowIndex(topRowIndex_ + 1);
        break;
    case scPageUp:
        ScrollPageUp();
        break;
    case scPageDown:
        ScrollPageDown();
        break;
    case scPosition:
        if (dataController_->IsGridMode()) SetTopRowIndex(pos - HasRowsAbove());
        break;
    case scTrack:
        if (!dataController_->IsGridMode()) SetTopRowIndex(pos);
        break;
    default:
        break;
    }
    pos = HasRowsAbove() + topRowIndex_;
}

} // namespace zorvy
