#pragma once
// The changes a table view posts to its grid's queue when its data, one record or the focused
// record change.
#include "controls/grid/control/GridChanges.h"

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;

// The row count changed: runs at once, never waits in the queue.
class TcxGridDataChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridDataChange, TcxCustomGridViewChange)
  public:
    using TcxCustomGridViewChange::TcxCustomGridViewChange;
    void Execute() override;
    bool CanBeQueued() const override { return false; }
};

// Repaints a record (nil item) or one of its cells. The record is only compared, never used,
// until the view data confirms it still holds it at the index.
class TcxGridRecordChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridRecordChange, TcxCustomGridViewChange)
  public:
    TcxGridRecordChange(TcxCustomGridView* gridView, TcxCustomGridTableItem* item, int recordIndex,
                        TcxCustomGridRecord* record)
        : TcxCustomGridViewChange(gridView), item_(item), record_(record), recordIndex_(recordIndex) {}
    TcxCustomGridTableItem* GetItem() const { return item_; }
    int GetRecordIndex() const { return recordIndex_; }
    void Execute() override;
    bool IsCoveredBy(const TcxCustomGridChange* change) const override;
    bool IsSameAs(const TcxCustomGridChange* change) const override;
    std::size_t GetMergeHash() const override;
    bool CanCoverOthers() const override { return false; }

  private:
    bool IsItemVisible() const;
    TcxCustomGridTableItem* item_;
    TcxCustomGridRecord* record_;
    int recordIndex_;
};

class TcxGridFocusedRecordChange : public TcxCustomGridViewChange {
    ZORVY_CLASS(TcxGridFocusedRecordChange, TcxCustomGridViewChange)
  public:
    TcxGridFocusedRecordChange(TcxCustomGridView* gridView, bool newItemRecordFocusingChanged, int newIndex,
                               int prevIndex)
        : TcxCustomGridViewChange(gridView), prevFocusedRecordIndex_(prevIndex), focusedRecordIndex_(newIndex),
          newItemRecordFocusingChanged_(newItemRecordFocusingChanged) {}
    bool CanRunLocked() const override { return false; }
    void Execute() override;

  private:
    int prevFocusedRecordIndex_;
    int focusedRecordIndex_;
    bool newItemRecordFocusingChanged_;
};

} // namespace zorvy
