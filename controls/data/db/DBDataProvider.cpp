#include "controls/data/db/DBDataProvider.h"

#include "controls/data/db/DBDataController.h"
#include "controls/data/db/DBMasterDetail.h"
#include "controls/data/db/DBFieldFunctions.h"
#include "platform/db/DataSet.h"
#include "platform/db/Field.h"

#include <algorithm>

namespace zorvy {

// ---- data link ----

TcxDBDataLink::TcxDBDataLink(TcxDBDataProvider* provider) : provider_(provider) {
    SetVisualControl(true);
}

void TcxDBDataLink::ActiveChanged() {
    provider_->ActiveChanged(GetActive());
    if (!GetActive()) layoutChangePending_ = false;
}

void TcxDBDataLink::DataEvent(TDataEvent event, intptr_t info) {
    TDataLink::DataEvent(event, info);
    if (event == TDataEvent::deDisabledStateChange && info == 0) layoutChangePending_ = true;
}

void TcxDBDataLink::DataSetChanged() {
    if (layoutChangePending_)
        LayoutChanged();
    else
        provider_->DataSetChanged();
}

void TcxDBDataLink::DataSetScrolled(int distance) {
    provider_->DataScrolled(distance);
}

void TcxDBDataLink::EditingChanged() {
    provider_->EditingChanged();
}

void TcxDBDataLink::FocusControl(TField** field) {
    TcxDBDataController* controller = provider_->GetDBDataController();
    for (int i = 0; i < controller->GetItemCount(); ++i) {
        if (controller->GetItemDataSetField(i) != *field) continue;
        bool done = false;
        controller->FocusControl(i, done);
        if (done) *field = nullptr;
        return;
    }
}

void TcxDBDataLink::LayoutChanged() {
    layoutChangePending_ = false;
    TDataSet* dataSet = GetDataSet();
    // A delete whose record smart refresh removes itself changes no field.
    if ((dataSet && dataSet->GetState() == TDataSetState::dsInsert) ||
        (preventLayoutChange_ && provider_->IsSmartRefresh()))
        provider_->DataSetChanged();
    else
        provider_->LayoutChanged();
}

void TcxDBDataLink::RecordChanged(TField* field) {
    provider_->RecordChanged(field);
}

void TcxDBDataLink::UpdateData() {
    provider_->UpdateData();
}

// ---- assigned fields ----

void TcxDBDataAssignedFields::AddField(TField* field) {
    if (field && !Contains(field)) fields_.push_back(field);
}

void TcxDBDataAssignedFields::AddFields(const std::vector<TField*>& fields) {
    for (TField* field : fields) AddField(field);
}

bool TcxDBDataAssignedFields::Contains(const TField* field) const {
    return std::find(fields_.begin(), fields_.end(), field) != fields_.end();
}

// ---- reader ----

namespace {

TField* FieldOfDef(TcxValueDef* def) {
    auto* field = dynamic_cast<TcxDBDataField*>(def->GetLink());
    return field ? field->GetField() : nullptr;
}

} // namespace

void TcxValueDefDBReader::ReadDisplayText(TcxValueDef* def, std::string& text) {
    if (TField* field = FieldOfDef(def))
        text = field->GetDisplayText();
    else
        TcxValueDefReader::ReadDisplayText(def, text);
}

void TcxValueDefDBReader::ReadValue(TcxValueDef* def, Variant& value) {
    if (TField* field = FieldOfDef(def))
        value = ReadFieldValue(field);
    else
        TcxValueDefReader::ReadValue(def, value);
}

bool TcxValueDefDBReader::SkipsValueDef(TcxValueDef* def) {
    auto* field = dynamic_cast<TcxCustomDataField*>(def->GetLink());
    return !field || field->IsReaderSkipped();
}

// ---- provider ----

namespace {

// Every provider of the process, in order of creation: the providers of one dataset find each other
// here. Made with the first provider and freed with the last.
std::vector<TcxDBDataProvider*>* allProviders = nullptr;

} // namespace

TcxDBDataProvider::TcxDBDataProvider(TcxDBDataController* dataController)
    : TcxCustomDataProvider(dataController), dataLink_(this) {
    if (!allProviders) allProviders = new std::vector<TcxDBDataProvider*>;
    allProviders->push_back(this);
}

TcxDBDataProvider::~TcxDBDataProvider() {
    for (TcxDBDataProvider* other : *allProviders) other->RemoveListener(this);
    listeners_.clear();
    dataLink_.SetDataSource(nullptr);
    allProviders->erase(std::find(allProviders->begin(), allProviders->end(), this));
    if (allProviders->empty()) {
        delete allProviders;
        allProviders = nullptr;
    }
}

TcxDBDataController* TcxDBDataProvider::GetDBDataController() const {
    return static_cast<TcxDBDataController*>(GetDataController());
}

bool TcxDBDataProvider::IsActive() const {
    TDataSet* dataSet = GetDataSet();
    return dataSet && dataSet->GetActive();
}

bool TcxDBDataProvider::IsGridMode() const {
    TDataSet* dataSet = GetDataSet();
    TcxDBDataController* controller = GetDBDataController();
    return dataSet && !dataSet->IsUniDirectional() && controller->GetDataModeController().GetGridMode() &&
           !IsLoadAllNeeded() && !controller->IsPattern();
}

int TcxDBDataProvider::GetGridModeBufferCount() const {
    int count = GetDBDataController()->GetDataModeController().GetGridModeBufferCount();
    return count > 0 ? count : GetDBDataController()->GetDefaultGridModeBufferCount();
}

void TcxDBDataProvider::Scroll(int distance) {
    if (!IsGridMode() || distance == 0 || !IsActive()) return;
    if (distance < 0)
        distance -= dataLink_.GetActiveRecord();
    else
        distance += dataLink_.GetRecordCount() - dataLink_.GetActiveRecord() - 1;
    GetDataSet()->MoveBy(distance);
    GetDBDataController()->CheckPrevSelectionInfo();
    GetDBDataController()->SetFocusedSelected(true);
}

bool TcxDBDataProvider::HasFieldStructure() const {
    TDataSet* dataSet = GetDataSet();
    return dataSet && dataSet->GetFieldCount() > 0 && (dataSet->GetActive() || !dataSet->GetDefaultFields());
}

bool TcxDBDataProvider::IsSyncMode() const {
    TDataSet* dataSet = GetDataSet();
    TcxDBDataController* controller = GetDBDataController();
    TcxDBDataModeController& mode = controller->GetDataModeController();
    if (!dataSet || !dataSet->GetActive() || dataSet->IsUniDirectional()) return false;
    if (!mode.GetSyncMode() && !IsGridMode()) return false;
    if (!controller->IsDetailMode()) return true;
    // A detail's record indexes are not dataset positions: it follows the dataset by key or by its
    // buffer only; a detail query holds one master's rows, so only while it stands for this controller.
    if (!mode.GetDetailInSyncMode()) return false;
    if (mode.GetDetailInSQLMode()) return IsDataSetCurrent();
    return controller->HasRecordKeys() || IsGridMode();
}

bool TcxDBDataProvider::CanModify() const {
    return IsActive() && GetDataSet()->GetCanModify() && IsSyncMode();
}

bool TcxDBDataProvider::CanDelete() const {
    return CanModify() && !GetDataSet()->IsEmpty();
}

bool TcxDBDataProvider::IsDataSetEditing() const {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return false;
    TDataSetState state = dataSet->GetState();
    return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert || state == TDataSetState::dsSetKey;
}

bool TcxDBDataProvider::IsBOF() const {
    TDataSet* dataSet = GetDataSet();
    return !dataSet || !dataLink_.GetActive() || dataSet->GetBof();
}

bool TcxDBDataProvider::IsEOF() const {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet || !dataLink_.GetActive() || dataSet->GetEof()) return true;
    TcxDBDataController* controller = GetDBDataController();
    if (!controller->IsDetailMode() || IsGridMode()) return false;
    // A detail's rows end at the first record of the next master.
    const Variant& values = controller->GetMasterDetailKeyValues();
    if (values.IsEmpty() || values.IsNull()) return true;
    if (IsDataSetEditing()) return false;
    std::string names = controller->GetMasterDetailKeyFieldNames();
    return !SameKeyValues(dataSet->GetFieldValues(names), values, FieldNameCount(names));
}

