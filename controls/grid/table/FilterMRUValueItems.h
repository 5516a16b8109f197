#pragma once
// The values recently picked in an item's filter drop-down, most recent first, up to the view's
// ColumnMRUItemsListCount.
#include "controls/foundation/classes/Classes.h"
#include "platform/rtl/Variant.h"

#include <string>

namespace zorvy {

class TcxGridFilterMRUValueItem : public TcxMRUItem {
  public:
    TcxGridFilterMRUValueItem(const Variant& value, const std::string& displayText)
        : Value(value), DisplayText(displayText) {}
    bool Equals(const TcxMRUItem* item) const override;
    Variant Value;
    std::string DisplayText;
};

class TcxGridFilterMRUValueItems : public TcxMRUItems {
  public:
    virtual ~TcxGridFilterMRUValueItems() = default;
    TcxGridFilterMRUValueItem* GetItem(int index) const {
        return static_cast<TcxGridFilterMRUValueItem*>(TcxMRUItems::GetItem(index));
    }
};

} // namespace zorvy
