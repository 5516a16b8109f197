#pragma once
// The records of a table view: one light wrapper per row of the data controller, made when it is
// first asked for and thrown away whenever the rows change, and the view data that owns them (with
// the new-item row's record, the editing record and the date-range conversions of values).
#include "controls/data/DataGroups.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewData.h"
#include "platform/classlib/ControlTypes.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridRecordViewInfo;
class TcxCustomGridRecordsViewInfo;
class TcxCustomGridTableController;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxCustomGridTableViewData;
class TcxCustomDataField;
class TcxFilterValueList;
class TcxFilterCriteriaItemList;
enum TcxFilterOperatorCode : uint8_t;
class TcxGridFilterValueList;

// Makes the view info that lays a record out (the record view info class reference).
using TcxCustomGridRecordViewInfoClass = TcxCustomGridRecordViewInfo* (*)(TcxCustomGridRecordsViewInfo*,
                                                                          TcxCustomGridRecord*);
template <class T> TcxCustomGridRecordViewInfoClass RecordViewInfoClassOf() {
    return [](TcxCustomGridRecordsViewInfo* recordsViewInfo, TcxCustomGridRecord* record)
               -> TcxCustomGridRecordViewInfo* { return new T(recordsViewInfo, record); };
}

class TcxCustomGridRecord : public TObject {
    ZORVY_CLASS(TcxCustomGridRecord, TObject)
  public:
    using TCreateOwner = TcxCustomGridTableViewData;
    // The view data gives it its row index and row info.
    explicit TcxCustomGridRecord(TcxCustomGridTableViewData* viewData) : viewData_(viewData) {}
    // Clears the link of its view info.
    ~TcxCustomGridRecord() override;

    virtual void RefreshRecordInfo();
    virtual bool CanExpand() const { return false; }
    virtual bool GetExpanded() const { return false; }
    virtual void ToggleExpanded() { SetExpandedState(!GetExpanded()); }
    virtual bool HasCells() const { return false; }
    virtual bool IsDataRecord() const { return true; }
    virtual bool IsFirst() const { return index_ == 0; }
    virtual bool IsLast() const;
    virtual bool IsParentRecord() const { return false; }
    virtual TcxCustomGridRecord* GetParentRecord() const;
    virtual bool GetSelected() const;
    virtual bool GetVisible() const;
    virtual void SetSelected(bool value);
    virtual std::string GetDisplayText(int itemIndex) const;
    virtual int GetValueCount() const;
    virtual Variant GetValue(int itemIndex) const;
    virtual void SetDisplayText(int itemIndex, const std::string& text);
    virtual void SetValue(int itemIndex, const Variant& value);
    // Before the controller's own handling: Enter, F2 and the input-method key start editing the
    // focused item; keypad plus and minus expand and collapse.
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual bool CanFocus() const;
    virtual bool CanFocusCells() const;
    virtual TcxCustomGridRecord* FindFirstFocusableChild() const { return nullptr; }
    virtual TcxCustomGridRecord* FindLastFocusableChild(bool /*recursive*/) const { return nullptr; }
    // The class of the view info that lays the record out; nil: the record is never laid out.
    virtual TcxCustomGridRecordViewInfoClass GetViewInfoClass() const { return nullptr; }
    // Posts a repaint of the record (nil) or of one cell when the record is laid out.
    virtual void Invalidate(TcxCustomGridTableItem* item = nullptr);

    TcxCustomGridTableViewData* GetViewData() const { return viewData_; }
    TcxCustomGridTableView* GetGridView() const;
    TcxCustomGridTableController* GetController() const;
    TcxCustomDataController* GetDataController() const;
    int GetIndex() const { return index_; }
    const TcxDataRowInfo& GetRowInfo() const { return rowInfo_; }
    int GetLevel() const { return rowInfo_.Level; }
    int GetRecordIndex() const { return rowInfo_.RecordIndex; }
    TcxCustomGridRecordViewInfo* GetViewInfo() const { return viewInfo_; }
    bool GetFocused() const;
    void SetFocused(bool value);
    bool IsNewItemRecord() const;
    bool IsEditing() const;
    bool GetDragHighlighted() const;
    void SetExpandedState(bool value);
    void ExpandRecord(bool recursive);
    void CollapseRecord(bool recursive);
    bool IsValid() const;
    bool IsLaidOut() const { return viewInfo_ != nullptr; }
    bool IsLastInLevel(int offset) const;
    int GetLastParentLevelCount() const;
    void MakeVisible();

