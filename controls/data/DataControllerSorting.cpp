// The data controller's sorting and grouping of items, the comparison of two records on a field,
// focus by record, editing through the provider and the record filter event.
#include "controls/data/DataController.h"

#include "controls/data/Variants.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/TextCollation.h"

#include <algorithm>

namespace zorvy {

// ---- sorting ----

TcxDataSortOrder TcxCustomDataController::GetItemSortOrder(int itemIndex) const {
    TcxCustomDataField* field = GetItemField(itemIndex);
    TcxDataSortOrder order = info_->GetSorting().OrderOfField(field);
    return order != soNone ? order : info_->GetGrouping().OrderOfField(field);
}

void TcxCustomDataController::SetItemSortOrder(int itemIndex, TcxDataSortOrder order) {
    TcxCustomDataField* field = GetItemField(itemIndex);
    if (info_->GetSorting().OrderOfField(field) == order) return;
    CheckBrowseMode();
    sortingChanged_ = true;
    info_->ChangeSorting(field, order);
}

int TcxCustomDataController::GetItemSortingIndex(int itemIndex) const {
    return info_->GetSorting().IndexOfField(GetItemField(itemIndex));
}

int TcxCustomDataController::GetSortingItemCount() const {
    return info_->GetSorting().GetCount();
}

void TcxCustomDataController::ClearSorting(bool keepGroupingEntries) {
    int count = info_->GetSorting().GetCount();
    BeginUpdate();
    info_->ClearSorting(keepGroupingEntries);
    if (info_->GetSorting().GetCount() != count) {
        CheckBrowseMode();
        sortingChanged_ = true;
    }
    EndUpdate();
}

int TcxCustomDataController::GetSortingItemIndex(int index) const {
    return info_->GetSorting().GetItem(index).Field->GetIndex();
}

void TcxCustomDataController::ChangeItemSortingIndex(int itemIndex, int sortingIndex) {
    TcxCustomDataField* field = GetItemField(itemIndex);
    if (GetItemSortingIndex(itemIndex) == sortingIndex) return;
    LockUpdate();
    try {
        TcxSortingFieldList& sorting = info_->GetSorting();
        if (sortingIndex == -1 && info_->GetGrouping().IndexOfField(field) >= 0 &&
            GetItemSortOrder(itemIndex) == soAscending) {
            SetItemSortOrder(itemIndex, soNone);
        } else {
            if (sorting.IndexOfField(field) < 0) SetItemSortOrder(itemIndex, GetItemSortOrder(itemIndex));
            int from = sorting.IndexOfField(field);
            if (from >= 0) {
                int to = std::clamp(sortingIndex, 0, sorting.GetCount() - 1);
                if (to != from) {
                    sorting.MoveEntry(from, to);
                    CheckBrowseMode();
                    sortingChanged_ = true;
                }
            }
        }
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

bool TcxCustomDataController::ItemSortingChanged(int itemIndex) {
    bool changed = itemIndex == -1 || GetItemSortOrder(itemIndex) != soNone;
    if (changed) DoRefresh();
    return changed;
}

int TcxCustomDataController::GetSortingBySummaryItemIndex() const {
    return sortingBySummaryField_ ? sortingBySummaryField_->GetIndex() : -1;
}

void TcxCustomDataController::SetSortingBySummaryItemIndex(int itemIndex) {
    if (itemIndex == GetSortingBySummaryItemIndex()) return;
    sortingBySummaryField_ = itemIndex == -1 ? nullptr : GetItemField(itemIndex);
    SortingBySummaryChanged();
}

void TcxCustomDataController::SortingBySummaryChanged() {
    sortingBySummaryChanged_ = true;
    Change(dccSorting);
}

namespace {

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

int TcxCustomDataController::CompareByField(int record1, int record2, int /*purpose*/,
                                            TcxCustomDataField* field) {
    if ((OnCompare && !field->IsInternal()) || IsCustomCompareNeeded(field)) {
        Variant v1 = GetSortingValue(record1, field), v2 = GetSortingValue(record2, field);
        if (OnCompare) {
            int compare = 0;
            OnCompare(this, record1, record2, field->GetIndex(), v1, v2, compare);
            return compare;
        }
        if (v1.IsString() && v2.IsString()) {
            bool ignoreCase = (options_ & dcoCaseInsensitive) != 0;
            if (options_ & dcoAnsiSort)
                return Sign(LocaleCompare(v1.RawString(), v2.RawString(), ignoreCase));
            if (ignoreCase) return Sign(AnsiUpperCase(v1.RawString()).compare(AnsiUpperCase(v2.RawString())));
        }
        return CompareVariants(v1, v2);
    }
    TcxValueDef* def = field->ValueDefinition();
    if (!def) return 0;
    if (IsProviderMode() && FieldHasProviderData(field))
        return provider_->CompareRecords(record1, record2, field);
    if (record1 >= 0 && record2 >= 0) return storage_->CompareStoredValues(record1, record2, def);
    // An internal record (the edited record's saved copy) has its own layout.
    const void* data1;
    const void* data2;
    bool null1 = storage_->PrepareCompare(record1, def, data1),
         null2 = storage_->PrepareCompare(record2, def, data2);
    return def->CompareNullable(null1, null2, data1, data2);
}

int TcxCustomDataController::CompareBySortInfo(int record1, int record2, int purpose,
                                               const TcxDataSortInfo& info) {
    int r = CompareByField(record1, record2, purpose, info.Field);
    return info.SortOrder == soDescending ? -r : r;
}

Variant TcxCustomDataController::GetSortingValue(int recordIndex, TcxCustomDataField* field) const {
    if (field->CompareMode == 2) return Variant(GetFieldDisplayText(recordIndex, field));
    return GetFieldValue(recordIndex, field);
}

bool TcxCustomDataController::IsCustomCompareNeeded(TcxCustomDataField* field) const {
    if (field->CompareMode != 0) return field->CompareMode > 0;
    if (field->CustomCompare || NeedsStringCompare(field) || IsSortByDisplayText(field)) return true;
    // A source whose compare data the value types cannot read is compared through the values.
    return IsProviderMode() && !provider_->IsNativeCompare();
}

bool TcxCustomDataController::NeedsStringCompare(TcxCustomDataField* field) const {
    TcxValueDef* def = field->ValueDefinition();
    return (options_ & (dcoAnsiSort | dcoCaseInsensitive)) && def && def->HoldsStrings();
}

bool TcxCustomDataController::IsSortByDisplayText(TcxCustomDataField* field) const {
    if (findingInternalRecord_ || field->IsInternal()) return false;
    return GetItemSortByDisplayText(field->GetIndex(), (options_ & dcoSortByDisplayText) != 0);
}

// ---- grouping ----

int TcxCustomDataController::GetItemGroupIndex(int itemIndex) const {
    return info_->GetGrouping().GroupIndexOf(GetItemField(itemIndex));
}

void TcxCustomDataController::ChangeItemGroupIndex(int itemIndex, int groupIndex) {
    TcxCustomDataField* field = GetItemField(itemIndex);
    int current = info_->GetGrouping().GroupIndexOf(field);
    if (current == groupIndex || (current < 0 && groupIndex < 0)) return;
    CheckBrowseMode();
    groupingChanged_ = true;
    info_->ChangeGrouping(field, groupIndex);
}

void TcxCustomDataController::ClearGrouping() {
    if (info_->GetGrouping().GetCount() == 0) return;
    CheckBrowseMode();
    groupingChanged_ = true;
    info_->ClearGrouping();
}

int TcxCustomDataController::GetGroupingItemCount() const {
    return info_->GetGrouping().GetCount();
}

bool TcxCustomDataController::IsItemCompareByText(int itemIndex) const {
    if (GetItemSortByDisplayText(itemIndex, true)) return true;
    return (options_ & dcoAnsiSort) && GetItemField(itemIndex)->ValueTypeOf() &&
           GetItemField(itemIndex)->ValueTypeOf()->IsStringType();
}

TcxCustomDataField* TcxCustomDataController::GetGroupingField(int level) const {
    return info_->GetGrouping().GetItem(level).Field;
}

// ---- focus, editing, filtering ----

void TcxCustomDataController::SetFocusedRecordIndex(int recordIndex) {
    BeginUpdate();
    try {
        int row = recordIndex < 0 ? -1 : info_->GetRowIndexByRecordIndex(recordIndex, true);
        info_->ChangeFocusedRow(row, false);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TcxCustomDataController::CheckBrowseMode() {
    if (provider_->IsEditing()) provider_->Post();
}

bool TcxCustomDataController::DoFilterRecord(int recordIndex) {
    bool accept = true;
    if (OnFilterRecord) OnFilterRecord(this, recordIndex, accept);
    return accept;
}

void TcxCustomDataController::FilterChanged() {
    filterChanged_ = true;
    if (provider_->IsEditing()) Cancel();
    DoRefresh();
    CheckBookmark(-1);
    CheckPrevSelectionInfo();
}

} // namespace zorvy
