// The row pipeline's update: requests, filtering, sorting, building the group tree and reporting.
// Focus, selection, expansion and row queries are in DataControllerInfoRows.cpp.
#include "controls/data/DataControllerInfo.h"
#include "controls/data/SortingBySummary.h"

#include "controls/data/DataController.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zorvy {

TcxCustomDataControllerInfo::TcxCustomDataControllerInfo(TcxCustomDataController* dataController)
    : dataController_(dataController) {
    grouping_.OnChanged = [this] { changes_ |= dcicGrouping | dcicSorting | dcicSummary; };
    sorting_.OnChanged = [this] { changes_ |= dcicSorting; };
    selection_.OnChanged = [this] { changes_ |= dcicSelection; };
}

// ---- batching and requests ----

void TcxCustomDataControllerInfo::UnlockRecalculation() {
    --lockCount_;
    CheckChanges();
}

void TcxCustomDataControllerInfo::CheckChanges() {
    if (changes_ != 0 && lockCount_ == 0 && !calculating_) Update();
}

void TcxCustomDataControllerInfo::RecordsChanged() {
    changes_ |= dcicRecords;
    if (!dataController_->IsSummaryUpdateLocked()) changes_ |= dcicSummary;
    if (sorting_.GetCount() > 0) changes_ |= dcicSorting;
    if (grouping_.GetCount() > 0) changes_ |= dcicGrouping;
    CheckChanges();
}

void TcxCustomDataControllerInfo::FocusedRecordChanged(int recordIndex) {
    changes_ |= dcicFocusedRecord;
    focusingInfo_.Level = -1;
    focusingInfo_.RecordIndex = recordIndex;
    CheckChanges();
}

void TcxCustomDataControllerInfo::FieldChanged(TcxCustomDataField* field) {
    changes_ |= dcicField;
    sorting_.TouchField(field);
    grouping_.TouchField(field);
    if (grouping_.IndexOfField(field) >= 0) selection_.Clear();
    expandingInfos_.DropIfField(field);
    CheckChanges();
}

void TcxCustomDataControllerInfo::RemoveField(TcxCustomDataField* field) {
    sorting_.RemoveField(field);
    if (grouping_.IndexOfField(field) >= 0) {
        grouping_.RemoveField(field);
        selection_.Clear();
    }
    totalSorting_.RemoveField(field);
    grouping_.SyncOrders(sorting_);
    expandingInfos_.DropIfField(field);
    if (groups_.GetLevelCount() > 0) {
        for (int level = 0; level < groups_.GetLevelCount(); ++level)
            if (groups_.GetLevelField(level) == field) changes_ |= dcicGrouping;
    }
    CheckChanges();
}

void TcxCustomDataControllerInfo::ChangeSorting(TcxCustomDataField* field, TcxDataSortOrder order) {
    sorting_.SetFieldOrder(field, order);
    grouping_.SyncOrders(sorting_);
    CheckChanges();
}

void TcxCustomDataControllerInfo::ClearSorting(bool keepGrouped) {
    if (keepGrouped) {
        for (int i = sorting_.GetCount() - 1; i >= 0; --i)
            if (grouping_.IndexOfField(sorting_.GetItem(i).Field) < 0) sorting_.Delete(i);
    } else {
        sorting_.Clear();
        grouping_.SyncOrders(sorting_);
    }
    CheckChanges();
}

void TcxCustomDataControllerInfo::ChangeGrouping(TcxCustomDataField* field, int groupIndex) {
    grouping_.SetFieldGroupIndex(field, groupIndex);
    grouping_.SyncOrders(sorting_);
    CheckChanges();
}

void TcxCustomDataControllerInfo::ClearGrouping() {
    grouping_.Clear();
    CheckChanges();
}

bool TcxCustomDataControllerInfo::AreGroupsAlwaysExpanded() const {
    return (dataController_->GetOptions() & dcoGroupsAlwaysExpanded) != 0;
}

// ---- the update ----

