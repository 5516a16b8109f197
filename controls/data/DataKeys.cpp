#include "controls/data/DataKeys.h"

#include "controls/data/DataController.h"
#include "controls/data/Variants.h"

#include <algorithm>

namespace zorvy {

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
        detail->Expanded = true;
        detail->ActiveRelationIndex =
            static_cast<TcxDetailKeyInfo*>(infos_[static_cast<size_t>(index)].get())->ActiveRelationIndex;
    }
}

void TcxSaveObject::Save(TcxCustomDataController* controller) {
    if (controller->IsDestroying() || !controller->HasRecordKeys()) return;
    detailKeys_.Save(controller);
    selectedKeys_.Save(controller);
}

void TcxSaveObject::Restore(TcxCustomDataController* controller) {
    if (controller->HasRecordKeys()) {
        detailKeys_.RestoreInto(controller);
        selectedKeys_.RestoreInto(controller);
    } else {
        controller->GetDataControllerInfo().DropSelectionBeyondCount();
    }
}

} // namespace zorvy
