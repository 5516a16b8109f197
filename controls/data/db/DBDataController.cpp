#include "controls/data/db/DBDataController.h"

#include "controls/data/db/DBDataSummary.h"

#include "controls/data/Variants.h"
#include "controls/data/db/DBFieldFunctions.h"
#include "controls/data/db/DBMasterDetail.h"
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(cxSDBKeyFieldNotFound, "Key Field not found");
ZORVY_RESOURCESTRING(cxSDBDetailFilterControllerNotFound, "DetailFilterController not found");

// ---- data mode ----

void TcxDBDataModeController::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDBDataModeController*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    detailInSQLMode_ = other->detailInSQLMode_;
    detailInSyncMode_ = other->detailInSyncMode_;
    SetGridMode(other->gridMode_);
    SetGridModeBufferCount(other->gridModeBufferCount_);
    SetSmartRefresh(other->smartRefresh_);
    syncInsert_ = other->syncInsert_;
    SetSyncMode(other->syncMode_);
    OnDetailFirst = other->OnDetailFirst;
    OnDetailIsCurrentQuery = other->OnDetailIsCurrentQuery;
}

void TcxDBDataModeController::SetGridMode(bool value) {
    if (gridMode_ == value) return;
    gridMode_ = value;
    if (dataController_->GetDBProvider().IsActive()) dataController_->ReloadData();
}

void TcxDBDataModeController::SetGridModeBufferCount(int value) {
    value = value < 0 ? 0 : value;
    if (gridModeBufferCount_ == value) return;
    gridModeBufferCount_ = value;
    if (dataController_->IsGridMode() && dataController_->GetDBProvider().IsActive()) dataController_->ReloadData();
}

void TcxDBDataModeController::SetSmartRefresh(bool value) {
    if (smartRefresh_ == value) return;
    smartRefresh_ = value;
    if (!dataController_->IsGridMode() && dataController_->GetDBProvider().IsActive())
        dataController_->GetDBProvider().DataScrolled(0);
}

void TcxDBDataModeController::SetSyncMode(bool value) {
    if (syncMode_ == value) return;
    syncMode_ = value;
    if (dataController_->GetDBProvider().IsActive()) dataController_->GetDBProvider().DataScrolled(0);
}

bool TcxDBDataModeController::DoDetailIsCurrentQuery(const std::string& names, const Variant& values) {
    TDataSet* dataSet = dataController_->GetDataSet();
    if (OnDetailIsCurrentQuery) return OnDetailIsCurrentQuery(this, dataSet, names, values);
    return dataController_->GetDetailFilterAdapter()->IsCurrentQuery(dataSet, names, values);
}

void TcxDBDataModeController::DoDetailFirst(const std::string& names, const Variant& values, bool& reopened) {
    reopened = false;
    TDataSet* dataSet = dataController_->GetDataSet();
    if (OnDetailFirst)
        OnDetailFirst(this, dataSet, names, values, reopened);
    else
        dataController_->GetDetailFilterAdapter()->DetailFirst(dataSet, names, reopened, detailInSQLMode_, values);
}

// ---- controller ----

TcxDBDataController::TcxDBDataController(TComponent* owner)
    : TcxCustomDataController(owner), dataModeController_(this) {
    ReplaceProvider(std::make_unique<TcxDBDataProvider>(this));
    ReplaceFilter(std::make_unique<TcxDBDataFilterCriteria>(this));
    ReplaceSummary(std::make_unique<TcxDataSummary>(this)); // with this class's summary items
}

TcxDBDataField* TcxDBDataController::AddInternalDBField() {
    auto* field = new TcxDBDataField(&GetFields());
    field->MarkInternal(true);
    GetFields().Add(field);
    return field;
}

TClass TcxDBDataController::GetSummaryItemClass() const {
    return TcxDBDataSummaryItem::StaticClass();
}

std::unique_ptr<TcxDataFilterCriteria> TcxDBDataController::CreateFilterCriteria() {
    return std::make_unique<TcxDBDataFilterCriteria>(this);
}

TcxDBDataController::~TcxDBDataController() {
    OnUpdateControl = nullptr; // a controller going away tells its view nothing
    GetDBProvider().GetDataLink().SetDataSource(nullptr);
}

void TcxDBDataController::Assign(TPersistent* source) {
    TcxCustomDataController::Assign(source);
    if (auto* other = dynamic_cast<TcxDBDataController*>(source)) {
        dataModeController_.Assign(&other->dataModeController_);
        SetDataSource(other->GetDataSource());
        SetKeyFieldNames(other->keyFieldNames_);
        SetDetailKeyFieldNames(other->detailKeyFieldNames_);
        SetMasterKeyFieldNames(other->masterKeyFieldNames_);
        OnDetailHasChildren = other->OnDetailHasChildren;
    }
}

