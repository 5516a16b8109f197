// The data controller's construction, items and fields, index checks, records and values, and
// Assign. The change protocol is in DataControllerChanges.cpp; sorting, grouping, comparison and
// editing in DataControllerSorting.cpp.
#include "controls/data/DataController.h"

#include "controls/data/DataResources.h"
#include "platform/rtl/Components.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

TcxCustomDataController::TcxCustomDataController(TComponent* owner)
    : owner_(owner), storage_(std::make_unique<TcxDataStorage>()),
      fields_(std::make_unique<TcxCustomDataFieldList>(this)) {
    provider_ = CreateProvider();
    info_ = std::make_unique<TcxCustomDataControllerInfo>(this);
    filter_ = std::make_unique<TcxDataFilterCriteria>(this);
    summary_ = std::make_unique<TcxDataSummary>(this);
    storage_->SetKeepsRecordIds(UsesRecordIds());
    storage_->OnInternalRecordsCleared = [this] { ResetNewItemRecord(); };
    notifier_ = std::make_unique<TcxDataControllerNotifier>(this);
}

TcxCustomDataController::~TcxCustomDataController() {
    destroying_ = true;
    // Links outlive the controller: their holders learn it is gone and free them.
    for (auto& link : listenerLinks_) {
        link->Ref = nullptr;
        static_cast<void>(link.release());
    }
    // A pattern leaves its relation; a clone leaves its master alone (the master may be going
    // first, freeing its clones with its records).
    if (GetDetailMode() == dcdmPattern && masterRelation_ && masterRelation_->DetailDataController == this)
        masterRelation_->DetailDataController = nullptr;
    notifier_.reset();
    provider_->SetCustomDataSource(nullptr);
    OnUpdateControl = nullptr;
    ++lockCount_;
    info_->LockRecalculation();
    provider_->ResetEditing();
    relations_.reset();
    filter_.reset();
    filterList_.FreeAll();
    summary_.reset();
    storage_->Clear(false);
    fields_->Clear();
}

std::unique_ptr<TcxDataFilterCriteria> TcxCustomDataController::CreateFilterCriteria() {
    return std::make_unique<TcxDataFilterCriteria>(this);
}

TcxDataFilterCriteria* TcxCustomDataController::CreateFilter() {
    TcxDataFilterCriteria* criteria = CreateFilterCriteria().release();
    filterList_.Add(criteria);
    return criteria;
}

std::unique_ptr<TcxCustomDataProvider> TcxCustomDataController::CreateProvider() {
    return std::make_unique<TcxCustomDataProvider>(this);
}

TPersistent* TcxCustomDataController::GetOwner() const {
    return owner_;
}

void TcxCustomDataController::SetOptions(TcxDataControllerOptions value) {
    if (options_ == value) return;
    options_ = value;
    DoRefresh();
}

// ---- items and fields ----

TcxCustomDataField* TcxCustomDataController::AddField() {
    auto* field = new TcxCustomDataField(fields_.get());
    fields_->Add(field);
    return field;
}

TcxCustomDataField* TcxCustomDataController::AddInternalField() {
    auto* field = new TcxCustomDataField(fields_.get());
    field->MarkInternal(true);
    fields_->Add(field);
    return field;
}

TcxCustomDataField* TcxCustomDataController::AddItem(TObject* item) {
    if (item && fields_->FindByItem(item)) RaiseDataControllerError(cxSDataItemExistError);
    TcxCustomDataField* field = AddField();
    field->SetItem(item);
    return field;
}

void TcxCustomDataController::RemoveItem(TObject* item) {
    TcxCustomDataField* field = fields_->FindByItem(item);
    if (!field) return;
    BeginUpdate();
    info_->RemoveField(field);
    delete field;
    EndUpdate();
}

TObject* TcxCustomDataController::GetItem(int itemIndex) const {
    return GetItemField(itemIndex)->GetItem();
}

