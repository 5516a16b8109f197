// The table controller's drop-downs: the item filter, the recent filters and the quick
// customization, each made on first request from the controller's class for it.
#include "controls/grid/table/ItemFilterDropDown.h"
#include "controls/grid/table/TableController.h"
#include "controls/grid/table/TableItemMoving.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

const TMetaClass* TcxCustomGridTableController::GetFilterPopupClass() const {
    return TcxGridFilterPopup::StaticClass();
}

const TMetaClass* TcxCustomGridTableController::GetFilterMRUItemsPopupClass() const {
    return TcxGridFilterMRUItemsPopup::StaticClass();
}

const TMetaClass* TcxCustomGridTableController::GetItemsCustomizationPopupClass() const {
    return TcxCustomGridItemsCustomizationPopup::StaticClass();
}

TcxGridFilterPopup* TcxCustomGridTableController::GetFilterPopup() {
    if (!filterPopup_) filterPopup_.reset(CreateInstance<TcxGridFilterPopup>(GetFilterPopupClass(), GetGridView()));
    return filterPopup_.get();
}

TcxGridFilterMRUItemsPopup* TcxCustomGridTableController::GetFilterMRUItemsPopup() {
    if (!filterMRUItemsPopup_)
        filterMRUItemsPopup_.reset(
            CreateInstance<TcxGridFilterMRUItemsPopup>(GetFilterMRUItemsPopupClass(), GetGridView()));
    return filterMRUItemsPopup_.get();
}

TcxCustomGridItemsCustomizationPopup* TcxCustomGridTableController::GetItemsCustomizationPopup() {
    if (!itemsCustomizationPopup_)
        itemsCustomizationPopup_.reset(
            CreateInstance<TcxCustomGridItemsCustomizationPopup>(GetItemsCustomizationPopupClass(), GetGridView()));
    return itemsCustomizationPopup_.get();
}

} // namespace zorvy
