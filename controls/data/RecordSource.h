#pragma once
// The custom record source: what a program implements to feed a controller in provider mode.
// Records are opaque handles that stay stable while the controller holds them; items are
// addressed by the item handles the source answers. Every call reaches the source with its
// current provider set.
#include "platform/rtl/Variant.h"

#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataProvider;

using TcxDataRecordHandle = void*;
using TcxDataItemHandle = void*;

class TcxCustomRecordSource {
  public:
    virtual ~TcxCustomRecordSource(); // detaches from every provider

    virtual TcxDataRecordHandle AppendRecord() { return nullptr; }
    virtual TcxDataRecordHandle InsertRecord(TcxDataRecordHandle /*before*/) { return nullptr; }
    virtual bool CanInsertRecord() const { return false; }
    virtual void DeleteRecord(TcxDataRecordHandle) {}
    virtual void SetRecordCount(int) {}
    // Hands every record handle to the current provider's StoreRecordHandle, in record order.
    virtual void LoadRecordHandles() {}
    virtual TcxDataItemHandle GetItemHandle(int itemIndex);
    virtual void GetValue(TcxDataRecordHandle, TcxDataItemHandle, Variant& value) { value = Variant::Null(); }
    virtual void SetValue(TcxDataRecordHandle, TcxDataItemHandle, const Variant&) {}
    virtual void GetDisplayText(TcxDataRecordHandle record, TcxDataItemHandle item, std::string& text);
    // Points `data` at compare data of the item's value type; false when the record has no value.
    virtual bool GetInfoForCompare(TcxDataRecordHandle, TcxDataItemHandle, const void*& /*data*/) {
        return false;
    }
    virtual bool IsCustomSorting() const { return false; }
    virtual void CustomSort() {}
    virtual bool IsNativeCompare() const { return false; }
    virtual bool IsCustomCompare() const { return false; }
    virtual int CompareRecords(TcxDataRecordHandle, TcxDataRecordHandle, TcxDataItemHandle) { return 0; }
    virtual bool SupportsRecordIds() const { return false; }
    virtual void GetRecordId(TcxDataRecordHandle, Variant& value) { value = Variant::Null(); }
    virtual bool GetDetailHasChildren(int /*recordIndex*/, int /*relationIndex*/) { return false; }

    // The provider a call came through (the default one outside calls).
    TcxCustomDataProvider* GetProvider() const {
        return currentProvider_ ? currentProvider_ : defaultProvider_;
    }
    TcxCustomDataController* GetDataController() const;
    // Tells every attached controller that the records changed: they load the handles again
    // (a provider whose notifications are locked is not told).
    void DataChanged();

  private:
    friend class TcxCustomDataProvider;
    TcxCustomDataProvider* currentProvider_ = nullptr;
    TcxCustomDataProvider* defaultProvider_ = nullptr;
    std::vector<TcxCustomDataProvider*> providers_;
};

} // namespace zorvy
