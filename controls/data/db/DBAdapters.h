#pragma once
// Adapters chosen by dataset class: a registry that answers the adapter of the most derived
// registered ancestor of a dataset's class, the filter operator adapter that gives query datasets
// the SQL null symbols "IS" and "IS NOT", and those two operators.
#include "controls/data/FilterOperators.h"
#include "platform/rtl/MetaClass.h"

#include <functional>
#include <memory>
#include <vector>

namespace zorvy {

class TDataSet;

class TcxDBAdapterItem {
  public:
    explicit TcxDBAdapterItem(TClass dataSetClass) : dataSetClass_(dataSetClass) {}
    virtual ~TcxDBAdapterItem() = default;
    TClass GetDataSetClass() const { return dataSetClass_; }

  private:
    TClass dataSetClass_;
};

// What creates an item for a dataset class: the item's class.
using TcxDBAdapterItemClass = std::unique_ptr<TcxDBAdapterItem> (*)(TClass dataSetClass);
template <class T> TcxDBAdapterItemClass DBAdapterItemClass() {
    return [](TClass dataSetClass) -> std::unique_ptr<TcxDBAdapterItem> {
        return std::make_unique<T>(dataSetClass);
    };
}

// Items stand after the items of their dataset class's ancestors.
class TcxDBAdapterList {
  public:
    virtual ~TcxDBAdapterList() = default;
    // True with the index of the item for the class or its nearest registered ancestor; after a
    // miss the index is where the class would go (before its first registered descendant), or -1.
    virtual bool FindItem(TClass dataSetClass, int& index) const;
    virtual void RegisterItem(TClass dataSetClass, TcxDBAdapterItemClass itemClass);
    // Removes every item of that dataset class created by that item class.
    virtual void UnregisterItem(TClass dataSetClass, TcxDBAdapterItemClass itemClass);
    TcxDBAdapterItem* GetItem(int index) const { return items_.at(static_cast<size_t>(index)).item.get(); }
    int GetCount() const { return static_cast<int>(items_.size()); }
    // The item for the dataset's class, nil when none.
    TcxDBAdapterItem* FindFor(const TDataSet* dataSet) const;

  private:
    struct Entry {
        std::unique_ptr<TcxDBAdapterItem> item;
        TcxDBAdapterItemClass itemClass;
    };
    std::vector<Entry> items_;
};

class TcxDBFilterOperatorAdapter : public TcxDBAdapterItem {
  public:
    using TcxDBAdapterItem::TcxDBAdapterItem;
    // Null tests on a dataset whose class name holds "Query" (any case) take the SQL symbols.
    virtual void PrepareOperatorClass(TcxFilterCriteriaItem* item, const TDataSet* dataSet,
                                      TcxFilterOperatorClass& operatorClass);
};

class TcxFilterSQLNullOperator : public TcxFilterNullOperator {
  public:
    using TcxFilterNullOperator::TcxFilterNullOperator;
    std::string GetSymbol() const override { return "IS"; }
};
class TcxFilterSQLNotNullOperator : public TcxFilterNotNullOperator {
  public:
    using TcxFilterNotNullOperator::TcxFilterNotNullOperator;
    std::string GetSymbol() const override { return "IS NOT"; }
};

// The process's registry of filter operator adapters; holds TDataSet's adapter from the first use on.
TcxDBAdapterList& FilterOperatorAdapters();

} // namespace zorvy