  protected:
    // For records that stand for no row of the data controller.
    void SetRowInfo(const TcxDataRowInfo& value) { rowInfo_ = value; }
    virtual void DoCollapse(bool /*recursive*/) {}
    virtual void DoExpand(bool /*recursive*/) {}

  private:
    friend class TcxCustomGridRecordViewInfo;
    friend class TcxCustomGridTableViewData;
    TcxCustomGridTableViewData* viewData_;
    int index_ = -1;
    TcxDataRowInfo rowInfo_;
    TcxCustomGridRecordViewInfo* viewInfo_ = nullptr;
};

// The kinds of a date-time conversion: 0 sorting, 1 grouping, 2 filtering.
enum TcxGridDateTimeHandlingKind { dthkSorting = 0, dthkGrouping = 1, dthkFiltering = 2 };

class TcxCustomGridTableViewData : public TcxCustomGridViewData {
    ZORVY_CLASS(TcxCustomGridTableViewData, TcxCustomGridViewData)
  public:
    explicit TcxCustomGridTableViewData(TcxCustomGridView* gridView);
    ~TcxCustomGridTableViewData() override;

    TcxCustomGridTableView* GetGridView() const;
    TcxCustomGridTableController* GetController() const;
    int GetRecordCount() const { return static_cast<int>(records_.size()); }
    // Made on first request; an index outside the rows raises the list's index error.
    TcxCustomGridRecord* GetRecord(int index);
    // nil outside 0 .. count - 1; never makes a record.
    TcxCustomGridRecord* FindRecord(int index) const;
    bool IsRowIndexValid(int index) const { return index >= 0 && index < GetRecordCount(); }
    TcxCustomGridRecord* GetRecordByRecordIndex(int recordIndex);
    TcxCustomGridRecord* GetEditingRecord();
    TcxCustomGridRecord* GetEditingRecordField() const { return editingRecord_; }
    void UpdateEditingRecord() { editingRecord_ = GetEditingRecord(); }
    TcxCustomGridRecord* GetNewItemRecord() const { return newItemRecord_.get(); }
    void RefreshRecordInfos();
    void CheckNewItemRecord();
    std::unique_ptr<TcxGridFilterValueList> CreateFilterValueList();
    // A condition of the item (list nil: the root); an empty text becomes the value's text, which the
    // item's handler may change; replacing removes the item's conditions first.
    void AddFilterCondition(TcxFilterCriteriaItemList* list, TcxCustomGridTableItem* item, bool replace,
                            std::string text, const Variant& value, TcxFilterOperatorCode operatorKind);
    Variant GetFieldDateRangeValue(TcxCustomDataField* field, const Variant& value, int kind);
    bool HasDateTimeHandlingForField(TcxCustomDataField* field, int kind);

    virtual TcxCustomGridRecord* FindRecordOfKind(int kind, int index);
    virtual const TMetaClass* GetRecordClass(const TcxDataRowInfo& rowInfo) const = 0;
    virtual int RecordKindOf(const TcxCustomGridRecord* record) const { return record == newItemRecord_.get() ? 1 : 0; }
    virtual const TMetaClass* GetNewItemRecordClass() const { return nullptr; }
    virtual void Collapse(bool recursive);
    virtual void Expand(bool recursive);
    // The rows changed: every record goes, the list takes the new row count (all slots empty).
    virtual void Refresh(int recordCount);
    virtual bool IsNewItemRowVisible() const { return false; }
    virtual bool GetDisplayText(int recordIndex, int itemIndex, int kind, bool useDateRanges, std::string& text);
    virtual int CompareDateRangeValues(TcxCustomDataField* field, const Variant& value1, int kind, const Variant& value2);
    virtual void GetDateRangeDisplayText(int recordIndex, int itemIndex, std::string& text, int kind);
    virtual Variant GetDateRangeValue(TcxCustomGridTableItem* item, const Variant& value, int kind);
    virtual bool HasDateTimeHandling(TcxCustomGridTableItem* item, int kind);
    virtual bool NeedsDateRangeCompare(TcxCustomDataField* field, int mode);

  private:
    void CreateNewItemRecord();
    void RecreateNewItemRecord();
    void DestroyRecords();
    TcxCustomGridTableItem* ItemOfField(TcxCustomDataField* field) const;

    std::vector<TcxCustomGridRecord*> records_; // owned; nil until asked for
    TcxCustomGridRecord* editingRecord_ = nullptr;
    std::unique_ptr<TcxCustomGridRecord> newItemRecord_;
};

} // namespace zorvy
