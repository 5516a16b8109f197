// Incremental search, the incremental filter, text search and the locate objects.
#include "controls/data/DataControllerSearch.h"

#include "controls/data/DataController.h"
#include "controls/data/DataUtils.h"

#include <algorithm>
#include <cstring>

namespace zorvy {

// ---- the incremental search ----

int TcxDataControllerSearch::GetItemIndex() const {
    return field_ ? field_->GetIndex() : -1;
}

void TcxDataControllerSearch::SetItemIndex(int itemIndex) {
    dataController_->CheckItemIndex(itemIndex);
    field_ = dataController_->GetItemField(itemIndex);
}

void TcxDataControllerSearch::DropField(TcxCustomDataField* field) {
    if (field != field_) return;
    Cancel();
    field_ = nullptr;
}

bool TcxDataControllerSearch::Locate(int itemIndex, const std::string& text) {
    TcxCustomDataController& dc = *dataController_;
    if (text.empty() || dc.GetFilteredRecordCount() == 0) return false;
    SetItemIndex(itemIndex);
    bool found;
    if (dc.IsGridMode()) {
        found = dc.SearchInProvider(text, true, false);
    } else {
        // The focused record is tested first: typing on keeps the focus while it still matches.
        int start = std::max(dc.GetFilteredIndexByRecordIndex(dc.GetFocusedRecordIndex()), 0);
        int index = DoSearch(start, -1, true, text);
        if (index < 0 && start > 0) index = DoSearch(0, start - 1, true, text);
        found = index >= 0;
        if (found) FocusFilteredIndex(index);
    }
    if (found) {
        searching_ = true;
        searchText_ = text;
        dc.Change(dccSearch);
        dc.SyncSelectionWithFocus();
    }
    return found;
}

bool TcxDataControllerSearch::LocateNext(bool forward) {
    TcxCustomDataController& dc = *dataController_;
    if (!searching_ || searchText_.empty() || !field_ || dc.GetFilteredRecordCount() == 0) return false;
    bool found;
    if (dc.IsGridMode()) {
        found = dc.SearchInProvider(searchText_, forward, true);
    } else {
        int focused = dc.GetFilteredIndexByRecordIndex(dc.GetFocusedRecordIndex());
        if (focused < 0) return false;
        int start = forward ? focused + 1 : focused - 1;
        if (start < 0 || start >= dc.GetFilteredRecordCount()) return false;
        int index = DoSearch(start, -1, forward, searchText_);
        found = index >= 0;
        if (found) FocusFilteredIndex(index);
    }
    if (found) dc.SyncSelectionWithFocus();
    return found;
}

void TcxDataControllerSearch::Cancel() {
    if (Reset()) dataController_->Change(dccSearch);
}

bool TcxDataControllerSearch::Reset() {
    if (lockCount_ > 0 || !searching_) return false;
    searchText_.clear();
    searching_ = false;
    return true;
}

void TcxDataControllerSearch::FocusFilteredIndex(int index) {
    Lock();
    try {
        dataController_->ChangeFocusedRecordIndex(dataController_->GetFilteredRecordIndex(index));
        dataController_->SelectFocusedRowOnly();
    } catch (...) {
        Unlock();
        throw;
    }
    Unlock();
}

int TcxDataControllerSearch::DoSearch(int startIndex, int endIndex, bool forward, const std::string& text) {
    TcxCustomDataController& dc = *dataController_;
    if (endIndex < 0) endIndex = forward ? dc.GetFilteredRecordCount() - 1 : 0;
    int itemIndex = GetItemIndex();
    int step = forward ? 1 : -1;
    for (int i = startIndex; forward ? i <= endIndex : i >= endIndex; i += step)
        if (SameTextOrPrefix(dc.GetIncrementalSearchText(dc.GetFilteredRecordIndex(i), itemIndex), text, true))
            return i;
    return -1;
}

// ---- locate objects ----

TcxDataControllerLocateObject::~TcxDataControllerLocateObject() {
    Clear();
}

void TcxDataControllerLocateObject::Clear() {
    if (recordIndex_ < 0) dataController_->GetStorage().FreeInternalRecord(recordIndex_);
    recordIndex_ = 0;
}

void TcxDataControllerLocateObject::ReadData(TcxValueDefReader& reader) {
    TcxDataStorage& storage = dataController_->GetStorage();
    if (recordIndex_ == 0) recordIndex_ = storage.AllocInternalRecord();
    dataController_->BeginUnboundCopy();
    try {
        storage.FillRecord(recordIndex_, reader);
    } catch (...) {
        dataController_->EndUnboundCopy();
        throw;
    }
    dataController_->EndUnboundCopy();
}

int TcxDataControllerKeyLocateObject::FindRecordIndex() {
    if (GetRecordIndex() == 0) return -1;
    return GetDataController()->FindRecordByFields(GetRecordIndex(), KeyFields);
}

TcxDataControllerGroupLocateObject::TcxDataControllerGroupLocateObject(TcxCustomDataController* dataController)
    : TcxDataControllerLocateObject(dataController) {
    for (int level = 0; level < dataController->GetGroupingItemCount(); ++level) {
        TcxCustomDataField* field = dataController->GetGroupingField(level);
        groupingFields_.push_back(field);
        // A group sorted by its texts is not ordered by its values: no bisection then.
        if (dataController->IsSortByDisplayText(field)) findGroupRecordEnabled_ = false;
    }
    UpdateFindFields();
}

void TcxDataControllerGroupLocateObject::SetLevel(int level) {
    if (level_ == level) return;
    level_ = level;
    UpdateFindFields();
}

void TcxDataControllerGroupLocateObject::UpdateFindFields() {
    findFields_.clear();
    if (findGroupRecordEnabled_) return;
    for (int i = 0; i <= level_ && i < static_cast<int>(groupingFields_.size()); ++i)
        findFields_.push_back(groupingFields_[static_cast<size_t>(i)]);
}

int TcxDataControllerGroupLocateObject::FindRecordIndex() {
    if (GetRecordIndex() == 0) return -1;
    TcxCustomDataController* dc = GetDataController();
    if (findGroupRecordEnabled_) return dc->FindRecordByGroupValues(GetRecordIndex(), level_ + 1);
    dc->SetFindingInternalRecord(true);
    try {
        int record = dc->FindRecordByFields(GetRecordIndex(), findFields_);
        dc->SetFindingInternalRecord(false);
        return record;
    } catch (...) {
        dc->SetFindingInternalRecord(false);
        throw;
    }
}

// ---- the controller's side ----

TcxDataControllerSearch& TcxCustomDataController::GetSearch() {
    if (!search_) search_ = CreateSearch();
    return *search_;
}

std::unique_ptr<TcxDataControllerSearch> TcxCustomDataController::CreateSearch() {
    return std::make_unique<TcxDataControllerSearch>(this);
}

int TcxCustomDataController::GetFilteredRecordCount() const {
    return info_->GetRecordListCount();
}

int TcxCustomDataController::GetFilteredRecordIndex(int index) const {
    return info_->GetRecordListItem(index);
}

int TcxCustomDataController::GetFilteredIndexByRecordIndex(int recordIndex) const {
    return recordIndex < 0 ? -1 : info_->IndexOfRecord(recordIndex);
}

std::string TcxCustomDataController::GetIncrementalSearchText(int recordIndex, int itemIndex) {
    return GetDisplayText(recordIndex, itemIndex);
}

int TcxCustomDataController::FindRecordByText(int startPosition, int itemIndex, bool forward, bool wrap,
                                              bool partial, const std::string& text) {
    CheckItemIndex(itemIndex);
    int count = GetFilteredRecordCount();
    if (startPosition < 0 || startPosition >= count) return -1;
    TcxCustomDataField* field = GetItemField(itemIndex);
    auto find = [&](int from, int to, int step) {
        for (int i = from; step > 0 ? i <= to : i >= to; i += step) {
            int record = GetFilteredRecordIndex(i);
            if (SameTextOrPrefix(GetFieldDisplayText(record, field), text, partial)) return record;
        }
        return -1;
    };
    int record = forward ? find(startPosition, count - 1, 1) : find(startPosition, 0, -1);
    if (record >= 0 || !wrap) return record;
    // The second pass covers what the first did not: a backward search from the first position
    // wraps to the last, as a forward one from the last wraps to the first.
    if (forward && startPosition > 0) return find(0, startPosition - 1, 1);
    if (!forward && startPosition < count - 1) return find(count - 1, startPosition + 1, -1);
    return -1;
}

int TcxCustomDataController::ChangeIncrementalFilterText(int itemIndex, const std::string& text) {
    CheckItemIndex(itemIndex);
    incrementalFilterField_ = GetItemField(itemIndex);
    incrementalFilterText_ = text;
    DoRefresh();
    return GetFilteredRecordCount() > 0 ? GetFilteredRecordIndex(0) : -1;
}

bool TcxCustomDataController::IsIncrementalFilterActive() const {
    return incrementalFilterField_ && !incrementalFilterText_.empty();
}

void TcxCustomDataController::ResetIncrementalFilter() {
    bool wasActive = IsIncrementalFilterActive();
    incrementalFilterField_ = nullptr;
    incrementalFilterText_.clear();
    if (wasActive && !IsDestroying()) DoRefresh();
}

bool TcxCustomDataController::UpdateIncrementalFilterText(const std::string& text) {
    if (!incrementalFilterField_ || text == incrementalFilterText_) return false;
    ChangeIncrementalFilterText(incrementalFilterField_->GetIndex(), text);
    return true;
}

bool TcxCustomDataController::MatchesIncrementalFilter(int recordIndex) {
    return SameTextOrPrefix(GetFieldDisplayText(recordIndex, incrementalFilterField_), incrementalFilterText_, true);
}

namespace {

// A key field compared natively against an internal probe: the probe's compare data, read once.
struct TLocateProbe {
    TcxValueDef* Def = nullptr;
    bool Null = true;
    const void* Data = nullptr;
};

constexpr int NoCellSearch = -2;

template <typename T> T LocateCell(const void* cell) {
    T value;
    std::memcpy(&value, cell, sizeof value);
    return value;
}

// Where every key holds plain integers in the controller's own records, the first record whose
// cells equal the probe's (a null equals only a null), read in place: no call and no conversion per
// record. NoCellSearch when a key is of another kind.
int FindByIntegerCells(const std::vector<TLocateProbe>& probes, const std::vector<uint8_t*>& buffers,
                       int count) {
    struct TKey {
        size_t Flag; // the null flag's offset; the cell follows it
        bool Wide;   // 64 bits, else 32
        bool Null;
        int64_t Value;
    };
    std::vector<TKey> keys;
    for (const TLocateProbe& probe : probes) {
        TcxValueDef* def = probe.Def;
        if (!def || def->GetBufferSize() == 0 || def->GetOwner()->IsInternal()) return NoCellSearch;
        const TcxValueType* type = def->GetValueTypeClass();
        if (type != &cxIntegerValueType && type != &cxLargeIntValueType) return NoCellSearch;
        const bool wide = type == &cxLargeIntValueType;
        const int64_t value = probe.Null ? 0
                              : wide     ? LocateCell<int64_t>(probe.Data)
                                         : LocateCell<int32_t>(probe.Data);
        keys.push_back({static_cast<size_t>(def->GetOffset()), wide, probe.Null, value});
    }
    if (count > static_cast<int>(buffers.size())) return NoCellSearch;
    for (int record = 0; record < count; ++record) {
        const uint8_t* buffer = buffers[static_cast<size_t>(record)];
        bool equal = true;
        for (const TKey& key : keys) {
            const bool null = !buffer || buffer[key.Flag] == 0;
            if (null != key.Null) {
                equal = false;
            } else if (!null) {
                const uint8_t* cell = buffer + key.Flag + 1;
                equal = (key.Wide ? LocateCell<int64_t>(cell) : LocateCell<int32_t>(cell)) == key.Value;
            }
            if (!equal) break;
        }
        if (equal) return record;
    }
    return -1;
}

} // namespace

int TcxCustomDataController::FindRecordByFields(int probeRecordIndex, const std::vector<TcxCustomDataField*>& fields) {
    if (fields.empty()) return -1;
    info_->PrepareSortFields(true);
    try {
        // A field compared natively against an internal probe reads the probe's compare data once
        // and compares it with each record's as CompareByField would.
        using TProbe = TLocateProbe;
        std::vector<TProbe> probes(fields.size());
        for (size_t i = 0; i < fields.size() && probeRecordIndex < 0; ++i) {
            TcxCustomDataField* field = fields[i];
            TcxValueDef* def = field->ValueDefinition();
            if (!def || (OnCompare && !field->IsInternal()) || IsCustomCompareNeeded(field) ||
                (IsProviderMode() && FieldHasProviderData(field)))
                continue;
            probes[i].Def = def;
            probes[i].Null = storage_->PrepareCompare(probeRecordIndex, def, probes[i].Data);
        }
        const int cellMatch = FindByIntegerCells(probes, storage_->RecordBuffers(), GetRecordCount());
        if (cellMatch != NoCellSearch) {
            info_->PrepareSortFields(false);
            return cellMatch;
        }
        for (int record = 0; record < GetRecordCount(); ++record) {
            bool equal = true;
            for (size_t i = 0; i < fields.size() && equal; ++i) {
                const TProbe& probe = probes[i];
                if (probe.Def) {
                    const void* data;
                    const bool null = storage_->PrepareCompare(record, probe.Def, data);
                    equal = probe.Def->CompareNullable(null, probe.Null, data, probe.Data) == 0;
                } else {
                    equal = CompareByField(record, probeRecordIndex, 2, fields[i]) == 0;
                }
            }
            if (equal) {
                info_->PrepareSortFields(false);
                return record;
            }
        }
    } catch (...) {
        info_->PrepareSortFields(false);
        throw;
    }
    info_->PrepareSortFields(false);
    return -1;
}

int TcxCustomDataController::FindRecordByGroupValues(int probeRecordIndex, int levelCount) {
    const TcxSortingFieldList& sorting = info_->GetTotalSorting();
    levelCount = std::min(levelCount, sorting.GetCount());
    int low = 0, high = GetFilteredRecordCount() - 1;
    info_->PrepareSortFields(true);
    try {
        while (low <= high) {
            int middle = (low + high) / 2;
            int record = GetFilteredRecordIndex(middle);
            int r = 0;
            for (int level = 0; level < levelCount && r == 0; ++level)
                r = CompareBySortInfo(record, probeRecordIndex, 1, sorting.GetItem(level));
            if (r == 0) {
                info_->PrepareSortFields(false);
                return record;
            }
            if (r < 0)
                low = middle + 1;
            else
                high = middle - 1;
        }
    } catch (...) {
        info_->PrepareSortFields(false);
        throw;
    }
    info_->PrepareSortFields(false);
    return -1;
}

} // namespace zorvy
