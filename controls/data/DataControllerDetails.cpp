// Master-detail: the roles of a controller (plain, pattern, clone), attaching to a relation, the
// detail state of each master record (active relation, expanded flag, link objects and whether
// the detail has children), creating clones on demand and keeping them bound to their master
// records when records come and go.
#include "controls/data/DataController.h"

#include "controls/data/DataResources.h"

namespace zorvy {

namespace {

// Sets a flag for one scope and puts back what it held.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

} // namespace

// ---- roles ----

TcxCustomDataController::TcxDataDetailMode TcxCustomDataController::GetDetailMode() const {
    if (!masterRelation_) return isPattern_ ? dcdmPattern : dcdmNone;
    return masterRecordIndex_ == -1 ? dcdmPattern : dcdmClone;
}

TcxCustomDataController* TcxCustomDataController::GetMasterDataController() const {
    return masterRelation_ ? masterRelation_->GetDataController() : nullptr;
}

TcxCustomDataController* TcxCustomDataController::GetRootDataController() {
    TcxCustomDataController* controller = this;
    while (TcxCustomDataController* master = controller->GetMasterDataController())
        controller = master;
    return controller;
}

TcxCustomDataController* TcxCustomDataController::GetPatternDataController() {
    if (!masterRelation_) return this;
    // The items of the relations from this level up to the root, then down the patterns.
    std::vector<TObject*> items;
    TcxCustomDataController* controller = this;
    for (; controller->masterRelation_; controller = controller->GetMasterDataController())
        items.push_back(controller->masterRelation_->GetItem());
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        TcxCustomDataRelation* relation = controller->HasRelations() ? controller->GetRelations().FindByItem(*it)
                                                                      : nullptr;
        if (!relation || !relation->DetailDataController) return nullptr;
        controller = relation->DetailDataController;
    }
    return controller;
}