bool TcxDBDataProvider::IsSmartRefresh() const {
    TcxDBDataController* controller = GetDBDataController();
    return controller->GetDataModeController().GetSmartRefresh() && controller->HasRecordKeys();
}

bool TcxDBDataProvider::IsDataSetModified() const {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return false;
    if (dataSet->GetModified()) {
        if (assignedFields_.IsEmpty()) return true;
        for (int i = 0; i < dataSet->GetFieldCount(); ++i) {
            TField* field = dataSet->GetFields()[i];
            if (!assignedFields_.Contains(field) && !field->IsNull()) return true;
        }
    }
    // A value typed into an unbound column is the user's too, though the dataset holds none of it.
    if (!IsModified() || !IsEditing()) return false;
    TcxDBDataController* controller = GetDBDataController();
    for (int i = 0; i < controller->GetItemCount(); ++i) {
        TcxDBDataField* field = controller->GetDBField(i);
        if (!field->IsUnbound()) continue;
        if (!controller->GetFieldValue(GetEditingRecordIndex(), field).IsNull()) return true;
    }
    return false;
}

// ---- moving and reading ----

void TcxDBDataProvider::First() {
    if (!IsActive()) return;
    TcxDBDataController* controller = GetDBDataController();
    if (!controller->IsDetailMode() || IsGridMode()) {
        GetDataSet()->First();
        return;
    }
    const Variant& values = controller->GetMasterDetailKeyValues();
    if (values.IsEmpty() || values.IsNull()) return; // no master record: the dataset stays where it is
    bool reopened = false;
    controller->GetDataModeController().DoDetailFirst(controller->GetMasterDetailKeyFieldNames(), values, reopened);
    if (reopened) {
        // The reopen recreated the dataset's fields and lost the old position.
        controller->UpdateFields();
        SavePos();
    }
    SetDataSetCurrent(true);
    if (reopened) RebindOtherClones();
}

void TcxDBDataProvider::RebindOtherClones() {
    TcxDBDataController* controller = GetDBDataController();
    TcxDataListenerLink* alive = controller->AddListenerLink();
    std::vector<TcxDBDataController*> clones;
    controller->ForEachDetailController(controller->GetMasterRelation(), [&](TcxCustomDataController* clone) {
        auto* dbClone = dynamic_cast<TcxDBDataController*>(clone);
        if (dbClone && dbClone != controller && dbClone->GetDataSet() == GetDataSet()) clones.push_back(dbClone);
    });
    for (TcxDBDataController* clone : clones) {
        clone->UpdateFields();
        clone->Change(dccData);
        if (!alive->Ref) break;
    }
    TcxCustomDataController::RemoveListenerLink(alive);
}

void TcxDBDataProvider::Next() {
    if (IsActive()) GetDataSet()->Next();
}

int TcxDBDataProvider::MoveBy(int distance) {
    return IsActive() ? GetDataSet()->MoveBy(distance) : 0;
}

void TcxDBDataProvider::SavePos() {
    TDataSet* dataSet = GetDataSet();
    savedPos_ = {};
    if (!dataSet || !dataSet->GetActive()) return;
    if (dataSet->BookmarkAvailable()) savedPos_.bookmark = dataSet->GetBookmark();
    savedPos_.activeRecord = dataLink_.GetActiveRecord();
    savedPos_.bof = dataSet->GetBof();
    savedPos_.eof = dataSet->GetEof();
}

