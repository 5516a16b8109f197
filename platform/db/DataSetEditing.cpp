// Editing a dataset: edit, insert and append, post, cancel, delete; the record reaches the database
// through the source's write-back and enters the cursor only once the database has accepted it.
#include "platform/db/DataSet.h"

#include "platform/db/DataSource.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace zorvy {
// ---- Editing ----------------------------------------------------------------------------------

bool TDataSet::GetCanModify() const {
    return GetActive() && SourceCanModify();
}

void TDataSet::CheckCanModify() const {
    if (GetCanModify()) return;
    const std::string reason = ReadOnlyReason();
    throw EDatabaseError(GetName() + ": " + (reason.empty() ? "Cannot modify a read-only dataset" : reason));
}

void TDataSet::SetState(TDataSetState state) {
    if (state_ == state) return;
    state_ = state;
    modified_ = false;
    DataEvent(TDataEvent::deUpdateState);
}

bool TDataSet::HasCalculatedFields() const {
    return std::any_of(fields_.fields_.begin(), fields_.fields_.end(),
                       [](TField* f) { return f->fieldKind_ != TFieldKind::fkData; });
}

void TDataSet::Edit() {
    if (IsEditing(state_)) return;
    CheckActive();
    if (view_.empty()) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify();
    if (BeforeEdit) BeforeEdit(this);
    editBuffer_ = view_[current_]->cells;
    SetState(TDataSetState::dsEdit);
    DataEvent(TDataEvent::deRecordChange);
    if (AfterEdit) AfterEdit(this);
}

void TDataSet::Insert() {
    BeginInsertAppend(false);
}

void TDataSet::Append() {
    BeginInsertAppend(true);
}

void TDataSet::BeginInsertAppend(bool append) {
    CheckActive();
    CheckBrowseMode();
    CheckCanModify();
    if (BeforeInsert) BeforeInsert(this);
    if (BeforeScroll) BeforeScroll(this);
    editBuffer_.assign(fields_.fields_.size(), CellValue());
    appending_ = append || view_.empty();
    insertPosition_ = appending_ ? static_cast<int>(view_.size()) : std::max(current_, 0);
    SetState(TDataSetState::dsInsert);
    UpdateWindow();
    try {
        if (OnNewRecord) OnNewRecord(this);
    } catch (...) {
        // A failing new-record handler leaves no half-made record behind.
        editBuffer_.clear();
        insertPosition_ = -1;
        SetState(TDataSetState::dsBrowse);
        UpdateWindow();
        DataEvent(TDataEvent::deDataSetChange);
        throw;
    }
    modified_ = false;
    DataEvent(TDataEvent::deDataSetChange);
    TWeakLink<TDataSet> alive(this);
    if (AfterInsert) AfterInsert(this);
    if (alive && AfterScroll) AfterScroll(this);
}

void TDataSet::CheckRequiredFields() const {
    for (size_t f = 0; f < fields_.fields_.size(); ++f) {
        TField* field = fields_.fields_[f];
        if (field->required_ && field->fieldKind_ == TFieldKind::fkData && IsNullCell(editBuffer_[f]))
            throw EDatabaseError("Field '" + field->GetDisplayName() + "' must have a value");
    }
}

TDataSet::WriteBack TDataSet::MakeWriteBack(const Record* original,
                                            const std::vector<CellValue>* values) const {
    WriteBack write;
    for (size_t f = 0; f < fields_.fields_.size(); ++f) {
        TField* field = fields_.fields_[f];
        if (field->fieldKind_ != TFieldKind::fkData) continue;
        write.fields.push_back(field);
        write.oldValues.push_back(original ? original->cells[f] : CellValue());
        write.newValues.push_back(values ? (*values)[f] : CellValue());
        write.changed.push_back(values && (!original || original->cells[f] != (*values)[f]));
    }
    return write;
}

