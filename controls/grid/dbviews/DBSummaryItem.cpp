// The dataset-bound view's summary item: its column link, display text, customization flag and
// stored layout.
#include "controls/grid/dbviews/DBSummaryItem.h"

#include "controls/grid/dbviews/DBDataDefinitions.h"
#include "controls/grid/table/TableItem.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/StringList.h"

namespace zorvy {

TcxCustomGridTableView* TcxGridDBTableSummaryItem::GetGridView() const {
    auto* controller = dynamic_cast<TcxGridDBDataController*>(GetDataController());
    return controller ? controller->GetTableView() : nullptr;
}

TcxCustomGridTableItem* TcxGridDBTableSummaryItem::GetColumn() const {
    return dynamic_cast<TcxCustomGridTableItem*>(GetItemLink());
}

void TcxGridDBTableSummaryItem::SetColumn(TcxCustomGridTableItem* value) { SetItemLink(value); }

void TcxGridDBTableSummaryItem::PropertyChanged() {
    if (TcxCustomGridTableView* view = GetGridView()) view->Changed(vckProperty);
}

void TcxGridDBTableSummaryItem::SetDisplayText(const std::string& value) {
    if (displayText_ == value) return;
    displayText_ = value;
    PropertyChanged();
}

void TcxGridDBTableSummaryItem::SetVisibleForCustomization(bool value) {
    if (visibleForCustomization_ == value) return;
    visibleForCustomization_ = value;
    PropertyChanged();
}

void TcxGridDBTableSummaryItem::Assign(TPersistent* source) {
    TcxDBDataSummaryItem::Assign(source);
    if (auto* other = dynamic_cast<TcxGridDBTableSummaryItem*>(source)) {
        SetDisplayText(other->displayText_);
        SetVisibleForCustomization(other->visibleForCustomization_);
    }
}

bool TcxGridDBTableSummaryItem::GetStoredProperties(TStrings* properties) {
    properties->Add("Column");
    return true;
}

void TcxGridDBTableSummaryItem::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name != "Column") return;
    TcxCustomGridTableItem* column = GetColumn();
    value = Variant(column ? column->GetStoredObjectName() : std::string());
}

void TcxGridDBTableSummaryItem::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    if (name != "Column") return;
    TcxCustomGridTableView* view = GetGridView();
    std::string storedName;
    // A stored value that is no text links to no column rather than failing the restore.
    try {
        storedName = VarToStr(value);
    } catch (const std::exception&) {
        storedName.clear();
    }
    SetColumn(view && !storedName.empty() ? view->FindItemByStoredName(storedName) : nullptr);
}

} // namespace zorvy
