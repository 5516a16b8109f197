#pragma once
// How a detail dataset is brought to the rows of one master record: the detail filter adapter,
// chosen by dataset class, locates the first detail row (sync mode) or reopens a parameterised
// detail query with the master's key values (SQL mode).
#include "controls/data/db/DBAdapters.h"

#include <string>

namespace zorvy {

class TDataSet;
class Variant;

class TcxDBProviderDetailFilterAdapter : public TcxDBAdapterItem {
  public:
    using TcxDBAdapterItem::TcxDBAdapterItem;
    // True when the dataset's parameters of those names hold the values.
    virtual bool IsCurrentQuery(TDataSet* dataSet, const std::string& names, const Variant& values);
    // Equal parameters: First; else closed, given the values and opened again (reopened true).
    virtual void ReopenQuery(TDataSet* dataSet, const std::string& names, bool& reopened, const Variant& values);
    // SQL mode reopens the query; otherwise the dataset locates the values on the names.
    virtual void DetailFirst(TDataSet* dataSet, const std::string& names, bool& reopened, bool sqlMode,
                             const Variant& values);
};

// The process's registry of detail filter adapters; holds TDataSet's adapter from the first use on.
TcxDBAdapterList& DetailFilterAdapters();

} // namespace zorvy
