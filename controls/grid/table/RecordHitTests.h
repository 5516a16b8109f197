#pragma once
// The hit tests of a table view's records and of its filter box, and the drag-open target that
// expands a record when a dragged object rests on its expand button. A record hit test keeps the
// record's kind and index, not the record: a list rebuilt since then yields the record now there.
#include "controls/grid/control/GridHandlers.h"
#include "controls/grid/view/HitTests.h"

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridTableItem;
class TcxCustomGridTableViewData;

enum : int {
    htFilterBox = 101,
    htFilterActivateButton = 102,
    htFilterCloseButton = 103,
    htFilterDropDownButton = 104,
    htFilterCustomizeButton = 105,
    htRecord = 106,
    htCell = 107,
    htExpandButton = 108,
};

class TcxGridRecordHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridRecordHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htRecord; }
    // Whether a press on it counts for mouse selection.
    virtual bool IsRecordHit() const { return true; }
    // nil gives index and kind -1.
    void SetGridRecord(TcxCustomGridRecord* record);
    // The record that now stands at the kept kind and index (nil when none, or without view data).
    TcxCustomGridRecord* GetGridRecord() const;
    TcxCustomGridTableViewData* GetViewData() const { return viewData_; }
    int GetRecordIndex() const { return recordIndex_; }
    int GetRecordKind() const { return recordKind_; }

  private:
    TcxCustomGridTableViewData* viewData_ = nullptr;
    int recordIndex_ = -1;
    int recordKind_ = -1;
};

class TcxGridRecordCellHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridRecordCellHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htCell; }
    TcxCustomGridTableItem* Item = nullptr;
};

class TcxGridExpandButtonHitTest : public TcxGridRecordHitTest {
    ZORVY_CLASS(TcxGridExpandButtonHitTest, TcxGridRecordHitTest)
  public:
    int GetHitTestCode() const override { return htExpandButton; }
    bool IsRecordHit() const override { return false; }
};

// The filter box and its four buttons.
class TcxGridFilterHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFilterHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFilterBox; }
};

class TcxGridFilterActivateButtonHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFilterActivateButtonHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFilterActivateButton; }
};

class TcxGridFilterCloseButtonHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFilterCloseButtonHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFilterCloseButton; }
};

class TcxGridFilterDropDownButtonHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFilterDropDownButtonHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFilterDropDownButton; }
};

class TcxGridFilterCustomizeButtonHitTest : public TcxCustomGridViewHitTest {
    ZORVY_CLASS(TcxGridFilterCustomizeButtonHitTest, TcxCustomGridViewHitTest)
  public:
    int GetHitTestCode() const override { return htFilterCustomizeButton; }
};

// Expands its record (not recursively) once the drag has rested on the button long enough.
class TcxGridDragOpenInfoExpand : public TcxCustomGridDragOpenInfo {
    ZORVY_CLASS(TcxGridDragOpenInfoExpand, TcxCustomGridDragOpenInfo)
  public:
    explicit TcxGridDragOpenInfoExpand(TcxCustomGridRecord* record) : record_(record) {}
    TcxCustomGridRecord* GetGridRecord() const { return record_; }
    bool IsSameTarget(TcxCustomGridDragOpenInfo* info) override;
    void OpenTarget() override;

  private:
    TcxCustomGridRecord* record_;
};

} // namespace zorvy
