// The row pipeline's rows: row queries, the focused row that follows its record, the selection,
// expanding and collapsing groups, and the expanded groups and selection carried over an update.
#include "controls/data/DataController.h"
#include "controls/data/DataControllerInfo.h"
#include "controls/data/DataResources.h"
#include "controls/data/Variants.h"

#include <algorithm>

namespace zorvy {

// ---- rows ----

void TcxCustomDataControllerInfo::CheckRowIndex(int row) const {
    if (row < 0 || row >= GetRowCount()) RaiseDataControllerError(cxSDataRowIndexError);
}

int TcxCustomDataControllerInfo::GetRowCount() const {
    return HasGroups() ? groups_.GetRowCount() : GetRecordListCount();
}

TcxDataRowInfo TcxCustomDataControllerInfo::GetRowInfo(int row) const {
    CheckRowIndex(row);
    TcxDataRowInfo info;
    if (HasGroups()) {
        info = groups_.GetRowInfo(row);
        info.RecordIndex = recordList_.at(static_cast<size_t>(info.RecordIndex));
    } else {
        info.RecordIndex = recordList_[static_cast<size_t>(row)];
    }
    return info;
}

int TcxCustomDataControllerInfo::IndexOfRecord(int recordIndex) const {
    auto it = std::find(recordList_.begin(), recordList_.end(), recordIndex);
    return it == recordList_.end() ? -1 : static_cast<int>(it - recordList_.begin());
}

int TcxCustomDataControllerInfo::DeepestGroupOfPosition(int position) const {
    int deepest = groups_.GetLevelCount() - 1;
    for (int i = 0; i < groups_.GetCount(); ++i) {
        const TcxDataGroupInfo& group = *groups_.GetItem(i);
        if (group.Level == deepest && group.BeginIndex <= position && position <= group.EndIndex) return i;
    }
    return -1;
}

int TcxCustomDataControllerInfo::GetRowIndexByRecordIndex(int recordIndex, bool makeVisible) {
    int position = IndexOfRecord(recordIndex);
    if (position < 0 || !HasGroups()) return position;
    int index = DeepestGroupOfPosition(position);
    if (index < 0) return -1;
    if (makeVisible) {
        if (groups_.MakeItemVisible(index, true)) ExpandingChanged();
    } else if (!groups_.IsItemShown(index) || !groups_.GetItem(index)->Expanded) {
        return -1;
    }
    const TcxDataGroupInfo& group = *groups_.GetItem(index);
    return group.RowIndex + position - group.BeginIndex + 1;
}

int TcxCustomDataControllerInfo::GetNearestRowIndex(int row) const {
    int count = GetRowCount();
    if (HasGroups()) {
        int level = GetRowInfo(row).Level;
        if (row + 1 < count && GetRowInfo(row + 1).Level == level) return row + 1;
        if (row > 0 && GetRowInfo(row - 1).Level == level) return row - 1;
        if (row + 1 >= count) return row > 0 ? row - 1 : row;
        return row + 1;
    }
    return row + 1 < count ? row + 1 : row - 1;
}

// ---- focus ----

int TcxCustomDataControllerInfo::GetFocusedRecordIndex() const {
    int row = focusingInfo_.RowIndex;
    if (row < 0 || row >= GetRowCount()) return -1;
    return GetRowInfo(row).RecordIndex;
}

bool TcxCustomDataControllerInfo::CanFocusRow(int row) {
    return dataController_->CanFocusRecord(row < 0 ? -1 : GetRowInfo(row).RecordIndex);
}

void TcxCustomDataControllerInfo::ChangeFocusedRow(int row, bool force) {
    row = std::clamp(row, -1, GetRowCount() - 1);
    if (row == focusingInfo_.RowIndex) return;
    if (!(changes_ & dcicFocusedRow)) prevFocusingInfo_.Assign(focusingInfo_);
    bool allowed = force || CanFocusRow(row);
    if (allowed) {
        focusingInfo_.RowIndex = row;
        if (row < 0) {
            focusingInfo_.Level = focusingInfo_.RecordIndex = -1;
        } else {
            TcxDataRowInfo info = GetRowInfo(row);
            focusingInfo_.Level = info.Level;
            focusingInfo_.RecordIndex = info.RecordIndex;
        }
        focusingInfo_.PrevRecordIndex = focusingInfo_.RecordIndex;
    }
    if (!focusingInfo_.SameAs(prevFocusingInfo_)) {
        changes_ |= dcicFocusedRow | dcicFocusState;
        dataController_->FocusedRowMoved();
    }
}

void TcxCustomDataControllerInfo::ChangeFocusedRowLocked(int row) {
    dataController_->BeginUpdate();
    try {
        ChangeFocusedRow(row, false);
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
}

void TcxCustomDataControllerInfo::ResetFocusedRow(int row) {
    focusingInfo_.Clear();
    ChangeFocusedRow(row, true);
}

// The row of the focused record. Expanding: open the groups that hide it. Not expanding (after a
// collapse): the data row when it is shown, else the group row that now holds it.
int TcxCustomDataControllerInfo::FindFocusedRow(bool expand) {
    int position = focusingInfo_.RecordIndex < 0 ? -1 : IndexOfRecord(focusingInfo_.RecordIndex);
    if (position < 0) return -1;
    if (!HasGroups()) return position;
    int index = DeepestGroupOfPosition(position);
    if (index < 0) return -1;
    const int levels = groups_.GetLevelCount();
    int level = focusingInfo_.Level;
    const TcxDataGroupInfo& deepest = *groups_.GetItem(index);
    if (expand) {
        if (level < levels && position == deepest.BeginIndex) {
            // The focus was on a group row whose first record this is.
            int target = index;
            while (true) {
                int parent = groups_.GetParentIndex(target);
                bool goUp = level >= 0 ? groups_.GetItemLevel(target) > level
                                       : parent >= 0 && groups_.GetFirstRecordListIndex(parent) == position;
                if (!goUp || parent < 0) break;
                target = parent;
            }
            if (groups_.MakeItemVisible(target, false)) ExpandingChanged();
            return groups_.GetItem(target)->RowIndex;
        }
        if (groups_.MakeItemVisible(index, true)) ExpandingChanged();
        return deepest.RowIndex + position - deepest.BeginIndex + 1;
    }
    if (level == levels && groups_.IsItemShown(index) && deepest.Expanded)
        return deepest.RowIndex + position - deepest.BeginIndex + 1;
    int target = level == levels ? levels - 1 : level;
    if (target < 0) return deepest.RowIndex;
    int group = index;
    while (group >= 0 && groups_.GetItemLevel(group) > target)
        group = groups_.GetParentIndex(group);
    return group < 0 ? -1 : groups_.GetItem(group)->RowIndex;
}

void TcxCustomDataControllerInfo::SyncFocusedRow() {
    int row = FindFocusedRow(true);
    int focused = focusingInfo_.RowIndex;
    if (row != focused && (focused < 0 || focused >= GetRowCount() ||
                           GetRowInfo(focused).RecordIndex != focusingInfo_.RecordIndex))
        ChangeFocusedRow(row, true);
    if ((changes_ & dcicFocusedRow) && prevFocusingInfo_.RowIndex >= GetRowCount())
        prevFocusingInfo_.RowIndex = -1;
    // A filter that took the focused record away focuses the first row (the new-item row keeps
    // the focus).
    if (dataController_->GetFilterChanged() && focusingInfo_.RowIndex < 0 && !dataController_->GetNewItemRowFocused()) {
        dataController_->ClearFilterChanged();
        if (GetRowCount() > 0) ChangeFocusedRow(0, true);
    }
}

void TcxCustomDataControllerInfo::RefocusAfterCollapse() {
    int row = FindFocusedRow(false);
    if (row != focusingInfo_.RowIndex) ChangeFocusedRow(row, false);
}

// The record list keeps its positions (the group tree indexes them) until the next update refills
// it; its record indexes follow the shift so that the states saved then read the right records.
void TcxCustomDataControllerInfo::RecordInserted(int recordIndex) {
    for (int& record : recordList_)
        if (record >= recordIndex) ++record;
    if (focusingInfo_.RecordIndex >= recordIndex) ++focusingInfo_.RecordIndex;
    for (int i = 0; i < selection_.GetCount(); ++i) {
        TcxDataSelectionItem& item = selection_.Item(i);
        if (item.Level >= 0 && item.RecordIndex >= recordIndex) ++item.RecordIndex;
    }
}

void TcxCustomDataControllerInfo::RecordDeleted(int recordIndex) {
    for (int& record : recordList_)
        record = record == recordIndex ? -1 : (record > recordIndex ? record - 1 : record);
    // The focus stays on the record that takes the deleted one's place, or the new last one.
    if (focusingInfo_.RecordIndex > recordIndex) --focusingInfo_.RecordIndex;
    if (focusingInfo_.RecordIndex >= dataController_->GetRecordCount())
        focusingInfo_.RecordIndex = dataController_->GetRecordCount() - 1;
    for (int i = selection_.GetCount() - 1; i >= 0; --i) {
        TcxDataSelectionItem& item = selection_.Item(i);
        if (item.Level < 0) continue;
        if (item.RecordIndex == recordIndex)
            selection_.Delete(i);
        else if (item.RecordIndex > recordIndex)
            --item.RecordIndex;
    }
}

// ---- expanding ----

void TcxCustomDataControllerInfo::ChangeExpanding(int row, bool expanded, bool recursive) {
    CheckRowIndex(row);
    if (!HasGroups() || AreGroupsAlwaysExpanded()) return;
    if (!expanded) dataController_->CheckBrowseMode();
    dataController_->BeginUpdate();
    try {
        groups_.SetRowExpanded(row, expanded, recursive);
        ExpandingChanged();
        if (!expanded) RefocusAfterCollapse();
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
}

void TcxCustomDataControllerInfo::SetAllExpanded(bool expanded) {
    if (!HasGroups() || AreGroupsAlwaysExpanded()) return;
    if (!expanded) dataController_->CheckBrowseMode();
    dataController_->BeginUpdate();
    try {
        groups_.SetAllExpanded(expanded);
        ExpandingChanged();
        if (!expanded) RefocusAfterCollapse();
    } catch (...) {
        dataController_->EndUpdate();
        throw;
    }
    dataController_->EndUpdate();
}

// ---- selection ----

void TcxCustomDataControllerInfo::ChangeRowSelection(int row, bool select) {
    CheckRowIndex(row);
    int index;
    bool found = selection_.FindRowIndex(row, index);
    if (!select && found) {
        selection_.Delete(index);
    } else if (select && !found && dataController_->CanSelectRow(row)) {
        if (!dataController_->GetMultiSelect() && selection_.GetCount() > 0) {
            selection_.Clear();
            index = 0;
        }
        TcxDataGroupInfo* group;
        int groupIndex = HasGroups() ? groups_.FindByRow(row, group) : -1;
        if (groupIndex >= 0) {
            selection_.Add(index, row, -1, groupIndex);
        } else {
            TcxDataRowInfo info = GetRowInfo(row);
            selection_.Add(index, row, info.Level, info.RecordIndex);
        }
    }
    CheckChanges();
}

void TcxCustomDataControllerInfo::ClearSelection() {
    selection_.EmptySelection();
    CheckChanges();
}

bool TcxCustomDataControllerInfo::IsRowSelected(int row) const {
    CheckRowIndex(row);
    int index;
    return selection_.FindRowIndex(row, index);
}

void TcxCustomDataControllerInfo::DropSelectionBeyondCount() {
    if (selection_.GetCount() == 0) return;
    int count = dataController_->GetRecordCount();
    if (count == 0) {
        selection_.Clear();
        return;
    }
    for (int i = selection_.GetCount() - 1; i >= 0; --i)
        if (selection_.GetItem(i).Level >= 0 && selection_.GetItem(i).RecordIndex >= count)
            selection_.Delete(i);
}

void TcxCustomDataControllerInfo::UpdateSelectionRows() {
    for (int i = selection_.GetCount() - 1; i >= 0; --i) {
        TcxDataSelectionItem& item = selection_.Item(i);
        if (item.Level < 0) {
            item.RowIndex =
                item.RecordIndex < groups_.GetCount() ? groups_.GetItem(item.RecordIndex)->RowIndex : -1;
            if (item.RowIndex < 0 || !groups_.IsItemShown(item.RecordIndex)) selection_.Delete(i);
        } else {
            item.RowIndex = GetRowIndexByRecordIndex(item.RecordIndex, false);
            if (item.RowIndex < 0) selection_.Delete(i);
        }
    }
    selection_.SortByRow();
}

// ---- states carried over an update ----

void TcxCustomDataControllerInfo::ChooseSaveStates() {
    int mask = 0;
    bool saveExpanding = (dataController_->GetOptions() & dcoSaveExpanding) != 0;
    if (saveExpanding && (changes_ & (dcicRecords | dcicGrouping))) mask |= 1;
    if (selection_.GetCount() > 0 && (changes_ & (dcicRecords | dcicGrouping | dcicSorting | dcicExpanding)))
        mask |= 2;
    SetSaveStates(mask);
}

void TcxCustomDataControllerInfo::SetSaveStates(int mask) {
    if (mask == expandingInfos_.SaveStates) return;
    bool sameFields = groups_.GetLevelCount() == grouping_.GetCount();
    for (int level = 0; sameFields && level < grouping_.GetCount(); ++level)
        sameFields = groups_.GetLevelField(level) == grouping_.GetItem(level).Field;
    expandingInfos_.Clear();
    expandingInfos_.SaveStates = mask;
    if (mask == 0 || !sameFields || dataController_->GetRecordCount() == 0) return;
    for (int level = 0; level < groups_.GetLevelCount(); ++level)
        expandingInfos_.AddField(groups_.GetLevelField(level));
    // Visit the groups whose parent is open (every group while the selection is saved).
    int hiddenBelow = -1; // a collapsed group's level hides the deeper entries after it
    for (int i = 0; i < groups_.GetCount(); ++i) {
        const TcxDataGroupInfo& group = *groups_.GetItem(i);
        if (hiddenBelow >= 0 && group.Level > hiddenBelow) continue;
        hiddenBelow = !group.Expanded && !(mask & 2) ? group.Level : -1;
        int state = 0;
        if ((mask & 1) && group.Expanded && (selection_.GetCount() > 0 || !AreGroupsAlwaysExpanded()))
            state |= 1;
        if ((mask & 2) && selection_.FindGroupItem(i) >= 0) state |= 2;
        if (state == 0) continue;
        int record = recordList_.at(static_cast<size_t>(groups_.GetFirstRecordListIndex(i)));
        if (record < 0 || record >= dataController_->GetRecordCount()) continue; // deleted since
        std::vector<Variant> values;
        for (int level = 0; level <= group.Level; ++level)
            values.push_back(dataController_->GetSortingValue(record, groups_.GetLevelField(level)));
        expandingInfos_.AddItem(group.Level, std::move(values), state);
    }
}

void TcxCustomDataControllerInfo::RestoreStates() {
    if (AreGroupsAlwaysExpanded()) groups_.SetAllExpanded(true);
    const int saved = expandingInfos_.SaveStates;
    if (saved == 0) return;
    bool sameFields = groups_.GetLevelCount() == expandingInfos_.GetFieldCount();
    for (int level = 0; sameFields && level < groups_.GetLevelCount(); ++level)
        sameFields = groups_.GetLevelField(level) == expandingInfos_.GetField(level);
    if (!sameFields) {
        if (saved & 2) selection_.Clear();
        return;
    }
    const int levels = groups_.GetLevelCount();
    for (int i = selection_.GetCount() - 1; i >= 0; --i)
        if (selection_.GetItem(i).Level < 0 || selection_.GetItem(i).Level != levels) selection_.Delete(i);
    if (HasGroups()) {
        for (int n = 0; n < expandingInfos_.GetCount(); ++n) {
            const TcxDataExpandingInfo& info = expandingInfos_.GetItem(n);
            for (int i = 0; i < groups_.GetCount(); ++i) {
                TcxDataGroupInfo& group = *groups_.GetItem(i);
                if (group.Level != info.Level) continue;
                int record = recordList_[static_cast<size_t>(groups_.GetFirstRecordListIndex(i))];
                bool same = true;
                for (int level = 0; same && level <= info.Level; ++level)
                    same =
                        VariantsEqual(dataController_->GetSortingValue(record, groups_.GetLevelField(level)),
                                      info.Values[static_cast<size_t>(level)]);
                if (!same) continue;
                if ((info.State & 1) && (saved & 1)) group.Expanded = true;
                if (info.State & 2) selection_.Add(-1, -1, -1, i);
                break;
            }
        }
        if ((saved & 1) && !AreGroupsAlwaysExpanded()) groups_.RebuildRowIndexes();
        UpdateSelectionRows();
    } else if (saved & 2) {
        for (int i = selection_.GetCount() - 1; i >= 0; --i) {
            TcxDataSelectionItem& item = selection_.Item(i);
            item.RowIndex = IndexOfRecord(item.RecordIndex);
            if (item.RowIndex < 0) selection_.Delete(i);
        }
        selection_.SortByRow();
    }
    int anchor = selection_.GetAnchorRowIndex(), index;
    if (anchor >= 0 && !selection_.FindRowIndex(anchor, index)) selection_.ClearAnchor();
}

} // namespace zorvy
