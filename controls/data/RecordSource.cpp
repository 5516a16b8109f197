#include "controls/data/RecordSource.h"

#include "controls/data/DataController.h"

#include <algorithm>

namespace zorvy {

TcxCustomRecordSource::~TcxCustomRecordSource() {
    while (!providers_.empty())
        providers_.back()->SetCustomDataSource(nullptr);
}

TcxDataItemHandle TcxCustomRecordSource::GetItemHandle(int itemIndex) {
    return reinterpret_cast<TcxDataItemHandle>(static_cast<intptr_t>(itemIndex));
}

void TcxCustomRecordSource::GetDisplayText(TcxDataRecordHandle record, TcxDataItemHandle item,
                                           std::string& text) {
    Variant value;
    GetValue(record, item, value);
    text = VarToStr(value);
}

TcxCustomDataController* TcxCustomRecordSource::GetDataController() const {
    TcxCustomDataProvider* provider = GetProvider();
    return provider ? provider->GetDataController() : nullptr;
}

void TcxCustomRecordSource::DataChanged() {
    std::vector<TcxCustomDataProvider*> providers = providers_;
    for (TcxCustomDataProvider* provider : providers)
        if (!provider->IsNotificationsLocked()) provider->GetDataController()->ReloadData();
}

} // namespace zorvy