void TcxDBDataProvider::RestorePos() {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet || savedPos_.bookmark.empty() || !dataSet->BookmarkValid(savedPos_.bookmark)) return;
    try {
        dataSet->SetBookmark(savedPos_.bookmark);
        // The record goes back to its row of the buffer: a move that puts it on the wanted row from
        // the far side of the window, then back by what that move actually went.
        const int saved = savedPos_.activeRecord, buffer = dataLink_.GetBufferCount();
        const int active = dataLink_.GetActiveRecord();
        if (saved < active)
            dataSet->MoveBy(-dataSet->MoveBy(buffer - saved - 1));
        else if (saved > active)
            dataSet->MoveBy(-dataSet->MoveBy(-saved));
        if (savedPos_.bof && !dataSet->GetBof()) dataSet->Prior();
        if (savedPos_.eof && !dataSet->GetEof()) dataSet->Next();
    } catch (const EDatabaseError&) {
        // a bookmark that became invalid leaves the dataset where the moves stopped
    }
}

std::string TcxDBDataProvider::GetBufferBookmark(int row) const {
    if (!IsGridMode() || row < 0 || row >= static_cast<int>(bufferBookmarks_.size())) return {};
    return bufferBookmarks_[static_cast<size_t>(row)];
}

int TcxDBDataProvider::CompareBookmarks(const std::string& a, const std::string& b) const {
    if (!dataLink_.GetActive()) return -1;
    return GetDataSet()->CompareBookmarks(a, b);
}

void TcxDBDataProvider::BeginLocating() {
    ++locateCount_;
    if (IsDataSetEditing()) SetPostLocateMarks();
}

void TcxDBDataProvider::LockNotifications() {
    TDataSet* dataSet = GetDataSet();
    // Never drop what the user typed unseen: a pending edit is posted (or refused with its error)
    // before the dataset changes under the lock.
    if (dataSet && dataSet->GetActive() && IsDataSetEditing()) {
        SetPostLocateMarks();
        GetDBDataController()->CheckBrowseMode();
    }
    ++notifyLockCount_;
    TcxCustomDataProvider::LockNotifications();
    if (dataSet) dataSet->DisableControls();
}

void TcxDBDataProvider::UnlockNotifications() {
    // The dataset's change notice of EnableControls arrives while the lock still holds.
    if (TDataSet* dataSet = GetDataSet()) dataSet->EnableControls();
    --notifyLockCount_;
    TcxCustomDataProvider::UnlockNotifications();
}

// Internal records (an edit's saved copy) are read from the storage as well.
void TcxDBDataProvider::GetBufferValue(int rowIndex, TcxCustomDataField* field, Variant& value) {
    TcxValueDef* def = field->ValueDefinition();
    value = def && rowIndex < GetDataController()->GetRecordCount()
                ? GetDataController()->GetStorage().GetValue(rowIndex, def)
                : Variant::Null();
}

void TcxDBDataProvider::GetBufferDisplayText(int rowIndex, TcxCustomDataField* field, std::string& text) {
    text.clear();
    TcxValueDef* def = field->ValueDefinition();
    if (def && rowIndex < GetDataController()->GetRecordCount())
        GetDataController()->GetStorage().GetDisplayText(rowIndex, def, text);
}

void TcxDBDataProvider::LoadRecords() {
    TcxDBDataController* controller = GetDBDataController();
    TcxDataStorage& storage = controller->GetStorage();
    LockNotifications();
    try {
        if (IsGridMode()) {
            LoadGridModeBuffer();
            UnlockNotifications();
            return;
        }
        dataLink_.SetBufferCount(1);
        SavePos();
        First();
        storage.ResizeStorageRecords(0);
        currentRecordIndex_ = -1;
        TcxValueDefDBReader reader;
        TDataSet* dataSet = GetDataSet();
        bool matchBookmark = !savedPos_.bookmark.empty();
        while (!IsEOF()) {
            int record = storage.AddStorageRecord();
            storage.FillRecord(record, reader);
            // A bookmark names one record: equal texts are the same record, without the dataset's
            // positional comparison (a search per record).
            if (matchBookmark && dataSet->GetBookmark() == savedPos_.bookmark) {
                currentRecordIndex_ = record;
                matchBookmark = false;
            }
            Next();
        }
        RestorePos();
        if (currentRecordIndex_ < 0) CheckLoadedPosition();
    } catch (...) {
        UnlockNotifications();
        throw;
    }
    UnlockNotifications();
}

// The records of the data link's window, in window order: record index n is buffer row n. The window
// stays put while the dataset's controls are disabled, so the walk through it does not move it.
void TcxDBDataProvider::LoadGridModeBuffer() {
    TcxDataStorage& storage = GetDBDataController()->GetStorage();
    TDataSet* dataSet = GetDataSet();
    dataLink_.SetBufferCount(GetGridModeBufferCount());
    storage.ResizeStorageRecords(0);
    bufferBookmarks_.clear();
    currentRecordIndex_ = -1;
    if (!dataLink_.GetActive() || dataSet->IsEmpty()) return;
    SavePos();
    int active = dataLink_.GetActiveRecord();
    int count = dataLink_.GetRecordCount();
    dataSet->MoveBy(-active);
    TcxValueDefDBReader reader;
    for (int row = 0; row < count; ++row) {
        storage.FillRecord(storage.AddStorageRecord(), reader);
        bufferBookmarks_.push_back(dataSet->GetBookmark());
        if (row + 1 < count) dataSet->Next();
    }
    RestorePos();
    currentRecordIndex_ = active;
}

// Scrolling through the dataset does not recalculate the summaries at every step.
void TcxDBDataProvider::UpdateGridModeBuffer() {
    gridModeUpdating_ = true;
    try {
        GetDBDataController()->ReloadData();
    } catch (...) {
        gridModeUpdating_ = false;
        throw;
    }
    gridModeUpdating_ = false;
}

