// Records loaded one at a time: the loading bracket, records appended from the provider or from a
// reader, copies of one record's values into another, and the notifier that hears of freed
// components.
#include "controls/data/DataController.h"

#include "controls/data/DataReaders.h"

namespace zorvy {

void TcxDataControllerNotifier::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && !(component == this && HasState(csDestroying)))
        dataController_->RemoveNotification(component);
}

void TcxCustomDataController::BeginLoad() {
    provider_->LockNotifications();
    provider_->SavePos();
    storage_->StartLoading();
}

void TcxCustomDataController::EndLoad() {
    storage_->FinishLoading();
    provider_->RestorePos();
    provider_->UnlockNotifications();
    SyncFocusedRecord();
    DoRefresh();
}

int TcxCustomDataController::LoadRecords() {
    const bool wasSmartLoad = inSmartLoad_;
    inSmartLoad_ = true;
    int record = -1;
    try {
        if (IsProviderMode()) {
            record = provider_->StoreRecordHandle(provider_->SourceAppendRecordHandle());
            if (record >= 0) DataChanged(dcsRecordsAdded, -1, -1);
        } else {
            std::unique_ptr<TcxValueDefReader> reader = provider_->CreateValueDefReader();
            record = AppendRecordFromReader(*reader);
        }
    } catch (...) {
        inSmartLoad_ = wasSmartLoad;
        throw;
    }
    inSmartLoad_ = wasSmartLoad;
    return record;
}

int TcxCustomDataController::AppendRecordFromReader(TcxValueDefReader& reader) {
    if (IsProviderMode()) {
        int record = provider_->StoreRecordHandle(provider_->SourceAppendRecordHandle());
        if (record < 0) return record;
        for (int i = 0; i < GetItemCount(); ++i) {
            TcxCustomDataField* field = fields_->GetItem(i);
            TcxValueDef* def = field->ValueDefinition();
            if (!def || reader.SkipsValueDef(def)) continue;
            Variant value;
            reader.ReadValue(def, value);
            provider_->SetSourceValue(record, field, value);
        }
        DataChanged(dcsRecordsAdded, -1, -1);
        return record;
    }
    int record = storage_->AddStorageRecord();
    storage_->FillRecord(record, reader);
    SyncSavedPosition(record);
    DataChanged(dcsRecordsAdded, -1, -1);
    return record;
}

void TcxCustomDataController::ReadRecordValues(int sourceRecord, int destRecord) {
    if (IsProviderMode() && destRecord >= 0) {
        // The source keeps the values of its records.
        for (int i = 0; i < storage_->GetValueDefs().GetCount(); ++i)
            ReadStoredValue(storage_->GetValueDefs().GetItem(i), sourceRecord, destRecord);
    } else {
        TcxValueDefRecordReader reader(this, sourceRecord);
        storage_->FillRecord(destRecord, reader);
    }
    if (destRecord >= 0) DataChanged(dcsRecord, -1, -1);
}

void TcxCustomDataController::ReadStoredValue(TcxValueDef* def, int sourceRecord, int destRecord) {
    auto* field = static_cast<TcxCustomDataField*>(def->GetLink());
    if (field->IsInternal()) return;
    provider_->SetSourceValue(destRecord, field, storage_->GetValue(sourceRecord, def));
}

} // namespace zorvy