void TcxCustomDataControllerInfo::Update() {
    calculating_ = true;
    bool restructured = false;
    try {
        // A reload this starts adds its changes to this update.
        ++lockCount_;
        try {
            restructured = dataController_->UpdateLoadAllNeeded();
        } catch (...) {
            --lockCount_;
            throw;
        }
        --lockCount_;
        expanding_ = false;
        ChooseSaveStates();
        if (changes_ & dcicRecords) {
            FillRecordList();
            FilterRecords();
        }
        bool reorder = (changes_ & (dcicGrouping | dcicSorting)) != 0;
        if (reorder) {
            totalSorting_ = TcxSortingFieldList();
            totalSorting_.AppendMissing(grouping_);
            totalSorting_.AppendMissing(sorting_);
            PrepareSortFields(true);
            SortRecords();
        }
        if (changes_ & dcicGrouping) BuildGroups();
        if (reorder) PrepareSortFields(false);
        TcxDataSummary& summary = dataController_->GetSummary();
        if ((changes_ & dcicSummary) ||
            (summary.CountsSelectedRecords() && (changes_ & (dcicSelection | dcicFocusedRow)))) {
            summary.CalculateAll();
            SortGroupsBySummary();
        }
        if (reorder) FocusTopRowAfterSorting();
        AfterUpdate();
    } catch (...) {
        PrepareSortFields(false);
        sortedKeys_.clear();
        expandingInfos_.Clear();
        calculating_ = false;
        NotifyChanges();
        throw;
    }
    expandingInfos_.Clear();
    if (expanding_) UpdateSelectionRows();
    calculating_ = false;
    NotifyChanges();
    // The records were loaded anew while the rows were being rebuilt, when the focus could not
    // follow the provider: it does now.
    if (restructured) dataController_->SyncFocusedRecord();
}

// A new order, or records just opened, starts at the top: unless a control's own handler re-sorts.
void TcxCustomDataControllerInfo::FocusTopRowAfterSorting() {
    TcxCustomDataController& controller = *dataController_;
    if (!(controller.GetOptions() & dcoFocusTopRowAfterSorting) || controller.IsNotifyingControl()) return;
    if (!controller.GetSortingChanged() && !controller.GetGroupingChanged() && !controller.GetLoadedStorage()) return;
    focusingInfo_.Clear();
    ChangeFocusedRow(0, true);
    if (selection_.GetCount() > 0) selection_.Clear();
}

void TcxCustomDataControllerInfo::FillRecordList() {
    int count = dataController_->GetRecordCount();
    recordList_.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        recordList_[static_cast<size_t>(i)] = i;
}

void TcxCustomDataControllerInfo::FilterRecords() {
    const bool byHandler = dataController_->HasFilterRecordHandler();
    const bool incremental = dataController_->IsIncrementalFilterActive();
    TcxDataFilterCriteria& criteria = dataController_->GetFilter();
    const bool byCriteria = criteria.IsFiltering();
    if (!byHandler && !incremental && !byCriteria) return;
    const TcxCustomDataProvider& provider = dataController_->GetProvider();
    // Kept records move down in one pass (erasing one at a time is quadratic).
    size_t kept = 0;
    if (byCriteria) criteria.PrepareCells(true);
    try {
        for (int record : recordList_) {
            const bool edited = provider.IsEditing() && provider.GetEditingRecordIndex() == record;
            if (edited || ((!byCriteria || criteria.RecordPasses(record)) &&
                           (!byHandler || dataController_->DoFilterRecord(record)) &&
                           (!incremental || dataController_->MatchesIncrementalFilter(record))))
                recordList_[kept++] = record;
        }
    } catch (...) {
        criteria.PrepareCells(false);
        throw;
    }
    criteria.PrepareCells(false);
    const bool removed = kept < recordList_.size();
    recordList_.resize(kept);
    if (removed) selection_.DropMissingRecords(recordList_);
}

