#pragma once
// The notices a data controller hands to the view that listens: one object per change, freed by
// the controller after the handler returns (a handler must not keep it).
#include "platform/rtl/Components.h"

#include <vector>

namespace zorvy {

// What changed in the data: one value, one record, records added or removed, or anything.
enum TcxDataChangeScope : unsigned char { dcsValue, dcsRecord, dcsRecordsAdded, dcsRecordsRemoved, dcsAll };

class TcxUpdateControlInfo : public TObject {};

class TcxDataChangedInfo : public TcxUpdateControlInfo {
  public:
    TcxDataChangedInfo(TcxDataChangeScope kind, int itemIndex, int recordIndex)
        : Kind(kind), ItemIndex(itemIndex), RecordIndex(recordIndex) {}
    TcxDataChangeScope Kind;
    int ItemIndex, RecordIndex;
};

// Rows rebuilt or laid out again without a data change.
class TcxLayoutChangedInfo : public TcxUpdateControlInfo {};

// The focused record's values are being edited.
class TcxUpdateRecordInfo : public TcxUpdateControlInfo {
  public:
    explicit TcxUpdateRecordInfo(int recordIndex) : RecordIndex(recordIndex) {}
    int RecordIndex;
};

class TcxFocusedRowChangedInfo : public TcxUpdateControlInfo {
  public:
    TcxFocusedRowChangedInfo(int focusedRowIndex, int prevFocusedRowIndex)
        : FocusedRowIndex(focusedRowIndex), PrevFocusedRowIndex(prevFocusedRowIndex) {}
    int FocusedRowIndex, PrevFocusedRowIndex;
};

class TcxFocusedRecordChangedInfo : public TcxUpdateControlInfo {
  public:
    TcxFocusedRecordChangedInfo(int prevRecord, int record, int row, int prevRow, bool newItemRowFocusingChanged)
        : PrevFocusedRecordIndex(prevRecord), FocusedRecordIndex(record), FocusedRowIndex(row),
          PrevFocusedRowIndex(prevRow), NewItemRowFocusingChanged(newItemRowFocusingChanged) {}
    int PrevFocusedRecordIndex, FocusedRecordIndex, FocusedRowIndex, PrevFocusedRowIndex;
    bool NewItemRowFocusingChanged;
};

// The rows whose selection changed; none means any row may have.
class TcxSelectionChangedInfo : public TcxUpdateControlInfo {
  public:
    TcxSelectionChangedInfo() = default;
    // With rows: the first unless -1, the second unless -1 or the same as the first.
    TcxSelectionChangedInfo(int prevRowIndex, int rowIndex) {
        if (prevRowIndex != -1) rows_.push_back(prevRowIndex);
        if (rowIndex != -1 && rowIndex != prevRowIndex) rows_.push_back(rowIndex);
    }
    int GetCount() const { return static_cast<int>(rows_.size()); }
    int GetRowIndex(int index) const { return rows_.at(static_cast<size_t>(index)); }

  private:
    std::vector<int> rows_;
};

class TcxSearchChangedInfo : public TcxUpdateControlInfo {};
class TcxBookmarkChangedInfo : public TcxUpdateControlInfo {};
// The grouping is about to be rebuilt.
class TcxGroupingChangingInfo : public TcxUpdateControlInfo {};

} // namespace zorvy