// Outside grid mode a loaded record index is a dataset position; a detail's records are found
// by their keys; in grid mode it is a row of the buffer window.
void TcxDBDataProvider::CheckLoadedPosition() {
    TcxDBDataController* controller = GetDBDataController();
    if (IsGridMode()) {
        currentRecordIndex_ = dataLink_.GetActive() && !GetDataSet()->IsEmpty() ? dataLink_.GetActiveRecord() : -1;
        return;
    }
    if (controller->IsDetailMode()) {
        currentRecordIndex_ =
            controller->HasRecordKeys() && !IsEOF() ? controller->FindRecordIndexByKey(controller->GetDataSetKeyValues())
                                                    : -1;
        return;
    }
    TDataSet* dataSet = GetDataSet();
    int recNo = dataSet && dataSet->GetActive() && !dataSet->IsEmpty() ? dataSet->GetRecNo() : 0;
    int count = GetDataController()->GetRecordCount();
    currentRecordIndex_ = recNo >= 1 && recNo <= count ? recNo - 1 : -1;
    // Smart refresh adds and removes records without a reload: the storage may then stand apart
    // from the dataset's order, and the key tells which record is current.
    if (IsSmartRefresh() && !IsDataSetEditing()) currentRecordIndex_ = FindCurrentRecordByKey();
}

int TcxDBDataProvider::FindCurrentRecordByKey() const {
    TcxDBDataController* controller = GetDBDataController();
    TDataSet* dataSet = GetDataSet();
    if (!dataSet || !dataSet->GetActive() || dataSet->IsEmpty()) return -1;
    const Variant key = controller->GetDataSetKeyValues();
    const int keyCount = static_cast<int>(controller->GetKeyFields().size());
    const int position = dataSet->GetRecNo() - 1;
    if (position >= 0 && position < controller->GetRecordCount() &&
        SameKeyValues(controller->GetRecordKey(position), key, keyCount))
        return position;
    return controller->FindRecordIndexByKey(key);
}

// ---- editing ----

void TcxDBDataProvider::Edit() {
    if (!CanModify()) {
        TcxCustomDataProvider::Edit();
        return;
    }
    if (IsDataSetEditing()) return;
    TcxDBDataController* controller = GetDBDataController();
    int focused = controller->GetFocusedRecordIndex();
    if (focused >= 0 && focused != currentRecordIndex_ && !controller->SyncDataSetToRecord(focused)) return;
    GetDataSet()->Edit();
}

bool TcxDBDataProvider::CanInitEditing(int recordIndex) {
    if (!CanModify()) return TcxCustomDataProvider::CanInitEditing(recordIndex);
    GetDataController()->CheckRecordIndex(recordIndex);
    inCanInitEditing_ = true;
    bool ok = false;
    try {
        ok = dataLink_.Edit();
    } catch (...) {
        inCanInitEditing_ = false;
        throw;
    }
    inCanInitEditing_ = false;
    if (ok) SetChanging();
    return ok;
}

void TcxDBDataProvider::InsertOrAppend(bool append) {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return;
    if (IsDataSetEditing()) GetDBDataController()->CheckBrowseMode();
    inInsert_ = true;
    insertOperation_ = !append;
    try {
        if (append)
            dataSet->Append();
        else
            dataSet->Insert();
    } catch (...) {
        inInsert_ = insertOperation_ = false;
        throw;
    }
    inInsert_ = insertOperation_ = false;
}

void TcxDBDataProvider::Append() {
    if (!CanModify())
        TcxCustomDataProvider::Append();
    else
        InsertOrAppend(true);
}

void TcxDBDataProvider::Insert() {
    if (!CanModify())
        TcxCustomDataProvider::Insert();
    else
        InsertOrAppend(false);
}

void TcxDBDataProvider::Post() {
    if (!CanModify()) {
        TcxCustomDataProvider::Post();
        return;
    }
    if (!IsDataSetEditing()) return;
    TDataSet* dataSet = GetDataSet();
    if (IsSmartRefresh()) {
        dataSet->CheckBrowseMode(); // only the posted record is read again: nothing to hold back
        return;
    }
    TcxDBDataController* controller = GetDBDataController();
    controller->BeginUpdate();
    try {
        dataSet->CheckBrowseMode();
    } catch (...) {
        controller->EndUpdate();
        throw;
    }
    controller->EndUpdate();
}

void TcxDBDataProvider::Cancel() {
    if (!CanModify()) {
        TcxCustomDataProvider::Cancel();
        return;
    }
    if (!IsDataSetEditing()) return;
    TDataSet* dataSet = GetDataSet();
    TcxDBDataController* controller = GetDBDataController();
    bool inserting = IsInserting();
    int record = GetEditingRecordIndex();
    if (IsSmartRefresh()) {
        // No reload follows: the storage record takes back the values it had before the edit.
        controller->BeginUnboundCopy();
        try {
            TcxCustomDataProvider::Cancel();
        } catch (...) {
            controller->EndUnboundCopy();
            throw;
        }
        controller->EndUnboundCopy();
    }
    CancelDataSetChanges();
    // A cancel during the controller's own move is not followed by a reload: the new record's
    // storage record goes here, so record indexes stay dataset positions.
    if (inserting && record >= 0 && record < controller->GetRecordCount() &&
        controller->GetRecordCount() > dataSet->GetRecordCount()) {
        controller->DeleteRecord(record);
        CheckLoadedPosition();
    }
}

