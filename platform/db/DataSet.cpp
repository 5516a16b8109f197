#include "platform/db/DataSet.h"

#include "platform/db/DataSource.h"
#include "platform/db/FieldFamily.h"
#include "platform/db/Filter.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {
namespace {

const CellValue NullCell;

// The form of a type's cells: a persistent field may read any column of its form. Dates, times and
// date-times all hold a TDateTime.
TFieldFamily FormOf(TFieldType type) {
    const TFieldFamily family = FieldFamilyOf(type);
    return IsDateTimeFamily(family) ? TFieldFamily::DateTime : family;
}

// A column's cell in the form of the field that reads it (integers read by a float field).
CellValue FieldForm(CellValue cell, TFieldType type) {
    if (FieldFamilyOf(type) == TFieldFamily::Float)
        if (auto* i = std::get_if<int64_t>(&cell)) return static_cast<double>(*i);
    return cell;
}

} // namespace

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() {
    Destroying();
    try {
        if (GetActive()) {
            // Closing quietly: events of a dying dataset must not reach handlers.
            state_ = TDataSetState::dsInactive;
            CloseSource();
        }
    } catch (...) {
    }
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_))
        source->SetDataSet(nullptr);
    // The dataset frees its fields, persistent ones included (each leaves its owner on the way).
    while (!fields_.fields_.empty()) {
        TField* field = fields_.fields_.back();
        fields_.fields_.pop_back();
        field->dataSet_ = nullptr;
        delete field;
    }
}

// ---- Opening and closing --------------------------------------------------------------------

void TDataSet::SetActive(bool active) {
    if (active == GetActive()) return;
    if (active) {
        if (BeforeOpen) BeforeOpen(this);
        OpenCursor();
        SetState(TDataSetState::dsBrowse);
        TWeakLink<TDataSet> alive(this); // a handler may free the dataset
        if (AfterOpen) AfterOpen(this);
        if (alive && !IsEmpty() && AfterScroll) AfterScroll(this);
    } else {
        // A dataset that is being destroyed closes without events: their handlers may be gone already.
        bool destroying = HasState(csDestroying);
        if (BeforeClose && !destroying) BeforeClose(this);
        SetState(TDataSetState::dsInactive);
        CloseCursor();
        if (AfterClose && !destroying) AfterClose(this);
    }
}

void TDataSet::OpenCursor() {
    SourceData data = OpenSource();
    try {
        std::vector<int> columnOfField;
        BindFields(data.columns, columnOfField);
        LoadRecords(data, columnOfField);
        RebuildView();
        current_ = view_.empty() ? -1 : 0;
        bof_ = true;
        eof_ = view_.empty();
        windowFirst_ = 0;
        state_ = TDataSetState::dsOpening;
        CalculateAll();
    } catch (...) {
        state_ = TDataSetState::dsInactive;
        CloseCursor();
        throw;
    }
}

void TDataSet::CloseCursor() {
    CloseSource();
    records_.clear();
    view_.clear();
    filter_.reset();
    current_ = -1;
    bof_ = eof_ = true;
    editBuffer_.clear();
    modified_ = false;
    insertPosition_ = -1;
    ForgetTransaction();
    DestroyDynamicFields();
}

void TDataSet::BindFields(const std::vector<SourceColumn>& columns, std::vector<int>& columnOfField) {
    bool hasPersistentData = std::any_of(fields_.fields_.begin(), fields_.fields_.end(),
                                         [](TField* f) { return f->fieldKind_ == TFieldKind::fkData; });
    auto columnIndex = [&](const std::string& name) {
        for (size_t c = 0; c < columns.size(); ++c)
            if (SameText(columns[c].name, name)) return static_cast<int>(c);
        return -1;
    };
    if (!hasPersistentData) {
        // Fields from the result's columns, ahead of the persistent calculated ones.
        defaultFields_ = true;
        std::vector<TField*> created;
        for (const SourceColumn& column : columns) {
            TField* field = CreateFieldOfType(column.dataType, this);
            field->fieldName_ = column.name;
            field->size_ = column.size;
            field->fixedChar_ = column.fixedChar;
            field->required_ = column.required && !column.autoIncrement;
            field->dynamic_ = true;
            field->dataSet_ = this;
            created.push_back(field);
        }
        fields_.fields_.insert(fields_.fields_.begin(), created.begin(), created.end());
        fields_.Reindex();
    } else {
        defaultFields_ = false;
    }
    columnOfField.assign(fields_.fields_.size(), -1);
    for (size_t f = 0; f < fields_.fields_.size(); ++f) {
        TField* field = fields_.fields_[f];
        field->fieldNo_ = 0;
        if (field->fieldKind_ != TFieldKind::fkData) continue;
        int column = columnIndex(field->fieldName_);
        if (column < 0) {
            DestroyDynamicFields();
            throw EDatabaseError(GetName() + ": Field '" + field->fieldName_ + "' not found");
        }
        TFieldFamily fieldForm = FormOf(field->dataType_), columnForm = FormOf(columns[column].dataType);
        bool compatible = fieldForm == columnForm || fieldForm == TFieldFamily::Other ||
                          (fieldForm == TFieldFamily::Float && columnForm == TFieldFamily::Integer);
        if (!compatible) {
            DestroyDynamicFields();
            throw EDatabaseError(GetName() + ": Type mismatch for field '" + field->fieldName_ +
                                 "': the column does not hold values of the field's type");
        }
        columnOfField[f] = column;
        field->fieldNo_ = column + 1;
    }
}

