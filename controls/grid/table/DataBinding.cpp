// The grid data controller, the item data binding and the item's default values provider.
#include "controls/grid/table/DataBinding.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/table/EditingController.h"
#include "controls/grid/table/GridDataControllerOfImpl.h"
#include "controls/grid/table/FilterMRUValueItems.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"

namespace zorvy {

// ---- grid data controller ----

template class TcxGridDataControllerOf<TcxDataController>;

TcxGridDataController::TcxGridDataController(TComponent* owner) : TcxGridDataControllerOf(owner) {}

TcxGridDataController::~TcxGridDataController() = default;

void TcxGridDataController::DefineProperties(TFiler* filer) {
    TcxDataController::DefineProperties(filer);
    if (IsProviderMode()) return;
    filer->DefineBinaryProperty(
        "Data", [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); },
        GetRecordCount() != 0);
}

void TcxGridDataController::WriteData(TStream& stream) {
    TMemoryStream records;
    SaveToStream(records);
    stream.WriteInt32(static_cast<int32_t>(records.GetSize()));
    records.SetPosition(0);
    stream.CopyFrom(records, records.GetSize());
}

void TcxGridDataController::ReadData(TStream& stream) {
    const int32_t size = stream.ReadInt32();
    // The count comes from the file: it must fit in what the stream still holds.
    if (size < 0 || size > stream.GetSize() - stream.GetPosition())
        throw EReadError("Invalid data size " + std::to_string(size));
    auto buffer = std::make_unique<TMemoryStream>();
    if (size > 0) buffer->CopyFrom(stream, size);
    buffer->SetPosition(0);
    loadedData_ = std::move(buffer);
}

void TcxGridDataController::Loaded() {
    TcxDataController::Loaded();
    if (!loadedData_) return;
    std::unique_ptr<TMemoryStream> buffer = std::move(loadedData_);
    LoadFromStream(*buffer);
}

std::string TcxGridDataController::GetItemDisplayText(int recordIndex, int itemIndex) const {
    std::string text;
    TcxCustomGridTableView* view = GetTableView();
    if (!view) return GetDisplayText(recordIndex, itemIndex);
    TcxCustomEditProperties* properties = view->GetItem(itemIndex)->GetPropertiesValue();
    if (!properties || properties->UsesDefaultFormatting(false) ||
        !view->GetViewData()->GetDisplayText(recordIndex, itemIndex, dthkGrouping, false, text))
        text = GetDisplayText(recordIndex, itemIndex);
    view->GetItem(itemIndex)->DoGetDataText(recordIndex, text);
    return text;
}

void TcxGridDataController::AssignData(TcxCustomDataController* dataController) {
    TMemoryStream stream;
    dataController->SaveToStream(stream);
    stream.SetPosition(0);
    LoadFromStream(stream);
}

TcxGridItemDataBindingClass TcxGridDataController::GetItemDataBindingClass() const {
    return TcxGridItemDataBinding::StaticClass();
}

const TMetaClass* TcxGridDataController::GetItemDefaultValuesProviderClass() const {
    return TcxGridDefaultValuesProvider::StaticClass();
}

bool TcxGridDataController::IsDataStart() const {
    TcxCustomGridTableView* view = GetTableView();
    return view && view->GetController()->IsAtFirstRecord();
}

bool TcxGridDataController::IsDataFinish() const {
    TcxCustomGridTableView* view = GetTableView();
    return view && view->GetController()->IsAtLastRecord();
}

// ---- default values provider ----

TcxGridDefaultValuesProvider::TcxGridDefaultValuesProvider(TcxGridItemDataBinding* owner)
    : TcxCustomEditDefaultValuesProvider(owner), binding_(owner) {}

bool TcxGridDefaultValuesProvider::HasDisplayFormat(bool /*isEditing*/) {
    TcxCustomGridTableItem* item = binding_->GetItem();
    TcxCustomDataController* dataController = binding_->GetDataController();
    return (dataController && item->GetIndex() >= 0 && dataController->IsItemTextStored(item->GetIndex())) ||
           static_cast<bool>(item->OnGetDataText);
}

// ---- item data binding ----

