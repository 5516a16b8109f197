#pragma once
// The rows of the table view and its view data: data rows, the new-item row, the filter row whose
// cells edit the view's filter, master rows that expand to their details, group rows with their
// caption and summary text, and TcxGridViewData, which picks the class of each row, owns the
// filter row and expands or collapses all rows.
#include "controls/grid/table/Records.h"
#include "platform/rtl/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zorvy {

class TcxCustomGridView;
class TcxDataGroupSummaryItems;
class TcxGridColumn;
class TcxGridLevel;
class TcxGridTableView;
class TcxGridViewData;

// Record kinds: 0 a data or group row, 1 the new-item row, 2 the filter row.
enum TcxGridRecordKind { rkData = 0, rkNewItem = 1, rkFilter = 2 };

class TcxCustomGridRow : public TcxCustomGridRecord {
    ZORVY_CLASS(TcxCustomGridRow, TcxCustomGridRecord)
  public:
    using TcxCustomGridRecord::TcxCustomGridRecord;
    TcxGridTableView* GetGridView() const;
    TcxGridLevel* GetGridLevel() const;
    TcxGridViewData* GetViewData() const;
    bool IsFilterRow() const;
    bool IsNewItemRow() const;
    // Left collapses, Right expands, keypad multiply expands everything below (its character is
    // swallowed).
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    virtual bool ExpandsOnDblClick() const { return CanExpand(); }
    virtual bool IsPlainDataRow() const { return false; }
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override;
};

class TcxGridDataRow : public TcxCustomGridRow {
    ZORVY_CLASS(TcxGridDataRow, TcxCustomGridRow)
  public:
    using TcxCustomGridRow::TcxCustomGridRow;
    bool HasCells() const override { return true; }
    bool IsPlainDataRow() const override { return true; }
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override;
};

class TcxGridNewItemRow : public TcxGridDataRow {
    ZORVY_CLASS(TcxGridNewItemRow, TcxGridDataRow)
  public:
    using TcxGridDataRow::TcxGridDataRow;
    bool IsPlainDataRow() const override { return false; }
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override;
};

// Its cells show the equal or LIKE condition of each column; a value typed into a cell replaces the
// column's conditions.
class TcxGridFilterRow : public TcxGridNewItemRow {
    ZORVY_CLASS(TcxGridFilterRow, TcxGridNewItemRow)
  public:
    using TcxGridNewItemRow::TcxGridNewItemRow;
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override;
    void RefreshRecordInfo() override;
    bool GetSelected() const override { return selected_; }
    void SetSelected(bool value) override;
    bool GetVisible() const override { return true; }
    bool CanFocusCells() const override { return true; }
    std::string GetDisplayText(int itemIndex) const override;
    Variant GetValue(int itemIndex) const override;
    void SetDisplayText(int itemIndex, const std::string& text) override;
    // Empty or Null removes the column's conditions; else one condition replaces them.
    void SetValue(int itemIndex, const Variant& value) override;
    // Escape leaves the filter row.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

    // A text is LIKE (with checkWildcards, only when it holds a wildcard); anything else equal.
    int GetOperatorForValue(const Variant& value, bool checkWildcards) const;
    // Equal always; another operator only when the value's own operator is that one.
    bool IsOperatorSupported(int operatorKind, const Variant& value) const;
    // The column's filter list entry's text, else its editor's text of the value.
    std::string GetValueDisplayText(TcxGridColumn* column, const Variant& value) const;

  private:
    TcxFilterCriteriaItem* CriteriaItemOf(int itemIndex) const;
    bool selected_ = false;
};

class TcxGridMasterDataRow : public TcxGridDataRow {
    ZORVY_CLASS(TcxGridMasterDataRow, TcxGridDataRow)
  public:
    using TcxGridDataRow::TcxGridDataRow;
    bool CanExpand() const override;
    bool GetExpanded() const override;
    bool ExpandsOnDblClick() const override;

    // The relation whose detail the row shows, -1 for none: a hidden level's relation gives way
    // to the view's default, an empty one (without tabs for empty details) to the first relation
    // with rows. Read during a layout pass or a paint it only computes; else it stores the change.
    int GetActiveDetailIndex() const;
    void SetActiveDetailIndex(int value);
    TcxGridLevel* GetActiveDetailLevel() const;
    int GetDetailCount() const;
    bool HasDetailChildren(int relationIndex) const;
    bool DetailGridViewExists(int relationIndex) const;
    bool HasDetailsWithData() const;
    // The level is one of the row's level's children: it becomes the active detail.
    void ChildLevelChanged(TcxGridLevel* level);

  protected:
    void DoExpand(bool recursive) override;
    void DoCollapse(bool recursive) override;

  private:
    int ComputeActiveDetailIndex() const;
    bool MayStoreActiveDetailIndex() const;
};

class TcxGridGroupRow : public TcxCustomGridRow {
    ZORVY_CLASS(TcxGridGroupRow, TcxCustomGridRow)
  public:
    using TcxCustomGridRow::TcxCustomGridRow;
    TcxCustomGridRecordViewInfoClass GetViewInfoClass() const override;
    bool CanExpand() const override;
    bool GetExpanded() const override { return GetRowInfo().Expanded; }
    bool IsDataRecord() const override { return false; }
    bool IsParentRecord() const override;
    std::string GetDisplayText(int itemIndex) const override;
    // Group rows are read-only.
    void SetDisplayText(int, const std::string&) override {}
    void SetValue(int, const Variant&) override {}

    TcxGridColumn* GetGroupedColumn() const;
    TcxDataGroupSummaryItems* GetGroupSummaryItems() const;
    Variant GetGroupValue() const;
    // "<caption> : <value>".
    std::string GetGroupCaptionText() const;
    // The caption text, then a blank and the group summary text when there is one.
    std::string GetGroupText() const;

  protected:
    void DoExpand(bool recursive) override;
    void DoCollapse(bool recursive) override;
};

class TcxGridViewData : public TcxCustomGridTableViewData {
    ZORVY_CLASS(TcxGridViewData, TcxCustomGridTableViewData)
  public:
    using TcxCustomGridTableViewData::TcxCustomGridTableViewData;
    ~TcxGridViewData() override;
    TcxGridTableView* GetGridView() const;

    TcxGridFilterRow* GetFilterRow() const { return filterRow_.get(); }
    // Makes or frees the filter row as the view's FilterRow.Visible says.
    void CheckFilterRow();
    bool IsFilterRowVisible() const;
    bool IsNewItemRowVisible() const override;

    const TMetaClass* GetRecordClass(const TcxDataRowInfo& rowInfo) const override;
    const TMetaClass* GetNewItemRecordClass() const override { return TcxGridNewItemRow::StaticClass(); }
    virtual const TMetaClass* GetFilterRowClass() const { return TcxGridFilterRow::StaticClass(); }
    TcxCustomGridRecord* FindRecordOfKind(int kind, int index) override;
    int RecordKindOf(const TcxCustomGridRecord* record) const override;
    void Collapse(bool recursive) override;
    void Expand(bool recursive) override;

  private:
    std::unique_ptr<TcxGridFilterRow> filterRow_;
};

} // namespace zorvy
