#include "controls/data/db/DBDataField.h"

#include "controls/data/DataController.h"
#include "controls/data/db/DBDataController.h"
#include "controls/data/db/DBFieldFunctions.h"
#include "platform/db/Field.h"
#include "platform/rtl/ResourceStrings.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(cxSDataFieldParentError, "ADataField.FParentField <> nil");

TcxValueTypeClass GetValueTypeClassByField(const TField* field) {
    if (!field) return &cxStringValueType;
    switch (field->GetDataType()) {
    case TFieldType::ftString:
        return &cxStringValueType;
    case TFieldType::ftSmallint:
        return &cxSmallintValueType;
    case TFieldType::ftInteger:
    case TFieldType::ftAutoInc:
        return &cxIntegerValueType;
    case TFieldType::ftWord:
        return &cxWordValueType;
    case TFieldType::ftBoolean:
        return &cxBooleanValueType;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
        return &cxFloatValueType;
    case TFieldType::ftBCD:
        return &cxCurrencyValueType;
    case TFieldType::ftDate:
    case TFieldType::ftTime:
    case TFieldType::ftDateTime:
        return &cxDateTimeValueType;
    case TFieldType::ftWideString:
        return &cxWideStringValueType;
    case TFieldType::ftLargeint:
        return &cxLargeIntValueType;
    case TFieldType::ftTimeStamp:
        return &cxSQLTimeStampValueType;
    case TFieldType::ftFMTBcd:
        return &cxFMTBcdValueType;
    default:
        return &cxVariantValueType;
    }
}

TcxDBDataField::~TcxDBDataField() {
    if (parentField_) {
        auto& siblings = parentField_->subFields_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    ClearSubFields();
}

TcxDBDataField* TcxDBDataField::Referred() const {
    const TcxDBDataField* field = this;
    while (auto* next = dynamic_cast<TcxDBDataField*>(field->GetReferenceField())) field = next;
    return const_cast<TcxDBDataField*>(field);
}

void TcxDBDataField::TakeOverData(TcxCustomDataField* source) {
    TcxCustomDataField::TakeOverData(source);
    if (auto* db = dynamic_cast<TcxDBDataField*>(source)) {
        field_ = db->field_;
        isCurrency_ = db->isCurrency_;
        db->field_ = nullptr;
        ClearSubFields();
        subFields_ = std::move(db->subFields_);
        db->subFields_.clear();
        for (TcxDBDataField* sub : subFields_) sub->parentField_ = this;
    }
}

void TcxDBDataField::ComponentRemoved(TComponent* component) {
    if (GetReferenceField()) return;
    TcxCustomDataField::ComponentRemoved(component);
    if (!field_ || component != field_) return;
    field_ = nullptr; // the sub-fields hear of their own dataset fields
    auto* controller = dynamic_cast<TcxDBDataController*>(GetDataController());
    if (!controller) return;
    TcxDBDataProvider& provider = controller->GetDBProvider();
    // A field destroyed under an open dataset: the fields are bound again. A closing dataset, or one
    // whose controls are disabled, binds them when it tells its link.
    if (!provider.IsNotifyLocked() && provider.HasActiveSource()) provider.LayoutChanged();
}

bool TcxDBDataField::CanModify() const {
    if (IsUnbound()) return TcxCustomDataField::CanModify();
    TField* field = GetField();
    if (!TcxCustomDataField::CanModify() || !field) return false;
    if (IsLookup()) return false; // a lookup is edited through its key fields only
    return CanEditField(field, false);
}

bool TcxDBDataField::IsUnbound() const {
    return !IsInternal() && fieldName_.empty() && !GetField() && ValueDefinition() != nullptr;
}

bool TcxDBDataField::IsReaderSkipped() const {
    if (GetField()) return false;
    // An unbound item's value is copied from the new-item row's record into the posted one.
    auto* controller = dynamic_cast<TcxDBDataController*>(GetDataController());
    return !(IsUnbound() && controller && controller->IsInUnboundCopy());
}

TField* TcxDBDataField::GetField() const {
    return Referred()->field_;
}

void TcxDBDataField::SetField(TField* field) {
    if (GetReferenceField() || field_ == field) return;
    field_ = field;
    if (field) field->FreeNotification(&GetNotifier());
    ClearSubFields();
}

int TcxDBDataField::GetFieldCount() const {
    return static_cast<int>(Referred()->subFields_.size());
}

TcxDBDataField* TcxDBDataField::GetSubField(int index) const {
    return Referred()->subFields_.at(static_cast<size_t>(index));
}

void TcxDBDataField::AddSubField(TcxDBDataField* field) {
    if (std::find(subFields_.begin(), subFields_.end(), field) != subFields_.end()) return;
    if (field->parentField_ && field->parentField_ != this) RaiseDataControllerError(cxSDataFieldParentError);
    subFields_.push_back(field);
    field->parentField_ = this;
}

void TcxDBDataField::ClearSubFields() {
    std::vector<TcxDBDataField*> subFields = std::move(subFields_);
    subFields_.clear();
    for (TcxDBDataField* sub : subFields) {
        sub->parentField_ = nullptr;
        delete sub;
    }
}

void TcxDBDataField::AddKeyFieldsTo(std::vector<TcxCustomDataField*>& list) {
    if (GetFieldCount() == 0) {
        list.push_back(this);
        return;
    }
    for (int i = 0; i < GetFieldCount(); ++i) list.push_back(GetSubField(i));
}

bool TcxDBDataField::IsLookup() const {
    TField* field = GetField();
    return field && field->GetLookup();
}

bool TcxDBDataField::IsCurrency() const {
    return Referred()->isCurrency_;
}

void TcxDBDataField::UpdateValueType(bool editable) {
    if (GetReferenceField()) return;
    TField* field = field_;
    TcxValueTypeClass valueType = GetValueTypeClassByField(field);
    bool currency = field && IsCurrencyField(field);
    bool textStored = field && FieldNeedsDisplayText(field, editable);
    isCurrency_ = currency;
    if (ValueTypeOf() == valueType && StoresText() == textStored && ValueDefinition()) return;
    ChangeTextStoring(textStored);
    ChangeValueType(valueType);
    if (!ValueDefinition()) MakeValueDefinition();
}

} // namespace zorvy
