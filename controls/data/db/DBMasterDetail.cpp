#include "controls/data/db/DBMasterDetail.h"

#include "controls/data/Variants.h"
#include "controls/data/db/DBFieldFunctions.h"
#include "platform/db/ADODataSet.h"

namespace zorvy {

namespace {

// The parameters of a parameterised dataset; nil for datasets that take none.
TParameters* ParametersOf(TDataSet* dataSet) {
    auto* query = dynamic_cast<TCustomADODataSet*>(dataSet);
    return query ? &query->GetParameters() : nullptr;
}

Variant ValueAt(const Variant& values, int index, int count) {
    if (count == 1) return values;
    return values.IsArray() ? values[VarArrayLowBound(values, 1) + index] : Variant::Null();
}

} // namespace

bool TcxDBProviderDetailFilterAdapter::IsCurrentQuery(TDataSet* dataSet, const std::string& names,
                                                      const Variant& values) {
    TParameters* parameters = ParametersOf(dataSet);
    if (!parameters) return false;
    std::vector<std::string> list = SplitFieldNames(names);
    int count = static_cast<int>(list.size());
    for (int i = 0; i < count; ++i) {
        TParameter* parameter = parameters->FindParam(list[static_cast<size_t>(i)]);
        if (!parameter || !VariantsEqual(parameter->GetValue(), ValueAt(values, i, count))) return false;
    }
    return count > 0;
}

void TcxDBProviderDetailFilterAdapter::ReopenQuery(TDataSet* dataSet, const std::string& names, bool& reopened,
                                                   const Variant& values) {
    TParameters* parameters = ParametersOf(dataSet);
    if (!parameters) return;
    if (IsCurrentQuery(dataSet, names, values)) {
        dataSet->First();
        return;
    }
    std::vector<std::string> list = SplitFieldNames(names);
    int count = static_cast<int>(list.size());
    dataSet->DisableControls();
    try {
        dataSet->Close();
        for (int i = 0; i < count; ++i)
            parameters->ParamByName(list[static_cast<size_t>(i)])->SetValue(ValueAt(values, i, count));
        dataSet->Open();
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
    reopened = true;
}

void TcxDBProviderDetailFilterAdapter::DetailFirst(TDataSet* dataSet, const std::string& names, bool& reopened,
                                                   bool sqlMode, const Variant& values) {
    if (sqlMode)
        ReopenQuery(dataSet, names, reopened, values);
    else
        dataSet->Locate(names, values);
}

TcxDBAdapterList& DetailFilterAdapters() {
    static TcxDBAdapterList list;
    static const bool registered = [] {
        list.RegisterItem(TDataSet::StaticClass(), DBAdapterItemClass<TcxDBProviderDetailFilterAdapter>());
        return true;
    }();
    (void)registered;
    return list;
}

} // namespace zorvy
