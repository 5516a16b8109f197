// The change protocol: change kinds and the pending data change collect while the controller is
// locked and are dispatched as notices and events, in a fixed order, at the outermost unlock.
#include "controls/data/DataController.h"

#include "platform/rtl/Components.h"

#include <algorithm>
#include <utility>

namespace zorvy {

void TcxCustomDataController::LockUpdate() {
    ++lockCount_;
    info_->LockRecalculation();
}

void TcxCustomDataController::UnlockUpdate() {
    info_->UnlockRecalculation();
    --lockCount_;
    ApplyChanges();
}

void TcxCustomDataController::Change(TcxDataControllerChanges changes) {
    pendingChanges_ |= changes;
    ApplyChanges();
}

void TcxCustomDataController::ApplyChanges() {
    // Kinds added while a dispatch runs go out in a later round of the same loop.
    // Nor while the row pipeline recalculates: its own report comes at the end.
    if (dispatching_ || info_->IsCalculating()) return;
    while (lockCount_ == 0 && !destroying_) {
        DoBeforeChangesDispatch();
        if (pendingChanges_ == 0) return;
        // A structure change made while locked reloads now.
        if (std::exchange(structureChanged_, false)) LayoutChanged(lcStructure);
        dispatching_ = true;
        try {
            DispatchChanges();
        } catch (...) {
            dispatching_ = false;
            throw;
        }
        dispatching_ = false;
    }
}

void TcxCustomDataController::DispatchChanges() {
    const TcxDataControllerChanges changes = pendingChanges_;
    pendingChanges_ = 0;
    if (changes & dccData) {
        NotifyDataChanged();
    } else if (changes & (dccLayout | dccDetails | dccSummary)) {
        TcxLayoutChangedInfo info;
        NotifyControl(info);
    } else if (changes & dccUpdateRecord) {
        TcxUpdateRecordInfo info(GetFocusedRecordIndex());
        NotifyControl(info);
        CancelSearch();
    }
    if (changes & dccFocus) NotifyFocusChanged();
    if (changes & dccSelection) NotifySelectionChanged();
    if (changes & dccSearch) {
        TcxSearchChangedInfo info;
        NotifyControl(info);
    }
    if (changes & dccBookmark) {
        TcxBookmarkChangedInfo info;
        NotifyControl(info);
    }
    if ((changes & dccGrouping) && !IsLoading() && OnGroupingChanged) OnGroupingChanged(this);
    if ((changes & dccSorting) && !IsLoading() && !inSortingChanged_ && OnSortingChanged) {
        inSortingChanged_ = true;
        try {
            OnSortingChanged(this);
        } catch (...) {
            inSortingChanged_ = false;
            throw;
        }
        inSortingChanged_ = false;
    }
    if ((changes & dccMasterSync) && GetDetailMode() == dcdmClone)
        if (TcxCustomDataController* pattern = GetPatternDataController()) pattern->SyncFocusedRecord();
}

void TcxCustomDataController::NotifyControl(TcxUpdateControlInfo& info) {
    if (!OnUpdateControl) return;
    const bool wasNotifying = std::exchange(inNotifyControl_, true);
    try {
        OnUpdateControl(info);
    } catch (...) {
        inNotifyControl_ = wasNotifying;
        throw;
    }
    inNotifyControl_ = wasNotifying;
}

void TcxCustomDataController::CancelSearch() {
    if (search_ && search_->Reset()) pendingChanges_ |= dccSearch;
}

// ---- data changes ----

// -1 names no record, unless it is the new-item record being edited in a change still pending.
bool TcxCustomDataController::NamesRecord(int recordIndex) const {
    return recordIndex != -1 ||
           (dataChangePending_ && useNewItemRowForEditing_ && newItemRecordIndex_ == recordIndex);
}

void TcxCustomDataController::DataChanged(TcxDataChangeScope scope, int itemIndex, int recordIndex) {
    if (destroying_) return;
    PendingDataChange& pending = pendingDataChange_;
    if (NamesRecord(pending.RecordIndex) && recordIndex != pending.RecordIndex) {
        pending.Scope = dcsAll;
    } else if (dataChangePending_ && pending.Scope >= dcsRecordsAdded && scope != pending.Scope) {
        // Records added or removed, or everything, stay reported as such: a value changed
        // afterwards does not narrow them to one record.
        pending.Scope = dcsAll;
    } else if (scope != dcsValue || pending.ItemIndex == -1 || itemIndex == pending.ItemIndex) {
        pending.Scope = scope;
    } else {
        pending.Scope = dcsRecord;
        itemIndex = -1;
    }
    pending.ItemIndex = itemIndex;
    pending.RecordIndex = recordIndex;
    dataChangePending_ = true;
    if (scope == dcsRecordsAdded || scope == dcsRecordsRemoved) info_->MarkFocusStateChanged();
    info_->RecordsChanged();
    // A detail's records changed: its master asks again whether its details have any.
    CheckMasterDetails();
}

void TcxCustomDataController::NotifyDataChanged() {
    PendingDataChange change = pendingDataChange_;
    if (change.Scope == dcsValue && change.ItemIndex == -1) change.Scope = dcsRecord;
    if (change.Scope < dcsRecordsAdded && !NamesRecord(change.RecordIndex)) change.Scope = dcsAll;
    pendingDataChange_.Scope = change.Scope;
    try {
        TcxDataChangedInfo info(change.Scope, change.ItemIndex, change.RecordIndex);
        NotifyControl(info);
        DoDataChanged();
    } catch (...) {
        pendingDataChange_ = PendingDataChange();
        dataChangePending_ = false;
        throw;
    }
    pendingDataChange_ = PendingDataChange();
    dataChangePending_ = false;
}

void TcxCustomDataController::DoDataChanged() {
    if (IsDestroying()) return;
    if (!OnDataChanged && !OnRecordChanged && dataChangedListeners_.empty()) return;
    if (IsLoading()) {
        dataChangedPending_ = true;
        return;
    }
    dataChangedPending_ = false;
    const PendingDataChange& change = pendingDataChange_;
    if (!IsPattern() && (change.Scope == dcsValue || change.Scope == dcsRecord) && NamesRecord(change.RecordIndex) &&
        OnRecordChanged)
        OnRecordChanged(this, change.RecordIndex, change.ItemIndex);
    if (OnDataChanged) OnDataChanged(this);
    // A copy: a listener may remove itself.
    const std::vector<DataChangedListener> listeners = dataChangedListeners_;
    for (const DataChangedListener& listener : listeners)
        if (listener.Handler) listener.Handler(this);
}

void TcxCustomDataController::DoRefresh() {
    LockUpdate();
    try {
        info_->RecordsChanged();
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

bool TcxCustomDataController::IsLoading() const {
    return owner_ && owner_->HasState(csLoading);
}

void TcxCustomDataController::Loaded() {
    if (dataChangedPending_) {
        pendingDataChange_ = PendingDataChange();
        DoDataChanged();
    }
    summary_->FirePendingAfterSummary();
}

// ---- focus and selection notices ----

void TcxCustomDataController::NotifyFocusChanged() {
    const int row = info_->GetFocusedRowIndex(), prevRow = info_->GetPrevFocusedRowIndex();
    const int record = info_->GetFocusedRecordIndex(), prevRecord = info_->GetPrevFocusedRecordIndex();
    if (row != prevRow) {
        TcxFocusedRowChangedInfo info(row, prevRow);
        NotifyControl(info);
    }
    const bool newItemRowChanged = info_->GetNewItemRowFocusingChanged();
    if (prevRecord >= 0 || record >= 0 || newItemRowChanged) {
        TcxFocusedRecordChangedInfo info(prevRecord, record, row, prevRow, newItemRowChanged);
        NotifyControl(info);
        CancelSearch();
    }
    info_->FocusNotified();
}

void TcxCustomDataController::NotifySelectionChanged() {
    SelectionInfo current = selection_;
    current.Count = GetSelectedCount();
    if (current.Count == 1)
        current.RowIndex = GetSelectedRowIndex(0);
    else if (current.Count == 0)
        current.RowIndex = -1;
    selection_ = current;
    const SelectionInfo prev = prevSelection_;
    prevSelection_ = current;
    if (current.Count <= 1 && prev.Count <= 1) {
        // One row before and after: the view repaints only those two.
        TcxSelectionChangedInfo info(prev.RowIndex, current.RowIndex);
        NotifyControl(info);
    } else {
        TcxSelectionChangedInfo info;
        NotifyControl(info);
    }
}

void TcxCustomDataController::CheckPrevSelectionInfo() {
    if (prevSelection_.Count != 1) return;
    prevSelection_.Count = GetSelectedCount();
    prevSelection_.RowIndex = prevSelection_.Count == 1 ? GetSelectedRowIndex(0) : -1;
}

// ---- listeners ----

void TcxCustomDataController::AddDataChangedListener(TObject* object, TNotifyEvent handler) {
    dataChangedListeners_.push_back({object, std::move(handler)});
}

void TcxCustomDataController::RemoveDataChangedListener(TObject* object) {
    auto it = std::find_if(dataChangedListeners_.begin(), dataChangedListeners_.end(),
                           [&](const DataChangedListener& l) { return l.Object == object; });
    if (it != dataChangedListeners_.end()) dataChangedListeners_.erase(it);
}

TcxDataListenerLink* TcxCustomDataController::AddListenerLink() {
    listenerLinks_.push_back(std::make_unique<TcxDataListenerLink>(this));
    return listenerLinks_.back().get();
}

void TcxCustomDataController::RemoveListenerLink(TcxDataListenerLink* link) {
    TcxCustomDataController* controller = link->Ref;
    if (!controller) {
        delete link; // the controller is gone and let go of it
        return;
    }
    auto& links = controller->listenerLinks_;
    links.erase(std::remove_if(links.begin(), links.end(), [&](const auto& l) { return l.get() == link; }),
                links.end());
}

} // namespace zorvy
