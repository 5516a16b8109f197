#include "controls/data/db/DBMasterDetail.h"

#include "controls/data/Variants.h"
#include "controls/data/db/DBDataController.h"
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

namespace zorvy {

// ---- the relation of a dataset-bound master ----

TcxDBDataRelation::~TcxDBDataRelation() {
    TcxDBDataField* field = masterKeyField_;
    masterKeyField_ = nullptr;
    delete field;
}

void TcxDBDataRelation::DropDataField(TcxCustomDataField* field) {
    TcxCustomDataRelation::DropDataField(field);
    if (field == masterKeyField_) masterKeyField_ = nullptr;
}

TcxDBDataController* TcxDBDataRelation::GetMasterController() const {
    return dynamic_cast<TcxDBDataController*>(GetDataController());
}

TcxDBDataController* TcxDBDataRelation::GetDetailPattern() const {
    TcxCustomDataController* masterPattern = GetDataController()->GetPatternDataController();
    if (!masterPattern) masterPattern = GetDataController();
    if (!masterPattern->HasRelations() || GetIndex() >= masterPattern->GetRelations().GetCount()) return nullptr;
    return dynamic_cast<TcxDBDataController*>(masterPattern->GetRelations().GetItem(GetIndex())->DetailDataController);
}

std::string TcxDBDataRelation::GetMasterKeyFieldNames() const {
    TcxDBDataController* pattern = GetDetailPattern();
    return pattern ? pattern->GetMasterKeyFieldNames() : std::string();
}

std::string TcxDBDataRelation::GetDetailKeyFieldNames() const {
    TcxDBDataController* pattern = GetDetailPattern();
    return pattern ? pattern->GetDetailKeyFieldNames() : std::string();
}

bool TcxDBDataRelation::IsKeyLinked() const {
    return masterKeyField_ != nullptr && !GetDetailKeyFieldNames().empty();
}

Variant TcxDBDataRelation::GetMasterKeyValues(int recordIndex) const {
    TcxCustomDataController* master = GetDataController();
    master->CheckRecordIndex(recordIndex);
    if (!IsKeyLinked()) return Variant();
    std::vector<TcxCustomDataField*> fields;
    masterKeyField_->AddKeyFieldsTo(fields);
    return master->GetFieldListValues(recordIndex, fields);
}

void TcxDBDataRelation::UpdateMasterKeyField() {
    TcxDBDataController* master = GetMasterController();
    if (!master) return;
    const std::string names = GetMasterKeyFieldNames();
    if (names.empty()) {
        TcxDBDataField* field = masterKeyField_;
        masterKeyField_ = nullptr;
        delete field;
        return;
    }
    if (masterKeyField_ && masterKeyField_->GetFieldName() == names) return;
    if (!masterKeyField_) masterKeyField_ = master->AddInternalDBField();
    master->BindInternalField(masterKeyField_, names);
}

void TcxDBDataRelation::KeyNamesChanged() {
    if (GetDataController()->GetDetailMode() != TcxCustomDataController::dcdmClone) Changed();
}

} // namespace zorvy
