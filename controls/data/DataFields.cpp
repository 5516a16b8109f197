#include "controls/data/DataFields.h"

#include "controls/data/DataController.h"
#include "controls/data/DataResources.h"

#include <algorithm>

namespace zorvy {

void RaiseDataControllerError(const TResourceString& message) {
    throw EcxInvalidDataControllerOperation(GetDataResourceText(message));
}

bool IsDefinitionSkippedByReaders(const TcxValueDef* def) {
    auto* field = dynamic_cast<TcxCustomDataField*>(def->GetLink());
    return field && field->IsReaderSkipped();
}

int CompareValueDefsByFieldIndex(TcxValueDef* a, TcxValueDef* b) {
    auto* fieldA = dynamic_cast<TcxCustomDataField*>(a->GetLink());
    auto* fieldB = dynamic_cast<TcxCustomDataField*>(b->GetLink());
    return (fieldA ? fieldA->GetIndex() : -1) - (fieldB ? fieldB->GetIndex() : -1);
}

// ---- field ----

TcxCustomDataField::TcxCustomDataField(TcxCustomDataFieldList* fieldList) : fieldList_(fieldList) {}

TcxCustomDataField::~TcxCustomDataField() {
    if (fieldList_) fieldList_->Remove(this);
    if (!referenceField_) FreeValueDefinition();
}

bool TcxCustomDataField::CanModify() const {
    return ValueDefinition() != nullptr || (fieldList_ && GetDataController()->IsProviderMode());
}

TcxValueDef* TcxCustomDataField::ValueDefinition() const {
    return referenceField_ ? referenceField_->valueDef_ : valueDef_;
}

TcxValueTypeClass TcxCustomDataField::ValueTypeOf() const {
    return referenceField_ ? referenceField_->valueType_ : valueType_;
}

bool TcxCustomDataField::StoresText() const {
    return referenceField_ ? referenceField_->textStored_ : textStored_;
}

void TcxCustomDataField::LockRemaking() {
    if (recreateLockCount_ == 0) FreeValueDefinition();
    ++recreateLockCount_;
}

void TcxCustomDataField::UnlockRemaking() {
    if (--recreateLockCount_ == 0) MakeValueDefinition();
}

void TcxCustomDataField::ChangeValueType(TcxValueTypeClass valueType) {
    if (referenceField_ || valueType_ == valueType) return;
    LockRemaking();
    valueType_ = valueType;
    UnlockRemaking();
}

void TcxCustomDataField::ChangeTextStoring(bool value) {
    if (referenceField_ || textStored_ == value) return;
    LockRemaking();
    textStored_ = value;
    UnlockRemaking();
}

void TcxCustomDataField::MakeValueDefinition() {
    if (referenceField_ || !valueType_) return;
    FreeValueDefinition();
    valueDef_ =
        GetDataController()->GetStorage().GetValueDefs().Add(valueType_, internal_, this, textStored_);
}

void TcxCustomDataField::FreeValueDefinition() {
    if (referenceField_) return;
    TcxValueDef* def = valueDef_;
    valueDef_ = nullptr;
    delete def;
}

void TcxCustomDataField::TakeOverData(TcxCustomDataField* source) {
    referenceField_ = nullptr;
    FreeValueDefinition();
    valueDef_ = source->valueDef_;
    valueType_ = source->valueType_;
    textStored_ = source->textStored_;
    source->valueDef_ = nullptr;
    source->valueType_ = nullptr;
    if (valueDef_) valueDef_->SetLink(this);
}

void TcxCustomDataField::ReferTo(TcxCustomDataField* field) {
    if (referenceField_ == field) return;
    TcxCustomDataField* end = field;
    while (end && end->referenceField_)
        end = end->referenceField_;
    if (end == this) return;
    if (!referenceField_) {
        FreeValueDefinition();
        valueType_ = nullptr;
    }
    referenceField_ = end;
}

void TcxCustomDataField::MarkInternal(bool value) {
    if (internal_ == value) return;
    internal_ = value;
    if (fieldList_) fieldList_->RecountInternal();
}

int TcxCustomDataField::GetIndex() const {
    return fieldList_ ? fieldList_->IndexOf(this) : -1;
}

void TcxCustomDataField::SetIndex(int index) {
    if (!fieldList_) return;
    const int externalCount = fieldList_->GetExternalCount();
    const int first = internal_ ? externalCount : 0;
    const int last = internal_ ? fieldList_->GetCount() - 1 : externalCount - 1;
    index = std::clamp(index, first, last);
    int current = GetIndex();
    if (index != current) fieldList_->Move(current, index);
}

TcxCustomDataController* TcxCustomDataField::GetDataController() const {
    return fieldList_->GetDataController();
}

TcxDataControllerNotifier& TcxCustomDataField::GetNotifier() const {
    return GetDataController()->GetNotifier();
}

void TcxCustomDataField::NotifyStructureChanged() {
    if (!fieldList_) return;
    TcxCustomDataProvider& provider = GetDataController()->GetProvider();
    if (!provider.IsNotificationsLocked()) provider.LayoutChanged(1);
}

// ---- list ----

void TcxCustomDataFieldList::Add(TcxCustomDataField* field) {
    field->fieldList_ = this;
    if (field->IsInternal())
        items_.push_back(field);
    else
        items_.insert(items_.begin() + (GetCount() - internalCount_), field);
    RecountInternal();
}

void TcxCustomDataFieldList::Remove(TcxCustomDataField* field) {
    auto it = std::find(items_.begin(), items_.end(), field);
    if (it == items_.end()) return;
    FieldDestroyed = true;
    ReassignReferences(field);
    items_.erase(std::find(items_.begin(), items_.end(), field));
    field->fieldList_ = nullptr;
    dataController_->RemoveFieldReferences(field);
    RecountInternal();
}

void TcxCustomDataFieldList::ReassignReferences(TcxCustomDataField* field) {
    TcxCustomDataField* first = nullptr;
    for (TcxCustomDataField* other : items_) {
        if (other->referenceField_ != field) continue;
        if (!first) {
            first = other;
            other->TakeOverData(field);
        } else {
            other->referenceField_ = first;
        }
    }
}

void TcxCustomDataFieldList::Clear() {
    while (!items_.empty())
        delete items_.back();
}

void TcxCustomDataFieldList::NotifyComponentRemoved(TComponent* component) {
    for (int i = 0; i < GetCount(); ++i)
        items_[static_cast<size_t>(i)]->ComponentRemoved(component);
}

TcxCustomDataField* TcxCustomDataFieldList::FindByItem(TObject* item) const {
    for (TcxCustomDataField* field : items_)
        if (field->GetItem() == item) return field;
    return nullptr;
}

int TcxCustomDataFieldList::IndexOf(const TcxCustomDataField* field) const {
    auto it = std::find(items_.begin(), items_.end(), field);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TcxCustomDataFieldList::Move(int from, int to) {
    TcxCustomDataField* field = items_.at(static_cast<size_t>(from));
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, field);
}

void TcxCustomDataFieldList::RecountInternal() {
    internalCount_ = static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](auto* f) { return f->IsInternal(); }));
}

} // namespace zorvy
