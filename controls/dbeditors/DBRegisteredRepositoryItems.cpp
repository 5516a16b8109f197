// The registry of default editors per field type and its start-up table.
#include "controls/dbeditors/DBRegisteredRepositoryItems.h"

#include "controls/dbeditors/LookupComboBox.h"
#include "controls/editors/repository/EditRepositoryItems.h"
#include "platform/db/Field.h"

namespace zorvy {

namespace {

TcxEditDBRegisteredRepositoryItems* fieldTypeRegistry = nullptr;
int fieldTypeEditorsUnitCounter = 0;

std::intptr_t FieldTypeKey(TFieldType fieldType) {
    return static_cast<std::intptr_t>(fieldType) & 0x7F;
}

// The field classes that publish a currency flag: float, currency, BCD and FMTBCD fields.
bool PublishesCurrency(TFieldType type) {
    using enum TFieldType;
    return type == ftFloat || type == ftCurrency || type == ftBCD || type == ftFMTBcd;
}

// The item class of the field types that have an editor of their own; nil for the others.
const TMetaClass* FieldTypeEditorClass(TFieldType type) {
    using enum TFieldType;
    switch (type) {
    case ftBoolean: return TcxEditRepositoryCheckBoxItem::StaticClass();
    case ftDate:
    case ftDateTime:
    case ftTimeStamp: return TcxEditRepositoryDateItem::StaticClass();
    case ftTime: return TcxEditRepositoryTimeItem::StaticClass();
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary: return TcxEditRepositoryBlobItem::StaticClass();
    case ftMemo: return TcxEditRepositoryMemoItem::StaticClass();
    case ftGraphic: return TcxEditRepositoryImageItem::StaticClass();
    default: return nullptr;
    }
}

// The registration walks the field types 0 (ftUnknown) to 41 (ftOraInterval).
constexpr int cxLastRegisteredFieldType = static_cast<int>(TFieldType::ftOraInterval);

} // namespace

TcxEditDBRegisteredRepositoryItems::~TcxEditDBRegisteredRepositoryItems() {
    RemoveAll();
    for (int i = static_cast<int>(lookupEntries_.size()) - 1; i >= 0; --i) DeleteEntry(lookupEntries_, i);
    for (int i = static_cast<int>(currencyEntries_.size()) - 1; i >= 0; --i) DeleteEntry(currencyEntries_, i);
}

TcxEditRepositoryItem* TcxEditDBRegisteredRepositoryItems::GetItemForField(TField* field) {
    if (!field) return GetDefaultRepositoryItem();
    if (field->GetLookup()) return GetLookupFieldItem();
    if (PublishesCurrency(field->GetDataType()) && field->GetCurrency()) return GetCurrencyFieldItem();
    return GetFieldTypeItem(field->GetDataType());
}

TcxEditRepositoryItem* TcxEditDBRegisteredRepositoryItems::GetLookupFieldItem() {
    return lookupEntries_.empty() ? GetDefaultRepositoryItem() : lookupEntries_.front().RepositoryItem;
}

TcxEditRepositoryItem* TcxEditDBRegisteredRepositoryItems::GetCurrencyFieldItem() {
    return currencyEntries_.empty() ? GetDefaultRepositoryItem() : currencyEntries_.front().RepositoryItem;
}

void TcxEditDBRegisteredRepositoryItems::AddFieldTypeItem(TFieldType fieldType, int version,
                                                          TcxEditRepositoryItem* item) {
    AddRepositoryItem(FieldTypeKey(fieldType), version, item);
}

void TcxEditDBRegisteredRepositoryItems::RemoveFieldTypeItem(TFieldType fieldType, int version) {
    RemoveRepositoryItem(FieldTypeKey(fieldType), version);
}

TcxEditRepositoryItem* TcxEditDBRegisteredRepositoryItems::GetFieldTypeItem(TFieldType fieldType) {
    return GetRepositoryItem(FieldTypeKey(fieldType));
}

void TcxEditDBRegisteredRepositoryItems::AddCurrencyItem(int version, TcxEditRepositoryItem* item) {
    AddEntry(currencyEntries_, 0, version, item);
}

void TcxEditDBRegisteredRepositoryItems::AddLookupItem(int version, TcxEditRepositoryItem* item) {
    AddEntry(lookupEntries_, 0, version, item);
}

void TcxEditDBRegisteredRepositoryItems::RepositoryItemRemoved(TcxEditRepositoryItem* item) {
    TcxEditRegisteredRepositoryItems::RepositoryItemRemoved(item);
    for (int i = static_cast<int>(lookupEntries_.size()) - 1; i >= 0; --i)
        if (lookupEntries_[i].RepositoryItem == item) DeleteEntry(lookupEntries_, i);
    for (int i = static_cast<int>(currencyEntries_.size()) - 1; i >= 0; --i)
        if (currencyEntries_[i].RepositoryItem == item) DeleteEntry(currencyEntries_, i);
}

TcxEditDBRegisteredRepositoryItems* GetEditDBRegisteredRepositoryItems() {
    if (!fieldTypeRegistry) fieldTypeRegistry = new TcxEditDBRegisteredRepositoryItems(nullptr);
    return fieldTypeRegistry;
}

void RegisterDefaultEditorsByFieldType() {
    if (fieldTypeEditorsUnitCounter++ != 0) return;
    TcxEditDBRegisteredRepositoryItems* registry = GetEditDBRegisteredRepositoryItems();
    TcxEditRepository* repository = GetDefaultEditRepository();
    registry->AddDefaultRepositoryItem(-1, repository->CreateItem(TcxEditRepositoryMaskItem::StaticClass()));
    registry->AddCurrencyItem(-1, repository->CreateItem(TcxEditRepositoryCurrencyItem::StaticClass()));
    auto* lookup = static_cast<TcxEditRepositoryLookupComboBoxItem*>(
        repository->CreateItem(TcxEditRepositoryLookupComboBoxItem::StaticClass()));
    TcxLookupComboBoxProperties* lookupProperties = lookup->GetProperties();
    lookupProperties->GetListOptions()->SetGridLines(glNone);
    lookupProperties->SetDropDownListStyle(lsEditFixedList);
    lookupProperties->GetListOptions()->SetShowHeader(false);
    registry->AddLookupItem(-1, lookup);
    for (int type = 0; type <= cxLastRegisteredFieldType; ++type) {
        const auto fieldType = static_cast<TFieldType>(type);
        if (const TMetaClass* itemClass = FieldTypeEditorClass(fieldType))
            registry->AddFieldTypeItem(fieldType, -1, repository->CreateItem(itemClass));
    }
}

void UnregisterDefaultEditorsByFieldType() {
    if (fieldTypeEditorsUnitCounter == 0 || --fieldTypeEditorsUnitCounter != 0) return;
    if (!fieldTypeRegistry) return;
    fieldTypeRegistry->RemoveDefaultRepositoryItem(-1);
    for (int type = 0; type <= cxLastRegisteredFieldType; ++type) {
        const auto fieldType = static_cast<TFieldType>(type);
        if (FieldTypeEditorClass(fieldType)) fieldTypeRegistry->RemoveFieldTypeItem(fieldType, -1);
    }
    FreeAndNil(fieldTypeRegistry);
}

} // namespace zorvy