void TcxCustomDataControllerInfo::PrepareSortFields(bool prepare) {
    for (int i = 0; i < totalSorting_.GetCount(); ++i) {
        TcxCustomDataField* field = totalSorting_.GetItem(i).Field;
        field->CompareMode = 0;
        if (!prepare) continue;
        if (dataController_->IsCustomCompareNeeded(field))
            field->CompareMode = dataController_->IsSortByDisplayText(field) ? 2 : 1;
        else
            field->CompareMode = -1;
    }
}

void TcxCustomDataControllerInfo::SortRecords() {
    sortedKeys_.clear();
    if (dataController_->GetProvider().IsGridMode() || recordList_.empty()) return;
    TcxCustomDataProvider& provider = dataController_->GetProvider();
    if (dataController_->IsProviderMode() && provider.IsCustomSorting()) {
        provider.CustomSort();
        return;
    }
    if (SortRecordsByFirstKey()) return;
    // Without sorted fields the order is the records' own.
    if (totalSorting_.GetCount() == 0 && !provider.IsEditing()) {
        std::sort(recordList_.begin(), recordList_.end());
        return;
    }
    QuickSortList(recordList_, 0, GetRecordListCount() - 1,
                  [this](int a, int b) { return CompareRecords(a, b); });
}

namespace {

// A record with its first sort key: a fixed-width cell copied in, or the pointer to its value.
struct TSortKey {
    int Record;
    bool Null;
    bool Inline;
    const void* Data;
    alignas(8) uint8_t Cell[8];
    const void* Key() const { return Inline ? static_cast<const void*>(Cell) : Data; }
};

enum class TNumberKeyKind { None, Int, Float };

TNumberKeyKind NumberKeyKindOf(const TcxValueType* type) {
    if (type == &cxIntegerValueType || type == &cxLargeIntValueType || type == &cxSmallintValueType ||
        type == &cxWordValueType || type == &cxBooleanValueType || type == &cxCurrencyValueType)
        return TNumberKeyKind::Int;
    if (type == &cxFloatValueType || type == &cxDateTimeValueType) return TNumberKeyKind::Float;
    return TNumberKeyKind::None;
}

int64_t LoadIntKey(const TcxValueType* type, const uint8_t* cell) {
    auto load = [cell](auto value) {
        std::memcpy(&value, cell, sizeof value);
        return static_cast<int64_t>(value);
    };
    if (type == &cxIntegerValueType) return load(int32_t());
    if (type == &cxSmallintValueType) return load(int16_t());
    if (type == &cxWordValueType) return load(uint16_t());
    if (type == &cxBooleanValueType) return load(uint8_t());
    return load(int64_t());
}

using TNumberSortKey = TcxCustomDataControllerInfo::TNumberSortKey;

// The value types' order: null first; a float NaN before every number.
int CompareNumberKeys(const TNumberSortKey& a, const TNumberSortKey& b, bool floats) {
    if (a.Null || b.Null) return a.Null == b.Null ? 0 : (a.Null ? -1 : 1);
    if (!floats) return a.Int < b.Int ? -1 : (b.Int < a.Int ? 1 : 0);
    const bool nanA = std::isnan(a.Float), nanB = std::isnan(b.Float);
    if (nanA || nanB) return nanA == nanB ? 0 : (nanA ? -1 : 1);
    return a.Float < b.Float ? -1 : (b.Float < a.Float ? 1 : 0);
}

} // namespace

