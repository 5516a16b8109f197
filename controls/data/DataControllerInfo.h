#pragma once
// The row pipeline: turns the controller's records into rows. Requests (records changed, sorting
// or grouping changed, a group expanded, the focus moved) only set change bits; the update runs
// once when no lock is held: fill and filter the record list, sort it, build the group tree,
// carry expanded groups and the selection over, find the focused record's row again, and report
// what changed to the controller in one batch.
#include "controls/data/DataGroups.h"
#include "controls/data/DataSelection.h"
#include "controls/data/SortingFields.h"

#include <cstdint>
#include <vector>

namespace zorvy {

class TcxValueDef;
class TcxCustomDataController;

enum TcxDataControllerInfoChange : uint16_t {
    dcicRecords = 0x001,
    dcicGrouping = 0x002,
    dcicSorting = 0x004,
    dcicFocusedRow = 0x008,
    dcicField = 0x010,
    dcicExpanding = 0x020,
    dcicFocusedRecord = 0x040,
    dcicSelection = 0x080,
    dcicSummary = 0x100,
    dcicFocusState = 0x200,
};

// Sorts list[low..high] with a three-way compare. The compare must order strictly; the bounds are
// checked all the same, so a faulty compare can disorder the list but never overrun it or loop.
template <typename T, typename Compare>
void QuickSortList(std::vector<T>& list, int low, int high, Compare compare);

class TcxCustomDataControllerInfo {
  public:
    // A record with its first sort key read as a number, for value types whose cells
    // compare as plain integers or floats.
    struct TNumberSortKey {
        union {
            int64_t Int;
            double Float;
        };
        int Record;
        bool Null;
    };

    explicit TcxCustomDataControllerInfo(TcxCustomDataController* dataController);
    virtual ~TcxCustomDataControllerInfo() = default;

    // ---- batching ----
    void LockRecalculation() { ++lockCount_; }
    void UnlockRecalculation();
    void CheckChanges();
    virtual void Update();
    bool IsCalculating() const { return calculating_; }

    // ---- requests ----
    void RecordsChanged();
    void FocusedRecordChanged(int recordIndex);
    void ExpandingChanged() {
        changes_ |= dcicExpanding;
        expanding_ = true;
    }
    void FieldChanged(TcxCustomDataField* field);
    void RemoveField(TcxCustomDataField* field);
    void ChangeSorting(TcxCustomDataField* field, TcxDataSortOrder order);
    void ClearSorting(bool keepGrouped);
    void ChangeGrouping(TcxCustomDataField* field, int groupIndex);
    void ClearGrouping();
    void ChangeExpanding(int row, bool expanded, bool recursive);
    void FullCollapse() { SetAllExpanded(false); }
    void FullExpand() { SetAllExpanded(true); }
    // Records at or after the index moved: the focus and the selection follow their records.
    void RecordInserted(int recordIndex);
    void RecordDeleted(int recordIndex);

    // ---- rows ----
    int GetRowCount() const;
    TcxDataRowInfo GetRowInfo(int row) const; // "RowIndex out of range" outside 0 .. count - 1
    int GetRowIndexByRecordIndex(int recordIndex, bool makeVisible);
    int GetNearestRowIndex(int row) const;
    int GetRecordListCount() const { return static_cast<int>(recordList_.size()); }
    int GetRecordListItem(int position) const { return recordList_.at(static_cast<size_t>(position)); }
    const std::vector<int>& GetRecordList() const { return recordList_; }
    int IndexOfRecord(int recordIndex) const;
    bool HasGroups() const { return groups_.GetCount() > 0; }
    bool AreGroupsAlwaysExpanded() const;
    void CheckRowIndex(int row) const;
    const TcxDataGroups& GetGroups() const { return groups_; }
    // The group tree an engine that sorts groups by summary reorders in place.
    TcxDataGroups& GetGroupsForSorting() { return groups_; }
    TcxCustomDataController& GetDataController() const { return *dataController_; }
    // Two records as grouping level `level` orders them.
    int CompareGroupValuesAt(int a, int b, int level) { return CompareGroupValues(a, b, level); }
    TcxSortingFieldList& GetSorting() { return sorting_; }
    TcxGroupingFieldList& GetGrouping() { return grouping_; }
    const TcxSortingFieldList& GetTotalSorting() const { return totalSorting_; }

    // Chooses how each sorted field compares (custom, by display text, natively), or resets it.
    void PrepareSortFields(bool prepare);