void TDataSet::LoadRecords(SourceData& data, const std::vector<int>& columnOfField) {
    records_.clear();
    records_.reserve(data.rows.size());
    for (auto& row : data.rows) {
        auto record = std::make_unique<Record>();
        record->id = nextId_++;
        record->sourceOrder = record->id;
        record->cells.resize(fields_.fields_.size());
        for (size_t f = 0; f < columnOfField.size(); ++f)
            if (columnOfField[f] >= 0)
                record->cells[f] = FieldForm(std::move(row[columnOfField[f]]), fields_.fields_[f]->dataType_);
        records_.push_back(std::move(record));
    }
}

void TDataSet::DestroyDynamicFields() {
    std::vector<TField*> dynamic;
    for (TField* field : fields_.fields_)
        if (field->dynamic_) dynamic.push_back(field);
    fields_.fields_.erase(
        std::remove_if(fields_.fields_.begin(), fields_.fields_.end(), [](TField* f) { return f->dynamic_; }),
        fields_.fields_.end());
    fields_.Reindex();
    for (TField* field : dynamic) {
        field->dataSet_ = nullptr;
        delete field;
    }
    defaultFields_ = false;
}

void TDataSet::AddField(TField* field) {
    if (GetActive()) throw EDatabaseError(GetName() + ": Cannot perform this operation on an open dataset");
    if (!field->fieldName_.empty() && FindField(field->fieldName_))
        throw EDatabaseError(GetName() + ": Duplicate field name '" + field->fieldName_ + "'");
    fields_.fields_.push_back(field);
    fields_.Reindex();
    FreeNotification(field);
}

void TDataSet::RemoveField(TField* field) {
    auto it = std::find(fields_.fields_.begin(), fields_.fields_.end(), field);
    if (it == fields_.fields_.end()) return;
    size_t index = static_cast<size_t>(it - fields_.fields_.begin());
    fields_.fields_.erase(it);
    fields_.Reindex();
    field->index_ = -1;
    auto drop = [index](std::vector<CellValue>& cells) {
        if (index < cells.size()) cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(index));
    };
    for (auto& record : records_)
        drop(record->cells);
    drop(editBuffer_);
    if (GetActive() && !dataSources_.empty()) DataEvent(TDataEvent::deLayoutChange);
}

void TDataSet::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        if (auto* field = dynamic_cast<TField*>(component); field && field->dataSet_ == this) {
            RemoveField(field);
            field->dataSet_ = nullptr;
        }
    }
}

void TDataSet::CheckActive() const {
    if (!GetActive()) throw EDatabaseError(GetName() + ": Cannot perform this operation on a closed dataset");
}

// ---- Cursor order: filter, sort, calculated fields -------------------------------------------

void TDataSet::RebuildView() {
    view_.clear();
    filter_.reset();
    if (filtered_ && !Trim(filterText_).empty()) {
        filter_ = std::make_unique<FilterExpression>(
            filterText_,
            [this](const std::string& name) {
                TField* field = FieldByName(name);
                return FilterExpression::FieldRef{fields_.IndexOf(field), field->GetDataType()};
            },
            filterOptions_);
    }
    for (auto& record : records_) {
        if (filter_) {
            const Record& r = *record;
            if (!filter_->Evaluate([&r](int index) -> const CellValue& { return r.cells[index]; })) continue;
        }
        view_.push_back(record.get());
    }
    SortView();
}

