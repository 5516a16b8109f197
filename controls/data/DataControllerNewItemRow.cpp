// The new-item row: the row in which the user types a new record. It is backed by an internal
// record of the storage; posting it appends a real record with its values.
#include "controls/data/DataController.h"

namespace zorvy {

int TcxCustomDataController::GetNewItemRecordIndex() {
    if (newItemRecordIndex_ == 0) newItemRecordIndex_ = storage_->AllocInternalRecord();
    return newItemRecordIndex_;
}

bool TcxCustomDataController::IsNewItemRowActive() const {
    return newItemRowFocused_ && useNewItemRowForEditing_ && GetFocusedRecordIndex() == -1;
}

void TcxCustomDataController::SetNewItemRowFocused(bool value) {
    if (newItemRowFocused_ == value) return;
    FocusNewItemRow(value);
    if ((options_ & dcoInsertOnNewItemRowFocusing) && IsNewItemRowActive() && !provider_->IsInserting())
        Insert();
}

void TcxCustomDataController::FocusNewItemRow(bool value) {
    if (newItemRowFocused_ == value) return;
    LockUpdate();
    try {
        if (value)
            info_->ChangeFocusedRow(-1, false);
        else if (!IsDestroying() && provider_->IsEditing())
            Post();
        info_->MarkFocusStateChanged(true);
        newItemRowFocused_ = value;
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::SetUseNewItemRowForEditing(bool value) {
    if (useNewItemRowForEditing_ == value) return;
    LockUpdate();
    try {
        Cancel();
        ClearSelection();
        useNewItemRowForEditing_ = value;
        Change(dccData);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::FocusedRowMoved() {
    if (newItemRowFocused_) {
        newItemRowFocused_ = false;
        info_->MarkFocusStateChanged(true);
    }
    SyncProviderPosition();
    SetFocusedSelected(true);
}

void TcxCustomDataController::ResetNewItemRecord() {
    provider_->ForgetSavedRecord();
    newItemRecordIndex_ = 0;
}

} // namespace zorvy