    // ---- focus ----
    void ChangeFocusedRow(int row, bool force);
    void ChangeFocusedRowLocked(int row);
    void ResetFocusedRow(int row);
    bool CanFocusRow(int row);
    int FindFocusedRow(bool expand);
    int GetFocusedRowIndex() const { return focusingInfo_.RowIndex; }
    int GetFocusedRecordIndex() const;
    int GetPrevFocusedRowIndex() const { return prevFocusingInfo_.RowIndex; }
    int GetPrevFocusedRecordIndex() const { return prevFocusingInfo_.RecordIndex; }
    bool GetPrevFocusChanged() const { return !focusingInfo_.SameAs(prevFocusingInfo_); }
    // With `newItemRow`, the new-item row gained or lost the focus.
    void MarkFocusStateChanged(bool newItemRow = false) {
        changes_ |= dcicFocusState;
        if (newItemRow) prevFocusingInfo_.Changed = true;
    }
    bool GetNewItemRowFocusingChanged() const { return prevFocusingInfo_.Changed; }
    // The focus was reported: it becomes the previous focus of the next report.
    void FocusNotified() { prevFocusingInfo_.Assign(focusingInfo_); }
    // The summaries must be computed again (display only: the layout is told as well).
    void SummaryChanged(bool displayOnly) {
        changes_ |= displayOnly ? dcicField : dcicSummary;
        CheckChanges();
    }

    // ---- selection ----
    void ChangeRowSelection(int row, bool select);
    void ClearSelection();
    void ClearSelectionAnchor() { selection_.ClearAnchor(); }
    int GetSelectedCount() const { return selection_.GetCount(); }
    int GetSelectedRowIndex(int index) const { return selection_.GetItem(index).RowIndex; }
    bool IsRowSelected(int row) const;
    TcxDataSelection& GetSelection() { return selection_; }
    const TcxDataSelection& GetSelection() const { return selection_; }
    // Deletes selected data rows whose record is at or beyond the record count.
    void DropSelectionBeyondCount();
    // Captures expanded groups and the selection now (before the records are reloaded); the next
    // update restores them.
    void CaptureStates() { SetSaveStates(3); }

  private:
    // ---- the update's steps ----
    void FillRecordList();
    void FilterRecords();
    void SortRecords();
    bool SortRecordsByFirstKey();
    bool SortRecordsByNumberKey(TcxValueDef* def, bool descending);
    int CompareRecords(int a, int b);
    // Records equal in the first sorted field: the other fields, then the record indexes.
    int CompareRecordsAfterFirst(int a, int b);
    int CompareGroupValues(int a, int b, int level);
    void BuildGroups();
    // Groups ordered by a sorted group summary item of some level, through the controller's engine.
    void SortGroupsBySummary();
    void FocusTopRowAfterSorting();
    void AfterUpdate();
    void NotifyChanges();
    // ---- states carried over the update ----
    void ChooseSaveStates();
    void SetSaveStates(int mask);
    void RestoreStates();
    void UpdateSelectionRows();
    void SyncFocusedRow();
    void RefocusAfterCollapse();
    void SetAllExpanded(bool expanded);
    int DeepestGroupOfPosition(int position) const;

    TcxCustomDataController* dataController_;
    uint16_t changes_ = 0;
    TcxDataGroups groups_;
    TcxDataExpandingInfos expandingInfos_;
    bool expanding_ = false;
    TcxDataFocusingInfo focusingInfo_;
    TcxGroupingFieldList grouping_;
    bool calculating_ = false;
    int lockCount_ = 0;
    TcxDataFocusingInfo prevFocusingInfo_;
    std::vector<int> recordList_;
    // The number keys of the last sort in row order, while the groups are built from them.
    std::vector<TNumberSortKey> sortedKeys_;
    bool sortedKeysFloat_ = false;
    TcxDataSelection selection_;
    TcxSortingFieldList sorting_;
    TcxSortingFieldList totalSorting_;
};

template <typename T, typename Compare>
void QuickSortList(std::vector<T>& list, int low, int high, Compare compare) {
    while (low < high) {
        int i = low, j = high;
        const T pivot = list[static_cast<size_t>((low + high) / 2)];
        do {
            while (i < high && compare(list[static_cast<size_t>(i)], pivot) < 0)
                ++i;
            while (j > low && compare(list[static_cast<size_t>(j)], pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(list[static_cast<size_t>(i)], list[static_cast<size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (low < j) QuickSortList(list, low, j, compare);
        low = i;
    }
}

} // namespace zorvy