// The same order as CompareRecords, faster: the first key of every record is gathered once, so
// most comparisons touch no record buffer. Only for a first field compared natively and while no
// record is being edited (the edited record's place does not follow its values).
bool TcxCustomDataControllerInfo::SortRecordsByFirstKey() {
    if (totalSorting_.GetCount() == 0 || dataController_->GetProvider().IsEditing()) return false;
    if (dataController_->IsProviderMode()) return false;
    const TcxDataSortInfo first = totalSorting_.GetItem(0);
    TcxValueDef* def = first.Field->ValueDefinition();
    if (first.Field->CompareMode != -1 || !def || def->GetBufferSize() == 0) return false;
    if (dataController_->OnCompare && !first.Field->IsInternal()) return false;
    const bool descending = first.SortOrder == soDescending;
    if (SortRecordsByNumberKey(def, descending)) return true;
    TcxDataStorage& storage = dataController_->GetStorage();
    const TcxValueType* type = def->GetValueTypeClass();
    const int size = def->GetDataSize();
    std::vector<TSortKey> keys(recordList_.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        TSortKey& key = keys[i];
        key.Record = recordList_[i];
        const uint8_t* buffer = storage.BufferOfRecord(key.Record);
        key.Null = def->IsNullInBuffer(buffer);
        key.Data = nullptr;
        key.Inline = false;
        if (key.Null) continue;
        const void* data = buffer + def->GetOffset() + 1;
        type->PrepareCompareData(data);
        key.Inline = data == buffer + def->GetOffset() + 1 && size <= 8;
        if (key.Inline)
            std::memcpy(key.Cell, data, static_cast<size_t>(size));
        else
            key.Data = data;
    }
    QuickSortList(keys, 0, static_cast<int>(keys.size()) - 1, [&](const TSortKey& a, const TSortKey& b) {
        if (a.Record == b.Record) return 0;
        int r = def->CompareNullable(a.Null, b.Null, a.Key(), b.Key());
        if (r != 0) return descending ? -r : r;
        return CompareRecordsAfterFirst(a.Record, b.Record);
    });
    for (size_t i = 0; i < keys.size(); ++i)
        recordList_[i] = keys[i].Record;
    return true;
}

// A first field of integers or floats: its keys compare inline. Alone, the field and the record
// index order strictly, so a library sort is safe; with more fields, whose compare a handler may
// answer inconsistently, the bounded quicksort keeps the list intact.
bool TcxCustomDataControllerInfo::SortRecordsByNumberKey(TcxValueDef* def, bool descending) {
    const TcxValueType* type = def->GetValueTypeClass();
    const TNumberKeyKind kind = NumberKeyKindOf(type);
    if (kind == TNumberKeyKind::None) return false;
    const bool floats = kind == TNumberKeyKind::Float;
    const std::vector<uint8_t*>& buffers = dataController_->GetStorage().RecordBuffers();
    const auto flag = static_cast<size_t>(def->GetOffset());
    std::vector<TNumberSortKey> keys(recordList_.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        TNumberSortKey& key = keys[i];
        key.Record = recordList_[i];
        const uint8_t* buffer = buffers.at(static_cast<size_t>(key.Record));
        key.Null = !buffer || buffer[flag] == 0;
        key.Int = 0;
        if (key.Null) continue;
        if (floats)
            std::memcpy(&key.Float, buffer + flag + 1, sizeof key.Float);
        else
            key.Int = LoadIntKey(type, buffer + flag + 1);
    }
    if (totalSorting_.GetCount() == 1) {
        std::sort(keys.begin(), keys.end(), [&](const TNumberSortKey& a, const TNumberSortKey& b) {
            int r = CompareNumberKeys(a, b, floats);
            if (r != 0) return descending ? r > 0 : r < 0;
            return a.Record < b.Record;
        });
    } else {
        QuickSortList(keys, 0, static_cast<int>(keys.size()) - 1,
                      [&](const TNumberSortKey& a, const TNumberSortKey& b) {
                          if (a.Record == b.Record) return 0;
                          int r = CompareNumberKeys(a, b, floats);
                          if (r != 0) return descending ? -r : r;
                          return CompareRecordsAfterFirst(a.Record, b.Record);
                      });
    }
    for (size_t i = 0; i < keys.size(); ++i)
        recordList_[i] = keys[i].Record;
    // The first group level compares these keys instead of reading the records again.
    if (grouping_.GetCount() > 0 && (changes_ & dcicGrouping)) {
        sortedKeys_ = std::move(keys);
        sortedKeysFloat_ = floats;
    }
    return true;
}