TcxCustomDataField* TcxCustomDataController::GetItemField(int itemIndex) const {
    CheckItemIndex(itemIndex);
    return fields_->GetItem(itemIndex);
}

void TcxCustomDataController::UpdateItemIndexes() {
    for (int i = 0; i < GetItemCount(); ++i) {
        TcxCustomDataField* field = fields_->FindByItem(GetItem(i));
        int index = field ? field->GetIndex() : -1;
        if (index >= 0 && index != i) fields_->Move(index, i);
    }
    Change(dccLayout);
}

TcxValueTypeClass TcxCustomDataController::GetItemValueTypeClass(int itemIndex) const {
    return GetItemField(itemIndex)->ValueTypeOf();
}

void TcxCustomDataController::ChangeValueTypeClass(int itemIndex, TcxValueTypeClass valueType) {
    TcxCustomDataField* field = GetItemField(itemIndex);
    if (field->ValueTypeOf() == valueType) return;
    field->ChangeValueType(valueType);
    if (IsProviderMode()) RestructData();
    info_->FieldChanged(field);
    ItemFieldChanged(itemIndex);
}

bool TcxCustomDataController::GetItemTextStored(int itemIndex) const {
    return GetItemField(itemIndex)->StoresText();
}

void TcxCustomDataController::ChangeItemTextStored(int itemIndex, bool value) {
    TcxCustomDataField* field = GetItemField(itemIndex);
    if (field->StoresText() == value) return;
    field->ChangeTextStoring(value);
    info_->FieldChanged(field);
}

void TcxCustomDataController::ChangeItemCustomCompare(int itemIndex, bool value) {
    TcxCustomDataField* field = GetItemField(itemIndex);
    if (field->CustomCompare == value) return;
    field->CustomCompare = value;
    info_->FieldChanged(field);
}

void TcxCustomDataController::RemoveFieldReferences(TcxCustomDataField* field) {
    if (field == recordHandlesField_) recordHandlesField_ = nullptr;
    if (relations_) relations_->DropDataField(field);
    if (search_) search_->DropField(field);
    if (field == incrementalFilterField_) ResetIncrementalFilter();
    if (filter_ && field->GetItem()) filter_->RemoveItemsOfLink(field->GetItem());
    if (field->GetItem()) filterList_.RemoveItemLink(field->GetItem());
    if (summary_) summary_->UnlinkField(field);
    if (field == sortingBySummaryField_) sortingBySummaryField_ = nullptr;
    if (!destroying_) info_->RemoveField(field);
}

void TcxCustomDataController::RemoveNotification(TComponent* component) {
    fields_->NotifyComponentRemoved(component);
}

TcxCustomDataRelationList& TcxCustomDataController::GetRelations() {
    if (!relations_) relations_ = std::make_unique<TcxCustomDataRelationList>(this);
    return *relations_;
}

std::string TcxCustomDataController::GetItemName(TObject* item) const {
    auto* component = dynamic_cast<TComponent*>(item);
    return component ? component->GetName() : std::string();
}

TObject* TcxCustomDataController::FindItemByID(int id) const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (GetItemID(GetItem(i)) == id) return GetItem(i);
    return nullptr;
}

TObject* TcxCustomDataController::FindItemByName(const std::string& name) const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (AnsiSameText(GetItemName(GetItem(i)), name)) return GetItem(i);
    return nullptr;
}

// ---- index checks ----

void TcxCustomDataController::CheckItemIndex(int itemIndex) const {
    if (itemIndex < 0 || itemIndex >= GetItemCount()) RaiseDataControllerError(cxSDataItemIndexError);
}

void TcxCustomDataController::CheckRecordIndex(int recordIndex) const {
    if (recordIndex >= 0 && recordIndex < GetRecordCount()) return;
    int saved = provider_->GetSavedRecordIndex();
    if (saved != 0 && recordIndex == saved) return;
    if (newItemRecordIndex_ != 0 && recordIndex == newItemRecordIndex_) return;
    RaiseDataControllerError(cxSDataRecordIndexError);
}

