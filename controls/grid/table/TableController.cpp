// The focused item and record of a table view and its editing controller.
#include "controls/grid/table/TableController.h"

#include "controls/data/DataController.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

TcxCustomGridTableController::TcxCustomGridTableController(TcxCustomGridView* gridView)
    : TcxCustomGridController(gridView), editingController_(std::make_unique<TcxGridEditingController>(this)) {}

TcxCustomGridTableController::~TcxCustomGridTableController() = default;

TcxCustomGridTableView* TcxCustomGridTableController::GetGridView() const {
    return static_cast<TcxCustomGridTableView*>(TcxGridViewHandler::GetGridView());
}

int TcxCustomGridTableController::GetFocusedItemIndex() const {
    return focusedItem_ ? focusedItem_->GetIndex() : -1;
}

void TcxCustomGridTableController::SetFocusedItem(TcxCustomGridTableItem* value) {
    if (value && !value->CanFocus(GetFocusedRecord())) return;
    if (value == focusedItem_) return;
    if (editingController_->IsEditing()) editingController_->HideEdit(true);
    TcxCustomGridTableItem* prev = focusedItem_;
    focusedItem_ = value;
    GetGridView()->DoFocusedItemChanged(prev, value);
    CheckAutoEdit();
}

TcxCustomGridTableItem* TcxCustomGridTableController::FindNextItem(int visibleIndex, bool goForward, bool cycle) {
    TcxCustomGridTableView* view = GetGridView();
    const int count = view->GetVisibleItemCount();
    if (count == 0) return nullptr;
    int index = visibleIndex;
    for (int step = 0; step < count; ++step) {
        index += goForward ? 1 : -1;
        if (index < 0 || index >= count) {
            if (!cycle) return nullptr;
            index = goForward ? 0 : count - 1;
        }
        if (index == visibleIndex) return nullptr;
        TcxCustomGridTableItem* item = view->GetVisibleItem(index);
        if (item->CanFocus(GetFocusedRecord())) return item;
    }
    return nullptr;
}

bool TcxCustomGridTableController::FocusFirstItem() {
    TcxCustomGridTableItem* item = FindNextItem(-1, true, false);
    if (item) SetFocusedItem(item);
    return item != nullptr;
}

bool TcxCustomGridTableController::FocusNextItem(int visibleIndex, bool goForward, bool cycle) {
    TcxCustomGridTableItem* item = FindNextItem(visibleIndex, goForward, cycle);
    if (item) SetFocusedItem(item);
    return item != nullptr;
}

void TcxCustomGridTableController::ItemRemoved(TcxCustomGridTableItem* item) {
    if (editingController_->GetEditingItem() == item) editingController_->DropEditingItem();
    if (focusedItem_ == item) focusedItem_ = nullptr;
}

int TcxCustomGridTableController::GetFocusedRowIndex() const {
    return GetDataController()->GetFocusedRowIndex();
}

void TcxCustomGridTableController::SetFocusedRowIndex(int rowIndex) {
    GetDataController()->ChangeFocusedRowIndex(rowIndex);
}

TcxCustomGridRecord* TcxCustomGridTableController::GetFocusedRecord() const {
    TcxCustomGridTableViewData* viewData = GetGridView()->GetViewData();
    const int rowIndex = GetFocusedRowIndex();
    return viewData && viewData->IsRowIndexValid(rowIndex) ? viewData->GetRecord(rowIndex) : nullptr;
}

void TcxCustomGridTableController::SetFocusedRecord(TcxCustomGridRecord* value) {
    SetFocusedRowIndex(value ? value->GetIndex() : -1);
}

bool TcxCustomGridTableController::IsAtFirstRecord() const {
    return GetFocusedRowIndex() <= 0;
}

bool TcxCustomGridTableController::IsAtLastRecord() const {
    return GetFocusedRowIndex() == GetDataController()->GetRowCount() - 1;
}

bool TcxCustomGridTableController::EatSwallowedChar() {
    const bool swallowed = swallowNextChar_;
    swallowNextChar_ = false;
    return swallowed;
}

TcxCustomGridTableItem* TcxCustomGridTableController::GetEditingItem() const {
    return editingController_->GetEditingItem();
}

void TcxCustomGridTableController::SetEditingItem(TcxCustomGridTableItem* value) {
    editingController_->SetEditingItem(value);
}

bool TcxCustomGridTableController::IsEditing() const {
    return editingController_->IsEditing();
}

} // namespace zorvy