void TDataSet::SortView() {
    std::vector<std::pair<int, bool>> keys; // field index, descending
    std::string text = sortText_;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string part =
            Trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        start = comma == std::string::npos ? text.size() + 1 : comma + 1;
        if (part.empty()) continue;
        bool descending = false;
        size_t blank = part.find_last_of(" \t");
        if (blank != std::string::npos) {
            std::string direction = Trim(part.substr(blank + 1));
            if (SameText(direction, "DESC") || SameText(direction, "ASC")) {
                descending = SameText(direction, "DESC");
                part = Trim(part.substr(0, blank));
            }
        }
        if (part.size() > 2 && part.front() == '[' && part.back() == ']')
            part = part.substr(1, part.size() - 2);
        keys.emplace_back(fields_.IndexOf(FieldByName(part)), descending);
    }
    auto compareCells = [](const CellValue& a, const CellValue& b) -> int {
        if (IsNullCell(a) || IsNullCell(b))
            return IsNullCell(a) == IsNullCell(b) ? 0 : IsNullCell(a) ? -1 : 1;
        auto number = [](const CellValue& v, double& out) {
            if (auto* i = std::get_if<int64_t>(&v))
                out = static_cast<double>(*i);
            else if (auto* d = std::get_if<double>(&v))
                out = *d;
            else if (auto* b = std::get_if<bool>(&v))
                out = *b ? 1 : 0;
            else
                return false;
            return true;
        };
        double x = 0, y = 0;
        if (number(a, x) && number(b, y)) return x < y ? -1 : x > y ? 1 : 0;
        if (auto* s = std::get_if<std::string>(&a))
            if (auto* t = std::get_if<std::string>(&b)) return AnsiCompareText(*s, *t);
        return 0;
    };
    auto before = [&](const Record* a, const Record* b) {
        for (auto [index, descending] : keys) {
            int order = compareCells(a->cells[index], b->cells[index]);
            if (order != 0) return descending ? order > 0 : order < 0;
        }
        return keys.empty() && a->sourceOrder < b->sourceOrder;
    };
    // A source usually delivers its rows in the order asked for already: one look at each neighbour
    // then stands for the sort, which would leave them where they are.
    if (!std::is_sorted(view_.begin(), view_.end(), before)) std::stable_sort(view_.begin(), view_.end(), before);
}

