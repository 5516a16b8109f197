#pragma once
// The default editor per value type: a grid item that is not bound to a dataset, and the base lookup
// grid column, take their editor from here when they have no repository item of their own.
#include "controls/data/ValueTypes.h"
#include "controls/editors/repository/RegisteredRepositoryItems.h"

namespace zorvy {

// Keyed by the value type itself (its address); nil is the default entry.
class TcxEditDataRegisteredRepositoryItems : public TcxEditRegisteredRepositoryItems {
    ZORVY_CLASS(TcxEditDataRegisteredRepositoryItems, TcxEditRegisteredRepositoryItems)
  public:
    using TcxEditRegisteredRepositoryItems::TcxEditRegisteredRepositoryItems;

    TcxEditRepositoryItem* GetItemForValueType(TcxValueTypeClass valueType);
    void AddItemForValueType(TcxValueTypeClass valueType, int version, TcxEditRepositoryItem* item);
    void RemoveItemForValueType(TcxValueTypeClass valueType, int version);
};

// The global registry, created on the first call.
TcxEditDataRegisteredRepositoryItems* GetEditDataRegisteredRepositoryItems();

// Start-up: a text item by default, a check box for Boolean values, a currency editor each for currency
// and BCD values, a date editor each for date-time and SQL time-stamp values, all new items of the
// default repository. Shutdown unregisters them and frees the registry; the repository keeps the items.
void RegisterDefaultEditorsByValueType();
void UnregisterDefaultEditorsByValueType();

} // namespace zorvy
