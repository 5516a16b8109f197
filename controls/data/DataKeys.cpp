#include "controls/data/DataKeys.h"

#include "controls/data/DataController.h"
#include "controls/data/Variants.h"

#include <algorithm>

namespace zorvy {

TcxDetailKeyInfo::TcxDetailKeyInfo() : SaveObject(std::make_unique<TcxSaveObject>()) {}
TcxDetailKeyInfo::~TcxDetailKeyInfo() = default;

// A nested save object only goes into a detail controller of the master's own kind.
static TcxCustomDataController* ExistingDetailOfSameKind(TcxCustomDataController* master, int recordIndex,
                                                         int relationIndex) {
    if (relationIndex < 0 || !master->IsDetailDataControllerExist(recordIndex, relationIndex)) return nullptr;
    TcxCustomDataController* detail = master->GetDetailDataController(recordIndex, relationIndex);
    return detail && detail->InheritsFrom(master->ClassType()) ? detail : nullptr;
}

void TcxKeys::Save(TcxCustomDataController* controller) {
    Clear();
    controller_ = controller;
    keyFields_ = controller->GetKeyFields();
    CollectKeys();
    std::stable_sort(infos_.begin(), infos_.end(),
                     [](const auto& a, const auto& b) { return CompareVariants(a->Key, b->Key) < 0; });
}

void TcxKeys::RestoreInto(TcxCustomDataController* controller) {
    controller_ = controller;
    keyFields_ = controller->GetKeyFields();
    if (!infos_.empty()) ApplyKeys();
    Clear();
}

Variant TcxKeys::KeyOf(int recordIndex) const {
    return controller_->GetFieldListValues(recordIndex, keyFields_);
}

bool TcxKeys::FindKey(int recordIndex, int& index) const {
    Variant key = KeyOf(recordIndex);
    for (size_t i = 0; i < infos_.size(); ++i)
        if (VariantsEqual(infos_[i]->Key, key)) {
            index = static_cast<int>(i);
            return true;
        }
    return false;
}

void TcxSelectedKeys::CollectKeys() {
    TcxCustomDataControllerInfo& info = controller_->GetDataControllerInfo();
    const TcxDataSelection& selection = info.GetSelection();
    for (int i = 0; i < selection.GetCount(); ++i) {
        const TcxDataSelectionItem& item = selection.GetItem(i);
        if (item.Level < 0 || item.RecordIndex >= controller_->GetRecordCount()) continue;
        auto key = std::make_unique<TcxSelectedKeyInfo>();
        key->SelectionIndex = i;
        key->Key = KeyOf(item.RecordIndex);
        infos_.push_back(std::move(key));
    }
    info.CaptureStates(); // expanded groups too, before the records go
}

void TcxSelectedKeys::ApplyKeys() {
    TcxCustomDataControllerInfo& info = controller_->GetDataControllerInfo();
    TcxDataSelection& selection = info.GetSelection();
    if (selection.GetCount() == 0) return;
    for (int r = 0; r < controller_->GetRecordCount() && !infos_.empty(); ++r) {
        int index;
        if (!FindKey(r, index)) continue;
        auto* key = static_cast<TcxSelectedKeyInfo*>(infos_[static_cast<size_t>(index)].get());
        if (key->SelectionIndex < selection.GetCount()) selection.Item(key->SelectionIndex).RecordIndex = r;
        infos_.erase(infos_.begin() + index);
    }
    for (const auto& left : infos_) {
        auto* key = static_cast<TcxSelectedKeyInfo*>(left.get());
        if (key->SelectionIndex < selection.GetCount()) selection.Item(key->SelectionIndex).RecordIndex = -1;
    }
    for (int i = selection.GetCount() - 1; i >= 0; --i)
        if (selection.GetItem(i).Level >= 0 && selection.GetItem(i).RecordIndex < 0) selection.Delete(i);
    info.ExpandingChanged();
}

void TcxDetailKeys::CollectKeys() {
    if (!controller_->HasRelations()) return;
    TcxCustomDataRelationList& relations = controller_->GetRelations();
    for (int r = 0; r < controller_->GetRecordCount(); ++r) {
        TcxDetailObject* detail = relations.GetStoredDetailObject(r);
        if (!detail || !detail->Expanded) continue;
        auto key = std::make_unique<TcxDetailKeyInfo>();
        key->Key = KeyOf(r);
        key->ActiveRelationIndex = detail->ActiveRelationIndex;
        if (TcxCustomDataController* nested = ExistingDetailOfSameKind(controller_, r, key->ActiveRelationIndex))
            key->SaveObject->Save(nested);
        infos_.push_back(std::move(key));
    }
}

void TcxDetailKeys::ApplyKeys() {
    if (!controller_->HasRelations()) return;
    TcxCustomDataRelationList& relations = controller_->GetRelations();
    for (int r = 0; r < controller_->GetRecordCount(); ++r) {
        int index;
        if (!FindKey(r, index)) continue;
        TcxDetailObject* detail = relations.GetDetailObject(r);
        if (!detail) continue;
        auto* key = static_cast<TcxDetailKeyInfo*>(infos_[static_cast<size_t>(index)].get());
        detail->Expanded = true;
        detail->ActiveRelationIndex = key->ActiveRelationIndex;
        if (TcxCustomDataController* nested = ExistingDetailOfSameKind(controller_, r, key->ActiveRelationIndex))
            key->SaveObject->Restore(nested);
    }
}

void TcxSaveObject::Save(TcxCustomDataController* controller) {
    if (controller->IsCreatingLinkObject() || controller->IsDestroying() || !controller->HasRecordKeys()) return;
    detailKeys_.Save(controller);
    selectedKeys_.Save(controller);
}

// Inside one update of the controller, so that rows moved by the keys are recomputed also for a
// detail controller, which nothing else updates.
void TcxSaveObject::Restore(TcxCustomDataController* controller) {
    if (controller->IsCreatingLinkObject()) return;
    controller->BeginUpdate();
    try {
        if (controller->HasRecordKeys()) {
            detailKeys_.RestoreInto(controller);
            selectedKeys_.RestoreInto(controller);
        } else {
            controller->GetDataControllerInfo().DropSelectionBeyondCount();
            controller->CheckBookmark(-1);
        }
    } catch (...) {
        controller->EndUpdate();
        throw;
    }
    controller->EndUpdate();
}

} // namespace zorvy