void TcxDBDataProvider::CancelDataSetChanges() {
    TDataSet* dataSet = GetDataSet();
    TcxDBDataController* controller = GetDBDataController();
    if (!controller->IsDetailMode() || !IsEOF()) {
        dataSet->Cancel();
        return;
    }
    // A new record past a detail's rows: the cancel would leave the dataset outside them, so it goes
    // back to the row before the new one.
    const int rows = controller->GetRowCount();
    const int record = rows >= 2 ? controller->GetRowInfo(rows - 2).RecordIndex : -1;
    const bool found = controller->HasRecordKeys() && record >= 0 && record < controller->GetRecordCount();
    const Variant id = found ? controller->GetRecordKey(record) : Variant();
    dataSet->DisableControls();
    try {
        dataSet->Cancel();
        if (found) dataSet->Locate(controller->GetKeyFieldNames(), id, {});
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
}

void TcxDBDataProvider::PostEditingData() {
    if (dataLink_.GetActive()) dataLink_.UpdateRecord();
    ResetChanging();
}

void TcxDBDataProvider::GetEditValue(int recordIndex, TcxCustomDataField* field, Variant& value, int kind) {
    value = Variant::Null();
    auto* dbField = dynamic_cast<TcxDBDataField*>(field);
    TField* dataSetField = dbField ? dbField->GetField() : nullptr;
    if (!dataSetField || !IsActive()) {
        if (!dbField || dbField->IsUnbound()) TcxCustomDataProvider::GetEditValue(recordIndex, field, value, kind);
        return;
    }
    const std::string& keyFields = dataSetField->GetKeyFields();
    if (kind == 1) {
        if (!dataSetField->IsNull() || dataSetField->OnGetText) value = Variant(dataSetField->GetEditText());
    } else if (kind == 2 && !keyFields.empty()) {
        value = GetDataSet()->GetFieldValues(keyFields);
    } else {
        value = ReadFieldValue(dataSetField);
    }
}

bool TcxDBDataProvider::SetEditValue(int recordIndex, TcxCustomDataField* field, const Variant& value, int kind) {
    auto* dbField = dynamic_cast<TcxDBDataField*>(field);
    TField* dataSetField = dbField ? dbField->GetField() : nullptr;
    if (!dataSetField) return dbField && dbField->IsUnbound() &&
                              TcxCustomDataProvider::SetEditValue(recordIndex, field, value, kind);
    if (kind == 1 || dataSetField->OnSetText)
        dataSetField->SetEditText(VarToStr(value));
    else if (kind == 2 && !dataSetField->GetKeyFields().empty())
        GetDataSet()->SetFieldValues(dataSetField->GetKeyFields(), value);
    else
        WriteFieldValue(dataSetField, value);
    MarkModified();
    return true;
}

void TcxDBDataProvider::SetValue(int recordIndex, TcxCustomDataField* field, const Variant& value) {
    auto* dbField = dynamic_cast<TcxDBDataField*>(field);
    TField* dataSetField = dbField ? dbField->GetField() : nullptr;
    if (!dataSetField || !IsDataSetEditing()) {
        TcxCustomDataProvider::SetValue(recordIndex, field, value);
        return;
    }
    const std::string& keyFields = dataSetField->GetKeyFields();
    if (dataSetField->GetLookup() && !keyFields.empty()) {
        GetDataSet()->SetFieldValues(keyFields, value);
        assignedFields_.AddFields(GetDataSet()->GetFieldList(keyFields));
        return;
    }
    WriteFieldValue(dataSetField, value);
    assignedFields_.AddField(dataSetField);
}

void TcxDBDataProvider::InitInsertingRecord(int recordIndex, const std::vector<Variant>& groupValues) {
    TcxDBDataController* controller = GetDBDataController();
    // Cleared for every new record: what was put into an earlier one says nothing about this one.
    assignedFields_.Clear();
    if (inInsert_ || inCanInitEditing_ || IsOtherInsert()) {
        TcxCustomDataProvider::InitInsertingRecord(recordIndex, groupValues);
        const Variant& keys = controller->GetMasterDetailKeyValues();
        if ((controller->GetOptions() & dcoAssignMasterDetailKeys) && controller->IsDetailMode() && !keys.IsEmpty() &&
            !keys.IsNull()) {
            // A new detail record belongs to its master record, yet holds nothing of the user's.
            const std::string names = controller->GetMasterDetailKeyFieldNames();
            GetDataSet()->SetFieldValues(names, keys);
            assignedFields_.AddFields(GetDataSet()->GetFieldList(names));
        }
        controller->NewRecordInitialized(recordIndex);
    }
    RereadRecord(recordIndex);
}

int TcxDBDataProvider::Delete() {
    TcxDBDataController* controller = GetDBDataController();
    int record = controller->GetFocusedRecordIndex();
    TDataSet* dataSet = GetDataSet();
    if (!CanModify() || !dataSet || record < 0) return TcxCustomDataProvider::Delete();
    if (IsDataSetEditing()) controller->CheckBrowseMode();
    if (record != currentRecordIndex_ && !controller->SyncDataSetToRecord(record)) return -1;
    controller->DoBeforeDelete(record);
    if (!IsSmartRefresh()) {
        dataSet->Delete(); // the change notice reloads the records, the focus follows the dataset
        controller->DoAfterDelete();
        return record;
    }
    // Smart refresh: the record leaves the storage here and the others stay as they are loaded;
    // the change notice only moves the focus to where the dataset went.
    dataSet->DisableControls();
    try {
        dataSet->Delete();
        controller->DeleteRecord(record);
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataLink_.SetPreventLayoutChange(true);
    try {
        dataSet->EnableControls();
    } catch (...) {
        dataLink_.SetPreventLayoutChange(false);
        throw;
    }
    dataLink_.SetPreventLayoutChange(false);
    controller->DoAfterDelete();
    return record;
}

bool TcxDBDataProvider::HasDetailRecords(int recordIndex, int relationIndex) {
    TcxDBDataController* master = GetDBDataController();
    auto* relation = master->HasRelations() && relationIndex >= 0 && relationIndex < master->GetRelations().GetCount()
                         ? dynamic_cast<TcxDBDataRelation*>(master->GetRelations().GetItem(relationIndex))
                         : nullptr;
    TcxDBDataController* pattern = relation ? relation->GetDetailPattern() : nullptr;
    if (!pattern) return TcxCustomDataProvider::HasDetailRecords(recordIndex, relationIndex);
    bool hasChildren = true;
    const Variant keys = relation->GetMasterKeyValues(recordIndex);
    const std::string names = pattern->GetMasterDetailKeyFieldNames();
    if (master->OnDetailHasChildren) {
        master->OnDetailHasChildren(master, recordIndex, relationIndex, names, keys, hasChildren);
        return hasChildren;
    }
    if (pattern->IsGridMode() || pattern->GetDataModeController().GetDetailInSQLMode()) return true;
    TDataSet* dataSet = pattern->GetDataSet();
    if (!dataSet || !dataSet->GetActive()) return false;
    TcxDBDataProvider& patternProvider = pattern->GetDBProvider();
    patternProvider.LockNotifications();
    try {
        patternProvider.SavePos();
        hasChildren = !names.empty() && dataSet->Locate(names, keys, {});
        patternProvider.RestorePos();
    } catch (...) {
        patternProvider.UnlockNotifications();
        throw;
    }
    patternProvider.UnlockNotifications();
    pattern->AfterDataChanged();
    return hasChildren;
}

void TcxDBDataProvider::DeleteSelection() {
    TcxDBDataController* controller = GetDBDataController();
    TDataSet* dataSet = GetDataSet();
    if (!IsGridMode() || !controller->GetMultiSelect() || !dataSet || !CanModify()) {
        TcxCustomDataProvider::DeleteSelection();
        return;
    }
    TcxDBDataSelection& selection = controller->GetDBSelection();
    if (IsDataSetEditing()) controller->CheckBrowseMode();
    dataSet->DisableControls();
    try {
        for (int i = selection.GetCount() - 1; i >= 0; --i) {
            dataSet->GotoBookmark(selection.GetBookmark(i));
            dataSet->Delete();
            selection.Delete(i);
        }
    } catch (...) {
        dataSet->EnableControls();
        controller->Change(dccSelection);
        throw;
    }
    dataSet->EnableControls(); // its change notice reloads the buffer
    controller->Change(dccSelection);
}

void TcxDBDataProvider::DeleteRecords(std::vector<int> records) {
    TDataSet* dataSet = GetDataSet();
    TcxDBDataController* controller = GetDBDataController();
    if (!CanModify() || !dataSet) {
        TcxCustomDataProvider::DeleteRecords(std::move(records));
        return;
    }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    if (records.empty()) return;
    if (IsDataSetEditing()) controller->CheckBrowseMode();
    std::vector<Variant> keys;
    if (controller->HasRecordKeys())
        for (int record : records) keys.push_back(controller->GetRecordKey(record));
    const bool smartRefresh = IsSmartRefresh();
    if (smartRefresh) controller->BeginUpdate();
    dataSet->DisableControls();
    try {
        if (!keys.empty()) {
            for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
                if (!dataSet->Locate(controller->GetKeyFieldNames(), *it)) continue;
                if (!smartRefresh) {
                    dataSet->Delete();
                    continue;
                }
                // Smart refresh: the loaded record leaves the storage with its dataset record.
                const int loaded = controller->FindRecordIndexByKey(controller->GetDataSetKeyValues());
                if (loaded < 0) continue;
                dataSet->Delete();
                controller->DeleteRecord(loaded);
            }
        } else {
            // Record indexes are dataset positions. Each step moves from where the dataset actually
            // stands (after deleting the last record it stands on the one before) and stops when the
            // dataset cannot reach the next record, so nothing but the listed records is deleted.
            for (auto it = records.rbegin(); it != records.rend(); ++it) {
                int position = dataSet->IsEmpty() ? -1 : dataSet->GetRecNo() - 1;
                if (position < 0) break;
                int wanted = *it - position;
                if (dataSet->MoveBy(wanted) != wanted) break;
                dataSet->Delete();
            }
        }
    } catch (...) {
        dataSet->EnableControls();
        if (smartRefresh) controller->EndUpdate();
        throw;
    }
    try {
        dataSet->EnableControls(); // the change notice reloads the records, or with smart refresh moves
        if (smartRefresh) controller->SyncFocusedRecord();
        controller->ClearSelection();
    } catch (...) {
        if (smartRefresh) controller->EndUpdate();
        throw;
    }
    if (smartRefresh) controller->EndUpdate();
}

// ---- notifications of the data link ----

void TcxDBDataProvider::ActiveChanged(bool active) {
    SetActiveChanging(true);
    try {
        DoActiveChanged(active);
    } catch (...) {
        SetActiveChanging(false);
        throw;
    }
    SetActiveChanging(false);
}

void TcxDBDataProvider::DoActiveChanged(bool active) {
    TcxDBDataController* controller = GetDBDataController();
    ResetEditing();
    if (active) {
        controller->UpdateFields();
        controller->ReloadData();
        return;
    }
    currentRecordIndex_ = -1;
    controller->SetRecordCount(0);
    TDataSet* dataSet = GetDataSet();
    // Dynamic fields are about to be destroyed: nothing may keep pointing at them.
    if (!dataSet || dataSet->GetDefaultFields()) controller->UnbindFields();
}

// ---- a detail dataset shared by the clones of one relation ----

void TcxDBDataProvider::SetDataSetCurrent(bool value) {
    TcxDBDataController* controller = GetDBDataController();
    if (value && controller->GetDetailMode() == TcxCustomDataController::dcdmClone) {
        std::vector<TcxDBDataController*> clones;
        controller->ForEachDetailController(controller->GetMasterRelation(), [&](TcxCustomDataController* clone) {
            if (auto* dbClone = dynamic_cast<TcxDBDataController*>(clone)) clones.push_back(dbClone);
        });
        for (TcxDBDataController* clone : clones) {
            if (clone->IsResettingDataSetCurrent()) continue;
            clone->SetResettingDataSetCurrent(true);
            try {
                clone->GetDBProvider().SetDataSetCurrent(false);
                clone->ChangeFocusedRecordIndex(-1);
            } catch (...) {
                clone->SetResettingDataSetCurrent(false);
                throw;
            }
            clone->SetResettingDataSetCurrent(false);
        }
    }
    dataSetCurrent_ = value;
    controller->DataSetCurrentChanged(value);
}

bool TcxDBDataProvider::IsDataSetCurrent() const {
    TcxDBDataController* controller = GetDBDataController();
    TcxDBDataModeController& mode = controller->GetDataModeController();
    if (!controller->IsDetailMode() || mode.GetDetailInSQLMode() || !IsSyncMode()) return dataSetCurrent_;
    if (inCanInitEditing_) return true;
    const bool unfocused = controller->GetFocusedRowIndex() < 0 && !dataSetCurrent_;
    const bool newItemRowEdit = controller->GetUseNewItemRowForEditing() && controller->GetNewItemRowFocused();
    if (!inInsert_ && (unfocused || IsOtherInsert()) && (!newItemRowEdit || IsInserting())) return false;
    for (TcxDBDataProvider* provider : ProvidersOfDataSet())
        if (provider != this && provider->inCanInitEditing_) return false;
    return true;
}

// ---- several providers on one dataset ----

std::vector<TcxDBDataProvider*> TcxDBDataProvider::ProvidersOfDataSet() const {
    std::vector<TcxDBDataProvider*> providers;
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return providers;
    for (TcxDBDataProvider* provider : *allProviders)
        if (provider->GetDataSet() == dataSet) providers.push_back(provider);
    return providers;
}

bool TcxDBDataProvider::IsOtherInsert() const {
    for (TcxDBDataProvider* provider : ProvidersOfDataSet())
        if (provider != this && provider->inInsert_) return true;
    return false;
}

TcxDBDataProvider* TcxDBDataProvider::FindBlockingProvider() const {
    const bool keys = GetDBDataController()->HasRecordKeys();
    for (TcxDBDataProvider* provider : ProvidersOfDataSet())
        if (provider != this && (provider->IsNotifyLocked() || (keys && provider->IsLocating()))) return provider;
    return nullptr;
}

TcxDBDataProvider* TcxDBDataProvider::FindDecidingProvider() const {
    TcxDBDataController* controller = GetDBDataController();
    const bool locatingCounts = controller->HasRecordKeys() || controller->IsGridMode();
    for (TcxDBDataProvider* provider : ProvidersOfDataSet())
        if (provider->IsNotifyLocked() || provider->inNotify_ || (locatingCounts && provider->IsLocating()))
            return provider;
    return nullptr;
}

// The provider's own reloads and moves leave the dataset where it put it (a record it posted on
// the way was read again at once); a notice handed on after another provider's reload or move is
// a move too, unless a post happened meanwhile (the post-locate mark).
bool TcxDBDataProvider::IsHandledAsScroll() const {
    if (IsNotifyLocked() || IsLocating()) return true;
    TcxDBDataProvider* decider = FindDecidingProvider();
    if (!decider) return false;
    if (decider->inNotify_) return !postLocateMark_;
    return !postLocateMark_ && !(IsGridMode() && GetDBDataController()->IsGridModeNotifyLocked());
}

void TcxDBDataProvider::SetPostLocateMarks() {
    for (TcxDBDataProvider* provider : ProvidersOfDataSet())
        if (!provider->GetDataController()->IsPattern()) provider->postLocateMark_ = true;
}

void TcxDBDataProvider::AddListener(TcxDBDataProvider* provider) {
    if (std::find(listeners_.begin(), listeners_.end(), provider) == listeners_.end())
        listeners_.push_back(provider);
}

void TcxDBDataProvider::RemoveListener(TcxDBDataProvider* provider) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), provider), listeners_.end());
}

