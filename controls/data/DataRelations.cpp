#include "controls/data/DataRelations.h"

#include "controls/data/DataController.h"

#include <algorithm>

namespace zorvy {

// ---- detail object ----

void TcxDetailObject::FreeInfoObject(int relationIndex) {
    if (relationIndex >= 0 && relationIndex < GetLinkObjectCount())
        infos_[static_cast<size_t>(relationIndex)].reset();
}

TcxDetailInfoObject* TcxDetailObject::GetInfoObject(int index) const {
    if (index < 0 || index >= GetLinkObjectCount()) return nullptr;
    return infos_[static_cast<size_t>(index)].get();
}

void TcxDetailObject::SetInfoObject(int index, std::unique_ptr<TcxDetailInfoObject> info) {
    if (index >= GetLinkObjectCount()) infos_.resize(static_cast<size_t>(index) + 1);
    infos_[static_cast<size_t>(index)] = std::move(info);
}

TObject* TcxDetailObject::GetLinkObject(int index) const {
    TcxDetailInfoObject* info = GetInfoObject(index);
    return info ? info->LinkObject.get() : nullptr;
}

void TcxDetailObject::SetLinkObject(int index, std::unique_ptr<TObject> linkObject) {
    if (!GetInfoObject(index)) SetInfoObject(index, std::make_unique<TcxDetailInfoObject>());
    infos_[static_cast<size_t>(index)]->LinkObject = std::move(linkObject);
}

bool TcxDetailObject::IsEmpty() const {
    return std::none_of(infos_.begin(), infos_.end(),
                        [](const auto& info) { return info && info->LinkObject; });
}

bool TcxDetailObject::ClearAssignedFlags() {
    bool any = false;
    for (auto& info : infos_)
        if (info && info->HasChildrenAssigned) {
            info->HasChildrenAssigned = false;
            any = true;
        }
    return any;
}

void TcxDetailObject::CheckRelations(const TcxCustomDataRelationList& relations) {
    if (GetLinkObjectCount() < relations.GetCount()) infos_.resize(static_cast<size_t>(relations.GetCount()));
    if (relations.GetCount() == 0) {
        ActiveRelationIndex = -1;
        return;
    }
    ActiveRelationIndex = std::clamp(ActiveRelationIndex, 0, relations.GetCount() - 1);
    if (!relations.GetItem(ActiveRelationIndex)->DetailDataController)
        for (int i = 0; i < relations.GetCount(); ++i)
            if (relations.GetItem(i)->DetailDataController) {
                ActiveRelationIndex = i;
                break;
            }
}

// ---- relation ----

TcxCustomDataRelation::TcxCustomDataRelation(TcxCustomDataRelationList* relationList, TObject* item)
    : relationList_(relationList), item_(item) {
    relationList_->items_.push_back(this);
}

TcxCustomDataRelation::~TcxCustomDataRelation() {
    TcxCustomDataController* master = relationList_->GetDataController();
    master->ReleaseRelationDetails(this);
    if (TcxCustomDataController* detail = DetailDataController) {
        detail->BeginUpdate();
        detail->SetMasterRelation(nullptr, -1);
        detail->EndUpdate();
    }
    DetailDataController = nullptr;
    auto& items = relationList_->items_;
    items.erase(std::find(items.begin(), items.end(), this));
    relationList_->Changed(this);
}

int TcxCustomDataRelation::GetIndex() const {
    auto& items = relationList_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

TcxCustomDataController* TcxCustomDataRelation::GetDataController() const {
    return relationList_->GetDataController();
}

void TcxCustomDataRelation::Changed() {
    relationList_->Changed(this);
}

// ---- relation list ----

TcxCustomDataRelationList::~TcxCustomDataRelationList() {
    ++lockCount_; // the controller is going: nothing to rebuild
    while (!items_.empty())
        delete items_.back();
}

TcxCustomDataRelation* TcxCustomDataRelationList::Add(TObject* item) {
    TcxCustomDataRelation* relation = dataController_->CreateRelation(this, item);
    Changed(relation);
    return relation;
}

void TcxCustomDataRelationList::Assign(const TcxCustomDataRelationList& other) {
    BeginUpdate();
    Clear();
    for (TcxCustomDataRelation* source : other.items_)
        Add(source->GetItem())->Assign(source);
    EndUpdate();
}

void TcxCustomDataRelationList::Clear() {
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

void TcxCustomDataRelationList::Move(int from, int to) {
    TcxCustomDataRelation* relation = items_.at(static_cast<size_t>(from));
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + std::clamp(to, 0, GetCount()), relation);
    Changed(relation);
}

TcxCustomDataRelation* TcxCustomDataRelationList::FindByItem(TObject* item) const {
    for (TcxCustomDataRelation* relation : items_)
        if (relation->GetItem() == item) return relation;
    return nullptr;
}

void TcxCustomDataRelationList::EndUpdate() {
    if (--lockCount_ == 0) Changed(nullptr);
}

void TcxCustomDataRelationList::DropDataField(TcxCustomDataField* field) {
    if (field == detailObjectField_) detailObjectField_ = nullptr;
    for (TcxCustomDataRelation* relation : items_)
        relation->DropDataField(field);
}

void TcxCustomDataRelationList::Changed(TcxCustomDataRelation* relation) {
    if (lockCount_ > 0) return;
    dataController_->BeginUpdate();
    if (items_.empty()) {
        TcxCustomDataField* field = detailObjectField_;
        detailObjectField_ = nullptr;
        delete field;
    } else if (detailObjectField_) {
        for (int r = 0; r < dataController_->GetRecordCount(); ++r)
            ClearDetailObject(r, -1);
    } else {
        detailObjectField_ = dataController_->AddInternalField();
        detailObjectField_->ChangeValueType(&cxObjectValueType);
    }
    dataController_->DetailDataChanged(relation);
    dataController_->EndUpdate();
}

// The relations of the pattern that describes this controller's level: a clone's own relations
// never hold detail controllers.
const TcxCustomDataRelationList* TcxCustomDataRelationList::GetPatternRelations() const {
    TcxCustomDataController* pattern = dataController_->GetPatternDataController();
    return pattern && pattern->HasRelations() ? &pattern->GetRelations() : nullptr;
}

bool TcxCustomDataRelationList::AnyDetailController() const {
    const TcxCustomDataRelationList* relations = GetPatternRelations();
    return relations && std::any_of(relations->items_.begin(), relations->items_.end(),
                                    [](auto* r) { return r->DetailDataController != nullptr; });
}

TcxDetailObject* TcxCustomDataRelationList::GetStoredDetailObject(int recordIndex) const {
    dataController_->CheckRecordIndex(recordIndex);
    if (!detailObjectField_) return nullptr;
    Variant cell = dataController_->GetFieldValue(recordIndex, detailObjectField_);
    if (cell.IsNull()) return nullptr;
    return reinterpret_cast<TcxDetailObject*>(static_cast<intptr_t>(cell.AsInt64()));
}

TcxDetailObject* TcxCustomDataRelationList::GetDetailObject(int recordIndex) {
    TcxDetailObject* detail = GetStoredDetailObject(recordIndex);
    if (!detailObjectField_) return nullptr;
    TcxValueDef* def = detailObjectField_->ValueDefinition();
    if (AnyDetailController()) {
        if (!detail) {
            detail = new TcxDetailObject();
            detail->ActiveRelationIndex = dataController_->GetDefaultActiveRelationIndex();
            dataController_->GetStorage().SetValue(recordIndex, def,
                                                   Variant::FromInt64(reinterpret_cast<intptr_t>(detail)));
        }
        detail->CheckRelations(*GetPatternRelations());
        return detail;
    }
    // No detail level can show anything: the record's detail object goes (its cell owns it).
    if (detail) dataController_->GetStorage().SetValue(recordIndex, def, Variant::Null());
    return nullptr;
}

bool TcxCustomDataRelationList::ClearDetailObject(int recordIndex, int relationIndex) {
    TcxDetailObject* detail = GetStoredDetailObject(recordIndex);
    if (!detail) return false;
    if (relationIndex < 0) {
        dataController_->GetStorage().SetValue(recordIndex, detailObjectField_->ValueDefinition(),
                                               Variant::Null());
        return true;
    }
    if (!detail->GetInfoObject(relationIndex)) return false;
    detail->FreeInfoObject(relationIndex);
    return true;
}

bool TcxCustomDataRelationList::HasDetailLinks(int recordIndex, int relationIndex) const {
    TcxDetailObject* detail = GetStoredDetailObject(recordIndex);
    if (!detail) return false;
    if (relationIndex < 0) return !detail->IsEmpty();
    return detail->GetLinkObject(relationIndex) != nullptr;
}

} // namespace zorvy
