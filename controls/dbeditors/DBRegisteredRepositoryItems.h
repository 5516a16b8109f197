#pragma once
// The default editor per field type: a dataset-bound column without an editor kind of its own asks this
// registry for one. Lookup fields and currency fields have lists of their own; every other field is
// keyed by its data type, and a type without an entry gets the default (mask) item.
#include "controls/editors/repository/RegisteredRepositoryItems.h"
#include "platform/db/DataSetTypes.h"

namespace zorvy {

class TField;

class TcxEditDBRegisteredRepositoryItems : public TcxEditRegisteredRepositoryItems {
    ZORVY_CLASS(TcxEditDBRegisteredRepositoryItems, TcxEditRegisteredRepositoryItems)
  public:
    using TcxEditRegisteredRepositoryItems::TcxEditRegisteredRepositoryItems;
    ~TcxEditDBRegisteredRepositoryItems() override;

    // No field: the default item; a lookup field: the lookup item; a numeric field flagged as currency:
    // the currency item; else the item of the field's data type.
    TcxEditRepositoryItem* GetItemForField(TField* field);
    // The first entry of that list, else the default item.
    TcxEditRepositoryItem* GetLookupFieldItem();
    TcxEditRepositoryItem* GetCurrencyFieldItem();

    // The per-type entries, keyed by the low seven bits of the field type.
    void AddFieldTypeItem(TFieldType fieldType, int version, TcxEditRepositoryItem* item);
    void RemoveFieldTypeItem(TFieldType fieldType, int version);
    TcxEditRepositoryItem* GetFieldTypeItem(TFieldType fieldType);
    // An entry of the same version already there is kept.
    void AddCurrencyItem(int version, TcxEditRepositoryItem* item);
    void AddLookupItem(int version, TcxEditRepositoryItem* item);

  protected:
    void RepositoryItemRemoved(TcxEditRepositoryItem* item) override;

  private:
    TcxEditRegisteredRepositoryItemsDataArray currencyEntries_;
    TcxEditRegisteredRepositoryItemsDataArray lookupEntries_;
};

// The global registry, created on the first call.
TcxEditDBRegisteredRepositoryItems* GetEditDBRegisteredRepositoryItems();

// Start-up: a mask item as the default, a currency item, a lookup combo box item (no grid lines, no
// header, a fixed edit list) for lookup fields, and one item per field type (check box, date, time,
// blob, memo, image), all new items of the default repository. Shutdown unregisters the per-type
// items and frees the registry; the repository keeps the items.
void RegisterDefaultEditorsByFieldType();
void UnregisterDefaultEditorsByFieldType();

} // namespace zorvy
