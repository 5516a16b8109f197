// Moving the focus, the bookmark and the selection as a view asks for them.
#include "controls/data/DataController.h"

#include <algorithm>

namespace zorvy {

// ---- focus ----

bool TcxCustomDataController::ChangeFocusedRowIndex(int rowIndex) {
    if (provider_->IsSyncMode() && rowIndex != GetFocusedRowIndex() && !CanLeaveRecord()) return false;
    // A detail's pending edit ends before its master record loses the focus.
    if (rowIndex != GetFocusedRowIndex()) CheckDetailsBrowseMode();
    BeginUpdate();
    try {
        info_->ChangeFocusedRow(rowIndex, false);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (provider_->IsSyncMode() && IsDetailFocusSynchronized() && GetFocusedRecordIndex() >= 0)
        SyncDetailFocus(GetFocusedRecordIndex());
    return true;
}

bool TcxCustomDataController::CanFocusRecord(int recordIndex) {
    if (!provider_->IsActive() && provider_->IsEditing() && recordIndex != provider_->GetEditingRecordIndex())
        Post();
    return true;
}

bool TcxCustomDataController::ChangeFocusedRecordIndex(int recordIndex) {
    if (recordIndex >= 0) CheckRecordIndex(recordIndex);
    int row = recordIndex < 0 ? -1 : info_->GetRowIndexByRecordIndex(recordIndex, true);
    return ChangeFocusedRowIndex(row);
}

void TcxCustomDataController::CheckFocusedRow() {
    if (GetFocusedRowIndex() < 0 && !IsNewItemRowActive()) ChangeFocusedRowIndex(0);
}

int TcxCustomDataController::GetProviderFocusedRecordIndex() const {
    if (provider_->IsActive() && provider_->IsSyncMode()) return provider_->GetFocusedRecordIndex();
    return GetFocusedRecordIndex();
}

void TcxCustomDataController::GotoFirst() {
    ChangeFocusedRowIndex(0);
}

void TcxCustomDataController::GotoLast() {
    ChangeFocusedRowIndex(GetRowCount() - 1);
}

void TcxCustomDataController::GotoNext() {
    ChangeFocusedRowIndex(GetFocusedRowIndex() + 1);
}

void TcxCustomDataController::GotoPrev() {
    ChangeFocusedRowIndex(std::max(GetFocusedRowIndex() - 1, 0));
}

void TcxCustomDataController::MoveBy(int distance) {
    ChangeFocusedRowIndex(std::max(GetFocusedRowIndex() + distance, 0));
}

bool TcxCustomDataController::IsBOF() const {
    return GetRowCount() == 0 || GetFocusedRowIndex() == 0;
}

bool TcxCustomDataController::IsEOF() const {
    return GetRowCount() == 0 || GetFocusedRowIndex() == GetRowCount() - 1;
}

void TcxCustomDataController::LockGridModeNotify() {
    ++gridModeNotifyLockCount_;
    provider_->BeginLocating();
}

void TcxCustomDataController::UnlockGridModeNotify() {
    provider_->EndLocating();
    --gridModeNotifyLockCount_;
}

// ---- rows ----

// A group row's item is the one grouped at its level; the new-item record (internal, never 0) has
// no group.
static bool IsGroupRowOf(const TcxCustomDataController& dc, const TcxDataRowInfo& rowInfo) {
    const int newItemRecord = dc.PeekNewItemRecordIndex();
    return rowInfo.Level < dc.GetGroupingItemCount() && (newItemRecord == 0 || rowInfo.RecordIndex != newItemRecord);
}

std::string TcxCustomDataController::GetRowDisplayText(const TcxDataRowInfo& rowInfo, int& itemIndex) const {
    if (IsGroupRowOf(*this, rowInfo)) itemIndex = GetGroupingField(rowInfo.Level)->GetIndex();
    return GetDisplayText(rowInfo.RecordIndex, itemIndex);
}

Variant TcxCustomDataController::GetRowValue(const TcxDataRowInfo& rowInfo, int itemIndex) const {
    if (IsGroupRowOf(*this, rowInfo)) itemIndex = GetGroupingField(rowInfo.Level)->GetIndex();
    return GetValue(rowInfo.RecordIndex, itemIndex);
}

void TcxCustomDataController::ForEachRow(bool selectedOnly,
                                         const std::function<void(int rowIndex, const TcxDataRowInfo&)>& proc) {
    if (selectedOnly) {
        for (int i = 0; i < GetSelectedCount(); ++i) {
            const int row = GetSelectedRowIndex(i);
            proc(row, GetRowInfo(row));
        }
        return;
    }
    for (int row = 0; row < GetRowCount(); ++row)
        proc(row, GetRowInfo(row));
}

int TcxCustomDataController::GetLastRowRecordIndex() const {
    return GetRowCount() > 0 ? GetRowInfo(GetRowCount() - 1).RecordIndex : -1;
}

// ---- bookmark ----

bool TcxCustomDataController::SetBookmark() {
    int record = GetFocusedRecordIndex();
    if (record == bookmarkRecordIndex_) return false;
    bookmarkRecordIndex_ = record;
    return true;
}

void TcxCustomDataController::GotoBookmark() {
    ChangeFocusedRecordIndex(bookmarkRecordIndex_);
}

bool TcxCustomDataController::IsBookmarkLost(int recordIndex) const {
    if (recordIndex != -1 && recordIndex == bookmarkRecordIndex_) return true;
    return GetFilteredIndexByRecordIndex(bookmarkRecordIndex_) < 0;
}

void TcxCustomDataController::CheckBookmark(int recordIndex) {
    if (IsBookmarkAvailable() && IsBookmarkLost(recordIndex)) {
        ClearBookmark();
        // From inside the row pipeline's update the notice goes out with the update's own.
        pendingChanges_ |= dccBookmark;
        if (!info_->IsCalculating()) ApplyChanges();
    }
}

bool TcxCustomDataController::IsBookmarkRow(int rowIndex) const {
    return IsBookmarkAvailable() && GetRowInfo(rowIndex).RecordIndex == bookmarkRecordIndex_;
}

void TcxCustomDataController::DoSetBookmark() {
    if (SetBookmark()) Change(dccBookmark);
}

void TcxCustomDataController::DoClearBookmark() {
    if (!IsBookmarkAvailable()) return;
    ClearBookmark();
    Change(dccBookmark);
}

void TcxCustomDataController::DoGotoBookmark() {
    if (IsBookmarkAvailable()) GotoBookmark();
}

// ---- selection ----
// With single selection only the focused row counts as selected, while focused-selected holds.

void TcxCustomDataController::SetMultiSelect(bool value) {
    if (multiSelect_ == value) return;
    multiSelect_ = value;
    focusedSelected_ = true;
    LockUpdate();
    try {
        if (!value)
            ClearSelection();
        else if (GetFocusedRowIndex() >= 0)
            info_->ChangeRowSelection(GetFocusedRowIndex(), true);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::SetFocusedSelected(bool value) {
    if (multiSelect_ || focusedSelected_ == value) return;
    focusedSelected_ = value;
    if (GetFocusedRowIndex() >= 0) Change(dccSelection);
}

void TcxCustomDataController::ChangeRowSelection(int rowIndex, bool select) {
    if (!multiSelect_) return;
    if (select && !info_->IsRowSelected(rowIndex) && !CanSelectRow(rowIndex)) return;
    info_->ChangeRowSelection(rowIndex, select);
}

int TcxCustomDataController::GetSelectedCount() const {
    if (multiSelect_) return info_->GetSelectedCount();
    return focusedSelected_ && GetFocusedRowIndex() >= 0 ? 1 : 0;
}

int TcxCustomDataController::GetSelectedRowIndex(int index) const {
    if (multiSelect_) return info_->GetSelectedRowIndex(index);
    return index == 0 && focusedSelected_ ? GetFocusedRowIndex() : -1;
}

bool TcxCustomDataController::IsRowSelected(int rowIndex) const {
    if (multiSelect_) return info_->IsRowSelected(rowIndex);
    return focusedSelected_ && rowIndex >= 0 && rowIndex == GetFocusedRowIndex();
}

void TcxCustomDataController::SetSelectionAnchor(int rowIndex) {
    info_->CheckRowIndex(rowIndex);
    info_->GetSelection().SetAnchorRowIndex(rowIndex);
}

void TcxCustomDataController::SelectAll() {
    if (GetRowCount() > 0) SelectRows(0, GetRowCount() - 1);
}

void TcxCustomDataController::SelectRows(int fromRow, int toRow) {
    if (!multiSelect_) return;
    if (fromRow > toRow) std::swap(fromRow, toRow);
    LockUpdate();
    try {
        for (int row = fromRow; row <= toRow; ++row)
            ChangeRowSelection(row, true);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::SelectFromAnchor(int rowIndex, bool keepSelection) {
    if (!HasSelectionAnchor()) return;
    // Clearing the selection drops the anchor: it is taken first and kept.
    const int anchor = GetSelectionAnchorRowIndex();
    LockUpdate();
    try {
        if (!keepSelection) {
            info_->ClearSelection();
            info_->GetSelection().SetAnchorRowIndex(anchor);
        }
        SelectRows(anchor, rowIndex);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::SelectFocusedRowOnly() {
    LockUpdate();
    try {
        ClearSelection();
        if (GetFocusedRowIndex() >= 0) ChangeRowSelection(GetFocusedRowIndex(), true);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::SyncSelectionWithFocus() {
    if (multiSelect_) SelectFocusedRowOnly();
}

bool TcxCustomDataController::FocusSelectedRow(int index) {
    int row = GetSelectedRowIndex(index);
    ChangeFocusedRowIndex(row);
    return row >= 0 && GetFocusedRowIndex() == row;
}

} // namespace zorvy
