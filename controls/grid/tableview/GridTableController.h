#pragma once
// TcxGridTableController: the controller of the row-and-column table view. On top of the table
// controller it keeps the horizontal scroll position in pixels (LeftPos) with both scroll bars,
// brings a column into view, and holds the column whose header a left press keeps down
// (GridTableController.cpp); it moves between cells and into and out of the filter and new-item rows
// by keys (GridTableControllerKeys.cpp), and sorts by a click on a column header
// (GridTableControllerSorting.cpp).
#include "controls/grid/table/TableController.h"

#include <vector>

namespace zorvy {

class TcxCustomGridRecord;
class TcxGridColumn;
class TcxGridTableView;
class TcxGridTableViewInfo;

class TcxGridTableController : public TcxCustomGridTableController {
    ZORVY_CLASS(TcxGridTableController, TcxCustomGridTableController)
  public:
    using TcxCustomGridTableController::TcxCustomGridTableController;
    TcxGridTableView* GetGridView() const;
    // nil before the view has its table layout.
    TcxGridTableViewInfo* GetTableViewInfo() const;

    // ---- horizontal position ----
    int GetLeftPos() const { return leftPos_; }
    // Clamped; a change moves the painted content when the view can, else relays it out.
    void SetLeftPos(int value);
    // At most the data width less the client width, at least 0.
    virtual void CheckLeftPos(int& value);
    virtual void LeftPosChanged();

    // ---- the pressed column header ----
    TcxGridColumn* GetPressedColumn() const { return pressedColumn_; }
    void SetPressedColumn(TcxGridColumn* value);
    // What a press on a movable column header drags.
    virtual const TMetaClass* GetColumnHeaderMovingObjectClass() const;

    // Scroll directions: 1 left, 2 right (10 pixels), 3 up, 4 down (one record).
    virtual void DoScroll(int direction);
    virtual bool CanScroll(int direction);

    // ---- the filter row and the new-item row ----
    bool IsFilterRowFocused() const;
    bool IsNewItemRowRecordFocused() const;
    virtual bool IsSpecialRowFocused() const { return IsFilterRowFocused() || IsNewItemRowRecordFocused(); }
    // Set while the filter row writes a value into the filter: the data's focus moves, the filter
    // row keeps it.
    bool GetFilterRowApplying() const { return filterRowApplying_; }
    void SetFilterRowApplying(bool value) { filterRowApplying_ = value; }
    // Up and PageUp: the new-item row, then the filter row take the focus above the first record.
    virtual bool EnterSpecialRowsUp();
    // Down and PageDown: from the filter row to the new-item row, then to the top visible record.
    virtual bool LeaveSpecialRowsDown();
    // Called by the filter row around a change of its selected flag.
    virtual void FilterRowFocusChanging(bool focusing);
    virtual void FilterRowFocusChanged();
    TcxCustomGridRecord* GetFocusedRecord() const override;
    void SetFocusedRecord(TcxCustomGridRecord* value) override;
    void FocusedRecordChanged(int prevRowIndex, int rowIndex, bool newItemRecordFocusingChanged) override;
    bool CanAppend(bool checkOptions) const override;
    bool CanDelete(bool checkOptions) const override;
    bool CanEdit() const override;
    bool CanInsert(bool checkOptions) const override;

    // ---- keys ----
    void DoKeyDown(std::uint16_t& key, TShiftState shift) override;
    bool IsKeyForMultiSelect(std::uint16_t key, TShiftState shift, bool focusedRowChanged) const override;

    // ---- cell ranges (OptionsSelection.CellMultiSelect; GridTableControllerCells.cpp) ----
    virtual bool CanCellMultiSelect() const;
    TcxGridColumn* GetCellSelectionAnchor() const { return cellSelectionAnchor_; }
    int GetSelectedColumnCount() const { return static_cast<int>(selectedColumns_.size()); }
    TcxGridColumn* GetSelectedColumn(int index) const { return selectedColumns_.at(static_cast<size_t>(index)); }
    // Called by the column's Selected: set its flag, list it and repaint the selection.
    void AddSelectedColumn(TcxGridColumn* column);
    void RemoveSelectedColumn(TcxGridColumn* column);
    void ClearSelectedColumns();
    // The visible columns from one to the other (nil: the first or the last) become the selection.
    void SelectColumns(TcxGridColumn* from, TcxGridColumn* to);
    void SelectAllColumns() { SelectColumns(nullptr, nullptr); }
    void SelectColumnsFromAnchor();
    void DoClearSelection() override;
    void SelectFromAnchor(bool clearOthers, TcxCustomGridHitTest* hitTest) override;
    void DoMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift) override;
    void ProcessSelectionKey(std::uint16_t& key, TShiftState shift) override;
    bool CanPostponeSelectionChange() const override;
    bool SupportsAdditiveSelection() const override { return !CanCellMultiSelect(); }
    bool SupportsRecordToggling() const override { return !CanCellMultiSelect(); }
    void ClearRecordSelection() override;
    void SelectAll() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;

    // ---- header clicks ----
    // Every grouped column shows again, then the data drops all grouping.
    void ClearGrouping();
    // Ctrl removes the column's sorting; Shift adds it to the sorting; a plain click sorts by it alone.
    virtual void DoHeaderClick(TcxGridColumn* column, TShiftState shift);

    // ---- overrides of the controllers ----
    void CheckCoordinates() override;
    void UnfocusView() override;
    void CancelMouseOperations() override;
    // The column left the view or got hidden: it leaves the selection, the anchor and the press.
    void ItemRemoved(TcxCustomGridTableItem* item) override;
    void InitScrollBars() override;
    bool IsPixelScrollBar(TScrollBarKind kind) override { return kind == sbHorizontal; }
    void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override;
    void BeforeStopDragAndDrop(bool accepted) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MakeItemVisible(TcxCustomGridTableItem* item) override;
    // The form with the "Columns" page and the quick column list (TableCustomization.cpp).
    const TMetaClass* GetCustomizationFormClass() const override;
    const TMetaClass* GetItemsCustomizationPopupClass() const override;

    // Drag-selecting also moves between cells left and right of the scrollable area; cell ranges
    // always drag-select.
    bool GetPullFocusing() const override;
    bool GetPullFocusingScrollDirection(int x, int y, int& direction) override;
    void DoPullFocusingScroll(int direction) override;

  protected:
    // Edits the filter row's values too.
    const TMetaClass* GetEditingControllerClass() const override;

  private:
    void InvalidateColumnHeader(TcxGridColumn* column);
    void RemoveColumnSorting(TcxGridColumn* column);
    void ChangeColumnSorting(TcxGridColumn* column, bool keepOthers);
    // The first column in the sort order that can be grouped takes grouping level 0.
    void GroupByFirstSortedColumn();
    bool filterRowApplying_ = false;
    TcxGridColumn* cellSelectionAnchor_ = nullptr;
    std::vector<TcxGridColumn*> selectedColumns_;
    int leftPos_ = 0;
    TcxGridColumn* pressedColumn_ = nullptr;
};

} // namespace zorvy
