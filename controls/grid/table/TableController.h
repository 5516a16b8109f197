#pragma once
// The table view's controller: the focused item and record, the keys and mouse presses that move,
// select, search, insert and delete records (TableController.cpp), the record selection and the
// incremental search (TableControllerSelection.cpp), and the top record index with everything that
// scrolls it (TableControllerScrolling.cpp), and drag-selecting (TableControllerPulling.cpp). The data itself (focused row, selection, editing) is
// the data controller's; this class decides which of its operations a key or a click triggers.
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewController.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxCustomGridItemsCustomizationPopup;
class TcxGridEditingController;
class TcxGridFilterMRUItemsPopup;
class TcxGridFilterPopup;
class TcxTimer;

// The test a record or item walk asks of every index it reaches.
using TcxGridIndexTest = std::function<bool(int index)>;

class TcxCustomGridTableController : public TcxCustomGridController {
    ZORVY_CLASS(TcxCustomGridTableController, TcxCustomGridController)
  public:
    explicit TcxCustomGridTableController(TcxCustomGridView* gridView);
    ~TcxCustomGridTableController() override;
    TcxCustomGridTableView* GetGridView() const;
    // Made on first use, so that a descendant's class is asked once it is fully made.
    TcxGridEditingController* GetEditingController() const;

    // ---- focused item ----
    TcxCustomGridTableItem* GetFocusedItem() const { return focusedItem_; }
    // The focused item's visible index, -1 when none.
    int GetFocusedItemIndex() const;
    // Nothing when the item cannot be focused in the focused record; the same item again is only
    // made visible; else editing ends accepting the value, the item is stored and the view hears of it.
    void SetFocusedItem(TcxCustomGridTableItem* value);
    // The visible index of the next item after `visibleIndex` that can be focused in the record, -1
    // when none; `wrapped` tells whether the walk went round the end.
    virtual int FindNextItem(int visibleIndex, bool goForward, TcxCustomGridRecord* record, bool& wrapped, bool cycle);
    TcxCustomGridTableItem* FindNextItem(int visibleIndex, bool goForward, bool cycle);
    bool FocusFirstItem();
    bool FocusNextItem(int visibleIndex, bool goForward, bool cycle, bool goToNextRecordOnCycle = false);
    bool FocusNextCell(bool goForward, bool stayInRecord, bool cycle);
    virtual bool CanFocusNextItem(int fromIndex, int foundIndex, bool goForward, bool cycle, bool goToNextRecord);
    void MakeFocusedItemVisible() { MakeItemVisible(focusedItem_); }
    // Descendants scroll horizontally.
    virtual void MakeItemVisible(TcxCustomGridTableItem* /*item*/) {}
    // The item left the view or got hidden.
    virtual void ItemRemoved(TcxCustomGridTableItem* item);

    // ---- focused record (the data controller's focused row) ----
    int GetFocusedRowIndex() const;
    // False, with nothing changed, for a valid row whose record cannot be focused or when the data
    // controller refuses the move.
    bool FocusRowIndex(int rowIndex);
    void SetFocusedRowIndex(int rowIndex) { FocusRowIndex(rowIndex); }
    bool FocusRecordIndex(int rowIndex, bool syncSelection);
    virtual TcxCustomGridRecord* GetFocusedRecord() const;
    // nil removes the focus from the rows.
    virtual void SetFocusedRecord(TcxCustomGridRecord* value);
    virtual bool IsFocusedRecord(TcxCustomGridRecord* record) const { return record && record == GetFocusedRecord(); }
    bool FocusedRecordHasCells(bool checkCellFocusing) const;
    bool IsAtFirstRecord() const;
    bool IsAtLastRecord() const;
    bool FocusFirstRecord(bool syncSelection = true);
    bool FocusLastRecord(bool syncSelection = true);
    bool FocusNextRecord(bool syncSelection = true);
    bool FocusPrevRecord(bool syncSelection = true);
    bool MoveFocusedRecord(int fromRow, bool goForward, bool syncSelection, bool wrap = false);
    // The record step of all navigation: posts or cancels the edited record first, appends a record
    // past the end when appending is allowed.
    bool MoveFocus(int fromRow, bool goForward, bool wrap = false);
    // The row of the next record that can be focused, -1 when none.
    int FindNextFocusableRecordIndex(int fromRow, bool goForward, bool wrap) const;
    // Called by the view after the data controller moved its focused row.
    virtual void FocusedRecordChanged(int prevRowIndex, int rowIndex, bool newItemRecordFocusingChanged);
    virtual void CheckFocusedRecord();
    virtual void InvalidateFocusedRecord();
    TcxCustomGridRecord* GetDragHighlightedRecord() const { return dragHighlightedRecord_; }
    // Repaints the old and the new one.
    void SetDragHighlightedRecord(TcxCustomGridRecord* value);
    // A refresh freed the records: forgets the ones it held.
    void ForgetRecords() { dragHighlightedRecord_ = nullptr; }