void TcxDBDataProvider::DeliverDeferredNotices() {
    if (inNotify_) return;
    inNotify_ = true;
    try {
        while (!listeners_.empty()) {
            TcxDBDataProvider* listener = listeners_.back();
            listeners_.pop_back();
            listener->DataSetChanged();
        }
    } catch (...) {
        inNotify_ = false;
        throw;
    }
    inNotify_ = false;
}

// ---- notifications ----

void TcxDBDataProvider::DataSetChanged() {
    if (creatingInsertRecord_) return;
    TDataSet* dataSet = GetDataSet();
    if (!IsNotifyLocked() && !IsLocating() && dataSet && dataSet->GetActive()) {
        // Another provider reloads or moves the dataset: the notice comes again when it is done.
        if (TcxDBDataProvider* blocking = FindBlockingProvider()) {
            if (!blocking->GetDBDataController()->IsGridModeNotifyLocked()) blocking->AddListener(this);
            return;
        }
        // A detail query reopened for another clone: its rows are not this clone's.
        if (GetDBDataController()->IsDetailQueryOutdated()) return;
    }
    // Fields rebound with another value type or text storing hold no values: only a reload helps
    // (unless this is the notice of the provider's own reload, which reads them anyway).
    const bool valuesLost = GetDBDataController()->IsFieldDataRecreated() && !IsNotifyLocked();
    if (!valuesLost && IsHandledAsScroll()) {
        DataScrolled(0);
        return;
    }
    if (!dataSet || !dataSet->GetActive()) return;
    TDataSetState state = dataSet->GetState();
    if (state == TDataSetState::dsBrowse) {
        if (IsEditing()) ResetEditing();
        TcxDBDataController* controller = GetDBDataController();
        if (IsSmartRefresh() && !valuesLost) {
            try {
                RereadPostedRecord();
            } catch (...) {
                ClearRereadState();
                throw;
            }
            ClearRereadState();
            DataScrolled(0);
            return;
        }
        ClearRereadState();
        if (IsGridMode()) {
            // Records deleted elsewhere leave the selection and the bookmark.
            if (controller->GetMultiSelect()) controller->GetDBSelection().RemoveInvalid();
            controller->CheckBookmark(-1);
            UpdateGridModeBuffer();
            return;
        }
        controller->ReloadData();
    } else if (state == TDataSetState::dsInsert && !IsInserting()) {
        // Of the clones sharing a detail dataset only the one it stands for takes the new record.
        TcxDBDataController* controller = GetDBDataController();
        if (!controller->IsDetailMode() || IsDataSetCurrent()) EditingChanged();
    }
}