void TcxCustomDataController::CheckIndexes(int recordIndex, int itemIndex) const {
    CheckRecordIndex(recordIndex);
    CheckItemIndex(itemIndex);
}

// ---- records and values ----

void TcxCustomDataController::SetRecordCount(int count) {
    count = std::max(count, 0);
    int old = GetRecordCount();
    if (count == old) return;
    if (IsProviderMode()) {
        provider_->SourceSetRecordCount(count);
        return;
    }
    if (provider_->IsEditing() && provider_->GetEditingRecordIndex() >= count)
        provider_->ForgetEditingRecord();
    storage_->ResizeStorageRecords(count);
    if (count < old) info_->DropSelectionBeyondCount(); // the bookmark is checked by the update
    DataChanged(count > old ? dcsRecordsAdded : dcsRecordsRemoved, -1, -1);
}

int TcxCustomDataController::AppendRecord() {
    if (IsProviderMode()) return provider_->SourceAppendRecord();
    int record = storage_->AddStorageRecord();
    DataChanged(dcsRecordsAdded, -1, -1);
    return record;
}

int TcxCustomDataController::InsertRecord(int recordIndex) {
    if (recordIndex < 0 || recordIndex > GetRecordCount()) RaiseDataControllerError(cxSDataRecordIndexError);
    if (IsProviderMode()) return provider_->SourceInsertRecord(recordIndex);
    storage_->InsertStorageRecord(recordIndex);
    if (bookmarkRecordIndex_ >= recordIndex) ++bookmarkRecordIndex_; // it stays on its record
    RecordInserted(recordIndex);
    DataChanged(dcsRecordsAdded, -1, -1);
    return recordIndex;
}

void TcxCustomDataController::DeleteRecord(int recordIndex) {
    CheckRecordIndex(recordIndex);
    if (provider_->IsEditing() && provider_->GetEditingRecordIndex() == recordIndex)
        provider_->ForgetEditingRecord();
    if (recordIndex < 0) {
        // An internal record: its slot is freed and no row moves.
        if (recordIndex == newItemRecordIndex_) newItemRecordIndex_ = 0;
        if (recordIndex == provider_->GetSavedRecordIndex()) provider_->ForgetSavedRecord();
        storage_->RemoveStorageRecord(recordIndex);
        return;
    }
    if (IsProviderMode() && recordIndex >= 0) {
        provider_->SourceDeleteRecord(recordIndex);
        return;
    }
    storage_->RemoveStorageRecord(recordIndex);
    // The bookmark stays on its record, or goes with it.
    if (bookmarkRecordIndex_ == recordIndex) {
        ClearBookmark();
        pendingChanges_ |= dccBookmark;
    } else if (bookmarkRecordIndex_ > recordIndex) {
        --bookmarkRecordIndex_;
    }
    RecordDeleted(recordIndex);
    DataChanged(dcsRecordsRemoved, -1, -1);
}

Variant TcxCustomDataController::GetValue(int recordIndex, int itemIndex) const {
    CheckIndexes(recordIndex, itemIndex);
    return GetFieldValue(recordIndex, fields_->GetItem(itemIndex));
}

// Grid mode's records are a buffer of the dataset's rows: values are not set in it.
void TcxCustomDataController::SetValue(int recordIndex, int itemIndex, const Variant& value) {
    if (IsGridMode()) return;
    CheckIndexes(recordIndex, itemIndex);
    TcxCustomDataField* field = fields_->GetItem(itemIndex);
    if (IsProviderMode() && recordIndex >= 0 && FieldHasProviderData(field)) {
        provider_->SetSourceValue(recordIndex, field, value);
    } else {
        TcxValueDef* def = field->ValueDefinition();
        if (!def) return;
        storage_->SetValue(recordIndex, def, value);
    }
    DataChanged(dcsValue, itemIndex, recordIndex);
}