void TcxCustomDataController::SetRelationPattern(TcxCustomDataRelation* relation, bool isPattern) {
    BeginUpdate();
    try {
        SetMasterRelation(relation, -1);
        SetIsPattern(isPattern);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TcxCustomDataController::SetMasterRelation(TcxCustomDataRelation* relation, int masterRecordIndex) {
    if (!relation && !masterRelation_ && masterRecordIndex == -1 && masterRecordIndex_ == -1) return;
    LockUpdate();
    try {
        if (masterRelation_) {
            if (masterRelation_->DetailDataController == this && masterRecordIndex == -1)
                masterRelation_->DetailDataController = nullptr;
            else
                SetCustomDataSource(nullptr);
            TcxCustomDataController* master = GetMasterDataController();
            if (master->creatingDataController_ == this) master->creatingDataController_ = nullptr;
            if (relations_) relations_->Changed(nullptr);
        }
        masterRelation_ = relation;
        masterRecordIndex_ = relation ? masterRecordIndex : -1;
        if (relation && masterRecordIndex == -1) {
            relation->DetailDataController = this;
            relation->Changed();
        } else if (relation) {
            // A clone reads what its pattern reads.
            if (TcxCustomDataController* pattern = GetPatternDataController())
                if (pattern != this) SetCustomDataSource(pattern->GetProvider().GetCustomDataSource());
            relation->GetDataController()->creatingDataController_ = this;
        }
        LayoutChanged(lcData);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::SetIsPattern(bool value) {
    const bool wasPattern = IsPattern();
    isPattern_ = value;
    if (IsPattern() != wasPattern && !IsDestroying()) RestructData();
}

TcxCustomDataRelation* TcxCustomDataController::CreateRelation(TcxCustomDataRelationList* list, TObject* item) {
    return new TcxCustomDataRelation(list, item);
}

void TcxCustomDataController::DetailDataChanged(TcxCustomDataRelation*) {
    if (destroying_) return;
    if (IsPattern() && masterRelation_)
        GetRootDataController()->RefreshRelationDetails(masterRelation_->GetItem());
    else
        Change(dccData);
}

void TcxCustomDataController::AfterDataChanged() {
    if (GetDetailMode() == dcdmClone) Change(dccMasterSync);
    AfterReload();
}

// ---- the detail state of master records ----

int TcxCustomDataController::GetActiveRelationIndex(int recordIndex) {
    if (!relations_) {
        CheckRecordIndex(recordIndex);
        return -1;
    }
    TcxDetailObject* detail = relations_->GetDetailObject(recordIndex);
    return detail ? detail->ActiveRelationIndex : -1;
}

void TcxCustomDataController::ChangeActiveRelationIndex(int recordIndex, int relationIndex) {
    if (GetActiveRelationIndex(recordIndex) == relationIndex) return;
    CheckBrowseMode();
    TcxDetailObject* detail = relations_ ? relations_->GetDetailObject(recordIndex) : nullptr;
    if (!detail) return;
    detail->ActiveRelationIndex = relationIndex;
    Change(dccDetails);
}

bool TcxCustomDataController::GetDetailExpanding(int recordIndex) const {
    if (!relations_) {
        CheckRecordIndex(recordIndex);
        return false;
    }
    TcxDetailObject* detail = relations_->GetStoredDetailObject(recordIndex);
    return detail && detail->Expanded;
}

bool TcxCustomDataController::CanChangeDetailExpanding(int recordIndex, bool expanded) {
    bool allow = true;
    if (expanded)
        DoDetailExpanding(recordIndex, allow);
    else
        DoDetailCollapsing(recordIndex, allow);
    return allow;
}

bool TcxCustomDataController::ChangeDetailExpanding(int recordIndex, bool expanded) {
    if (GetDetailExpanding(recordIndex) == expanded) return true;
    FlagScope expanding(detailExpanding_);
    CheckBrowseMode();
    // Posting may have changed the records.
    if (recordIndex < 0 || recordIndex >= GetRecordCount()) return false;
    TcxDetailObject* detail = relations_ ? relations_->GetDetailObject(recordIndex) : nullptr;
    if (!detail || !CanChangeDetailExpanding(recordIndex, expanded)) return false;
    detail = relations_->GetStoredDetailObject(recordIndex); // a handler may have replaced it
    if (!detail) return false;
    detail->Expanded = expanded;
    TcxCustomDataController* master = GetMasterDataController();
    if (!master || !master->IsUpdating()) Change(dccDetails);
    if (expanded)
        DoDetailExpanded(recordIndex);
    else
        DoDetailCollapsed(recordIndex);
    return true;
}

bool TcxCustomDataController::IsDetailDataControllerExist(int recordIndex, int relationIndex) const {
    if (!relations_) {
        CheckRecordIndex(recordIndex);
        return false;
    }
    return relations_->HasDetailLinks(recordIndex, relationIndex);
}

TcxCustomDataController* TcxCustomDataController::FindDetailDataController(int recordIndex, int relationIndex) {
    if (!relations_) return nullptr;
    TcxDetailObject* detail = relations_->GetStoredDetailObject(recordIndex);
    TObject* link = detail ? detail->GetLinkObject(relationIndex) : nullptr;
    return link ? GetDetailDataControllerByLinkObject(link) : nullptr;
}

TObject* TcxCustomDataController::GetDetailLinkObject(int recordIndex, int relationIndex) {
    TcxDetailObject* detail = GetRelations().GetDetailObject(recordIndex);
    if (!detail) return nullptr;
    if (TObject* link = detail->GetLinkObject(relationIndex)) return link;
    TObject* result = nullptr;
    if (!creatingLinkObject_ && relationIndex >= 0 && relationIndex < relations_->GetCount()) {
        TcxCustomDataController* pattern = GetPatternDataController();
        FlagScope creating(creatingLinkObject_);
        std::unique_ptr<FlagScope> patternCreating;
        if (pattern && pattern != this) patternCreating = std::make_unique<FlagScope>(pattern->creatingLinkObject_);
        std::unique_ptr<TObject> link;
        try {
            link = CreateDetailLinkObject(relations_->GetItem(relationIndex), recordIndex);
        } catch (...) {
            creatingDataController_ = nullptr;
            throw;
        }
        creatingDataController_ = nullptr;
        // Handlers may have changed the records meanwhile: a link whose record went is dropped.
        if (link && recordIndex >= 0 && recordIndex < GetRecordCount() &&
            relations_->GetStoredDetailObject(recordIndex) == detail) {
            result = link.get();
            detail->SetLinkObject(relationIndex, std::move(link));
        }
    }
    // Once more, unless the record itself went while its link was being made.
    if (!result && !recreatingLinkObject_ && recordIndex < GetRecordCount()) {
        FlagScope retry(recreatingLinkObject_);
        result = GetDetailLinkObject(recordIndex, relationIndex);
    }
    return result;
}

TcxCustomDataController* TcxCustomDataController::GetDetailDataController(int recordIndex, int relationIndex) {
    TObject* link = GetDetailLinkObject(recordIndex, relationIndex);
    return link ? GetDetailDataControllerByLinkObject(link) : nullptr;
}

bool TcxCustomDataController::GetDetailHasChildren(int recordIndex, int relationIndex) {
    if (TcxCustomDataController* detail = FindDetailDataController(recordIndex, relationIndex))
        return detail->GetRecordCount() > 0;
    if (!IsProviderMode() && !provider_->IsActive()) {
        CheckRecordIndex(recordIndex);
        return false;
    }
    TcxDetailObject* detail = GetRelations().GetDetailObject(recordIndex);
    if (!detail) return true;
    TcxDetailInfoObject* info = detail->GetInfoObject(relationIndex);
    if (!info) {
        detail->SetInfoObject(relationIndex, std::make_unique<TcxDetailInfoObject>());
        info = detail->GetInfoObject(relationIndex);
    }
    if (!info->HasChildrenAssigned) {
        info->HasChildren = provider_->HasDetailRecords(recordIndex, relationIndex);
        info->HasChildrenAssigned = true;
    }
    return info->HasChildren;
}

void TcxCustomDataController::ClearDetailLinkObject(int recordIndex, int relationIndex) {
    if (!relations_) {
        CheckRecordIndex(recordIndex);
        return;
    }
    TcxDetailObject* detail = relations_->GetStoredDetailObject(recordIndex);
    if (!detail) return;
    if (relationIndex < 0)
        detail->ClearInfoObjects();
    else
        detail->FreeInfoObject(relationIndex);
    Change(dccDetails);
}

void TcxCustomDataController::ClearDetails() {
    if (!relations_) return;
    LockUpdate();
    try {
        for (int r = 0; r < GetRecordCount(); ++r)
            ClearDetailLinkObject(r, -1);
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

void TcxCustomDataController::CollapseDetails() {
    CheckBrowseMode();
    if (!relations_) return;
    LockUpdate();
    try {
        for (int r = 0; r < GetRecordCount(); ++r) {
            TcxDetailObject* detail = relations_->GetStoredDetailObject(r);
            if (!detail) continue;
            detail->ClearInfoObjects();
            detail->Expanded = false;
            Change(dccDetails);
        }
    } catch (...) {
        UnlockUpdate();
        throw;
    }
    UnlockUpdate();
}

bool TcxCustomDataController::CheckDetailsBrowseMode() {
    if (!relations_) return true;
    for (int r = 0; r < GetRecordCount(); ++r)
        for (int i = 0; i < relations_->GetCount(); ++i)
            if (TcxCustomDataController* detail = FindDetailDataController(r, i)) detail->CheckBrowseMode();
    return true;
}

void TcxCustomDataController::CheckDetailsHasChildren() {
    if (!relations_ || !relations_->GetDetailObjectField()) return;
    bool changed = false;
    for (int r = 0; r < GetRecordCount(); ++r)
        if (TcxDetailObject* detail = relations_->GetStoredDetailObject(r))
            changed = detail->ClearAssignedFlags() || changed;
    if (changed) Change(dccLayout);
}

void TcxCustomDataController::CheckMasterDetails() {
    TcxCustomDataController* master = GetMasterDataController();
    if (!master || (!IsProviderMode() && !provider_->IsActive())) return;
    if (provider_->IsEditing()) return;
    master->CheckDetailsHasChildren();
}

void TcxCustomDataController::RefreshRelationDetails(TObject* item) {
    if (!relations_) return;
    if (relations_->FindByItem(item)) {
        ClearDetails();
        return;
    }
    for (int r = 0; r < GetRecordCount(); ++r)
        for (int i = 0; i < relations_->GetCount(); ++i)
            if (TcxCustomDataController* detail = FindDetailDataController(r, i))
                detail->RefreshRelationDetails(item);
}

void TcxCustomDataController::ForEachDetailController(TcxCustomDataRelation* relation,
                                                      const std::function<void(TcxCustomDataController*)>& proc) {
    if (!relation) return;
    // The relation indexes on the way from the root down to the relation's level.
    std::vector<int> path;
    TcxCustomDataController* root = nullptr;
    for (TcxCustomDataRelation* r = relation; r; r = root->GetMasterRelation()) {
        path.insert(path.begin(), r->GetIndex());
        root = r->GetDataController();
    }
    std::function<void(TcxCustomDataController*, size_t)> walk = [&](TcxCustomDataController* controller,
                                                                      size_t level) {
        for (int r = 0; r < controller->GetRecordCount(); ++r) {
            TcxCustomDataController* detail = controller->FindDetailDataController(r, path[level]);
            // A clone that is being attached has no link yet but already belongs to its record.
            TcxCustomDataController* creating = controller->creatingDataController_;
            if (!detail && creating && creating->masterRecordIndex_ == r) detail = creating;
            if (!detail) continue;
            if (level + 1 == path.size())
                proc(detail);
            else
                walk(detail, level + 1);
        }
    };
    walk(root, 0);
}

void TcxCustomDataController::ReleaseRelationDetails(TcxCustomDataRelation* relation) {
    std::vector<TcxCustomDataController*> clones;
    ForEachDetailController(relation, [&](TcxCustomDataController* clone) { clones.push_back(clone); });
    for (TcxCustomDataController* clone : clones)
        clone->SetMasterRelation(nullptr, -1);
}

// ---- keeping clones bound to their master records ----

void TcxCustomDataController::RecordInserted(int recordIndex) {
    info_->RecordInserted(recordIndex);
    if (!relations_) return;
    for (int r = recordIndex + 1; r < GetRecordCount(); ++r)
        for (int i = 0; i < relations_->GetCount(); ++i)
            if (TcxCustomDataController* detail = FindDetailDataController(r, i)) ++detail->masterRecordIndex_;
}

void TcxCustomDataController::RecordDeleted(int recordIndex) {
    if (recordIndex < 0) return;
    EditingRecordDeleting(recordIndex);
    info_->RecordDeleted(recordIndex);
    if (!relations_) return;
    for (int r = recordIndex; r < GetRecordCount(); ++r)
        for (int i = 0; i < relations_->GetCount(); ++i)
            if (TcxCustomDataController* detail = FindDetailDataController(r, i)) --detail->masterRecordIndex_;
}

void TcxCustomDataController::EditingRecordDeleting(int recordIndex) {
    if (!provider_->IsEditing()) return;
    const int editing = provider_->GetEditingRecordIndex();
    if (recordIndex >= 0 && recordIndex <= editing)
        provider_->ResetEditing();
    else if (editing >= GetRecordCount())
        provider_->ResetEditing();
}

void TcxCustomDataController::SyncDetailFocus(int recordIndex) {
    if (!relations_ || recordIndex < 0 || recordIndex >= GetRecordCount()) return;
    FlagScope focusing(inFocusDetails_);
    for (int i = 0; i < relations_->GetCount(); ++i) {
        TcxCustomDataController* detail = FindDetailDataController(recordIndex, i);
        if (detail && GetActiveRelationIndex(recordIndex) == i) detail->CheckFocusedRow();
    }
}

} // namespace zorvy