void TcxDBDataProvider::LayoutChanged() {
    TcxDBDataController* controller = GetDBDataController();
    for (TcxDBDataProvider* provider : ProvidersOfDataSet()) {
        if (!provider->IsNotifyLocked() || !provider->GetDBDataController()->IsDetailMode()) continue;
        TDataSet* dataSet = GetDataSet();
        if (dataSet->GetActive() && !dataSet->ControlsDisabled()) controller->UpdateFields();
        return;
    }
    if (dataLink_.GetActive()) controller->UpdateFields();
    DataSetChanged();
}

void TcxDBDataProvider::DataScrolled(int distance) {
    TDataSet* dataSet = GetDataSet();
    if (dataSet && dataSet->GetState() == TDataSetState::dsBrowse)
        CheckLoadedPosition();
    else if (!IsInserting())
        currentRecordIndex_ += distance;
    bool windowMoved = IsGridMode() && distance != 0;
    if (notifyLockCount_ > 0 || IsLocating()) {
        if (windowMoved && notifyLockCount_ == 0) bufferStale_ = true;
        return;
    }
    if (windowMoved) {
        UpdateGridModeBuffer(); // the buffer holds other records now
        return;
    }
    ResetChanging();
    if (!IsAnotherClonesDataSet()) GetDBDataController()->SyncFocusedRecord();
}

