// The table view's in-place editor in the filter row: its value is the column's filter value.
#include "controls/grid/tableview/GridTableEditingController.h"

#include "controls/data/DataFilter.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/table/DataBinding.h"
#include "controls/grid/table/FilterValueList.h"
#include "controls/grid/tableview/Columns.h"
#include "controls/grid/tableview/GridTableController.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/Rows.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <string>
#include <vector>

namespace zorvy {

namespace {

constexpr std::uint16_t FilterRowEditEscape = 27;

} // namespace

TcxGridTableController* TcxGridTableEditingController::GetTableController() const {
    return static_cast<TcxGridTableController*>(GetController());
}

bool TcxGridTableEditingController::IsFilterRowEditing() const {
    return GetTableController()->IsFilterRowFocused();
}

bool TcxGridTableEditingController::AppliesFilterImmediately() const {
    auto* view = static_cast<TcxGridTableView*>(GetGridView());
    return view->GetFilterRow()->GetApplyChanges() == fracImmediately;
}

bool TcxGridTableEditingController::CanInitEditing() const {
    // A read-only column still takes a filter value.
    if (IsFilterRowEditing()) return GetEditingItem() != nullptr;
    return TcxGridEditingController::CanInitEditing();
}

bool TcxGridTableEditingController::CanUpdateEditValue() const {
    return TcxGridEditingController::CanUpdateEditValue() && !applyingImmediateFilter_;
}

bool TcxGridTableEditingController::MustHideEditOnRecordChange() const {
    auto* view = static_cast<TcxGridTableView*>(GetGridView());
    return TcxGridEditingController::MustHideEditOnRecordChange() || view->GetFilterRow()->GetVisible();
}

void TcxGridTableEditingController::EditChanged() {
    TcxGridEditingController::EditChanged();
    if (!IsFilterRowEditing() || !AppliesFilterImmediately() || !GetEdit()) return;
    auto* column = dynamic_cast<TcxGridColumn*>(GetEditingItem());
    if (!column) return;
    // The refiltered data must not load the filter value back into the editor being typed into.
    // Typed text becomes the editor's value once checked; input that does not check yet filters
    // nothing until it does.
    if (!GetEdit()->ValidateInput(false)) return;
    const bool saved = applyingImmediateFilter_;
    applyingImmediateFilter_ = true;
    try {
        column->SetFilterRowEditValue(GetEdit()->GetCurrentValue());
    } catch (...) {
        applyingImmediateFilter_ = saved;
        throw;
    }
    applyingImmediateFilter_ = saved;
}

void TcxGridTableEditingController::DoEditKeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == FilterRowEditEscape && GetEdit() && IsFilterRowEditing() && AppliesFilterImmediately())
        GetEdit()->RevertValue();
    TcxGridEditingController::DoEditKeyDown(key, shift);
}

void TcxGridTableEditingController::InitEdit() {
    TcxGridEditingController::InitEdit();
    if (!IsFilterRowEditing()) return;
    GetEdit()->GetProperties()->SetReadOnly(false);
    if (!AppliesFilterImmediately()) OfferColumnValues();
}

void TcxGridTableEditingController::OfferColumnValues() {
    TcxCustomGridTableItem* item = GetEditingItem();
    auto* properties = dynamic_cast<TcxCustomTextEditProperties*>(GetEdit()->GetProperties());
    if (!item || !properties || item->GetRepositoryItem()) return;
    std::unique_ptr<TcxGridFilterValueList> values = GetGridView()->GetViewData()->CreateFilterValueList();
    item->GetDataBinding()->GetFilterValues(values.get(), true, false, false);
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(values->GetCount()));
    for (int i = 0; i < values->GetCount(); ++i) {
        const TcxFilterValueItem& entry = values->GetItem(i);
        if (entry.Kind == fvkValue) texts.push_back(entry.DisplayText);
    }
    properties->SetLookupItems(texts);
}

void TcxGridTableEditingController::PostEditingData() {
    // The filter row is no record: its value went into the filter already.
    if (IsFilterRowEditing())
        UpdateValue();
    else
        TcxGridEditingController::PostEditingData();
}

Variant TcxGridTableEditingController::ReadEditingValue() const {
    auto* column = dynamic_cast<TcxGridColumn*>(GetEditingItem());
    if (column && IsFilterRowEditing()) return column->GetFilterRowEditValue();
    return TcxGridEditingController::ReadEditingValue();
}

void TcxGridTableEditingController::WriteEditingValue(const Variant& value) {
    auto* column = dynamic_cast<TcxGridColumn*>(GetEditingItem());
    if (column && IsFilterRowEditing())
        column->SetFilterRowEditValue(value);
    else
        TcxGridEditingController::WriteEditingValue(value);
}

} // namespace zorvy

