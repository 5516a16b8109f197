#pragma once
// The editing controller of a table view: which item is being edited. It keeps the state that the
// view, its records and its items ask about; the in-place editor that shows it comes on top.
#include "platform/rtl/Components.h"

namespace zorvy {

class TcxCustomGridTableController;
class TcxCustomGridTableItem;
class TcxCustomGridTableView;

class TcxGridEditingController : public TObject {
    ZORVY_CLASS(TcxGridEditingController, TObject)
  public:
    explicit TcxGridEditingController(TcxCustomGridTableController* controller) : controller_(controller) {}
    TcxCustomGridTableView* GetGridView() const;
    TcxCustomGridTableItem* GetEditingItem() const { return editingItem_; }
    // An item starts editing when it can edit the focused cell and OnEditing allows it; it gets
    // the focus first. nil ends editing.
    void SetEditingItem(TcxCustomGridTableItem* value);
    bool IsEditing() const { return editingItem_ != nullptr; }
    // Drops the editing item without any event (the view or the item is going).
    void DropEditingItem() { editingItem_ = nullptr; }
    void HideEdit(bool /*accept*/) { editingItem_ = nullptr; }
    // Writes the editor's value to the data; nothing while no editor is shown.
    void UpdateValue() {}
    // Reloads the editor's value from the data; nothing while no editor is shown.
    void UpdateEditValue() {}

  private:
    TcxCustomGridTableController* controller_;
    TcxCustomGridTableItem* editingItem_ = nullptr;
};

} // namespace zorvy