TDataSource* TcxDBDataController::GetDataSource() const {
    return const_cast<TcxDBDataController*>(this)->GetDBProvider().GetDataLink().GetDataSource();
}

void TcxDBDataController::SetDataSource(TDataSource* source) {
    TcxDBDataLink& link = GetDBProvider().GetDataLink();
    if (link.GetDataSource() == source) return;
    link.SetDataSource(source);
    DataSourceChanged();
}

TDataSet* TcxDBDataController::GetDataSet() const {
    return const_cast<TcxDBDataController*>(this)->GetDBProvider().GetDataSet();
}

int TcxDBDataController::GetDataSetRecordCount() const {
    TDataSet* dataSet = GetDataSet();
    return dataSet && dataSet->GetActive() ? dataSet->GetRecordCount() : 0;
}

int TcxDBDataController::GetDataSetRecNo() const {
    TDataSet* dataSet = GetDataSet();
    return dataSet && dataSet->GetActive() ? dataSet->GetRecNo() : -1;
}

void TcxDBDataController::SetDataSetRecNo(int value) {
    if (TDataSet* dataSet = GetDataSet()) dataSet->SetRecNo(value);
}

bool TcxDBDataController::IsDataSetSequenced() const {
    TDataSet* dataSet = GetDataSet();
    return dataSet && dataSet->IsSequenced();
}

// ---- items bound to dataset fields ----

TcxCustomDataField* TcxDBDataController::AddField() {
    auto* field = new TcxDBDataField(&GetFields());
    GetFields().Add(field);
    return field;
}

TField* TcxDBDataController::GetItemDataSetField(int itemIndex) const {
    return GetDBField(itemIndex)->GetField();
}

std::string TcxDBDataController::GetItemFieldName(int itemIndex) const {
    return GetDBField(itemIndex)->GetFieldName();
}

void TcxDBDataController::SetItemFieldName(int itemIndex, const std::string& name) {
    TcxDBDataField* field = GetDBField(itemIndex);
    if (field->GetFieldName() == name) return;
    BindFieldName(field, name);
}

TObject* TcxDBDataController::GetItemByFieldName(const std::string& name) const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (SameFieldName(GetDBField(i)->GetFieldName(), name)) return GetItem(i);
    return nullptr;
}

std::string TcxDBDataController::GetItemFilterName(TObject* item) const {
    auto* field = dynamic_cast<TcxDBDataField*>(const_cast<TcxDBDataController*>(this)->GetFields().FindByItem(item));
    if (!field) return {};
    bool ignoreOrigin = const_cast<TcxDBDataController*>(this)->GetDBFilter().GetIgnoreOrigin();
    if (field->GetFieldCount() == 0) return GetFieldFilterName(field->GetField(), ignoreOrigin);
    std::string names;
    for (int i = 0; i < field->GetFieldCount(); ++i) {
        if (i > 0) names += ";";
        names += GetFieldFilterName(field->GetSubField(i)->GetField(), ignoreOrigin);
    }
    return names;
}