std::string TcxCustomDataController::GetDisplayText(int recordIndex, int itemIndex) const {
    CheckIndexes(recordIndex, itemIndex);
    return GetFieldDisplayText(recordIndex, fields_->GetItem(itemIndex));
}

void TcxCustomDataController::SetDisplayText(int recordIndex, int itemIndex, const std::string& text) {
    if (IsGridMode()) return;
    CheckIndexes(recordIndex, itemIndex);
    TcxCustomDataField* field = fields_->GetItem(itemIndex);
    if (IsProviderMode() && recordIndex >= 0 && FieldHasProviderData(field)) {
        provider_->SetDisplayText(recordIndex, field, text);
    } else {
        TcxValueDef* def = field->ValueDefinition();
        if (!def) return;
        storage_->SetDisplayText(recordIndex, def, text);
    }
    DataChanged(dcsValue, itemIndex, recordIndex);
}

Variant TcxCustomDataController::GetFieldValue(int recordIndex, TcxCustomDataField* field) const {
    if (recordIndex >= 0 && IsProviderMode() && FieldHasProviderData(field)) {
        Variant value;
        provider_->GetValue(recordIndex, field, value);
        return value;
    }
    if (IsGridMode() && FieldHasProviderData(field)) {
        Variant value;
        provider_->GetBufferValue(recordIndex, field, value);
        return value;
    }
    TcxValueDef* def = field->ValueDefinition();
    return def ? storage_->GetValue(recordIndex, def) : Variant::Null();
}

std::string TcxCustomDataController::GetFieldDisplayText(int recordIndex, TcxCustomDataField* field) const {
    std::string text;
    if (recordIndex >= 0 && IsProviderMode() && FieldHasProviderData(field)) {
        provider_->GetDisplayText(recordIndex, field, text);
        return text;
    }
    if (IsGridMode() && FieldHasProviderData(field))
        provider_->GetBufferDisplayText(recordIndex, field, text);
    else if (TcxValueDef* def = field->ValueDefinition())
        storage_->GetDisplayText(recordIndex, def, text);
    return text;
}

Variant TcxCustomDataController::GetRecordId(int recordIndex) const {
    if (recordIndex < 0 || recordIndex >= GetRecordCount()) RaiseDataControllerError(cxSDataRecordIndexError);
    if (storage_->GetKeepsRecordIds()) return Variant(storage_->GetRecordId(recordIndex));
    Variant id = Variant::Null();
    if (IsProviderMode() && provider_->SupportsRecordIds()) provider_->GetRecordId(recordIndex, id);
    return id;
}

void TcxCustomDataController::FocusNearestRecord() {
    int record = nearestRecordIndex_;
    nearestRecordIndex_ = -1;
    if (record >= GetRecordCount()) record = -1;
    if (record < 0 && GetFocusedRecordIndex() < 0 && GetRowCount() > 0)
        record = info_->GetRowInfo(GetRowCount() - 1).RecordIndex;
    if (record >= 0) SetFocusedRecordIndex(record);
}

// ---- provider mode ----

bool TcxCustomDataController::FieldHasProviderData(TcxCustomDataField* field) const {
    if (!field->IsInternal()) return true;
    TcxCustomDataField* reference = field->GetReferenceField();
    return reference && !reference->IsInternal();
}

bool TcxCustomDataController::IsDestroying() const {
    return destroying_ || (owner_ && owner_->HasState(csDestroying));
}

bool TcxCustomDataController::UpdateLoadAllNeeded() {
    const bool needed = info_->GetGrouping().GetCount() > 0;
    if (provider_->IsLoadAllNeeded() == needed) return false;
    const bool gridMode = IsGridMode();
    provider_->SetLoadAllNeeded(needed);
    if (IsGridMode() == gridMode) return false;
    RestructData();
    return true;
}

void TcxCustomDataController::BeginKeepingKeys() {
    if (keepKeysCount_++ > 0) return;
    keepKeys_ = std::make_unique<TcxSaveObject>();
    keepKeys_->Save(this);
}