void TDataSet::SortBy(const std::string& sortText) {
    if (sortText == sortText_) return; // the same order again: nothing moves and nothing is recalculated
    if (!GetActive()) {
        sortText_ = sortText; // applied when the dataset opens
        return;
    }
    CheckBrowseMode();
    std::string previous = sortText_;
    sortText_ = sortText;
    uint64_t currentId = current_ >= 0 ? view_[current_]->id : 0;
    try {
        SortView();
    } catch (...) {
        sortText_ = previous;
        throw;
    }
    current_ = currentId ? FindRecord(currentId) : (view_.empty() ? -1 : 0);
    bof_ = view_.empty();
    eof_ = view_.empty();
    TDataSetState state = state_;
    try {
        CalculateAll();
    } catch (...) {
        state_ = state;
        DataEvent(TDataEvent::deDataSetChange);
        throw;
    }
    state_ = state;
    UpdateWindow();
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::CalculateAll() {
    if (!HasCalculatedFields()) return;
    for (size_t position = 0; position < view_.size(); ++position)
        CalculateRecord(*view_[position], static_cast<int>(position));
}

void TDataSet::CalculateRecord(Record& record, int position) {
    TDataSetState saved = state_;
    state_ = TDataSetState::dsCalcFields;
    calcRecord_ = &record;
    calcPosition_ = position;
    try {
        for (size_t f = 0; f < fields_.fields_.size(); ++f) {
            TField* field = fields_.fields_[f];
            if (field->fieldKind_ == TFieldKind::fkData) continue;
            record.cells[f] = CellValue();
            if (field->fieldKind_ == TFieldKind::fkLookup) CalculateLookup(field, record);
        }
        if (OnCalcFields) OnCalcFields(this);
    } catch (...) {
        calcRecord_ = nullptr;
        calcPosition_ = -1;
        state_ = saved;
        throw;
    }
    calcRecord_ = nullptr;
    calcPosition_ = -1;
    state_ = saved;
}

// ---- Navigation -------------------------------------------------------------------------------

int TDataSet::CursorPosition() const {
    if (state_ == TDataSetState::dsInsert) return insertPosition_;
    return current_;
}

int TDataSet::CursorCount() const {
    return static_cast<int>(view_.size()) + (state_ == TDataSetState::dsInsert ? 1 : 0);
}

void TDataSet::UpdateWindow() {
    int count = CursorCount();
    int size = GetBufferCount();
    int position = CursorPosition();
    if (position < 0) {
        windowFirst_ = 0;
        return;
    }
    if (position < windowFirst_) windowFirst_ = position;
    if (position >= static_cast<int64_t>(windowFirst_) + size) windowFirst_ = position - size + 1;
    windowFirst_ = std::max(0, std::min(windowFirst_, std::max(0, count - size)));
}

int TDataSet::GetActiveRecord() const {
    int position = CursorPosition();
    return position < 0 ? 0 : position - windowFirst_;
}

int TDataSet::GetBufferCount() const {
    int count = 1;
    for (TDataSource* source : dataSources_)
        for (TDataLink* link : source->links_)
            count = std::max(count, link->bufferCount_);
    return count;
}

void TDataSet::MoveTo(int position, bool toBof, bool toEof) {
    int count = static_cast<int>(view_.size());
    position = count == 0 ? -1 : std::clamp(position, 0, count - 1);
    bool moved = position != current_;
    if (moved && BeforeScroll) BeforeScroll(this);
    int distance = position - current_;
    current_ = position;
    bof_ = toBof || count == 0;
    eof_ = toEof || count == 0;
    UpdateWindow();
    DataEvent(TDataEvent::deDataSetScroll, distance);
    if (moved && AfterScroll) AfterScroll(this);
}

void TDataSet::First() {
    CheckBrowseMode();
    MoveTo(0, true, false);
}

void TDataSet::Last() {
    CheckBrowseMode();
    MoveTo(static_cast<int>(view_.size()) - 1, false, true);
}

void TDataSet::Next() {
    MoveBy(1);
}

void TDataSet::Prior() {
    MoveBy(-1);
}

int TDataSet::MoveBy(int distance) {
    CheckActive();
    CheckBrowseMode();
    int count = static_cast<int>(view_.size());
    if (count == 0) {
        bof_ = eof_ = true;
        return 0;
    }
    int64_t wanted = static_cast<int64_t>(current_) + distance; // no overflow for any distance
    bool pastEnd = distance > 0 && wanted > count - 1;
    bool beforeStart = distance < 0 && wanted < 0;
    int target = static_cast<int>(std::clamp<int64_t>(wanted, 0, count - 1));
    int moved = target - current_;
    if (distance == 0) return 0;
    MoveTo(target, beforeStart, pastEnd);
    return moved;
}

bool TDataSet::GetBof() const {
    if (state_ == TDataSetState::dsCalcFields) return false;
    return !GetActive() || (state_ != TDataSetState::dsInsert && bof_);
}

bool TDataSet::GetEof() const {
    if (state_ == TDataSetState::dsCalcFields) return false;
    if (state_ == TDataSetState::dsInsert) return appending_;
    return !GetActive() || eof_;
}

bool TDataSet::IsEmpty() const {
    return !GetActive() || (view_.empty() && state_ != TDataSetState::dsInsert);
}

int TDataSet::GetRecNo() const {
    if (!GetActive()) return -1;
    int position = state_ == TDataSetState::dsCalcFields ? calcPosition_ : CursorPosition();
    return position < 0 ? 0 : position + 1;
}

void TDataSet::SetRecNo(int recNo) {
    CheckActive();
    if (recNo < 1 || recNo > static_cast<int>(view_.size()))
        throw EDatabaseError(GetName() + ": Record number " + std::to_string(recNo) + " is out of range");
    CheckBrowseMode();
    MoveTo(recNo - 1, false, false);
}

int TDataSet::GetRecordCount() const {
    return GetActive() ? static_cast<int>(view_.size()) : 0;
}

int TDataSet::FindRecord(uint64_t id) const {
    for (size_t i = 0; i < view_.size(); ++i)
        if (view_[i]->id == id) return static_cast<int>(i);
    return -1;
}

// ---- Bookmarks --------------------------------------------------------------------------------

TBookmark TDataSet::GetBookmark() const {
    if (!BookmarkAvailable()) return {};
    return std::to_string(view_[current_]->id);
}

bool TDataSet::BookmarkAvailable() const {
    return GetActive() && !IsEditing(state_) && current_ >= 0 && current_ < static_cast<int>(view_.size());
}

namespace {
uint64_t BookmarkId(const TBookmark& bookmark) {
    if (bookmark.empty() || bookmark.find_first_not_of("0123456789") != std::string::npos ||
        bookmark.size() > 19)
        return 0;
    return std::stoull(bookmark);
}
} // namespace

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const {
    uint64_t id = BookmarkId(bookmark);
    return GetActive() && id != 0 && FindRecord(id) >= 0;
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) {
    CheckBrowseMode();
    int position = FindRecord(BookmarkId(bookmark));
    if (position < 0) throw EDatabaseError(GetName() + ": Record not found");
    MoveTo(position, false, false);
}

int TDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    int x = FindRecord(BookmarkId(a)), y = FindRecord(BookmarkId(b));
    if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : a.empty() ? -1 : 1;
    if (x < 0 || y < 0) {
        uint64_t i = BookmarkId(a), j = BookmarkId(b);
        return i < j ? -1 : i > j ? 1 : 0;
    }
    return x < y ? -1 : x > y ? 1 : 0;
}

