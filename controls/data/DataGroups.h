#pragma once
// The group tree: one entry per group in pre-order, each with the row at which it is shown.
// A deepest-level group's begin..end index the row pipeline's record list; an upper group's begin
// is its first child's tree index and end its last descendant's.
#include "platform/rtl/Variant.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomDataField;

struct TcxDataGroupInfo {
    int RowIndex = 0; // a group hidden inside a collapsed ancestor carries that ancestor's row
    bool Expanded = false;
    int Level = 0;
    int BeginIndex = 0;
    int EndIndex = 0;
    Variant SummaryValues;
};

// What a row shows: for a data row the level is the level count and the index a record index
// (a record-list index inside the tree).
struct TcxDataRowInfo {
    bool Expanded = false;
    int Level = 0;
    int RecordIndex = 0;
};

class TcxDataGroups {
  public:
    // ---- levels and entries ----
    int GetLevelCount() const { return static_cast<int>(levelFields_.size()); }
    TcxCustomDataField* GetLevelField(int level) const { return levelFields_.at(static_cast<size_t>(level)); }
    void AddLevelField(TcxCustomDataField* field) { levelFields_.push_back(field); }
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxDataGroupInfo* GetItem(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    void SetItem(int index, std::unique_ptr<TcxDataGroupInfo> item) {
        items_.at(static_cast<size_t>(index)) = std::move(item);
    }
    // Gives the entry away, leaving the slot empty until SetItem fills it again.
    std::unique_ptr<TcxDataGroupInfo> TakeItem(int index) { return std::move(items_.at(static_cast<size_t>(index))); }
    TcxDataGroupInfo* AddItem();
    void Clear();
    int GetItemLevel(int index) const; // -1 out of range

    // ---- rows ----
    // The tree index of the group shown at `row`, or -1 for a data row; `group` is then the
    // deepest group whose data rows hold the row (nullptr before the first group).
    int FindByRow(int row, TcxDataGroupInfo*& group) const;
    bool IsItemShown(int index) const;
    int GetIndexByRow(int row) const { return GetIndexByRowAndLevel(row, -1); }
    int GetIndexByRowAndLevel(int row, int level) const;
    int GetRowCount() const;
    TcxDataRowInfo GetRowInfo(int row) const;

    // ---- children ----
    int GetTopCount() const { return GetChildCount(-1); }
    int GetTopGroupIndex(int n) const { return GetChildGroupIndex(-1, n); }
    int GetChildCount(int index) const;
    int GetChildGroupIndex(int parentIndex, int n) const;
    int GetChildRecordListIndex(int index, int n) const;
    int GetFirstRecordListIndex(int index) const;
    int FindGroupOfRecordListIndex(int recordListIndex, int level) const;
    int GetParentIndex(int index) const; // the nearest earlier entry of a smaller level, -1 for a top group

    // ---- expanding ----
    void SetRowExpanded(int row, bool expanded, bool recursive);
    void SetAllExpanded(bool expanded);
    bool MakeItemVisible(int index, bool expandItself); // true when a flag changed
    void RebuildRowIndexes();

  private:
    bool IsDeepest(const TcxDataGroupInfo& group) const { return group.Level == GetLevelCount() - 1; }
    void WalkLevel(size_t& index, int level, bool visible, int& counter);

    std::vector<TcxCustomDataField*> levelFields_;
    std::vector<std::unique_ptr<TcxDataGroupInfo>> items_;
};

} // namespace zorvy
