#include "controls/data/DataProvider.h"

#include "controls/data/DataController.h"

namespace zorvy {

TcxCustomDataProvider::~TcxCustomDataProvider() = default;

void TcxCustomDataProvider::BeginEditRecord() {
    if (IsEditing()) return;
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
    if (!IsActive() && !inserting_) SaveEditingRecord(record);
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
    try {
        int rows = info.GetRowCount();
        int template_ = -1;
        if (append) {
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
        // The new record joins the template's groups.
        if (template_ >= 0 && info.GetGrouping().GetCount() > 0 &&
            (dataController_->GetOptions() & dcoAssignGroupingValues)) {
            std::vector<Variant> values = dataController_->GetGroupValues(template_);
            for (int level = 0; level < info.GetGrouping().GetCount(); ++level)
                SetValue(record, info.GetGrouping().GetItem(level).Field, values[static_cast<size_t>(level)]);
        }
        dataController_->DoNewRecord(record);
        changing_ = false;
        modified_ = false;
        inserting_ = true;
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
    dataController_->SetFocusedRecordIndex(record);
    dataController_->DoAfterInsert();
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
        if (record >= 0 && record < dataController_->GetRecordCount()) {
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

void TcxCustomDataProvider::ResetEditing() {
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

} // namespace zorvy
