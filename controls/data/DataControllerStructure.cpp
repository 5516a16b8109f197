// Structure changes and reloads: a layout or activity change updates the items, which rebinds the
// fields and reloads the records where the structure may have changed; restructuring rebuilds the
// records for the current mode (unbound or provider).
#include "controls/data/DataController.h"

#include <algorithm>
#include <utility>

namespace zorvy {

void TcxCustomDataController::LayoutChanged(unsigned /*reasons*/) {
    UpdateItems(provider_->HasActiveSource());
    // Records that cannot be reloaded stay; the view still relays them.
    if (!CanUpdateStructure()) Change(dccLayout);
}

void TcxCustomDataController::ActiveChanged(bool active) {
    active_ = active;
    UpdateItems(provider_->HasActiveSource());
    CheckMasterDetails();
}

void TcxCustomDataController::UpdateItems(bool updateFields) {
    if (updatingItems_) return;
    updatingItems_ = true;
    // While locked the reload waits for the outermost unlock (ApplyChanges); records that
    // cannot be reloaded have nothing to wait for.
    if (IsUpdating() && CanUpdateStructure()) structureChanged_ = true;
    try {
        if (CanUpdateStructure()) UpdateStructure(updateFields);
    } catch (...) {
        updatingItems_ = false;
        throw;
    }
    updatingItems_ = false;
}

void TcxCustomDataController::UpdateStructure(bool updateFields) {
    BeginUpdate();
    try {
        if (CanUpdateStructure()) {
            if (updateFields || provider_->HasFieldStructure()) {
                if (updateFieldsCount_ > 0)
                    updateFieldsPending_ = true;
                else
                    UpdateFields();
            }
            if (!structureChanged_) ReloadData();
        }
        info_->RecordsChanged();
    } catch (...) {
        structureRecreated_ = false;
        EndUpdate();
        throw;
    }
    structureRecreated_ = false;
    EndUpdate();
}

void TcxCustomDataController::UpdateFields() {
    std::vector<TcxCustomDataField*> updated;
    bool restart = true;
    while (restart) {
        restart = false;
        fields_->FieldDestroyed = false;
        for (int i = 0; i < fields_->GetCount(); ++i) {
            TcxCustomDataField* field = fields_->GetItem(i);
            if (std::find(updated.begin(), updated.end(), field) != updated.end()) continue;
            updated.push_back(field);
            UpdateField(field);
            // The list changed under the walk: start over, skipping the fields done.
            if (fields_->FieldDestroyed) {
                restart = true;
                break;
            }
        }
    }
}

void TcxCustomDataController::EndUpdateFields() {
    if (--updateFieldsCount_ > 0) return;
    if (!std::exchange(updateFieldsPending_, false)) return;
    LayoutChanged(lcStructure);
}

void TcxCustomDataController::ReloadData() {
    BeginUpdate();
    BeginKeepingKeys();
    try {
        // A post appending the new-item row's record keeps its edit until the values moved over.
        if (!provider_->IsDataChangedLocked()) provider_->ResetEditing();
        storage_->Clear(true);
        if (provider_->HasActiveSource() && !IsPattern()) {
            provider_->LockNotifications();
            provider_->SavePos();
            try {
                provider_->LoadSourceRecords();
            } catch (...) {
                provider_->RestorePos();
                provider_->UnlockNotifications();
                throw;
            }
            StorageLoaded();
            provider_->RestorePos();
            provider_->UnlockNotifications();
            SyncFocusedRecord();
        }
        DataChanged(dcsAll, -1, -1);
        AfterDataChanged();
    } catch (...) {
        EndKeepingKeys();
        EndUpdate();
        throw;
    }
    EndKeepingKeys();
    EndUpdate();
}

void TcxCustomDataController::RestructData() {
    BeginUpdate();
    try {
        provider_->ResetEditing();
        // Entering provider mode, or leaving it (the handles field is still there).
        if (!IsUnboundMode() || recordHandlesField_) storage_->Clear(true);
        ClearBookmark();
        if (IsProviderMode()) {
            if (!recordHandlesField_) {
                recordHandlesField_ = AddInternalField();
                recordHandlesField_->ChangeValueType(&cxLargeIntValueType); // handles are pointer-sized
            }
        } else if (recordHandlesField_) {
            TcxCustomDataField* field = std::exchange(recordHandlesField_, nullptr);
            delete field;
        }
        DataChanged(dcsAll, -1, -1);
        structureRecreated_ = true;
        LayoutChanged(lcData);
    } catch (...) {
        structureRecreated_ = false;
        EndUpdate();
        throw;
    }
    EndUpdate();
}

} // namespace zorvy