void TDataSet::Post() {
    CheckActive();
    if (!IsEditing(state_)) throw EDatabaseError(GetName() + ": Dataset not in edit or insert mode");
    UpdateRecord();
    if (BeforePost) BeforePost(this);
    CheckRequiredFields();
    const bool journaled = WritesInTransaction();
    if (state_ == TDataSetState::dsInsert) {
        WriteInsert(MakeWriteBack(nullptr, &editBuffer_));
        auto record = std::make_unique<Record>();
        record->id = nextId_++;
        record->sourceOrder = record->id;
        record->cells = editBuffer_;
        Record* added = record.get();
        records_.push_back(std::move(record));
        int position = std::clamp(insertPosition_, 0, static_cast<int>(view_.size()));
        view_.insert(view_.begin() + position, added);
        current_ = position;
        if (journaled) Journal(JournalInserted, added, {});
    } else {
        Record* record = view_[current_];
        WriteUpdate(MakeWriteBack(record, &editBuffer_));
        if (journaled) Journal(JournalUpdated, record, record->cells);
        record->cells = editBuffer_;
    }
    editBuffer_.clear();
    insertPosition_ = -1;
    appending_ = false;
    bof_ = eof_ = false;
    SetState(TDataSetState::dsBrowse);
    if (HasCalculatedFields()) CalculateRecord(*view_[current_], current_);
    UpdateWindow();
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterPost) AfterPost(this);
}

void TDataSet::Cancel() {
    if (!IsEditing(state_)) return;
    DataEvent(TDataEvent::deCheckBrowseMode);
    if (BeforeCancel) BeforeCancel(this);
    bool wasInserting = state_ == TDataSetState::dsInsert;
    editBuffer_.clear();
    insertPosition_ = -1;
    appending_ = false;
    SetState(TDataSetState::dsBrowse);
    if (wasInserting) {
        bof_ = view_.empty();
        eof_ = view_.empty();
    }
    UpdateWindow();
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterCancel) AfterCancel(this);
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert) {
        Cancel();
        return;
    }
    if (view_.empty())
        throw EDatabaseError(GetName() + ": Cannot perform this operation on an empty dataset");
    CheckCanModify();
    DataEvent(TDataEvent::deCheckBrowseMode);
    if (BeforeDelete) BeforeDelete(this);
    if (BeforeScroll) BeforeScroll(this);
    if (state_ == TDataSetState::dsEdit) {
        editBuffer_.clear();
        SetState(TDataSetState::dsBrowse);
    }
    Record* record = view_[current_];
    const bool journaled = WritesInTransaction();
    WriteDelete(MakeWriteBack(record, nullptr));
    auto stored =
        std::find_if(records_.begin(), records_.end(), [record](auto& r) { return r.get() == record; });
    if (journaled) Journal(JournalDeleted, record, {}); // keeps the record for an undo
    view_.erase(view_.begin() + current_);
    records_.erase(stored);
    if (current_ >= static_cast<int>(view_.size())) current_ = static_cast<int>(view_.size()) - 1;
    bof_ = eof_ = view_.empty();
    UpdateWindow();
    DataEvent(TDataEvent::deDataSetChange);
    TWeakLink<TDataSet> alive(this);
    if (AfterDelete) AfterDelete(this);
    if (alive && AfterScroll) AfterScroll(this);
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(TDataEvent::deCheckBrowseMode);
    if (IsEditing(state_)) {
        UpdateRecord();
        if (modified_)
            Post();
        else
            Cancel();
    }
}

void TDataSet::UpdateRecord() {
    if (!IsEditing(state_)) throw EDatabaseError(GetName() + ": Dataset not in edit or insert mode");
    DataEvent(TDataEvent::deUpdateRecord);
}

void TDataSet::WriteInsert(const WriteBack&) {
    throw EDatabaseError(GetName() + ": Cannot modify a read-only dataset");
}
void TDataSet::WriteUpdate(const WriteBack&) {
    throw EDatabaseError(GetName() + ": Cannot modify a read-only dataset");
}
void TDataSet::WriteDelete(const WriteBack&) {
    throw EDatabaseError(GetName() + ": Cannot modify a read-only dataset");
}

} // namespace zorvy
