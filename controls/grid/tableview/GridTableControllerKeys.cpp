// The table view controller's keys: moving between cells and records, Home and End, the page keys,
// and the focus of the filter row and the new-item row that stand above the data rows.
#include "controls/data/DataController.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/view/GridSite.h"
#include "platform/win/VirtualKeys.h"

#include <memory>

namespace zorvy {

namespace {

constexpr int kKeysHorzStep = 10;

// Asked also while the view is being destroyed: the base view is all that is left then.
TcxGridViewData* RowsOf(const TcxGridTableController* controller) {
    TcxCustomGridTableView* view = controller->TcxCustomGridTableController::GetGridView();
    if (!view || view->IsBeingDestroyed() || !dynamic_cast<TcxGridTableView*>(view)) return nullptr;
    return dynamic_cast<TcxGridViewData*>(view->GetViewData());
}

// The filter row when the view shows one.
TcxGridFilterRow* ShownFilterRow(const TcxGridTableController* controller) {
    TcxGridViewData* rows = RowsOf(controller);
    return rows && rows->IsFilterRowVisible() ? rows->GetFilterRow() : nullptr;
}

TcxCustomGridRecord* ShownNewItemRow(const TcxGridTableController* controller) {
    TcxGridViewData* rows = RowsOf(controller);
    return rows && rows->IsNewItemRowVisible() ? rows->GetNewItemRecord() : nullptr;
}

} // namespace

// ---- scrolling by keys and buttons ----

void TcxGridTableController::DoScroll(int direction) {
    switch (direction) {
    case 1: SetLeftPos(leftPos_ - kKeysHorzStep); break;
    case 2: SetLeftPos(leftPos_ + kKeysHorzStep); break;
    case 3: ScrollRecords(false, 1); break;
    case 4: ScrollRecords(true, 1); break;
    default: break;
    }
}

bool TcxGridTableController::CanScroll(int direction) {
    switch (direction) {
    case 1: return leftPos_ != 0;
    case 2: {
        int value = leftPos_ + kKeysHorzStep;
        CheckLeftPos(value);
        return value != leftPos_;
    }
    case 3: return GetTopRecordIndex() != 0;
    case 4: {
        int index = GetTopRecordIndex() + 1;
        CheckTopRecordIndex(index);
        return index != GetTopRecordIndex();
    }
    default: return false;
    }
}

// ---- the filter row and the new-item row ----

bool TcxGridTableController::IsFilterRowFocused() const {
    TcxGridFilterRow* row = ShownFilterRow(this);
    return row && row->GetSelected();
}

bool TcxGridTableController::IsNewItemRowRecordFocused() const {
    return ShownNewItemRow(this) && GetDataController()->GetNewItemRowFocused();
}

TcxCustomGridRecord* TcxGridTableController::GetFocusedRecord() const {
    if (IsFilterRowFocused()) return ShownFilterRow(this);
    if (TcxCustomGridRecord* record = TcxCustomGridTableController::GetFocusedRecord()) return record;
    return IsNewItemRowRecordFocused() ? ShownNewItemRow(this) : nullptr;
}

void TcxGridTableController::SetFocusedRecord(TcxCustomGridRecord* value) {
    TcxCustomGridRecord* newItemRow = ShownNewItemRow(this);
    if (value != GetFocusedRecord() && newItemRow) {
        if (value == newItemRow)
            GetDataController()->SetNewItemRowFocused(true);
        else if (!value && IsNewItemRowRecordFocused())
            GetDataController()->SetNewItemRowFocused(false);
    }
    if (TcxGridFilterRow* filterRow = ShownFilterRow(this)) {
        if (value == filterRow) {
            if (IsFilterRowFocused()) return;
            // One special row holds the focus at a time.
            if (IsNewItemRowRecordFocused()) GetDataController()->SetNewItemRowFocused(false);
            filterRow->SetSelected(true);
            // The data keeps its own focused row under the filter row.
            value = GetGridView()->GetViewData()->FindRecord(GetFocusedRowIndex());
        } else if (IsFilterRowFocused()) {
            filterRow->SetSelected(false);
            if (!value) return;
        }
    }
    if (value == newItemRow && newItemRow) return;
    TcxCustomGridTableController::SetFocusedRecord(value);
}

void TcxGridTableController::FocusedRecordChanged(int prevRowIndex, int rowIndex, bool newItemRecordFocusingChanged) {
    if (IsFilterRowFocused() && filterRowApplying_) return;
    TcxCustomGridTableController::FocusedRecordChanged(prevRowIndex, rowIndex, newItemRecordFocusingChanged);
    TcxGridFilterRow* filterRow = ShownFilterRow(this);
    if (filterRow && (prevRowIndex != rowIndex || newItemRecordFocusingChanged)) filterRow->SetSelected(false);
}

void TcxGridTableController::FilterRowFocusChanging(bool focusing) {
    if (focusing) {
        int fromRow = -1;
        bool done = false;
        PrepareRecordChange(fromRow, true, done);
    } else {
        GetEditingController()->HideEdit(!GetGridView()->IsBeingDestroyed());
    }
}

void TcxGridTableController::FilterRowFocusChanged() {
    const int row = GetFocusedRowIndex();
    TcxCustomGridTableController::FocusedRecordChanged(row, row, GetDataController()->GetNewItemRowFocused());
    GetGridView()->RefreshNavigators();
}

bool TcxGridTableController::EnterSpecialRowsUp() {
    TcxCustomGridRecord* newItemRow = ShownNewItemRow(this);
    TcxGridFilterRow* filterRow = ShownFilterRow(this);
    if (newItemRow && !IsNewItemRowRecordFocused()) {
        if (IsFilterRowFocused() || !IsAtFirstRecord()) return false;
        SetFocusedRecord(newItemRow);
        return true;
    }
    if (filterRow && !IsFilterRowFocused() && (newItemRow || IsAtFirstRecord())) {
        SetFocusedRecord(filterRow);
        return true;
    }
    return false;
}

bool TcxGridTableController::LeaveSpecialRowsDown() {
    if (!IsFilterRowFocused()) {
        if (!IsNewItemRowRecordFocused() || GetTopRecordIndex() < 0 ||
            GetTopRecordIndex() >= GetGridView()->GetViewData()->GetRecordCount())
            return false;
        return FocusRowIndex(GetTopRecordIndex()) && GetFocusedRowIndex() == GetTopRecordIndex();
    }
    if (TcxCustomGridRecord* newItemRow = ShownNewItemRow(this)) {
        SetFocusedRecord(newItemRow);
        return IsNewItemRowRecordFocused();
    }
    const int top = GetTopRecordIndex();
    if (top < 0 || top >= GetGridView()->GetViewData()->GetRecordCount()) return false;
    if (!FocusRowIndex(top) || GetFocusedRowIndex() != top) return false;
    if (TcxGridFilterRow* filterRow = ShownFilterRow(this)) filterRow->SetSelected(false);
    return true;
}

bool TcxGridTableController::CanAppend(bool checkOptions) const {
    return TcxCustomGridTableController::CanAppend(checkOptions) && !ShownNewItemRow(this);
}

bool TcxGridTableController::CanDelete(bool checkOptions) const {
    return TcxCustomGridTableController::CanDelete(checkOptions) && !IsSpecialRowFocused();
}

bool TcxGridTableController::CanEdit() const {
    return TcxCustomGridTableController::CanEdit() && !IsFilterRowFocused();
}

bool TcxGridTableController::CanInsert(bool checkOptions) const {
    return TcxCustomGridTableController::CanInsert(checkOptions) && !IsFilterRowFocused();
}

void TcxGridTableController::UnfocusView() {
    if (TcxGridFilterRow* filterRow = ShownFilterRow(this)) filterRow->SetSelected(false);
    if (IsNewItemRowRecordFocused()) GetDataController()->SetNewItemRowFocused(false);
    TcxCustomGridTableController::UnfocusView();
}

// ---- keys ----

bool TcxGridTableController::IsKeyForMultiSelect(std::uint16_t key, TShiftState shift, bool focusedRowChanged) const {
    if (TcxCustomGridTableController::IsKeyForMultiSelect(key, shift, focusedRowChanged)) return true;
    switch (key) {
    case VK_UP:
    case VK_DOWN: return true;
    case VK_HOME:
    case VK_END:
        return !(GetGridView()->GetOptionsSelection()->GetCellSelect() && FocusedRecordHasCells(false));
    default: return false;
    }
}

void TcxGridTableController::DoKeyDown(std::uint16_t& key, TShiftState shift) {
    std::unique_ptr<TcxGridListenerLink> link(GetGridView()->CreateListenerLink());
    switch (key) {
    case VK_PRIOR:
        if (EnterSpecialRowsUp()) return;
        if (IsSpecialRowFocused()) key = 0;
        break;
    case VK_NEXT:
        if (LeaveSpecialRowsDown()) return;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (FocusNextCell(key == VK_RIGHT, true, true)) return;
        break;
    default: break;
    }
    if (!link->GetGridView()) return;
    TcxCustomGridTableController::DoKeyDown(key, shift);
    if (!link->GetGridView()) return;
    const bool ctrl = (shift & ssCtrl) != 0;
    switch (key) {
    case VK_END:
        if (ctrl || !FocusedRecordHasCells(true))
            FocusLastRecord(false);
        else
            FocusNextItem(-1, false, true, false);
        break;
    case VK_HOME:
        if (ctrl || !FocusedRecordHasCells(true))
            FocusFirstRecord(false);
        else
            FocusNextItem(-1, true, false, false);
        break;
    case VK_LEFT: DoScroll(1); break;
    case VK_RIGHT: DoScroll(2); break;
    case VK_UP:
    case VK_DOWN: {
        const bool up = key == VK_UP;
        if (up ? EnterSpecialRowsUp() : LeaveSpecialRowsDown()) return;
        // Nothing stands above a focused special row but another one: the key goes no further.
        if (up && IsSpecialRowFocused()) {
            key = 0;
            return;
        }
        MoveFocus(GetFocusedRowIndex(), !up);
        if (!link->GetGridView()) return;
        if (!IsMultiSelect())
            if (TcxControl* site = GetSite()) site->Update();
        break;
    }
    default: break;
    }
}

} // namespace zorvy