bool TcxDBDataProvider::IsAnotherClonesDataSet() const {
    TcxDBDataController* controller = GetDBDataController();
    return controller->GetDetailMode() == TcxCustomDataController::dcdmClone && controller->IsDetailMode() &&
           controller->GetDataModeController().GetDetailInSyncMode() && !IsDataSetCurrent();
}

void TcxDBDataProvider::FollowDataSet() {
    CheckLoadedPosition();
    GetDBDataController()->SyncFocusedRecord();
}

void TcxDBDataProvider::EditingChanged() {
    if (!IsSyncMode()) return;
    TDataSet* dataSet = GetDataSet();
    TDataSetState state = dataSet->GetState();
    const bool editingStarts = state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
    if (editingStarts && IsAnotherClonesDataSet()) return;
    if (state == TDataSetState::dsEdit) {
        if (!IsEditing()) BeginEditRecord();
    } else if (state == TDataSetState::dsInsert) {
        if (!IsInserting() && !dataSet->ControlsDisabled()) {
            creatingInsertRecord_ = true;
            try {
                BeginInsertRecord(dataSet->GetEof() && !insertOperation_);
            } catch (...) {
                creatingInsertRecord_ = false;
                throw;
            }
            creatingInsertRecord_ = false;
        }
    } else if (IsEditing()) {
        rereadRecordIndex_ = GetEditingRecordIndex();
        rereadInserting_ = IsInserting();
        rereadNewRecordIndex_ = -1;
        if (IsSmartRefresh() && rereadInserting_ && IsEditingNewItemRecord()) {
            // The new-item row's record goes with ResetEditing: a storage record keeps what was posted.
            TcxDBDataController* controller = GetDBDataController();
            controller->BeginUnboundCopy();
            try {
                rereadNewRecordIndex_ = controller->AppendRecord();
                controller->ReadRecordValues(rereadRecordIndex_, rereadNewRecordIndex_);
            } catch (...) {
                controller->EndUnboundCopy();
                throw;
            }
            controller->EndUnboundCopy();
        }
        ResetEditing();
    }
}

void TcxDBDataProvider::RecordChanged(TField*) {
    // The editing record shows what the dataset's current record holds now; a shared detail
    // dataset's record is another clone's while it does not stand for this one.
    TcxDBDataController* controller = GetDBDataController();
    if (controller->IsDetailMode() && controller->GetDataModeController().GetDetailInSyncMode() &&
        !IsDataSetCurrent())
        return;
    if (!IsEditing() || !IsDataSetEditing()) return;
    RereadRecord(GetEditingRecordIndex());
    ResetChanging();
}

void TcxDBDataProvider::ClearRereadState() {
    rereadRecordIndex_ = cxNullEditingRecordIndex;
    rereadInserting_ = false;
    rereadNewRecordIndex_ = -1;
}

void TcxDBDataProvider::RereadPostedRecord() {
    TcxDBDataController* controller = GetDBDataController();
    if (rereadRecordIndex_ == cxNullEditingRecordIndex || rereadRecordIndex_ != controller->GetFocusedRecordIndex())
        return;
    // A new-item row's record stands as the storage record its post made.
    int record = rereadRecordIndex_ >= 0 ? rereadRecordIndex_ : rereadNewRecordIndex_;
    const bool loaded = record >= 0 && record < controller->GetRecordCount();
    const Variant id = loaded ? controller->GetRecordKey(record) : Variant::Null();
    const Variant dataSetKey = controller->GetDataSetKeyValues();
    const std::vector<TcxCustomDataField*> keyFields = controller->GetKeyFields();
    const int keyCount = static_cast<int>(keyFields.size());
    TField* autoIncKey =
        keyCount == 1 ? static_cast<TcxDBDataField*>(keyFields.front())->GetField() : nullptr;
    if (loaded && SameKeyValues(id, dataSetKey, keyCount)) {
        RereadRecord(record);
    } else if (loaded && rereadInserting_ && id.IsNull() && autoIncKey &&
               autoIncKey->GetDataType() == TFieldType::ftAutoInc && controller->FindRecordIndexByKey(dataSetKey) < 0) {
        // The database gave the new record its key on the post: the posted record is this one.
        RereadRecord(record);
    } else {
        const int found = controller->FindRecordIndexByKey(id);
        if (found < 0 || found == record) {
            if (loaded) controller->DeleteRecord(record);
            CheckLoadedPosition();
            controller->SyncFocusedRecord();
        }
    }
    // The posted values may now fall outside the filter or change the summaries.
    controller->FilterChanged();
    controller->SummaryChanged(false);
    ClearPostLocateMark();
}

void TcxDBDataProvider::RereadRecord(int recordIndex) {
    TcxDBDataController* controller = GetDBDataController();
    if (recordIndex < 0 || recordIndex >= controller->GetRecordCount()) return;
    TcxValueDefDBReader reader;
    controller->GetStorage().FillRecord(recordIndex, reader);
    controller->DataChanged(dcsRecord, -1, recordIndex);
}

} // namespace zorvy
