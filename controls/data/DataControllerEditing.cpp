// Editing through the provider: which operations are allowed, the edit state, edit values, and
// posting and cancelling that survive what their handlers do.
#include "controls/data/DataController.h"

namespace zorvy {

void TcxCustomDataController::Edit() {
    if (provider_->CanModify()) provider_->Edit();
}

void TcxCustomDataController::Append() {
    if (provider_->CanAppend()) provider_->Append();
}

void TcxCustomDataController::Insert() {
    if (provider_->CanInsert()) provider_->Insert();
}

void TcxCustomDataController::Post() {
    TcxDataListenerLink* link = AddListenerLink();
    try {
        if (provider_->IsEditing()) provider_->Post();
    } catch (...) {
        if (link->Ref) provider_->ResetInsertedRecordIndex();
        RemoveListenerLink(link);
        throw;
    }
    if (link->Ref) provider_->ResetInsertedRecordIndex();
    RemoveListenerLink(link); // frees it also when a handler destroyed the controller
}

void TcxCustomDataController::Cancel() {
    if (inCancel_) return;
    inCancel_ = true;
    try {
        int row = GetFocusedRowIndex();
        if (provider_->IsEditing()) provider_->Cancel();
        if (row > GetRowCount() - 1) row = GetRowCount() - 1;
        if (!info_->IsCalculating()) ChangeFocusedRowIndex(row);
    } catch (...) {
        inCancel_ = false;
        throw;
    }
    inCancel_ = false;
}

void TcxCustomDataController::DeleteFocused() {
    const int row = GetFocusedRowIndex();
    if (row < 0 || !provider_->CanDelete()) return;
    if (GetRowInfo(row).Level >= GetGroupingItemCount()) {
        provider_->Delete();
        return;
    }
    std::vector<int> records;
    groups_.CollectRecordIndexesOfRow(records, row);
    try {
        provider_->BeforeDeleteFocused();
        provider_->DeleteRecords(std::move(records));
    } catch (...) {
        nearestRecordIndex_ = -1;
        throw;
    }
    nearestRecordIndex_ = -1;
}

void TcxCustomDataController::DeleteSelection() {
    if (GetSelectedCount() == 0 || !provider_->CanDelete()) return;
    if (IsSingleSelection())
        DeleteFocused();
    else
        provider_->DeleteSelection();
}

unsigned TcxCustomDataController::GetEditState() const {
    unsigned state = 0;
    if (provider_->IsInserting())
        state = dceInsert;
    else if (provider_->IsEditing())
        state = dceEdit;
    if (state == 0) return 0;
    if (provider_->IsChanging()) state |= dceChanging;
    if (provider_->IsModified()) state |= dceModified;
    return state;
}

unsigned TcxCustomDataController::GetEditOperations() const {
    unsigned operations = 0;
    if (provider_->CanAppend()) operations |= dceoAppend;
    if (provider_->CanDelete()) operations |= dceoDelete;
    if (provider_->CanModify()) operations |= dceoEdit;
    if (provider_->CanInsert()) operations |= dceoInsert;
    if (!provider_->IsActive() || provider_->IsSyncMode()) operations |= dceoShowEdit;
    return operations;
}

bool TcxCustomDataController::CanEditItem(int itemIndex) {
    CheckItemIndex(itemIndex);
    TcxCustomDataField* field = GetItemField(itemIndex);
    if (!provider_->CanModify() && !field->CanModify()) return false;
    if (!IsItemEditable(itemIndex)) return false;
    if (!field->ValueDefinition() && !IsProviderMode()) return false;
    return provider_->CanInitEditing(GetEditingRecordIndex());
}

bool TcxCustomDataController::SetEditValue(int itemIndex, const Variant& value, int kind) {
    if (!CanEditItem(itemIndex)) return false;
    bool stored = provider_->SetEditValue(GetEditingRecordIndex(), GetItemField(itemIndex), value, kind);
    if (stored && IsImmediatePost()) Post();
    return stored;
}

Variant TcxCustomDataController::GetEditValue(int itemIndex, int kind) {
    CheckItemIndex(itemIndex);
    if (useNewItemRowForEditing_ && IsNewItemRowActive() && !provider_->IsEditing()) return Variant::Null();
    Variant value;
    provider_->GetEditValue(GetEditingRecordIndex(), GetItemField(itemIndex), value, kind);
    return value;
}

int TcxCustomDataController::GetEditingRecordIndex() {
    return provider_->IsEditing() ? provider_->GetEditingRecordIndex() : GetRecordIndexToEdit();
}

int TcxCustomDataController::GetRecordIndexToEdit() {
    if (IsNewItemRowActive()) return GetNewItemRecordIndex();
    return GetFocusedRowIndex() < 0 ? cxNullEditingRecordIndex : GetFocusedRecordIndex();
}

} // namespace zorvy
