#pragma once
// Focus and selection state of the row pipeline, and the expanded groups and selected group rows
// it carries across a rebuild of the group tree (remembered by their grouping values).
#include "platform/rtl/Variant.h"

#include <functional>
#include <vector>

namespace zorvy {

class TcxCustomDataField;

// Where the focus is: a row, its level (-1 none; a group level, or the level count for a data
// row) and the record it shows.
struct TcxDataFocusingInfo {
    int Level = -1;
    int PrevRecordIndex = -1;
    int RecordIndex = -1;
    int RowIndex = -1;
    bool Changed = false; // the new-item row gained or lost the focus since this was taken

    void Assign(const TcxDataFocusingInfo& other) {
        Level = other.Level;
        PrevRecordIndex = other.PrevRecordIndex;
        RecordIndex = other.RecordIndex;
        RowIndex = other.RowIndex;
        Changed = false;
    }
    void Clear() { Level = RecordIndex = RowIndex = -1; }
    bool SameAs(const TcxDataFocusingInfo& other) const {
        return RecordIndex == other.RecordIndex && Level == other.Level && RowIndex == other.RowIndex;
    }
};

// A selected row: a data row (its level, its record) or a group row (level -1, its tree index).
struct TcxDataSelectionItem {
    int Level = 0;
    int RecordIndex = 0;
    int RowIndex = 0;
};

// Selected rows, sorted by row index.
class TcxDataSelection {
  public:
    virtual ~TcxDataSelection() = default;
    int GetCount() const { return static_cast<int>(items_.size()); }
    const TcxDataSelectionItem& GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    TcxDataSelectionItem& Item(int index) { return items_.at(static_cast<size_t>(index)); }
    void Add(int index, int rowIndex, int level, int recordIndex); // index -1 appends
    void Delete(int index);
    void Clear();
    void EmptySelection(); // the anchor and the entries
    void ClearAnchor() { anchorRowIndex_ = -1; }
    int GetAnchorRowIndex() const { return anchorRowIndex_; }
    void SetAnchorRowIndex(int row) { anchorRowIndex_ = row; }
    // Binary search by row; on a miss `index` is the insertion point.
    bool FindRowIndex(int rowIndex, int& index) const;
    int FindGroupItem(int groupIndex) const;
    int FindRecordItem(int recordIndex) const;
    bool IsRecordSelected(int recordIndex) const { return FindRecordItem(recordIndex) >= 0; }
    void SortByRow();
    // Deletes the data entries whose record is not in the list (group entries stay).
    void DropMissingRecords(const std::vector<int>& recordList);
    std::function<void()> OnChanged;

  private:
    void Changed() {
        if (OnChanged) OnChanged();
    }
    int anchorRowIndex_ = -1;
    std::vector<TcxDataSelectionItem> items_;
};

// An expanded (state bit 1) or selected (bit 2) group, by its level and the grouping values of its
// first record from the outermost level down to its own.
struct TcxDataExpandingInfo {
    int Level = 0;
    std::vector<Variant> Values;
    int State = 0;
};

class TcxDataExpandingInfos {
  public:
    void AddField(TcxCustomDataField* field); // "Item already exists" for a listed field
    void AddItem(int level, std::vector<Variant> values, int state);
    void Clear();
    void DropIfField(TcxCustomDataField* field);
    int GetCount() const { return static_cast<int>(items_.size()); }
    const TcxDataExpandingInfo& GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }
    int GetFieldCount() const { return static_cast<int>(fields_.size()); }
    TcxCustomDataField* GetField(int index) const { return fields_.at(static_cast<size_t>(index)); }
    int SaveStates = 0; // bit 1 expanded groups, bit 2 selection

  private:
    std::vector<TcxCustomDataField*> fields_;
    std::vector<TcxDataExpandingInfo> items_;
};

} // namespace zorvy
