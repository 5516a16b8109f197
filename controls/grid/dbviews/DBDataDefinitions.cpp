// The dataset-bound grid data controller, the column's binding to its field by name and the
// column's editor defaults.
#include "controls/grid/dbviews/DBDataDefinitions.h"
#include "controls/grid/dbviews/DBSummaryItem.h"

#include "controls/dbeditors/DBRegisteredRepositoryItems.h"
#include "controls/foundation/classes/ClassUtils.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/GridDataControllerOfImpl.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/TableView.h"
#include "controls/grid/table/TableViewStyles.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Field.h"

namespace zorvy {

namespace {

// Each step of a batch ends its lock even when a step raises.
template <class F> void Guarded(F step, auto&& finish) {
    try {
        step();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

} // namespace

// ---- data controller ----

template class TcxGridDataControllerOf<TcxDBDataController>;

TcxGridDBDataController::TcxGridDBDataController(TComponent* owner) : TcxGridDataControllerOf(owner) {
    ReplaceSummary(std::make_unique<TcxDataSummary>(this)); // with the grid's summary items
}

TClass TcxGridDBDataController::GetSummaryItemClass() const { return TcxGridDBTableSummaryItem::StaticClass(); }

void TcxGridDBDataController::DataSetCurrentChanged(bool current) {
    TcxDBDataController::DataSetCurrentChanged(current);
    if (TcxCustomGridTableView* view = GetTableView()) view->RefreshNavigators();
}

int TcxGridDBDataController::GetDefaultGridModeBufferCount() const {
    TcxCustomGridTableView* view = GetTableView();
    const int count = view ? view->GetController()->GetVisibleRecordCount() : 0;
    return count > 0 ? count : TcxDBDataController::GetDefaultGridModeBufferCount();
}

bool TcxGridDBDataController::UsesDataSetScrollBar() const {
    TcxCustomGridTableView* view = GetTableView();
    return IsGridMode() && IsDataSetSequenced() && view && view->IsEqualHeightRecords();
}

// ---- the view's columns for the dataset's fields ----

void TcxGridDBDataController::CreateAllItems(bool missingItemsOnly) {
    TDataSet* dataSet = GetDataSet();
    TcxCustomGridTableView* view = GetTableView();
    if (!dataSet || !view) return;
    PushHourglassCursor();
    Guarded(
        [&] {
            view->BeginUpdate();
            Guarded(
                [&] {
                    BeginUpdateFields();
                    Guarded(
                        [&] {
                            for (int i = 0; i < dataSet->GetFieldCount(); ++i) {
                                TField* field = dataSet->GetFields()[i];
                                if (missingItemsOnly && GetItemByFieldName(field->GetFieldName())) continue;
                                TcxCustomGridTableItem* item = view->CreateItem();
                                static_cast<TcxGridItemDBDataBinding*>(item->GetDataBinding())
                                    ->SetFieldName(field->GetFieldName());
                                std::string name;
                                GenerateItemComponentName(view->GetOwner(), view, item, "TcxGrid",
                                                          field->GetFieldName(), name);
                                item->SetName(name);
                                item->SetVisible(field->GetVisible());
                            }
                        },
                        [&] { EndUpdateFields(); });
                },
                [&] { view->EndUpdate(); });
        },
        [] { PopHourglassCursor(); });
}

void TcxGridDBDataController::DeleteAllItems() {
    if (TcxCustomGridTableView* view = GetTableView()) view->ClearItems();
}

void TcxGridDBDataController::CollectLinkedComponents(TList* list) {
    TDataSource* source = GetDataSource();
    TcxCustomGridView* view = GetGridView();
    if (!source || !view || !source->GetOwner() || source->GetOwner() == view->GetOwner()) return;
    if (list->IndexOf(source->GetOwner()) < 0) list->Add(source->GetOwner());
}

bool TcxGridDBDataController::HasAllItems() const {
    TDataSet* dataSet = GetDataSet();
    if (!dataSet) return true;
    for (int i = 0; i < dataSet->GetFieldCount(); ++i)
        if (!GetItemByFieldName(dataSet->GetFields()[i]->GetFieldName())) return false;
    return true;
}

// ---- grid mode ----

void TcxGridDBDataController::UpdateGridModeBufferCount() {
    if (!IsGridMode()) return;
    // The buffer is read again only when the number of records the view shows changed.
    const int count = GetDBProvider().GetGridModeBufferCount();
    if (count == gridModeBufferCount_) return;
    gridModeBufferCount_ = count;
    ReloadData();
}

bool TcxGridDBDataController::DoScroll(bool forward) {
    const bool uses = UsesDataSetScrollBar();
    if (uses)
        if (TcxCustomGridTableView* view = GetTableView()) {
            TcxCustomGridTableController* controller = view->GetController();
            if (forward)
                controller->FocusNextRecord(false);
            else
                controller->FocusPrevRecord(false);
        }
    return uses;
}

bool TcxGridDBDataController::DoScrollPage(bool forward) {
    const bool uses = UsesDataSetScrollBar();
    if (uses)
        if (TcxCustomGridTableView* view = GetTableView()) {
            if (forward)
                view->GetController()->GoToNextPage(false);
            else
                view->GetController()->GoToPrevPage(false);
        }
    return uses;
}

TcxGridItemDataBindingClass TcxGridDBDataController::GetItemDataBindingClass() const {
    return TcxGridItemDBDataBinding::StaticClass();
}

const TMetaClass* TcxGridDBDataController::GetItemDefaultValuesProviderClass() const {
    return TcxGridDBDefaultValuesProvider::StaticClass();
}

bool TcxGridDBDataController::IsDataStart() const {
    TcxCustomGridTableView* view = GetTableView();
    return view && view->GetController()->IsAtFirstRecord();
}

bool TcxGridDBDataController::IsDataFinish() const {
    TcxCustomGridTableView* view = GetTableView();
    return view && view->GetController()->IsAtLastRecord();
}

int TcxGridDBDataController::GetScrollBarPos() const {
    if (!UsesDataSetScrollBar()) {
        prevScrollBarPos_ = -1;
        return -1;
    }
    // While a record is being inserted the bar stays where it was.
    if ((GetEditState() & dceInsert) == 0) prevScrollBarPos_ = GetDataSetRecNo() - 1;
    return prevScrollBarPos_;
}

int TcxGridDBDataController::GetScrollBarRecordCount() const {
    if (!UsesDataSetScrollBar()) return -1;
    TcxCustomGridTableView* view = GetTableView();
    return GetDataSetRecordCount() + view->GetController()->GetVisibleRecordCount() - 1;
}

bool TcxGridDBDataController::SetScrollBarPos(int value) {
    const bool uses = UsesDataSetScrollBar();
    if (uses) const_cast<TcxGridDBDataController*>(this)->SetDataSetRecNo(value + 1);
    return uses;
}

// ---- default values provider ----

bool TcxGridDBDefaultValuesProvider::CanModifyValue() {
    auto* binding = dynamic_cast<TcxGridItemDBDataBinding*>(binding_);
    if (!binding || binding->GetFieldName().empty()) return true;
    return TcxCustomDBEditDefaultValuesProvider::CanModifyValue();
}

bool TcxGridDBDefaultValuesProvider::HasDisplayFormat(bool /*isEditing*/) {
    TcxCustomGridTableItem* item = binding_->GetItem();
    TcxCustomDataController* dataController = binding_->GetDataController();
    const bool stored = dataController && item->GetIndex() >= 0 && item->GetIndex() < dataController->GetItemCount() &&
                        dataController->IsItemTextStored(item->GetIndex());
    return stored || static_cast<bool>(item->OnGetDataText);
}

// ---- data binding ----

TcxGridDBDataController* TcxGridItemDBDataBinding::GetDBDataController() const {
    return dynamic_cast<TcxGridDBDataController*>(GetDataController());
}

std::string TcxGridItemDBDataBinding::GetFieldName() const {
    TcxGridDBDataController* dataController = GetDBDataController();
    return dataController ? dataController->GetItemFieldName(GetItem()->GetIndex()) : std::string();
}

void TcxGridItemDBDataBinding::SetFieldName(const std::string& value) {
    TcxGridDBDataController* dataController = GetDBDataController();
    if (!dataController || GetFieldName() == value) return;
    GetFilterMRUValueItems()->ClearItems();
    dataController->SetItemFieldName(GetItem()->GetIndex(), value);
    if (auto* provider = dynamic_cast<TcxGridDBDefaultValuesProvider*>(GetDefaultValuesProviderObject()))
        provider->SetFieldName(value);
}

TField* TcxGridItemDBDataBinding::GetField() const {
    TcxGridDBDataController* dataController = GetDBDataController();
    const int index = GetItem()->GetIndex();
    if (!dataController || index < 0 || index >= dataController->GetItemCount()) return nullptr;
    return dataController->GetItemDataSetField(index);
}

void TcxGridItemDBDataBinding::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TcxGridItemDBDataBinding*>(source)) SetFieldName(other->GetFieldName());
    TcxGridItemDataBinding::Assign(source);
}

std::string TcxGridItemDBDataBinding::GetFilterFieldName() const {
    TField* field = GetField();
    return field ? field->GetFieldName() : std::string();
}

void TcxGridItemDBDataBinding::Init() {
    auto* provider = dynamic_cast<TcxGridDBDefaultValuesProvider*>(GetDefaultValuesProviderObject());
    TcxGridDBDataController* dataController = GetDBDataController();
    if (!provider || !dataController) return;
    provider->SetDataSource(dataController->GetDataSource());
    provider->SetField(GetField());
    provider->SetFieldName(GetFieldName());
}

std::string TcxGridItemDBDataBinding::GetDefaultCaption() const {
    if (TField* field = GetField()) return field->GetDisplayName();
    return GetFieldName();
}

TcxEditRepositoryItem* TcxGridItemDBDataBinding::GetDefaultRepositoryItem() const {
    if (TcxEditDBRegisteredRepositoryItems* registry = GetEditDBRegisteredRepositoryItems())
        if (TcxEditRepositoryItem* item = registry->GetItemForField(GetField())) return item;
    return TcxGridItemDataBinding::GetDefaultRepositoryItem();
}

int TcxGridItemDBDataBinding::GetDefaultWidth() const {
    TField* field = GetField();
    if (!field) return TcxGridItemDataBinding::GetDefaultWidth();
    TcxCanvas* canvas = ScreenCanvasInstance();
    TcxPartParams params;
    if (TcxCustomGridTableView* view = GetGridView()) view->GetTableStyles()->GetContentParams(nullptr, GetItem(), params);
    if (params.Font) canvas->CurrentFont()->Assign(params.Font);
    return canvas->MeasureTextWidth("0") * field->GetDisplayWidth() + 4;
}

} // namespace zorvy