int TcxCustomDataControllerInfo::CompareRecordsAfterFirst(int a, int b) {
    for (int i = 1; i < totalSorting_.GetCount(); ++i) {
        int r = dataController_->CompareBySortInfo(a, b, 0, totalSorting_.GetItem(i));
        if (r != 0) return r;
    }
    return dataController_->CompareRecordIndexes(a, b);
}

int TcxCustomDataControllerInfo::CompareRecords(int a, int b) {
    if (a == b) return 0;
    const TcxCustomDataProvider& provider = dataController_->GetProvider();
    if (provider.IsEditing()) {
        // The edited record keeps its place among the rows until the edit ends.
        int edited = provider.GetEditingRecordIndex();
        if (provider.GetPrevAnchor() != cxNullEditingRecordIndex) {
            if (a == edited) return 1;
            if (b == edited) return -1;
        } else if (provider.GetNextAnchor() != cxNullEditingRecordIndex) {
            int anchor = provider.GetNextAnchor();
            if (a == edited) {
                if (b == anchor) return -1;
                a = anchor;
            } else if (b == edited) {
                if (a == anchor) return 1;
                b = anchor;
            }
        }
    }
    for (int i = 0; i < totalSorting_.GetCount(); ++i) {
        int r = dataController_->CompareBySortInfo(a, b, 0, totalSorting_.GetItem(i));
        if (r != 0) return r;
    }
    return dataController_->CompareRecordIndexes(a, b);
}

int TcxCustomDataControllerInfo::CompareGroupValues(int a, int b, int level) {
    if (a == b) return 0;
    const TcxCustomDataProvider& provider = dataController_->GetProvider();
    if (provider.IsEditing()) {
        int edited = provider.GetEditingRecordIndex();
        if (provider.GetSavedRecordIndex() != 0) {
            if (a == edited) a = provider.GetSavedRecordIndex();
            if (b == edited) b = provider.GetSavedRecordIndex();
        } else if (provider.GetPrevAnchor() != cxNullEditingRecordIndex) {
            if (a == edited || b == edited) return 0;
        } else if (provider.GetNextAnchor() != cxNullEditingRecordIndex) {
            int anchor = provider.GetNextAnchor();
            if ((a == edited && b == anchor) || (b == edited && a == anchor)) return 0;
            if (a == edited) a = anchor;
            if (b == edited) b = anchor;
        }
    }
    return dataController_->CompareBySortInfo(a, b, 1, totalSorting_.GetItem(level));
}

void TcxCustomDataControllerInfo::SortGroupsBySummary() {
    if (groups_.GetCount() == 0) return;
    const TcxSortingBySummaryEngineClass engineClass = dataController_->GetSortingBySummaryEngineClass();
    if (!engineClass) return;
    TcxDataSummary& summary = dataController_->GetSummary();
    bool sorted = false;
    for (int level = 0; level < groups_.GetLevelCount() && !sorted; ++level) {
        TcxDataGroupSummaryItems* items = summary.GetGroupSummaryItemsForLevel(level);
        sorted = items && items->GetSortedItem();
    }
    if (sorted) engineClass(*this)->Sort();
}

