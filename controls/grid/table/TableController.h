#pragma once
// The table view's controller: which item and which record have the focus, and the editing
// controller. Keyboard, mouse, scrolling and selection handling come on top of it.
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewController.h"

#include <memory>

namespace zorvy {

class TcxCustomGridRecord;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;
class TcxGridEditingController;

class TcxCustomGridTableController : public TcxCustomGridController {
    ZORVY_CLASS(TcxCustomGridTableController, TcxCustomGridController)
  public:
    explicit TcxCustomGridTableController(TcxCustomGridView* gridView);
    ~TcxCustomGridTableController() override;
    TcxCustomGridTableView* GetGridView() const;
    TcxGridEditingController* GetEditingController() const { return editingController_.get(); }

    // ---- focused item ----
    TcxCustomGridTableItem* GetFocusedItem() const { return focusedItem_; }
    int GetFocusedItemIndex() const;
    // Nothing when the item cannot be focused in the focused record; else editing ends, the item
    // is stored and the view hears of the change.
    void SetFocusedItem(TcxCustomGridTableItem* value);
    // The next visible item after the given visible index that can be focused, nil when none.
    TcxCustomGridTableItem* FindNextItem(int visibleIndex, bool goForward, bool cycle);
    bool FocusFirstItem();
    bool FocusNextItem(int visibleIndex, bool goForward, bool cycle);
    // The item left the view or got hidden.
    void ItemRemoved(TcxCustomGridTableItem* item);

    // ---- focused record (the data controller's focused row) ----
    int GetFocusedRowIndex() const;
    void SetFocusedRowIndex(int rowIndex);
    TcxCustomGridRecord* GetFocusedRecord() const;
    // nil removes the focus from the rows.
    void SetFocusedRecord(TcxCustomGridRecord* value);
    bool IsAtFirstRecord() const;
    bool IsAtLastRecord() const;
    TcxCustomGridRecord* GetDragHighlightedRecord() const { return dragHighlightedRecord_; }
    void SetDragHighlightedRecord(TcxCustomGridRecord* value) { dragHighlightedRecord_ = value; }
    // A refresh freed the records: forgets the ones it held.
    void ForgetRecords() { dragHighlightedRecord_ = nullptr; }
    // The first record the view lays out.
    int GetTopRecordIndex() const { return topRecordIndex_; }
    virtual void MakeRecordVisible(TcxCustomGridRecord* /*record*/) {}
    virtual void CheckFocusedRecord() {}
    virtual void CheckAutoEdit() {}

    // ---- keys and incremental search ----
    // The next character reaches neither the incremental search nor an editor.
    void SwallowNextChar() { swallowNextChar_ = true; }
    // Clears the flag and answers whether the character is swallowed.
    bool EatSwallowedChar();
    bool IsIncSearching() const { return false; }
    TcxCustomGridTableItem* GetIncSearchingItem() const { return nullptr; }
    void CancelIncSearching() {}

    // ---- editing ----
    TcxCustomGridTableItem* GetEditingItem() const;
    void SetEditingItem(TcxCustomGridTableItem* value);
    bool IsEditing() const;

  private:
    TcxCustomGridRecord* dragHighlightedRecord_ = nullptr;
    std::unique_ptr<TcxGridEditingController> editingController_;
    TcxCustomGridTableItem* focusedItem_ = nullptr;
    bool swallowNextChar_ = false;
    int topRecordIndex_ = 0;
};

} // namespace zorvy
