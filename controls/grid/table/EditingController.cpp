// Which item of a table view is being edited.
#include "controls/grid/table/EditingController.h"

#include "controls/grid/table/TableView.h"

namespace zorvy {

TcxCustomGridTableView* TcxGridEditingController::GetGridView() const {
    return controller_->GetGridView();
}

void TcxGridEditingController::SetEditingItem(TcxCustomGridTableItem* value) {
    if (editingItem_ == value) return;
    if (!value) {
        editingItem_ = nullptr;
        return;
    }
    if (!value->CanEditFocusedCell() || !GetGridView()->DoEditing(value)) return;
    value->FocusItem();
    if (controller_->GetFocusedItem() == value) editingItem_ = value;
}

} // namespace zorvy
