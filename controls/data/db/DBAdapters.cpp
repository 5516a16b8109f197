#include "controls/data/db/DBAdapters.h"

#include "platform/db/DataSet.h"
#include "platform/rtl/Strings.h"

namespace zorvy {

bool TcxDBAdapterList::FindItem(TClass dataSetClass, int& index) const {
    index = -1;
    for (int i = GetCount() - 1; i >= 0; --i) {
        TClass itemClass = items_[static_cast<size_t>(i)].item->GetDataSetClass();
        if (dataSetClass->InheritsFrom(itemClass)) {
            index = i;
            return true;
        }
        if (itemClass->InheritsFrom(dataSetClass)) index = i;
    }
    return false;
}

void TcxDBAdapterList::RegisterItem(TClass dataSetClass, TcxDBAdapterItemClass itemClass) {
    Entry entry{itemClass(dataSetClass), itemClass};
    int index = -1;
    if (FindItem(dataSetClass, index))
        items_.insert(items_.begin() + index + 1, std::move(entry));
    else if (index >= 0)
        items_.insert(items_.begin() + index, std::move(entry));
    else
        items_.push_back(std::move(entry));
}

void TcxDBAdapterList::UnregisterItem(TClass dataSetClass, TcxDBAdapterItemClass itemClass) {
    for (int i = GetCount() - 1; i >= 0; --i) {
        const Entry& entry = items_[static_cast<size_t>(i)];
        if (entry.item->GetDataSetClass() == dataSetClass && entry.itemClass == itemClass)
            items_.erase(items_.begin() + i);
    }
}

TcxDBAdapterItem* TcxDBAdapterList::FindFor(const TDataSet* dataSet) const {
    int index = -1;
    if (!dataSet || !FindItem(dataSet->ClassType(), index)) return nullptr;
    return GetItem(index);
}

void TcxDBFilterOperatorAdapter::PrepareOperatorClass(TcxFilterCriteriaItem*, const TDataSet* dataSet,
                                                      TcxFilterOperatorClass& operatorClass) {
    if (!dataSet || !operatorClass ||
        AnsiUpperCase(dataSet->ClassName()).find("QUERY") == std::string::npos)
        return;
    // Operator classes are factories: a probe instance tells the family.
    std::unique_ptr<TcxFilterOperator> probe = operatorClass(nullptr);
    if (dynamic_cast<TcxFilterNotNullOperator*>(probe.get()))
        operatorClass = FilterOperatorClass<TcxFilterSQLNotNullOperator>();
    else if (dynamic_cast<TcxFilterNullOperator*>(probe.get()))
        operatorClass = FilterOperatorClass<TcxFilterSQLNullOperator>();
}

TcxDBAdapterList& FilterOperatorAdapters() {
    static TcxDBAdapterList list;
    static const bool registered = [] {
        list.RegisterItem(TDataSet::StaticClass(), DBAdapterItemClass<TcxDBFilterOperatorAdapter>());
        return true;
    }();
    (void)registered;
    return list;
}

} // namespace zorvy