void TcxCustomDataControllerInfo::BuildGroups() {
    std::vector<TNumberSortKey> keys = std::move(sortedKeys_);
    sortedKeys_.clear();
    groups_.Clear();
    for (int i = 0; i < grouping_.GetCount(); ++i)
        groups_.AddLevelField(grouping_.GetItem(i).Field);
    if (recordList_.empty() || grouping_.GetCount() == 0) return;
    const int levels = groups_.GetLevelCount(), count = GetRecordListCount();
    std::vector<int> open(static_cast<size_t>(levels)), first(static_cast<size_t>(levels));
    auto openGroup = [&](int level, int position, int row) {
        TcxDataGroupInfo* group = groups_.AddItem();
        group->RowIndex = row;
        group->Level = level;
        group->BeginIndex = level < levels - 1 ? groups_.GetCount() : position;
        open[static_cast<size_t>(level)] = groups_.GetCount() - 1;
        first[static_cast<size_t>(level)] = recordList_[static_cast<size_t>(position)];
    };
    for (int level = 0; level < levels; ++level)
        openGroup(level, 0, 0);
    // A level compared natively outside an edit compares its cells directly.
    std::vector<TcxValueDef*> cellLevels(static_cast<size_t>(levels));
    const bool direct = !dataController_->GetProvider().IsEditing() && !dataController_->IsProviderMode();
    for (int level = 0; direct && level < levels; ++level) {
        TcxCustomDataField* field = totalSorting_.GetItem(level).Field;
        TcxValueDef* def = field->ValueDefinition();
        if (field->CompareMode == -1 && def && def->GetBufferSize() > 0 &&
            !(dataController_->OnCompare && !field->IsInternal()))
            cellLevels[static_cast<size_t>(level)] = def;
    }
    const std::vector<uint8_t*>& buffers = dataController_->GetStorage().RecordBuffers();
    const bool levelZeroKeys = direct && cellLevels[0] && keys.size() == recordList_.size();
    int levelZeroStart = 0; // the position the open level-0 group starts at
    auto differs = [&](int a, int b, int level, int position) {
        if (level == 0 && levelZeroKeys)
            return CompareNumberKeys(keys[static_cast<size_t>(levelZeroStart)], keys[static_cast<size_t>(position)],
                                     sortedKeysFloat_) != 0;
        if (TcxValueDef* def = cellLevels[static_cast<size_t>(level)])
            return a != b && def->CompareBuffers(buffers.at(static_cast<size_t>(a)), buffers.at(static_cast<size_t>(b))) != 0;
        return CompareGroupValues(a, b, level) != 0;
    };
    int topGroup = 0;
    for (int p = 1; p < count; ++p) {
        int record = recordList_[static_cast<size_t>(p)];
        int changed = -1;
        for (int level = 0; level < levels && changed < 0; ++level)
            if (differs(first[static_cast<size_t>(level)], record, level, p)) changed = level;
        if (changed < 0) continue;
        if (changed == 0) {
            ++topGroup;
            levelZeroStart = p;
        }
        for (int level = changed; level < levels; ++level)
            groups_.GetItem(open[static_cast<size_t>(level)])->EndIndex =
                level < levels - 1 ? groups_.GetCount() - 1 : p - 1;
        for (int level = changed; level < levels; ++level)
            openGroup(level, p, topGroup);
    }
    groups_.GetItem(open[static_cast<size_t>(levels - 1)])->EndIndex = count - 1;
    if (levels >= 2)
        groups_.GetItem(open[static_cast<size_t>(levels - 2)])->EndIndex = groups_.GetCount() - 1;
    for (int level = levels - 3; level >= 0; --level)
        groups_.GetItem(open[static_cast<size_t>(level)])->EndIndex =
            groups_.GetItem(open[static_cast<size_t>(level + 1)])->BeginIndex - 1;
}

void TcxCustomDataControllerInfo::AfterUpdate() {
    RestoreStates();
    SyncFocusedRow();
    dataController_->CheckBookmark(-1);
}

void TcxCustomDataControllerInfo::NotifyChanges() {
    TcxDataControllerChanges changes = 0;
    if (changes_ & (dcicSorting | dcicField)) changes |= dccLayout;
    if (changes_ & (dcicRecords | dcicGrouping | dcicExpanding)) changes |= dccData;
    if (changes_ & (dcicFocusedRow | dcicFocusedRecord | dcicFocusState)) changes |= dccFocus;
    if (changes_ & dcicSelection) changes |= dccSelection;
    if (changes_ & dcicSummary) changes |= dccSummary;
    if (dataController_->GetSortingChanged()) changes |= dccSorting;
    if (dataController_->GetGroupingChanged()) changes |= dccGrouping;
    changes_ = 0;
    dataController_->ClearSortingAndGroupingChanged();
    dataController_->ClearFilterChanged();
    dataController_->Change(changes);
}

} // namespace zorvy