// ---- Fields -----------------------------------------------------------------------------------

TField* TDataSet::FindField(const std::string& name) const {
    return fields_.FindField(name);
}

TField* TDataSet::FieldByName(const std::string& name) const {
    TField* field = fields_.FindField(name);
    if (!field) throw EDatabaseError(GetName() + ": Field '" + name + "' not found");
    return field;
}

std::vector<TField*> TDataSet::GetFieldList(const std::string& names) const {
    std::vector<TField*> list;
    size_t start = 0;
    while (start <= names.size()) {
        size_t semi = names.find(';', start);
        std::string name =
            Trim(names.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
        start = semi == std::string::npos ? names.size() + 1 : semi + 1;
        if (!name.empty()) list.push_back(FieldByName(name));
    }
    return list;
}

const CellValue& TDataSet::ActiveCell(int fieldIndex) const {
    if (fieldIndex < 0) return NullCell;
    switch (state_) {
    case TDataSetState::dsCalcFields:
        return calcRecord_ && fieldIndex < static_cast<int>(calcRecord_->cells.size())
                   ? calcRecord_->cells[fieldIndex]
                   : NullCell;
    case TDataSetState::dsEdit:
    case TDataSetState::dsInsert:
        return fieldIndex < static_cast<int>(editBuffer_.size()) ? editBuffer_[fieldIndex] : NullCell;
    case TDataSetState::dsInactive:
    case TDataSetState::dsOpening:
        return NullCell;
    default:
        if (current_ < 0 || current_ >= static_cast<int>(view_.size())) return NullCell;
        return view_[current_]->cells[fieldIndex];
    }
}

void TDataSet::WriteCell(TField* field, CellValue value) {
    int index = fields_.IndexOf(field);
    if (state_ == TDataSetState::dsCalcFields) {
        if (field->fieldKind_ == TFieldKind::fkData)
            throw EDatabaseError(GetName() + ": Field '" + field->fieldName_ + "' cannot be modified");
        calcRecord_->cells[index] = std::move(value);
        return;
    }
    if (!IsEditing(state_)) throw EDatabaseError(GetName() + ": Dataset not in edit or insert mode");
    if (field->readOnly_ && field->fieldKind_ == TFieldKind::fkData)
        throw EDatabaseError("Field '" + field->GetDisplayName() + "' cannot be modified");
    editBuffer_[index] = std::move(value);
    if (field->OnValidate) field->OnValidate(field);
    modified_ = true;
    if (field->OnChange) field->OnChange(field);
    DataEvent(TDataEvent::deFieldChange, reinterpret_cast<intptr_t>(field));
}

// ---- Refreshing ------------------------------------------------------------------------------

void TDataSet::Refresh() {
    CheckBrowseMode();
    if (BeforeRefresh) BeforeRefresh(this);
    ReloadRecords();
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterRefresh) AfterRefresh(this);
}