TcxGridItemDataBinding::TcxGridItemDataBinding(TcxCustomGridTableItem* item) : item_(item) {
    auto* gridMode = dynamic_cast<IcxGridModeDataController*>(GetDataController());
    if (gridMode)
        defaultValuesProvider_.reset(
            CreateInstance<TcxCustomEditDefaultValuesProvider>(gridMode->GetItemDefaultValuesProviderClass(), this));
    filterMRUValueItems_ = std::make_unique<TcxGridFilterMRUValueItems>();
    if (TcxCustomGridTableView* view = GetGridView())
        filterMRUValueItems_->SetMaxCount(view->GetFiltering()->GetColumnMRUItemsListCount());
}

TcxGridItemDataBinding::~TcxGridItemDataBinding() {
    filterMRUValueItems_.reset();
    defaultValuesProvider_.reset();
}

TcxCustomGridTableView* TcxGridItemDataBinding::GetGridView() const {
    return item_->GetGridView();
}

TcxCustomDataController* TcxGridItemDataBinding::GetDataController() const {
    TcxCustomGridTableView* view = GetGridView();
    return view ? view->GetDataController() : nullptr;
}

TcxDataFilterCriteria* TcxGridItemDataBinding::GetFilterCriteria() const {
    TcxCustomDataController* dataController = GetDataController();
    return dataController ? &dataController->GetFilter() : nullptr;
}

TcxFilterCriteriaItem* TcxGridItemDataBinding::GetFilterCriteriaItem() const {
    TcxDataFilterCriteria* criteria = GetFilterCriteria();
    return criteria ? criteria->FindItemForLink(item_) : nullptr;
}

void TcxGridItemDataBinding::SetFiltered(bool value) {
    if (!value && GetFiltered()) GetFilterCriteria()->RemoveItemsByItemLink(item_);
}

void TcxGridItemDataBinding::SetData(TObject* value) {
    if (data_ == value) return;
    data_ = value;
    item_->Changed(vckProperty);
}

IcxEditDefaultValuesProvider* TcxGridItemDataBinding::GetDefaultValuesProvider(TcxCustomEditProperties*) const {
    return defaultValuesProvider_.get();
}

TcxValueTypeClass TcxGridItemDataBinding::GetValueTypeClass() const {
    TcxCustomDataController* dataController = GetDataController();
    if (!dataController || item_->GetIndex() < 0 || item_->GetIndex() >= dataController->GetItemCount()) return nullptr;
    return dataController->GetItemValueTypeClass(item_->GetIndex());
}

std::string TcxGridItemDataBinding::GetValueType() const {
    TcxValueTypeClass valueType = GetValueTypeClass();
    return valueType ? valueType->GetCaption() : std::string();
}

void TcxGridItemDataBinding::SetValueType(const std::string& value) {
    if (GetValueType() == value) return;
    TcxCustomDataController* dataController = GetDataController();
    if (!dataController || item_->GetIndex() < 0) return;
    dataController->ChangeValueTypeClass(item_->GetIndex(), GetValueTypeClassList().FindByCaption(value));
}

void TcxGridItemDataBinding::DoGetFilterDisplayText(const Variant& value, std::string& text) {
    item_->DoGetFilterDisplayText(value, text);
}

void TcxGridItemDataBinding::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxGridItemDataBinding*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetData(other->data_);
    if (TcxCustomDataController* dataController = GetDataController())
        if (item_->GetIndex() >= 0 && GetValueTypeClass() != other->GetValueTypeClass())
            dataController->ChangeValueTypeClass(item_->GetIndex(), other->GetValueTypeClass());
}

TcxEditRepositoryItem* TcxGridItemDataBinding::GetDefaultRepositoryItem() const {
    TcxEditRepository* repository = GetDefaultEditRepository();
    for (int i = 0; i < repository->Count(); ++i)
        if (repository->ItemAt(i)->GetPropertiesClass() == TcxTextEditProperties::StaticClass()) return repository->ItemAt(i);
    auto* item = new TcxEditRepositoryItem(repository, TcxTextEditProperties::StaticClass());
    repository->AddItem(item);
    return item;
}

} // namespace zorvy