    // ---- permissions ----
    virtual bool CanAppend(bool checkOptions) const;
    virtual bool CanDelete(bool checkOptions) const;
    virtual bool CanEdit() const;
    virtual bool CanInsert(bool checkOptions) const;
    virtual bool CanCancelOnExit() const;
    bool IsNavigatorHidden() const;

    // ---- creating and deleting records ----
    virtual void CreateNewRecord(bool append);
    // Asks "Delete record?" or "Delete all selected records?" first when the view wants it.
    virtual void DeleteSelection();

    // ---- keys ----
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void DoKeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& ch) override;
    // The keys an editor leaves to the controller when it did not use them.
    virtual bool IsKeyForController(std::uint16_t key, TShiftState shift) const;
    // The next character reaches neither the incremental search nor an editor.
    void SwallowNextChar() { swallowNextChar_ = true; }
    // Clears the flag and answers whether the character is swallowed.
    bool EatSwallowedChar();
    bool GetSkipRecordKeys() const { return skipRecordKeys_; }
    void SetSkipRecordKeys(bool value) { skipRecordKeys_ = value; }

    // ---- mouse ----
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // ---- editing ----
    TcxCustomGridTableItem* GetEditingItem() const;
    void SetEditingItem(TcxCustomGridTableItem* value);
    bool IsEditing() const;
    // Shows the editor of the focused cell with AlwaysShowEditor (after the next paint while the grid
    // is locked).
    virtual void CheckAutoEdit();
    void RequestEditCheck() { editCheckPending_ = true; }
    void ClearEditCheckPending() { editCheckPending_ = false; }
    bool GetEditCheckAllowed() const { return editCheckAllowed_; }
    void SetEditCheckAllowed(bool value) { editCheckAllowed_ = value; }
    bool GetEditOnMouseUp() const { return editOnMouseUp_; }
    void SetEditOnMouseUp(bool value) { editOnMouseUp_ = value; }
    // After the view's layout was recalculated: hot tracking, the editor's place.
    virtual void LayoutChanged();
    virtual void ResetEditPlacement();
    void AfterPaint() override;
    void BeforePaint() override;
    void PostOrCancelEdit() override;
    void DoEnter() override;
    void DoExit() override;
    void BeforeFocusLost() override;
    void DoFocusView(bool focusing) override;
    void UnfocusView() override;
    void ControlFocusChanged() override;
    bool HasFocusedControls() override;
    bool AreAllRecordsVisible() override;
    void CheckCoordinates() override;

    // ---- selection ----
    bool IsMultiSelect() const;
    virtual bool IsMultiSelectActive(bool requireFocusedView) const;
    int GetSelectedRecordCount() const;
    TcxCustomGridRecord* GetSelectedRecord(int index) const;
    bool IsRecordSelected(TcxCustomGridRecord* record) const;
    void ChangeRecordSelection(TcxCustomGridRecord* record, bool value);
    void SetSelectionAnchor(int rowIndex);
    void SelectToFocusedRow(bool clearOthers);
    void AnchorAndSelectFocused(bool clearOthers);
    void ToggleFocusedRecordSelection();
    void CheckUnselectOnExit(TcxCustomGridRecord* record);
    void SyncSelection();
    virtual bool CanPostponeSelectionChange() const;
    // The record of a hit test that counts as a record hit (not an expand button), nil otherwise.
    virtual TcxCustomGridRecord* GetHitRecord(TcxCustomGridHitTest* hitTest) const;
    virtual bool CanProcessMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift) const;
    virtual bool CanProcessMultiSelect(std::uint16_t key, TShiftState shift, bool focusedRowChanged) const;
    virtual void ClearSelection() { DoClearSelection(); }
    virtual void SelectFromAnchor(bool clearOthers, TcxCustomGridHitTest* hitTest);
    virtual void DoClearSelection();
    virtual void CancelPostponedSelectionChange() { postponedUnselect_ = false; }
    virtual void InvalidateSelection();
    virtual bool IsKeyForMultiSelect(std::uint16_t key, TShiftState shift, bool focusedRowChanged) const;
    virtual void ProcessSelectionKey(std::uint16_t& key, TShiftState shift);
    virtual void DoMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift);
    virtual void FinishMouseSelection(TcxCustomGridHitTest* hitTest, TShiftState shift);
    virtual bool SupportsAdditiveSelection() const { return true; }
    virtual bool SupportsRecordToggling() const { return true; }
    virtual void ClearRecordSelection();
    virtual void SelectAll();

    // ---- incremental search ----
    bool IsIncSearching() const;
    std::string GetIncSearchText() const;
    // The item of the running search, nil when none runs.
    TcxCustomGridTableItem* GetSearchedItem() const;
    void SetIncSearchText(const std::string& text);
    void CancelIncSearching();
    virtual TcxCustomGridTableItem* GetIncSearchingItem() const;
    virtual void DoIncSearchKey(std::uint16_t& key, TShiftState shift);

    // ---- top record index and scrolling ----
    int GetTopRecordIndex() const { return topRecordIndex_; }
    // Corrected first: never below 0, never past the top that shows a full last page; -1 without rows.
    void SetTopRecordIndex(int index);
    void DoSetTopRecordIndex(int index);
    virtual void CheckTopRecordIndex(int& index);
    virtual int GetMaxTopRecordIndex();
    // How many records the current layout shows from the top index on.
    virtual int GetVisibleRecordCount() const;
    // How many records a page holds from `index` on (backward: with `index` as the page's last).
    virtual int GetPageRecordCount(int index, bool goForward);
    virtual int GetScrollRecordCountBefore() const;
    virtual int GetScrollRecordCountAfter() const;
    virtual int GetScrollBarPos() const;
    virtual int GetRecordCount() const;
    virtual void SetScrollBarPos(int position);
    virtual void GoToNextPage(bool syncSelection);
    virtual void GoToPrevPage(bool syncSelection);
    virtual void ScrollPage(bool goForward);
    virtual void ScrollRecords(bool goForward, int count);
    virtual void ScrollPageDown();
    virtual void ScrollPageUp();
    virtual bool IsRecordFirstVisible(TcxCustomGridRecord* record) const;
    virtual bool IsRecordLastVisible(TcxCustomGridRecord* record) const;
    virtual void MakeRecordVisible(TcxCustomGridRecord* record);
    // Asks the data controller to size its grid-mode buffer once the view has a layout.
    void StartDeferredAction();
    void StopDeferredAction();
    bool IsDeferredActionPending() const { return deferredAction_; }
    // Called once a layout pass ended: runs a pending deferred action.
    void RunDeferredAction();
    // Walks the indexes from `start` (exclusive, -1 for the start of the walk) to the first one the
    // test accepts.
    static bool FindRecordIndex(int start, int count, bool goForward, bool cycle, const TcxGridIndexTest& test,
                                int& index, bool& wrapped);

    // ---- popups (TableControllerPopups.cpp), made on first request ----
    TcxGridFilterPopup* GetFilterPopup();
    bool HasFilterPopup() const { return filterPopup_ != nullptr; }
    TcxGridFilterMRUItemsPopup* GetFilterMRUItemsPopup();
    TcxCustomGridItemsCustomizationPopup* GetItemsCustomizationPopup();
    bool HasItemsCustomizationPopup() const { return itemsCustomizationPopup_ != nullptr; }

    // ---- item moving ----
    TcxCustomGridTableItem* GetMovingItem() const { return movingItem_; }
    void SetMovingItem(TcxCustomGridTableItem* value) { movingItem_ = value; }
    bool IsItemMoving() const { return movingItem_ != nullptr; }
    // The mouse point of a running item drag (site client coordinates).
    virtual void HandleItemMovingPoint(TPoint) {}

    // ---- drag-selecting (OptionsBehavior.PullFocusing; TableControllerPulling.cpp) ----
    void MouseMove(TShiftState shift, int x, int y) override;
    virtual bool GetPullFocusing() const;
    bool IsPullFocusing() const { return pullFocusing_; }
    virtual void StartPullFocusing(TcxCustomGridHitTest* hitTest);
    // At every mouse release: the scrolling stops and the saved position is forgotten.
    void StopPullFocusing();
    // The record (and for a cell its item) takes the focus; with multi-select the selection runs
    // from the anchor to it.
    virtual void FocusRecordAtHitTest(TcxCustomGridHitTest* hitTest);
    // Directions: 1 left, 2 right, 3 up (previous records), 4 down (next records).
    virtual bool GetPullFocusingScrollDirection(int x, int y, int& direction);
    virtual void DoPullFocusingScroll(int direction);
    void StartPullFocusingScroll(int direction);
    void StopPullFocusingScroll();
    int GetPullFocusingScrollDirectionNow() const { return pullScrollDirection_; }
    bool IsPullFocusingScrolling() const { return pullScrollTimer_ != nullptr; }
    // Fires the scrolling's step at once, as its 50 ms timer does.
    void PullFocusingScrollTimerTick();

  protected:
    virtual const TMetaClass* GetEditingControllerClass() const;
    virtual const TMetaClass* GetFilterPopupClass() const;
    virtual const TMetaClass* GetFilterMRUItemsPopupClass() const;
    virtual const TMetaClass* GetItemsCustomizationPopupClass() const;
    // Whether grid-mode scrolling may move the data controller's buffer now.
    bool CanGridModeScroll() const;
    // Settles the edited record before the focus leaves it: the editor value is written, an untouched
    // insert is cancelled (done), a modified record is posted.
    void PrepareRecordChange(int& fromRow, bool goForward, bool& done);

  private:
    bool ConfirmDelete(bool several) const;
    bool IsPullFocusingPositionChanged() const;
    void SavePullFocusingPosition();
    void ExtendPullSelection();

    mutable std::unique_ptr<TcxGridEditingController> editingController_;
    std::unique_ptr<TcxGridFilterPopup> filterPopup_;
    std::unique_ptr<TcxGridFilterMRUItemsPopup> filterMRUItemsPopup_;
    std::unique_ptr<TcxCustomGridItemsCustomizationPopup> itemsCustomizationPopup_;
    TcxCustomGridTableItem* movingItem_ = nullptr;
    TcxCustomGridRecord* dragHighlightedRecord_ = nullptr;
    TcxCustomGridTableItem* focusedItem_ = nullptr;
    bool checkingTopRecordIndex_ = false;
    bool deferredAction_ = false;
    bool editCheckAllowed_ = true;
    bool editCheckPending_ = false;
    bool editOnMouseUp_ = false;
    bool focusedRecordSynchronizing_ = true;
    bool mouseSelectionProcessed_ = false;
    bool postponedUnselect_ = false;
    int postponedUnselectIndex_ = -1;
    bool skipRecordKeys_ = false;
    bool swallowNextChar_ = false;
    int topRecordIndex_ = 0;
    bool pullFocusing_ = false;
    TPoint pullStartPos_{};
    TPoint pullLastPos_{};
    int pullSavedRecordIndex_ = -1;
    TcxCustomGridTableItem* pullSavedItem_ = nullptr;
    int pullScrollDirection_ = 0;
    std::unique_ptr<TcxTimer> pullScrollTimer_;
};

} // namespace zorvy