void TcxCustomDataController::EndKeepingKeys() {
    if (--keepKeysCount_ > 0) return;
    std::unique_ptr<TcxSaveObject> keys = std::move(keepKeys_);
    keys->Restore(this);
}

int TcxCustomDataController::AppendRecordHandle(TcxDataRecordHandle handle) {
    int record = storage_->AddStorageRecord();
    if (recordHandlesField_)
        storage_->SetValue(record, recordHandlesField_->ValueDefinition(),
                           Variant::FromInt64(reinterpret_cast<intptr_t>(handle)));
    return record;
}

TcxDataRecordHandle TcxCustomDataController::GetRecordHandle(int recordIndex) const {
    if (!recordHandlesField_ || recordIndex < 0) return nullptr;
    Variant value = storage_->GetValue(recordIndex, recordHandlesField_->ValueDefinition());
    return value.IsNull() ? nullptr
                          : reinterpret_cast<TcxDataRecordHandle>(static_cast<intptr_t>(value.AsInt64()));
}

Variant TcxCustomDataController::GetFieldListValues(int recordIndex,
                                                    const std::vector<TcxCustomDataField*>& fields) const {
    if (fields.empty()) {
        Variant id = Variant::Null();
        if (IsProviderMode() && recordIndex >= 0) provider_->GetRecordId(recordIndex, id);
        return id;
    }
    if (fields.size() == 1) return GetFieldValue(recordIndex, fields[0]);
    Variant values = VarArrayCreate({{0, static_cast<int>(fields.size()) - 1}}, varVariant);
    for (size_t i = 0; i < fields.size(); ++i)
        values[static_cast<int>(i)] = GetFieldValue(recordIndex, fields[i]);
    return values;
}

std::vector<Variant> TcxCustomDataController::GetGroupValues(int recordIndex) const {
    const TcxGroupingFieldList& grouping = info_->GetGrouping();
    std::vector<Variant> values(static_cast<size_t>(grouping.GetCount()), Variant::Null());
    if (recordIndex >= 0 && recordIndex < GetRecordCount())
        for (int level = 0; level < grouping.GetCount(); ++level)
            values[static_cast<size_t>(level)] = GetGroupValue(recordIndex, grouping.GetItem(level).Field);
    return values;
}

// ---- change protocol ----

void TcxCustomDataController::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomDataController*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    OnAfterCancel = other->OnAfterCancel;
    OnAfterInsert = other->OnAfterInsert;
    OnAfterPost = other->OnAfterPost;
    OnBeforeCancel = other->OnBeforeCancel;
    OnBeforeInsert = other->OnBeforeInsert;
    OnBeforePost = other->OnBeforePost;
    OnAfterDelete = other->OnAfterDelete;
    OnBeforeDelete = other->OnBeforeDelete;
    OnNewRecord = other->OnNewRecord;
    OnCompare = other->OnCompare;
    OnDataChanged = other->OnDataChanged;
    OnGroupingChanged = other->OnGroupingChanged;
    OnSortingChanged = other->OnSortingChanged;
    OnRecordChanged = other->OnRecordChanged;
    OnDetailExpanding = other->OnDetailExpanding;
    OnDetailCollapsing = other->OnDetailCollapsing;
    OnDetailExpanded = other->OnDetailExpanded;
    OnDetailCollapsed = other->OnDetailCollapsed;
    SetOnFilterRecord(other->OnFilterRecord);
    SetOptions(other->options_);
    filter_->Assign(other->filter_.get());
    summary_->Assign(other->summary_.get());
}

void TcxCustomDataController::SetOnFilterRecord(TcxDataFilterRecordEvent handler) {
    bool changed = static_cast<bool>(handler) != static_cast<bool>(OnFilterRecord) || handler;
    OnFilterRecord = std::move(handler);
    if (changed) FilterChanged();
}

} // namespace zorvy
