#include "controls/data/DataProvider.h"

#include "controls/data/DataController.h"
#include "controls/data/DataResources.h"

#include <algorithm>

namespace zorvy {

TcxCustomDataProvider::~TcxCustomDataProvider() {
    FreeSavedRecord();
    if (source_) SetCustomDataSource(nullptr);
}

void TcxCustomDataProvider::BeginEditRecord() {
    if (IsEditing()) return;
    // Typing into the new-item row starts an insert.
    if (dataController_->IsNewItemRowActive() && !IsInserting()) {
        Insert();
        return;
    }
    int record = dataController_->GetRecordIndexToEdit();
    if (record < 0) return; // nothing to edit
    editingRecordIndex_ = record;
    prevAnchor_ = nextAnchor_ = cxNullEditingRecordIndex;
    TcxCustomDataControllerInfo& info = dataController_->GetDataControllerInfo();
    int row = info.GetFocusedRowIndex();
    if (row >= 0 && row < info.GetRowCount() - 1)
        nextAnchor_ = info.GetRowInfo(row + 1).RecordIndex;
    else if (row >= 0)
        prevAnchor_ = info.GetRowInfo(row == 0 ? 0 : row - 1).RecordIndex;
    if ((!IsActive() || IsSmartRefresh()) && !inserting_) SaveEditingRecord(record);
    dataController_->Change(dccUpdateRecord);
}

void TcxCustomDataProvider::BeginInsertRecord(bool append) {
    if (!IsActive() && IsInserting() && !changing_ && !modified_) return;
    if (IsEditing() && !IsActive()) {
        if (changing_) PostEditingData();
        Post();
    }
    dataController_->DoBeforeInsert();
    TcxCustomDataControllerInfo& info = dataController_->GetDataControllerInfo();
    int record;
    dataController_->BeginUpdate();
    const bool newItemRow = dataController_->GetUseNewItemRowForEditing();
    try {
        int rows = info.GetRowCount();
        int template_ = -1;
        if (newItemRow) {
            int focused = info.GetFocusedRecordIndex();
            template_ = focused >= 0 ? focused : (rows > 0 ? info.GetRowInfo(0).RecordIndex : -1);
            // The row takes the focus before the edit starts, so that the move posts nothing of it.
            dataController_->FocusNewItemRow(true);
            record = dataController_->GetNewItemRecordIndex();
            editingRecordIndex_ = record;
            prevAnchor_ = nextAnchor_ = cxNullEditingRecordIndex;
        } else if (append) {
            template_ = rows > 0 ? info.GetRowInfo(rows - 1).RecordIndex : -1;
            record = dataController_->AppendRecord();
            editingRecordIndex_ = record;
            prevAnchor_ = template_ >= 0 ? template_ : cxNullEditingRecordIndex;
            nextAnchor_ = cxNullEditingRecordIndex;
        } else {
            info.ClearSelection();
            bool hadRecords = dataController_->GetRecordCount() > 0;
            int focused = info.GetFocusedRecordIndex();
            template_ = focused >= 0 ? focused : 0;
            record = dataController_->InsertRecord(hadRecords ? template_ : 0);
            editingRecordIndex_ = record;
            prevAnchor_ = cxNullEditingRecordIndex;
            nextAnchor_ = hadRecords ? template_ + (template_ >= record ? 1 : 0) : cxNullEditingRecordIndex;
            if (hadRecords && template_ >= record) ++template_;
        }
        std::vector<Variant> groupValues;
        if (template_ >= 0 && info.GetGrouping().GetCount() > 0)
            groupValues = dataController_->GetGroupValues(template_);
        InitInsertingRecord(record, groupValues);
        changing_ = false;
        modified_ = false;
        inserting_ = true;
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
    if (!newItemRow) dataController_->SetFocusedRecordIndex(record);
    dataController_->DoAfterInsert();
}

bool TcxCustomDataProvider::CanInitEditing(int recordIndex) {
    dataController_->CheckRecordIndex(recordIndex);
    if (!IsEditing()) Edit();
    if (IsEditing()) changing_ = true;
    return true;
}

// The new record joins the template's groups.
void TcxCustomDataProvider::InitInsertingRecord(int recordIndex, const std::vector<Variant>& groupValues) {
    TcxCustomDataControllerInfo& info = dataController_->GetDataControllerInfo();
    if (dataController_->GetOptions() & dcoAssignGroupingValues) {
        const int levels = std::min(info.GetGrouping().GetCount(), static_cast<int>(groupValues.size()));
        for (int level = 0; level < levels; ++level)
            SetValue(recordIndex, info.GetGrouping().GetItem(level).Field, groupValues[static_cast<size_t>(level)]);
    }
    dataController_->DoNewRecord(recordIndex);
}

void TcxCustomDataProvider::GetEditValue(int recordIndex, TcxCustomDataField* field, Variant& value, int /*kind*/) {
    if (recordIndex == cxNullEditingRecordIndex) {
        value = Variant::Null();
        RaiseDataControllerError(cxSDataRecordIndexError);
    }
    value = dataController_->GetFieldValue(recordIndex, field);
}

void TcxCustomDataProvider::Post() {
    if (!IsEditing()) return;
    bool posted = false;
    int postedRecord = -1;
    dataController_->BeginUpdate();
    try {
        UpdateData();
        if (!inserting_ || modified_ || changing_) {
            dataController_->DoBeforePost();
            postedRecord = editingRecordIndex_;
            if (IsEditingNewItemRecord()) {
                // A real record takes the new-item row's values.
                dataChangedLocked_ = HasActiveSource();
                try {
                    postedRecord = dataController_->AppendRecord();
                } catch (...) {
                    dataChangedLocked_ = false;
                    throw;
                }
                dataChangedLocked_ = false;
                insertedRecordIndex_ = postedRecord;
                if (postedRecord >= 0) dataController_->ReadRecordValues(editingRecordIndex_, postedRecord);
            }
            ResetEditing();
            posted = true;
        } else {
            Cancel(); // an insert nobody changed
        }
        dataController_->DataChanged(dcsRecord, -1, postedRecord);
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
    if (posted) dataController_->DoAfterPost();
}

void TcxCustomDataProvider::Cancel() {
    if (!IsEditing()) return;
    dataController_->DoBeforeCancel();
    dataController_->BeginUpdate();
    try {
        int record = editingRecordIndex_;
        if (IsEditingNewItemRecord()) {
            // ResetEditing frees the new-item record with the values typed into it.
        } else if (record >= 0 && record < dataController_->GetRecordCount()) {
            if (inserting_) {
                dataController_->DeleteRecord(record);
            } else if (savedRecordIndex_ != 0) {
                dataController_->ReadRecordValues(savedRecordIndex_, record);
                dataController_->DataChanged(dcsRecord, -1, record);
            }
        }
        ResetEditing();
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
    dataController_->DoAfterCancel();
}

// Editors hand their pending values over here; the unbound controller has none of its own.
void TcxCustomDataProvider::UpdateData() {}

void TcxCustomDataProvider::PostEditingData() {
    UpdateData();
    ResetChanging();
}

bool TcxCustomDataProvider::SetEditValue(int recordIndex, TcxCustomDataField* field, const Variant& value,
                                         int kind) {
    bool emptyText = kind == 1 && value.IsString() && value.RawString().empty();
    SetValue(recordIndex, field, emptyText ? Variant::Null() : value);
    modified_ = true;
    return true;
}

void TcxCustomDataProvider::SetValue(int recordIndex, TcxCustomDataField* field, const Variant& value) {
    dataController_->SetValue(recordIndex, field->GetIndex(), value);
}

bool TcxCustomDataProvider::IsEditingNewItemRecord() const {
    return IsEditing() && editingRecordIndex_ < 0 && editingRecordIndex_ == dataController_->PeekNewItemRecordIndex();
}

void TcxCustomDataProvider::ResetEditing() {
    if (IsEditingNewItemRecord()) {
        dataController_->GetStorage().RemoveStorageRecord(editingRecordIndex_);
        dataController_->ForgetNewItemRecord();
    }
    editingRecordIndex_ = prevAnchor_ = nextAnchor_ = cxNullEditingRecordIndex;
    inserting_ = changing_ = modified_ = false;
    FreeSavedRecord();
}

void TcxCustomDataProvider::ForgetEditingRecord() {
    ResetEditing();
}

void TcxCustomDataProvider::SaveEditingRecord(int recordIndex) {
    TcxDataStorage& storage = dataController_->GetStorage();
    if (savedRecordIndex_ == 0) savedRecordIndex_ = storage.AllocInternalRecord();
    dataController_->ReadRecordValues(recordIndex, savedRecordIndex_);
}

void TcxCustomDataProvider::FreeSavedRecord() {
    if (savedRecordIndex_ == 0) return;
    dataController_->GetStorage().FreeInternalRecord(savedRecordIndex_);
    savedRecordIndex_ = 0;
}

// ---- deleting ----

bool TcxCustomDataProvider::CanDelete() const {
    return dataController_->GetRecordCount() > 0;
}

bool TcxCustomDataProvider::BeforeDeleteFocused() {
    TcxCustomDataControllerInfo& info = dataController_->GetDataControllerInfo();
    int row = info.GetFocusedRowIndex();
    if (row < 0) return false;
    if (!dataController_->GetMultiSelect() || info.GetSelectedCount() == 0 || info.IsRowSelected(row)) {
        int nearest = info.GetNearestRowIndex(row);
        dataController_->SetNearestRecordIndex(
            nearest >= 0 && nearest != row ? info.GetRowInfo(nearest).RecordIndex : -1);
    }
    return true;
}

int TcxCustomDataProvider::Delete() {
    int record = dataController_->GetFocusedRecordIndex();
    if (record < 0) return -1;
    dataController_->DoBeforeDelete(record);
    BeforeDeleteFocused();
    // The records after the deleted one move up by one: the nearest record with them.
    int nearest = dataController_->GetNearestRecordIndex();
    if (nearest > record) dataController_->SetNearestRecordIndex(nearest - 1);
    dataController_->DeleteRecord(record);
    dataController_->FocusNearestRecord();
    dataController_->DoAfterDelete();
    return record;
}

void TcxCustomDataProvider::DeleteRecords(std::vector<int> records) {
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    // The nearest record moves up by one for every record deleted before it.
    if (int nearest = dataController_->GetNearestRecordIndex(); nearest >= 0)
        dataController_->SetNearestRecordIndex(
            nearest - static_cast<int>(std::upper_bound(records.begin(), records.end(), nearest) - records.begin()));
    dataController_->BeginUpdate();
    try {
        for (auto it = records.rbegin(); it != records.rend(); ++it) {
            dataController_->DoBeforeDelete(*it);
            dataController_->DeleteRecord(*it);
            dataController_->DoAfterDelete();
        }
        dataController_->GetDataControllerInfo().ClearSelection();
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
    dataController_->FocusNearestRecord();
}

void TcxCustomDataProvider::DeleteSelection() {
    TcxCustomDataControllerInfo& info = dataController_->GetDataControllerInfo();
    std::vector<int> records;
    for (int i = 0; i < info.GetSelectedCount(); ++i) {
        const TcxDataSelectionItem& item = info.GetSelection().GetItem(i);
        if (item.Level >= 0) {
            records.push_back(item.RecordIndex);
            continue;
        }
        // Every record of a selected group row.
        const TcxDataGroups& groups = info.GetGroups();
        int deepest = groups.GetLevelCount() - 1, index = item.RecordIndex;
        for (int g = index;
             g < groups.GetCount() && (g == index || groups.GetItem(g)->Level > groups.GetItem(index)->Level);
             ++g)
            if (groups.GetItem(g)->Level == deepest)
                for (int p = groups.GetItem(g)->BeginIndex; p <= groups.GetItem(g)->EndIndex; ++p)
                    records.push_back(info.GetRecordListItem(p));
    }
    if (!records.empty() && BeforeDeleteFocused()) {
        // The nearest row may be selected too; then fall back to the last row's record.
        int nearest = dataController_->GetNearestRecordIndex();
        if (std::find(records.begin(), records.end(), nearest) != records.end())
            dataController_->SetNearestRecordIndex(-1);
    }
    DeleteRecords(std::move(records));
}

// ---- notifications ----

void TcxCustomDataProvider::DataChanged(TcxDataChangeScope scope, int itemIndex, int recordIndex) {
    if (!IsNotificationsLocked()) dataController_->DataChanged(scope, itemIndex, recordIndex);
    if (dataChangedLocked_)
        ResetChanging();
    else
        ResetEditing();
}

void TcxCustomDataProvider::LayoutChanged(int kind) {
    dataController_->LayoutChanged(static_cast<unsigned>(kind));
}

void TcxCustomDataProvider::GetBufferValue(int /*rowIndex*/, TcxCustomDataField* /*field*/, Variant& value) {
    value = Variant::Null();
}

void TcxCustomDataProvider::GetBufferDisplayText(int /*rowIndex*/, TcxCustomDataField* /*field*/,
                                                 std::string& text) {
    text.clear();
}

// ---- the custom record source ----

TcxCustomRecordSource& TcxCustomDataProvider::Source() const {
    source_->currentProvider_ = const_cast<TcxCustomDataProvider*>(this);
    return *source_;
}

void TcxCustomDataProvider::SetCustomDataSource(TcxCustomRecordSource* source) {
    if (!AllowsUnboundMode() || source_ == source) return;
    if (source_) {
        auto& list = source_->providers_;
        list.erase(std::find(list.begin(), list.end(), this));
        if (source_->currentProvider_ == this) source_->currentProvider_ = nullptr;
        if (source_->defaultProvider_ == this)
            source_->defaultProvider_ = list.empty() ? nullptr : list.front();
    }
    source_ = source;
    if (source_) {
        source_->providers_.push_back(this);
        if (!source_->defaultProvider_) source_->defaultProvider_ = this;
    }
    if (!dataController_->IsDestroying()) dataController_->RestructData();
}

bool TcxCustomDataProvider::HasDetailRecords(int recordIndex, int relationIndex) {
    return source_ && Source().GetDetailHasChildren(recordIndex, relationIndex);
}

TcxDataRecordHandle TcxCustomDataProvider::SourceAppendRecordHandle() {
    return source_ ? Source().AppendRecord() : nullptr;
}

std::unique_ptr<TcxValueDefReader> TcxCustomDataProvider::CreateValueDefReader() {
    return std::make_unique<TcxValueDefReader>();
}

int TcxCustomDataProvider::StoreRecordHandle(TcxDataRecordHandle handle) {
    if (!source_) return -1;
    return dataController_->AppendRecordHandle(handle);
}

void TcxCustomDataProvider::LoadSourceRecords() {
    if (source_) Source().LoadRecordHandles();
}

TcxDataRecordHandle TcxCustomDataProvider::GetSourceRecordHandle(int recordIndex) const {
    return dataController_->GetRecordHandle(recordIndex);
}

int TcxCustomDataProvider::IndexOfRecordHandle(TcxDataRecordHandle handle) const {
    for (int r = 0; r < dataController_->GetRecordCount(); ++r)
        if (GetSourceRecordHandle(r) == handle) return r;
    return -1;
}

int TcxCustomDataProvider::SourceAppendRecord() {
    if (!source_) return -1;
    TcxDataRecordHandle handle = Source().AppendRecord();
    dataController_->ReloadData();
    return IndexOfRecordHandle(handle);
}

int TcxCustomDataProvider::SourceInsertRecord(int recordIndex) {
    if (!source_) return -1;
    TcxCustomRecordSource& source = Source();
    TcxDataRecordHandle handle = source.CanInsertRecord() && recordIndex < dataController_->GetRecordCount()
                                     ? source.InsertRecord(GetSourceRecordHandle(recordIndex))
                                     : source.AppendRecord();
    dataController_->ReloadData();
    return IndexOfRecordHandle(handle);
}

// The keys are taken while every held handle is still alive.
void TcxCustomDataProvider::SourceDeleteRecord(int recordIndex) {
    if (!source_) return;
    dataController_->BeginUpdate();
    dataController_->BeginKeepingKeys();
    try {
        Source().DeleteRecord(GetSourceRecordHandle(recordIndex));
        dataController_->ReloadData();
    } catch (...) {
        dataController_->EndKeepingKeys();
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndKeepingKeys();
    dataController_->EndUpdate();
}

void TcxCustomDataProvider::SourceSetRecordCount(int count) {
    if (!source_) return;
    Source().SetRecordCount(count);
    dataController_->ReloadData();
}

void TcxCustomDataProvider::GetValue(int recordIndex, TcxCustomDataField* field, Variant& value) {
    if (!source_) {
        value = Variant::Null();
        return;
    }
    TcxCustomRecordSource& source = Source();
    source.GetValue(GetSourceRecordHandle(recordIndex), source.GetItemHandle(field->GetIndex()), value);
}

void TcxCustomDataProvider::SetSourceValue(int recordIndex, TcxCustomDataField* field, const Variant& value) {
    if (!source_) return;
    TcxCustomRecordSource& source = Source();
    source.SetValue(GetSourceRecordHandle(recordIndex), source.GetItemHandle(field->GetIndex()), value);
}

void TcxCustomDataProvider::GetDisplayText(int recordIndex, TcxCustomDataField* field, std::string& text) {
    text.clear();
    if (!source_) return;
    TcxCustomRecordSource& source = Source();
    source.GetDisplayText(GetSourceRecordHandle(recordIndex), source.GetItemHandle(field->GetIndex()), text);
}

bool TcxCustomDataProvider::SupportsRecordIds() const {
    return source_ && Source().SupportsRecordIds();
}

void TcxCustomDataProvider::GetRecordId(int recordIndex, Variant& value) {
    value = Variant::Null();
    if (source_) Source().GetRecordId(GetSourceRecordHandle(recordIndex), value);
}

bool TcxCustomDataProvider::IsCustomSorting() const {
    return source_ && Source().IsCustomSorting();
}

void TcxCustomDataProvider::CustomSort() {
    if (source_) Source().CustomSort();
}

bool TcxCustomDataProvider::IsCustomCompare() const {
    return source_ && Source().IsCustomCompare();
}

bool TcxCustomDataProvider::IsNativeCompare() const {
    return source_ && Source().IsNativeCompare();
}

int TcxCustomDataProvider::CompareRecords(int record1, int record2, TcxCustomDataField* field) {
    TcxValueDef* def = field->ValueDefinition();
    if (!def) return 0;
    TcxDataStorage& storage = dataController_->GetStorage();
    auto prepare = [&](int record, const void*& data) {
        if (record < 0) return storage.PrepareCompare(record, def, data);
        TcxCustomRecordSource& source = Source();
        data = nullptr;
        return !source.GetInfoForCompare(GetSourceRecordHandle(record),
                                         source.GetItemHandle(field->GetIndex()), data);
    };
    const void* data1;
    const void* data2;
    bool null1 = prepare(record1, data1), null2 = prepare(record2, data2);
    return def->CompareNullable(null1, null2, data1, data2);
}

int TcxCustomDataProvider::SourceCompareRecords(int record1, int record2, TcxCustomDataField* field) {
    if (!source_) return 0;
    TcxCustomRecordSource& source = Source();
    return source.CompareRecords(GetSourceRecordHandle(record1), GetSourceRecordHandle(record2),
                                 source.GetItemHandle(field->GetIndex()));
}

} // namespace zorvy