void TDataSet::ReloadRecords() {
    int position = current_;
    std::vector<CellValue> key = current_ >= 0 ? view_[current_]->cells : std::vector<CellValue>();
    SourceData data = OpenSource();
    std::vector<int> columnOfField(fields_.fields_.size(), -1);
    for (size_t f = 0; f < fields_.fields_.size(); ++f)
        if (fields_.fields_[f]->fieldKind_ == TFieldKind::fkData)
            columnOfField[f] = fields_.fields_[f]->fieldNo_ - 1;
    for (size_t f = 0; f < columnOfField.size(); ++f)
        if (columnOfField[f] >= static_cast<int>(data.columns.size()))
            throw EDatabaseError(GetName() +
                                 ": The structure of the data changed; close and open the dataset");
    if (!journal_.empty()) journalReread_ = true;
    LoadRecords(data, columnOfField);
    RebuildView();
    // The same record when its data fields are unchanged, else the same position.
    current_ = view_.empty() ? -1 : std::clamp(position, 0, static_cast<int>(view_.size()) - 1);
    for (size_t i = 0; i < view_.size() && !key.empty(); ++i)
        if (SameData(view_[i]->cells, key)) {
            current_ = static_cast<int>(i);
            break;
        }
    bof_ = eof_ = view_.empty();
    TDataSetState state = state_;
    CalculateAll();
    state_ = state;
    UpdateWindow();
}

// ---- Filter -----------------------------------------------------------------------------------

void TDataSet::SetFilter(const std::string& text) {
    if (text == filterText_) return;
    std::string previous = filterText_;
    filterText_ = text;
    if (GetActive() && filtered_) {
        try {
            CheckBrowseMode();
            uint64_t id = current_ >= 0 ? view_[current_]->id : 0;
            RebuildView();
            current_ = id ? FindRecord(id) : -1;
            if (current_ < 0) current_ = view_.empty() ? -1 : 0;
            bof_ = eof_ = view_.empty();
            UpdateWindow();
        } catch (...) {
            filterText_ = previous;
            RebuildView();
            throw;
        }
        DataEvent(TDataEvent::deDataSetChange);
    }
}

void TDataSet::SetFiltered(bool filtered) {
    if (filtered == filtered_) return;
    filtered_ = filtered;
    if (GetActive()) {
        try {
            CheckBrowseMode();
            RebuildView();
        } catch (...) {
            filtered_ = !filtered;
            RebuildView();
            throw;
        }
        current_ = view_.empty() ? -1 : 0;
        bof_ = true;
        eof_ = view_.empty();
        UpdateWindow();
        DataEvent(TDataEvent::deDataSetChange);
    }
}

void TDataSet::SetFilterOptions(TFilterOptions options) {
    if (options == filterOptions_) return;
    filterOptions_ = options;
    if (GetActive() && filtered_) {
        CheckBrowseMode();
        RebuildView();
        current_ = view_.empty() ? -1 : 0;
        bof_ = true;
        eof_ = view_.empty();
        UpdateWindow();
        DataEvent(TDataEvent::deDataSetChange);
    }
}

// ---- Notifications ----------------------------------------------------------------------------

void TDataSet::DisableControls() {
    if (disableCount_ == 0) {
        disabledState_ = state_;
        enableEvent_ = TDataEvent::deDataSetChange;
    }
    ++disableCount_;
    if (disableCount_ == 1) DataEvent(TDataEvent::deDisabledStateChange, 1);
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ > 0) return;
    DataEvent(TDataEvent::deDisabledStateChange, 0);
    if (state_ != disabledState_) DataEvent(TDataEvent::deUpdateState);
    // A dataset opened while disabled is announced by its state change alone.
    if (disabledState_ != TDataSetState::dsInactive && state_ != TDataSetState::dsInactive)
        DataEvent(enableEvent_);
}

void TDataSet::DataEvent(TDataEvent event, intptr_t info) {
    // Closing frees the dynamic fields: links kept silent meanwhile must rebind them, not just reread.
    if (disableCount_ > 0 && (event == TDataEvent::deLayoutChange ||
                              (event == TDataEvent::deUpdateState && state_ == TDataSetState::dsInactive)))
        enableEvent_ = TDataEvent::deLayoutChange;
    TWeakLink<TDataSet> alive(this); // a control's handler may free the dataset
    for (TDataSource* source : std::vector<TDataSource*>(dataSources_)) {
        if (!alive) return;
        if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end())
            source->DataEvent(event, info);
    }
}

void TDataSet::AddDataSource(TDataSource* source) {
    if (std::find(dataSources_.begin(), dataSources_.end(), source) == dataSources_.end())
        dataSources_.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource* source) {
    dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), source), dataSources_.end());
}

} // namespace zorvy