void TcxDBDataController::BindFieldName(TcxDBDataField* field, const std::string& name) {
    BeginUpdate();
    try {
        field->ClearSubFields();
        // Fields that shared this field's data take it over before the name changes.
        TcxDBDataField* heir = nullptr;
        for (int i = 0; i < GetFields().GetCount(); ++i) {
            auto* other = dynamic_cast<TcxDBDataField*>(GetFields().GetItem(i));
            if (!other || other == field || other->GetReferenceField() != field) continue;
            if (!heir) {
                heir = other;
                heir->TakeOverData(field);
            } else {
                other->ReferTo(heir);
            }
        }
        field->SetFieldNameOnly(name);
        field->ReferTo(nullptr);
        if (HasSeveralFieldNames(name)) {
            BindSubFields(field, name);
        } else if (!name.empty() && !field->IsInternal()) {
            // A namesake item shares its data.
            for (int i = 0; i < GetItemCount(); ++i) {
                TcxDBDataField* other = GetDBField(i);
                if (other != field && !other->GetReferenceField() && SameFieldName(other->GetFieldName(), name)) {
                    field->FreeValueDefinition();
                    field->ReferTo(other);
                    break;
                }
            }
        }
        UpdateField(field);
        if (GetDBProvider().IsActive()) ReloadData();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TcxDBDataController::BindSubFields(TcxDBDataField* field, const std::string& names) {
    for (const std::string& part : SplitFieldNames(names)) {
        auto* sub = new TcxDBDataField(&GetFields());
        sub->MarkInternal(true);
        GetFields().Add(sub);
        field->AddSubField(sub);
        sub->SetFieldNameOnly(part);
    }
    for (int i = 0; i < field->GetFieldCount(); ++i) UpdateField(field->GetSubField(i));
}

void TcxDBDataController::UpdateField(TcxDBDataField* field) {
    if (field->GetReferenceField()) return;
    for (int i = 0; i < field->GetFieldCount(); ++i) UpdateField(field->GetSubField(i));
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return;
    if (HasSeveralFieldNames(field->GetFieldName())) return; // a name list: its sub-fields hold the dataset fields
    TField* found = field->GetFieldName().empty() ? nullptr : dataSet->FindField(field->GetFieldName());
    TField* old = field->GetField();
    TcxValueTypeClass oldType = field->ValueTypeOf();
    const bool oldCurrency = field->IsCurrency(), oldTextStored = field->StoresText();
    field->SetField(found); // a different dataset field frees the sub-fields of the old one
    field->UpdateValueType(true);
    if ((field->ValueTypeOf() != oldType || field->StoresText() != oldTextStored) && GetRecordCount() > 0)
        fieldDataRecreated_ = true;
    if (found && found != old && found->GetLookup() && !found->GetKeyFields().empty())
        BindSubFields(field, found->GetKeyFields());
    if (field->ValueTypeOf() != oldType) GetDataControllerInfo().FieldChanged(field);
    if (field->ValueTypeOf() != oldType || field->IsCurrency() != oldCurrency || found != old) FieldLost(field);
}

void TcxDBDataController::FieldLost(TcxDBDataField* field) {
    auto notify = [this](TcxDBDataField* lost) {
        if (lost->IsInternal()) return;
        const int index = lost->GetIndex();
        if (index >= 0 && index < GetItemCount()) ItemFieldChanged(index);
    };
    notify(field);
    for (int i = 0; i < GetItemCount(); ++i) {
        TcxDBDataField* other = GetDBField(i);
        if (other != field && other->GetReferenceField() == field) notify(other);
    }
}

void TcxDBDataController::UpdateFields() {
    for (int i = 0; i < GetFields().GetCount(); ++i) {
        auto* field = dynamic_cast<TcxDBDataField*>(GetFields().GetItem(i));
        if (field && !field->GetParentField()) UpdateField(field);
    }
}

void TcxDBDataController::UnbindFields() {
    std::vector<TcxDBDataField*> bound, lost;
    for (int i = 0; i < GetFields().GetCount(); ++i) {
        auto* field = dynamic_cast<TcxDBDataField*>(GetFields().GetItem(i));
        if (!field || !field->GetField() || field->GetReferenceField()) continue;
        bound.push_back(field);
        if (!field->IsInternal()) lost.push_back(field);
    }
    // Sub-fields first: unbinding a lookup field frees its sub-fields.
    std::stable_partition(bound.begin(), bound.end(), [](TcxDBDataField* f) { return f->GetParentField() != nullptr; });
    for (TcxDBDataField* field : bound) field->SetField(nullptr);
    for (TcxDBDataField* field : lost) FieldLost(field);
}

void TcxDBDataController::ReloadData() {
    BeginUpdate();
    BeginKeepingKeys();
    bool topRowFirst = false;
    try {
        GetDBProvider().LoadRecords();
        fieldDataRecreated_ = false;
        StorageLoaded();
        // Opened afresh in a new order, the view starts at its top row and the dataset goes there.
        topRowFirst = GetLoadedStorage() && (GetOptions() & dcoFocusTopRowAfterSorting) && !IsGridMode() &&
                      (GetSortingItemCount() > 0 || GetGroupingItemCount() > 0);
        DataChanged(dcsAll, -1, -1);
    } catch (...) {
        EndKeepingKeys();
        EndUpdate();
        throw;
    }
    EndKeepingKeys();
    EndUpdate();
    GetDBProvider().ClearPostLocateMark();
    if (topRowFirst && GetFocusedRecordIndex() >= 0)
        CanFocusRecord(GetFocusedRecordIndex());
    else
        SyncFocusedRecord();
    AfterDataChanged();
}

void TcxDBDataController::AfterReload() {
    GetDBProvider().DeliverDeferredNotices();
}

// ---- keys ----

void TcxDBDataController::SetKeyFieldNames(const std::string& names) {
    if (keyFieldNames_ == names) return;
    keyFieldNames_ = names;
    if (names.empty()) {
        delete keyField_;
        keyField_ = nullptr;
        Change(dccData);
        return;
    }
    if (!keyField_) keyField_ = AddInternalDBField();
    BindFieldName(keyField_, names);
}

std::vector<TcxCustomDataField*> TcxDBDataController::GetKeyFields() const {
    std::vector<TcxCustomDataField*> list;
    if (keyField_) keyField_->AddKeyFieldsTo(list);
    return list;
}

bool TcxDBDataController::IsDataChangeLocked() const {
    if (TcxCustomDataController::IsDataChangeLocked()) return true;
    TDataSet* dataSet = GetDataSet();
    return IsGridMode() && dataSet && dataSet->GetState() == TDataSetState::dsInsert;
}

bool TcxDBDataController::IsSummaryUpdateLocked() const {
    if (TcxCustomDataController::IsSummaryUpdateLocked() || DBProvider().IsGridModeUpdating()) return true;
    TDataSet* dataSet = GetDataSet();
    if (!dataSet || dataSet->GetActive() || !dataSet->ControlsDisabled()) return false;
    // Without persistent data fields the loaded records' fields closed with the dataset.
    const TFields& fields = dataSet->GetFields();
    for (int i = 0; i < fields.GetCount(); ++i)
        if (fields.GetField(i)->GetFieldKind() == TFieldKind::fkData && !fields.GetField(i)->IsDynamic()) return false;
    return true;
}

void TcxDBDataController::Loaded() {
    if (!loaded_ && GetDBProvider().HasFieldStructure()) LayoutChanged(lcStructure);
    TcxCustomDataController::Loaded();
    loaded_ = true;
}

namespace {

// A lookup field's value by its key fields: one key field's own value, or an array of several.
template <typename Read>
Variant LookupKeyValue(const TcxDBDataField& field, Read read) {
    const int count = field.GetFieldCount();
    if (count == 0) return Variant::Null();
    if (count == 1) return read(field.GetSubField(0));
    Variant values = VarArrayCreate({{0, count - 1}}, varVariant);
    for (int i = 0; i < count; ++i) values[i] = read(field.GetSubField(i));
    return values;
}

} // namespace

Variant TcxDBDataController::GetGroupValue(int recordIndex, TcxCustomDataField* field) const {
    auto* dbField = dynamic_cast<TcxDBDataField*>(field);
    if (!dbField || !dbField->IsLookup() || dbField->GetFieldCount() == 0)
        return TcxCustomDataController::GetGroupValue(recordIndex, field);
    return LookupKeyValue(*dbField, [&](TcxDBDataField* sub) { return GetGroupValue(recordIndex, sub); });
}

Variant TcxDBDataController::GetFilterDataValue(int recordIndex, TcxCustomDataField* field) const {
    auto* dbField = dynamic_cast<TcxDBDataField*>(field);
    if (!dbField || !dbField->IsLookup()) return TcxCustomDataController::GetFilterDataValue(recordIndex, field);
    return LookupKeyValue(*dbField, [&](TcxDBDataField* sub) { return GetFilterDataValue(recordIndex, sub); });
}

// A lookup field filters by its key fields' values, not by its own cell.
bool TcxDBDataController::HasStoredFilterValue(TcxCustomDataField* field) const {
    auto* dbField = dynamic_cast<TcxDBDataField*>(field);
    return (!dbField || !dbField->IsLookup()) && TcxCustomDataController::HasStoredFilterValue(field);
}

bool TcxDBDataController::HasRecordKeys() const {
    return keyField_ != nullptr && !IsGridMode();
}

std::vector<TField*> TcxDBDataController::GetKeyDataSetFields() const {
    std::vector<TField*> fields;
    for (TcxCustomDataField* key : GetKeyFields()) {
        TField* field = static_cast<TcxDBDataField*>(key)->GetField();
        if (!field) RaiseDataControllerError(cxSDBKeyFieldNotFound);
        fields.push_back(field);
    }
    return fields;
}

Variant TcxDBDataController::GetRecordKey(int recordIndex) const {
    CheckRecordIndex(recordIndex);
    return GetFieldListValues(recordIndex, GetKeyFields());
}

Variant TcxDBDataController::GetDataSetKeyValues() const {
    if (!keyField_) return Variant::Null();
    return ReadFieldValues(GetKeyDataSetFields());
}

int TcxDBDataController::FindRecordIndexByKey(const Variant& keyValue) const {
    int keyCount = static_cast<int>(GetKeyFields().size());
    if (keyCount == 0 || (keyCount > 1 && !keyValue.IsArray())) return -1;
    for (int record = 0; record < GetRecordCount(); ++record)
        if (SameKeyValues(GetRecordKey(record), keyValue, keyCount)) return record;
    return -1;
}

bool TcxDBDataController::LocateByKeyValue(const Variant& keyValue) {
    int record = FindRecordIndexByKey(keyValue);
    // Grid mode holds a buffer of the records only: the dataset itself finds one outside it.
    if (record < 0 && IsGridMode()) {
        TDataSet* dataSet = GetDataSet();
        if (!dataSet || keyFieldNames_.empty()) return false;
        TcxDBDataProvider& provider = GetDBProvider();
        bool found = false;
        provider.BeginLocating();
        try {
            found = dataSet->Locate(keyFieldNames_, keyValue);
        } catch (...) {
            provider.EndLocating();
            throw;
        }
        provider.EndLocating();
        if (provider.TakeBufferStale()) ReloadData(); // the buffer around the record found
        if (found) SetFocusedSelected(true);
        return found;
    }
    int row = record < 0 ? -1 : GetRowIndexByRecordIndex(record, true);
    if (row < 0) return false;
    SetFocusedRowIndex(row);
    return GetFocusedRowIndex() == row;
}

// ---- master-detail ----

std::string TcxDBDataController::GetMasterDetailKeyFieldNames() const {
    return masterKeyFieldNames_.empty() ? std::string() : detailKeyFieldNames_;
}

void TcxDBDataController::SetMasterKeyFieldNames(const std::string& names) {
    if (masterKeyFieldNames_ == names) return;
    masterKeyFieldNames_ = names;
    if (auto* relation = dynamic_cast<TcxDBDataRelation*>(GetMasterRelation())) relation->KeyNamesChanged();
}

void TcxDBDataController::SetDetailKeyFieldNames(const std::string& names) {
    if (detailKeyFieldNames_ == names) return;
    detailKeyFieldNames_ = names;
    if (auto* relation = dynamic_cast<TcxDBDataRelation*>(GetMasterRelation())) relation->KeyNamesChanged();
}

void TcxDBDataController::ChangeValueTypeClass(int itemIndex, TcxValueTypeClass valueType) {
    CheckItemIndex(itemIndex);
    if (GetItemDataSetField(itemIndex)) return;
    TcxCustomDataController::ChangeValueTypeClass(itemIndex, valueType);
}

bool TcxDBDataController::CanLeaveRecord() {
    if (resettingDataSetCurrent_) return true;
    auto* relation = dynamic_cast<TcxDBDataRelation*>(GetMasterRelation());
    if (!relation) return true;
    TcxCustomDataController* master = relation->GetDataController();
    if (!master->CanLeaveRecord()) return false;
    // Either controller may go while a post runs its handlers.
    TcxDataListenerLink* masterLink = master->AddListenerLink();
    TcxDataListenerLink* ownLink = AddListenerLink();
    try {
        master->CheckBrowseMode();
        if (ownLink->Ref) CheckBrowseMode();
    } catch (...) {
        RemoveListenerLink(masterLink);
        RemoveListenerLink(ownLink);
        throw;
    }
    const bool bothAlive = masterLink->Ref && ownLink->Ref;
    RemoveListenerLink(masterLink);
    RemoveListenerLink(ownLink);
    return bothAlive;
}

TcxCustomDataRelation* TcxDBDataController::CreateRelation(TcxCustomDataRelationList* list, TObject* item) {
    return new TcxDBDataRelation(list, item);
}

void TcxDBDataController::SetMasterRelation(TcxCustomDataRelation* relation, int masterRecordIndex) {
    LockUpdate();
    try {
        TcxCustomDataController::SetMasterRelation(relation, masterRecordIndex);
        auto* dbRelation = dynamic_cast<TcxDBDataRelation*>(relation);
        if (dbRelation && masterRecordIndex != -1) {
            SetMasterDetailKeyValues(dbRelation->GetMasterKeyValues(masterRecordIndex));
            LayoutChanged(lcData);
        }
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxDBDataController::DetailDataChanged(TcxCustomDataRelation* relation) {
    TcxCustomDataController::DetailDataChanged(relation);
    if (IsDestroying() || !HasRelations()) return;
    for (int i = 0; i < GetRelations().GetCount(); ++i)
        if (auto* dbRelation = dynamic_cast<TcxDBDataRelation*>(GetRelations().GetItem(i)))
            dbRelation->UpdateMasterKeyField();
}

void TcxDBDataController::SetMasterDetailKeyValues(const Variant& values) {
    masterDetailKeyValues_ = values;
    if (GetDBProvider().IsActive()) ReloadData();
}

TcxDBProviderDetailFilterAdapter* TcxDBDataController::GetDetailFilterAdapter() const {
    auto* adapter = dynamic_cast<TcxDBProviderDetailFilterAdapter*>(DetailFilterAdapters().FindFor(GetDataSet()));
    if (!adapter) RaiseDataControllerError(cxSDBDetailFilterControllerNotFound);
    return adapter;
}

void TcxDBDataController::CheckCurrentQuery() {
    if (!dataModeController_.GetDetailInSQLMode() || !IsDetailMode()) return;
    if (masterDetailKeyValues_.IsEmpty() || masterDetailKeyValues_.IsNull()) return;
    if (dataModeController_.DoDetailIsCurrentQuery(GetMasterDetailKeyFieldNames(), masterDetailKeyValues_)) return;
    TcxDBDataProvider& provider = GetDBProvider();
    provider.LockNotifications();
    inCurrentQueryCheck_ = true;
    try {
        provider.First(); // reopens the query with this clone's key values
        provider.SavePos();
        provider.RestorePos();
        provider.SetCurrentRecordIndex(0);
    } catch (...) {
        inCurrentQueryCheck_ = false;
        provider.UnlockNotifications();
        throw;
    }
    inCurrentQueryCheck_ = false;
    provider.UnlockNotifications();
}

bool TcxDBDataController::CanChangeDetailExpanding(int recordIndex, bool expanded) {
    if (expanded && IsGridMode()) {
        for (int attempt = 0; attempt < 2 && GetFocusedRecordIndex() != recordIndex; ++attempt)
            SetFocusedRecordIndex(recordIndex);
        if (GetFocusedRecordIndex() != recordIndex) return false;
    }
    return TcxCustomDataController::CanChangeDetailExpanding(recordIndex, expanded);
}

void TcxDBDataController::CheckDetailSync() {
    if (IsDetailMode() && dataModeController_.GetDetailInSyncMode()) CheckCurrentQuery();
}

bool TcxDBDataController::IsDetailQueryOutdated() const {
    if (!IsDetailMode() || !dataModeController_.GetDetailInSQLMode()) return false;
    if (!dataModeController_.GetDetailInSyncMode()) return true;
    if (DBProvider().IsDataSetCurrent()) return false;
    if (masterDetailKeyValues_.IsEmpty() || masterDetailKeyValues_.IsNull()) return false;
    TDataSet* dataSet = GetDataSet();
    if (!dataSet || !dataSet->GetActive()) return false;
    const std::string names = GetMasterDetailKeyFieldNames();
    return !SameKeyValues(dataSet->GetFieldValues(names), masterDetailKeyValues_, FieldNameCount(names));
}

void TcxDBDataController::SyncProviderPosition() {
    if (GetFocusedRecordIndex() < 0 || resettingDataSetCurrent_) return;
    resettingDataSetCurrent_ = true;
    try {
        GetDBProvider().SetDataSetCurrent(true);
    } catch (...) {
        resettingDataSetCurrent_ = false;
        throw;
    }
    resettingDataSetCurrent_ = false;
}

// ---- focus and the dataset position ----

bool TcxDBDataController::CanFocusRecord(int recordIndex) {
    TcxDBDataProvider& provider = GetDBProvider();
    if (syncingFocus_) return true;
    if (provider.IsInserting() && recordIndex == provider.GetEditingRecordIndex()) return true;
    // The new-item row: an edit of another record is posted before the row takes the focus.
    if (GetUseNewItemRowForEditing() && recordIndex < 0) {
        if (!provider.IsInserting()) Post();
        return true;
    }
    const bool syncedDetail = IsDetailMode() && dataModeController_.GetDetailInSyncMode();
    // Unfocused because another clone took the shared dataset: nothing to move.
    if (syncedDetail && resettingDataSetCurrent_) return true;
    if (!syncedDetail && !provider.IsSyncMode()) return true;
    provider.BeginLocating();
    bool ok = true;
    try {
        if (syncedDetail) CheckCurrentQuery();
        if (provider.IsSyncMode()) ok = SyncDataSetToRecord(recordIndex);
    } catch (...) {
        provider.EndLocating();
        provider.TakeBufferStale();
        AfterDataChanged();
        throw;
    }
    provider.EndLocating();
    AfterDataChanged();
    // In grid mode the move shifted the buffer window: the asked record index now names another
    // record, so the buffer is read again and the focus goes to the dataset's record instead.
    if (provider.TakeBufferStale()) {
        ReloadData();
        return false;
    }
    return ok;
}

bool TcxDBDataController::SyncDataSetToRecord(int recordIndex) {
    if (recordIndex < 0) return false;
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return false;
    if (HasRecordKeys()) {
        Variant id = GetRecordKey(recordIndex);
        CheckBrowseMode();
        int keyCount = static_cast<int>(GetKeyFields().size());
        if (recordIndex == provider.GetCurrentRecordIndex() && SameKeyValues(id, GetDataSetKeyValues(), keyCount))
            return true;
        bool found = dataSet->Locate(keyFieldNames_, id);
        if (found) provider.DataScrolled(0);
        return found && provider.GetCurrentRecordIndex() == recordIndex;
    }
    CheckBrowseMode();
    int wanted = recordIndex - provider.GetCurrentRecordIndex();
    // The dataset may stop short (its records changed under us): only the distance actually
    // moved counts, and the focus follows only when the dataset reached the record.
    int moved = provider.MoveBy(wanted);
    provider.DataScrolled(0);
    return moved == wanted && provider.GetCurrentRecordIndex() == recordIndex;
}

void TcxDBDataController::CheckBrowseMode() {
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    if (inCheckBrowseMode_ || !dataSet) return;
    inCheckBrowseMode_ = true;
    try {
        if (provider.IsDataSetEditing()) PostOrCancelDataSetEdit();
    } catch (...) {
        inCheckBrowseMode_ = false;
        throw;
    }
    inCheckBrowseMode_ = false;
    CheckDetailsBrowseMode();
}

void TcxDBDataController::PostOrCancelDataSetEdit() {
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    dataSet->UpdateRecord();
    if (!provider.IsDataSetModified()) {
        Cancel(); // only what the provider put in itself: nothing of the user's is lost
        return;
    }
    int record = provider.GetEditingRecordIndex();
    // Smart refresh and grid mode hear the post to re-read the one record it changed.
    const bool silenced = !provider.IsSmartRefresh() && !IsGridMode();
    if (silenced) dataSet->DisableControls();
    try {
        dataSet->Post(); // a refusal keeps the dataset editing with the values as typed
        // The posted record keeps its place: its storage record shows it at once, even while the
        // controller's own move keeps the dataset's change notice from reloading.
        if (silenced) provider.RereadRecord(record);
    } catch (...) {
        if (silenced) dataSet->EnableControls();
        throw;
    }
    if (silenced) dataSet->EnableControls();
}

bool TcxDBDataController::SearchInProvider(const std::string& text, bool forward, bool skipCurrent) {
    TcxDBDataProvider& provider = GetDBProvider();
    TDataSet* dataSet = GetDataSet();
    if (!dataSet || !dataSet->GetActive() || provider.IsDataSetEditing() || (dataSet->GetBof() && dataSet->GetEof()))
        return false;
    int itemIndex = GetSearch().GetItemIndex();
    TField* field = itemIndex >= 0 ? GetItemDataSetField(itemIndex) : nullptr;
    if (!field) return false;
    const std::string wanted = AnsiUpperCase(text);
    auto matches = [&] { return AnsiUpperCase(field->GetDisplayText()).compare(0, wanted.size(), wanted) == 0; };
    if (!skipCurrent && matches()) {
        provider.DataScrolled(0);
        return true;
    }
    provider.LockNotifications();
    provider.SavePos();
    const TBookmark start = dataSet->GetBookmark();
    TBookmark wrapMark;
    // One step; at the end the search stops (skipping) or wraps round once.
    auto step = [&] {
        if (forward)
            dataSet->Next();
        else
            dataSet->Prior();
        if (forward ? !dataSet->GetEof() : !dataSet->GetBof()) return true;
        if (skipCurrent || !wrapMark.empty()) return false;
        if (forward)
            dataSet->First();
        else
            dataSet->Last();
        wrapMark = start;
        return true;
    };
    bool found = false;
    try {
        if (!skipCurrent || step()) {
            while (true) {
                if (!wrapMark.empty() && dataSet->GetBookmark() == wrapMark) break; // a full cycle
                if (matches()) {
                    found = true;
                    break;
                }
                if (!step()) break;
            }
        }
        if (!found) provider.RestorePos();
    } catch (...) {
        provider.UnlockNotifications();
        throw;
    }
    provider.UnlockNotifications();
    if (found)
        ReloadData(); // the buffer around the record found, focused
    else
        AfterDataChanged();
    return found;
}

void TcxDBDataController::SyncFocusedRecord() {
    int record = GetDBProvider().GetCurrentRecordIndex();
    if (record >= 0 && record < GetRecordCount() && GetFocusedRecordIndex() != record) {
        syncingFocus_ = true;
        try {
            SetFocusedRecordIndex(record);
        } catch (...) {
            syncingFocus_ = false;
            throw;
        }
        syncingFocus_ = false;
    }
    TcxDBDataProvider& provider = GetDBProvider();
    if (!IsPattern() || !provider.IsSyncMode() || IsLoading() || provider.IsActiveChanging() ||
        provider.IsNotifyLocked() || updatingDataSetPosition_ || inCheckBrowseMode_)
        return;
    updatingDataSetPosition_ = true;
    try {
        SyncMasterPosition();
    } catch (...) {
        updatingDataSetPosition_ = false;
        throw;
    }
    updatingDataSetPosition_ = false;
}

TcxCustomDataController* TcxDBDataController::SyncMasterPosition() {
    auto* relation = dynamic_cast<TcxDBDataRelation*>(GetMasterRelation());
    const std::string detailNames = GetMasterDetailKeyFieldNames();
    if (!relation || detailNames.empty() || !IsInSyncMode()) return nullptr;
    TcxDBDataController* master = relation->GetMasterController();
    if (!master) return nullptr;
    for (TcxDBDataController* above = master; above;) {
        if (!above->IsInSyncMode() || !above->HasRecordKeys() || above->IsEditing()) return nullptr;
        auto* up = dynamic_cast<TcxDBDataRelation*>(above->GetMasterRelation());
        above = up ? up->GetMasterController() : nullptr;
    }
    // Also what stops this from running again while the master expands its detail below.
    if (master->IsCreatingLinkObject() || master->updatingDataSetPosition_) return nullptr;
    TDataSet* detailSet = GetDataSet();
    TDataSet* masterSet = master->GetDataSet();
    const std::string masterNames = relation->GetMasterKeyFieldNames();
    const int keyCount = FieldNameCount(detailNames);
    if (!detailSet || !masterSet || detailSet->IsEmpty() || masterNames.empty()) return nullptr;
    const Variant detailValues = detailSet->GetFieldValues(detailNames);
    master->updatingDataSetPosition_ = true;
    TcxCustomDataController* result = nullptr;
    try {
        if (!SameKeyValues(masterSet->GetFieldValues(masterNames), detailValues, keyCount)) {
            TcxDBDataProvider& masterProvider = master->GetDBProvider();
            masterProvider.BeginLocating();
            try {
                masterSet->Locate(masterNames, detailValues);
            } catch (...) {
                masterProvider.EndLocating();
                throw;
            }
            masterProvider.EndLocating();
            master->SyncFocusedRecord();
        }
        auto* masterRelation = dynamic_cast<TcxDBDataRelation*>(master->GetMasterRelation());
        const bool masterFollowed = !masterRelation || master->SyncMasterPosition();
        const int focused = master->GetFocusedRecordIndex();
        if (masterFollowed && focused >= 0 &&
            SameKeyValues(masterSet->GetFieldValues(masterNames), detailValues, keyCount) &&
            master->ChangeDetailExpanding(focused, true)) {
            const int active = master->GetActiveRelationIndex(focused);
            if (active >= 0 && active != relation->GetIndex() && master->IsDetailDataControllerExist(focused, active)) {
                auto* shown = dynamic_cast<TcxDBDataController*>(master->GetDetailDataController(focused, active));
                if (shown && SameKeyValues(shown->GetMasterDetailKeyValues(), detailValues, keyCount)) result = shown;
            }
            if (!result) {
                master->ChangeActiveRelationIndex(focused, relation->GetIndex());
                result = master->GetDetailDataController(focused, relation->GetIndex());
            }
            if (auto* clone = dynamic_cast<TcxDBDataController*>(result)) clone->GetDBProvider().FollowDataSet();
            if (result) result->AfterDataChanged();
        }
    } catch (...) {
        master->updatingDataSetPosition_ = false;
        throw;
    }
    master->updatingDataSetPosition_ = false;
    return result;
}

void TcxDBDataController::RefreshExternalData() {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return;
    dataSet->Refresh();
    // Smart refresh takes a change notice for a post of its own, re-reading one record; a refresh
    // brings what others changed, so every record is read again.
    if (GetDBProvider().IsSmartRefresh() && dataSet->GetActive()) ReloadData();
}

} // namespace zorvy
