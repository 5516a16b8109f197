#include "controls/data/db/DBDataSummary.h"

#include "controls/data/db/DBDataController.h"

namespace zorvy {

TcxDBDataSummaryItem::~TcxDBDataSummaryItem() {
    FreeField();
}

void TcxDBDataSummaryItem::FreeField() {
    TcxDBDataField* field = field_;
    field_ = nullptr;
    delete field;
}

void TcxDBDataSummaryItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxDBDataSummaryItem*>(source);
    if (!other) {
        TcxDataSummaryItem::Assign(source);
        return;
    }
    LockCollection();
    try {
        TcxDataSummaryItem::Assign(source);
        SetFieldName(other->fieldName_);
    } catch (...) {
        UnlockCollection();
        throw;
    }
    UnlockCollection();
}

void TcxDBDataSummaryItem::SetFieldName(const std::string& value) {
    if (fieldName_ == value) return;
    fieldName_ = value;
    auto* dc = dynamic_cast<TcxDBDataController*>(GetDataController());
    if (value.empty() || !dc) {
        FreeField();
        if (dc) dc->Change(dccData);
        NotifyChanged(true);
        return;
    }
    if (!field_) field_ = dc->AddInternalDBField();
    dc->BindInternalField(field_, value);
    NotifyChanged(true);
}

TcxCustomDataField* TcxDBDataSummaryItem::GetDataField() const {
    return field_ ? field_ : TcxDataSummaryItem::GetDataField();
}

bool TcxDBDataSummaryItem::IsCurrency(TVarType varType) const {
    auto* field = dynamic_cast<TcxDBDataField*>(GetDataField());
    if (field && field->GetField()) return field->IsCurrency();
    return TcxDataSummaryItem::IsCurrency(varType);
}

} // namespace zorvy
