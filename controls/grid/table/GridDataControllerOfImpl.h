#pragma once
// The members of the grid data controller template; included where each controller is compiled,
// which instantiates it over its own base.
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/TableView.h"

namespace zorvy {

template <class TBase> TcxCustomGridTableView* TcxGridDataControllerOf<TBase>::GetTableView() const {
    return dynamic_cast<TcxCustomGridTableView*>(this->GetOwner());
}

template <class TBase> TcxCustomGridView* TcxGridDataControllerOf<TBase>::GetGridView() const {
    return dynamic_cast<TcxCustomGridView*>(this->GetOwner());
}

template <class TBase> bool TcxGridDataControllerOf<TBase>::CanSelectRow(int rowIndex) {
    TcxCustomGridTableView* view = GetTableView();
    return !view || view->CanSelectRecord(rowIndex);
}

template <class TBase> int TcxGridDataControllerOf<TBase>::GetDefaultActiveRelationIndex() const {
    TcxCustomGridTableView* view = GetTableView();
    return view ? view->GetDefaultActiveDetailIndex() : 0;
}

template <class TBase> int TcxGridDataControllerOf<TBase>::GetItemID(TObject* item) const {
    auto* tableItem = dynamic_cast<TcxCustomGridTableItem*>(item);
    return tableItem ? tableItem->GetID() : -1;
}

template <class TBase> void TcxGridDataControllerOf<TBase>::ItemFieldChanged(int itemIndex) {
    TBase::ItemFieldChanged(itemIndex);
    if (TcxCustomGridTableView* view = GetTableView()) view->ItemDataChanged(itemIndex);
}

template <class TBase>
std::string TcxGridDataControllerOf<TBase>::GetFilterDisplayText(int recordIndex, int itemIndex) const {
    TcxCustomGridTableView* view = GetTableView();
    if (view && view->GetViewData() &&
        view->GetViewData()->HasDateTimeHandlingForField(this->GetItemField(itemIndex), dthkFiltering)) {
        std::string text;
        view->GetViewData()->GetDateRangeDisplayText(recordIndex, itemIndex, text, dthkFiltering);
        return text;
    }
    return TBase::GetFilterDisplayText(recordIndex, itemIndex);
}

template <class TBase>
int TcxGridDataControllerOf<TBase>::CompareByField(int record1, int record2, int purpose, TcxCustomDataField* field) {
    TcxCustomGridTableView* view = GetTableView();
    if (view && view->GetViewData() && view->GetViewData()->NeedsDateRangeCompare(field, purpose))
        return view->GetViewData()->CompareDateRangeValues(field, this->GetSortingValue(record1, field), purpose,
                                                           this->GetSortingValue(record2, field));
    return TBase::CompareByField(record1, record2, purpose, field);
}

template <class TBase>
TcxSortingBySummaryEngineClass TcxGridDataControllerOf<TBase>::GetSortingBySummaryEngineClass() const {
    TcxCustomGridTableView* view = GetTableView();
    return view && view->GetViewData() ? view->GetViewData()->GetSortingBySummaryEngineClass() : nullptr;
}

template <class TBase> TObject* TcxGridDataControllerOf<TBase>::GetItem(int itemIndex) const {
    TcxCustomGridTableView* view = GetTableView();
    return view ? view->GetItem(itemIndex) : TBase::GetItem(itemIndex);
}

template <class TBase> void TcxGridDataControllerOf<TBase>::FocusControl(int itemIndex, bool& done) {
    TBase::FocusControl(itemIndex, done);
    if (TcxCustomGridTableView* view = GetTableView()) view->EditItemByIndex(itemIndex, done);
}

template <class TBase> bool TcxGridDataControllerOf<TBase>::IsItemEditable(int itemIndex) const {
    TcxCustomGridTableView* view = GetTableView();
    if (!view || itemIndex < 0 || itemIndex >= view->GetItemCount()) return true;
    TcxCustomEditProperties* properties = view->GetItem(itemIndex)->GetPropertiesValue();
    return !properties || properties->UsesDefaultFormatting(true);
}

template <class TBase> void TcxGridDataControllerOf<TBase>::UpdateData() {
    TBase::UpdateData();
    if (TcxCustomGridTableView* view = GetTableView()) view->GetController()->GetEditingController()->UpdateValue();
}

template <class TBase>
Variant TcxGridDataControllerOf<TBase>::GetFilterDataValue(int recordIndex, TcxCustomDataField* field) const {
    Variant value = TBase::GetFilterDataValue(recordIndex, field);
    TcxCustomGridTableView* view = GetTableView();
    if (view && view->GetViewData() && view->GetViewData()->HasDateTimeHandlingForField(field, dthkFiltering))
        value = view->GetViewData()->GetFieldDateRangeValue(field, value, dthkFiltering);
    return value;
}

template <class TBase> std::string TcxGridDataControllerOf<TBase>::GetItemFilterName(TObject* item) const {
    auto* tableItem = dynamic_cast<TcxCustomGridTableItem*>(item);
    return tableItem ? tableItem->GetAlternateCaptionText() : std::string();
}

template <class TBase>
bool TcxGridDataControllerOf<TBase>::GetItemSortByDisplayText(int itemIndex, bool defaultValue) const {
    TcxCustomGridTableView* view = GetTableView();
    return view ? view->GetItemSortByDisplayText(itemIndex, defaultValue) : defaultValue;
}

} // namespace zorvy
