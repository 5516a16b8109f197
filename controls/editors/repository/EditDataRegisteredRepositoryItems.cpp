// The registry of default editors per value type and its start-up table.
#include "controls/editors/repository/EditDataRegisteredRepositoryItems.h"

#include "controls/editors/repository/EditRepositoryItems.h"

namespace zorvy {

namespace {

TcxEditDataRegisteredRepositoryItems* valueTypeRegistry = nullptr;
int valueTypeEditorsUnitCounter = 0;

std::intptr_t ValueTypeKey(TcxValueTypeClass valueType) {
    return reinterpret_cast<std::intptr_t>(valueType);
}

TcxEditRepositoryItem* CreateDefaultItem(const TMetaClass* itemClass) {
    return GetDefaultEditRepository()->CreateItem(itemClass);
}

} // namespace

TcxEditRepositoryItem* TcxEditDataRegisteredRepositoryItems::GetItemForValueType(TcxValueTypeClass valueType) {
    return GetRepositoryItem(ValueTypeKey(valueType));
}

void TcxEditDataRegisteredRepositoryItems::AddItemForValueType(TcxValueTypeClass valueType, int version,
                                                               TcxEditRepositoryItem* item) {
    AddRepositoryItem(ValueTypeKey(valueType), version, item);
}

void TcxEditDataRegisteredRepositoryItems::RemoveItemForValueType(TcxValueTypeClass valueType, int version) {
    RemoveRepositoryItem(ValueTypeKey(valueType), version);
}

TcxEditDataRegisteredRepositoryItems* GetEditDataRegisteredRepositoryItems() {
    if (!valueTypeRegistry) valueTypeRegistry = new TcxEditDataRegisteredRepositoryItems(nullptr);
    return valueTypeRegistry;
}

void RegisterDefaultEditorsByValueType() {
    if (valueTypeEditorsUnitCounter++ != 0) return;
    TcxEditDataRegisteredRepositoryItems* registry = GetEditDataRegisteredRepositoryItems();
    registry->AddDefaultRepositoryItem(-1, CreateDefaultItem(TcxEditRepositoryTextItem::StaticClass()));
    registry->AddItemForValueType(&cxBooleanValueType, -1,
                                  CreateDefaultItem(TcxEditRepositoryCheckBoxItem::StaticClass()));
    registry->AddItemForValueType(&cxCurrencyValueType, -1,
                                  CreateDefaultItem(TcxEditRepositoryCurrencyItem::StaticClass()));
    registry->AddItemForValueType(&cxDateTimeValueType, -1,
                                  CreateDefaultItem(TcxEditRepositoryDateItem::StaticClass()));
    registry->AddItemForValueType(&cxFMTBcdValueType, -1,
                                  CreateDefaultItem(TcxEditRepositoryCurrencyItem::StaticClass()));
    registry->AddItemForValueType(&cxSQLTimeStampValueType, -1,
                                  CreateDefaultItem(TcxEditRepositoryDateItem::StaticClass()));
}

void UnregisterDefaultEditorsByValueType() {
    if (valueTypeEditorsUnitCounter == 0 || --valueTypeEditorsUnitCounter != 0) return;
    if (!valueTypeRegistry) return;
    valueTypeRegistry->RemoveDefaultRepositoryItem(-1);
    for (TcxValueTypeClass valueType : {&cxBooleanValueType, &cxCurrencyValueType, &cxDateTimeValueType,
                                        &cxFMTBcdValueType, &cxSQLTimeStampValueType})
        valueTypeRegistry->RemoveItemForValueType(valueType, -1);
    FreeAndNil(valueTypeRegistry);
}

} // namespace zorvy
