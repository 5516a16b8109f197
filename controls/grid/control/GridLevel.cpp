// Levels: the tree and its visible children, the data relations of detail levels, the view a level
// carries, the active level, and the clones made for master records.
#include "controls/grid/control/GridLevel.h"

#include "controls/data/DataController.h"
#include "controls/data/DataRelations.h"
#include "controls/foundation/painters/Painter.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"

#include <algorithm>

namespace zorvy {

// ---- options ----

TPersistent* TcxGridLevelOptions::GetOwner() const {
    return level_;
}

void TcxGridLevelOptions::Assign(TPersistent* source) {
    auto* options = dynamic_cast<TcxGridLevelOptions*>(source);
    if (!options) {
        TPersistent::Assign(source);
        return;
    }
    SetDetailFrameColor(options->detailFrameColor_);
    SetDetailFrameWidth(options->detailFrameWidth_);
    SetDetailTabsPosition(options->detailTabsPosition_);
    SetTabsForEmptyDetails(options->tabsForEmptyDetails_);
}

void TcxGridLevelOptions::SetDetailFrameColor(TColor value) {
    if (detailFrameColor_ == value) return;
    detailFrameColor_ = value;
    level_->Changed(false);
}

TColor TcxGridLevelOptions::GetEffectiveDetailFrameColor() const {
    if (detailFrameColor_ != clDefault) return detailFrameColor_;
    TcxCustomGrid* grid = level_->GetControl();
    return grid ? grid->GetLookAndFeelPainter()->DefaultDetailFrameColor() : clBtnText;
}

void TcxGridLevelOptions::SetDetailFrameWidth(int value) {
    if (value < 0) value = 0;
    if (detailFrameWidth_ == value) return;
    detailFrameWidth_ = value;
    level_->Changed(true);
}

void TcxGridLevelOptions::SetDetailTabsPosition(TcxGridDetailTabsPosition value) {
    if (detailTabsPosition_ == value) return;
    detailTabsPosition_ = value;
    level_->Changed(true);
}

void TcxGridLevelOptions::SetTabsForEmptyDetails(bool value) {
    if (tabsForEmptyDetails_ == value) return;
    tabsForEmptyDetails_ = value;
    level_->Changed(true);
}

// ---- styles ----

TcxGridLevelStyles::TcxGridLevelStyles(TcxGridLevel* level) : TcxStyles(level) {}

TcxGridLevel* TcxGridLevelStyles::GetLevel() const {
    return dynamic_cast<TcxGridLevel*>(GetOwnerObject());
}

void TcxGridLevelStyles::Assign(TPersistent* source) {
    TcxStyles::Assign(source);
    if (auto* styles = dynamic_cast<TcxGridLevelStyles*>(source)) {
        SetTab(styles->GetTab());
        SetTabsBackground(styles->GetTabsBackground());
        OnGetOwnTabStyle = styles->OnGetOwnTabStyle;
        OnGetTabStyle = styles->OnGetTabStyle;
    }
}

void TcxGridLevelStyles::HandleStyleChange(int index) {
    TcxStyles::HandleStyleChange(index);
    if (TcxGridLevel* level = GetLevel()) level->Changed(true);
}

void TcxGridLevelStyles::GetDefaultViewParams(int index, void* data, TcxPartParams& params) {
    TcxStyles::GetDefaultViewParams(index, data, params);
    TcxGridLevel* level = GetLevel();
    TcxCustomGrid* grid = level ? level->GetControl() : nullptr;
    if (!grid) return;
    params.Font = grid->GetFont();
    const TcxCustomLookAndFeelPainter* painter = grid->GetLookAndFeelPainter();
    if (index == lsTab) {
        params.Color = painter->DefaultTabColor();
        params.TextColor = painter->DefaultTabTextColor();
    } else if (index == lsTabsBackground) {
        params.Color = painter->DefaultTabsBackgroundColor();
    }
}

void TcxGridLevelStyles::DoGetOwnTabStyle(TcxCustomGridRecord* masterRecord, TcxStyle*& style) {
    if (OnGetOwnTabStyle) OnGetOwnTabStyle(GetLevel(), masterRecord, style);
}

void TcxGridLevelStyles::GetTabParams(TcxCustomGridRecord* masterRecord, TcxGridLevel* tabLevel,
                                      TcxPartParams& params) {
    TcxStyle* style = nullptr;
    if (OnGetTabStyle) OnGetTabStyle(GetLevel(), tabLevel, style);
    tabLevel->GetStyles()->DoGetOwnTabStyle(masterRecord, style);
    GetViewParams(lsTab, nullptr, style, params);
}

// ---- construction ----

TcxGridLevel::TcxGridLevel(TComponent* owner) : TcxComponent(owner) {
    CreateOptionsAndStyles();
}

TcxGridRootLevel::TcxGridRootLevel(TComponent* owner) : TcxGridLevel(owner) {
    CreateOptionsAndStyles();
}

void TcxGridLevel::CreateOptionsAndStyles() {
    options_.reset(CreateInstance<TcxGridLevelOptions>(GetOptionsClass(), this));
    styles_.reset(CreateInstance<TcxGridLevelStyles>(GetStylesClass(), this));
}

TcxGridLevel::~TcxGridLevel() {
    PrepareDestruction();
    while (!items_.empty()) delete items_.back();
    SetGridView(nullptr);
    if (parent_) parent_->Remove(this);
    styles_.reset();
    options_.reset();
}

// ---- tree ----

int TcxGridLevel::GetIndex() const {
    if (!parent_) return -1;
    auto it = std::find(parent_->items_.begin(), parent_->items_.end(), this);
    return it == parent_->items_.end() ? -1 : static_cast<int>(it - parent_->items_.begin());
}

int TcxGridLevel::GetVisibleIndex() const {
    if (!parent_) return -1;
    auto it = std::find(parent_->visibleItems_.begin(), parent_->visibleItems_.end(), this);
    return it == parent_->visibleItems_.end() ? -1 : static_cast<int>(it - parent_->visibleItems_.begin());
}

TcxGridLevel* TcxGridLevel::GetFirstVisibleItem() const {
    if (visibleItems_.empty() || (control_ && control_->IsBeingDestroyed())) return nullptr;
    return visibleItems_.front();
}

bool TcxGridLevel::IsRoot() const {
    return control_ && control_->GetRootLevel() == this;
}

bool TcxGridLevel::IsTop() const {
    return parent_ && parent_->IsRoot();
}

bool TcxGridLevel::IsActive() const {
    return control_ && control_->GetActiveLevel() == this;
}

bool TcxGridLevel::IsVisibleInTree() const {
    if (!visible_ || (IsTop() && !IsActive())) return false;
    return !parent_ || parent_->IsVisibleInTree();
}

bool TcxGridLevel::AreParentsVisible() const {
    return visible_ && (!parent_ || parent_->AreParentsVisible());
}

void TcxGridLevel::SetControl(TcxCustomGrid* control) {
    control_ = control;
}

void TcxGridLevel::RebuildVisibleItems() {
    visibleItems_.clear();
    for (TcxGridLevel* item : items_)
        if (item->visible_) visibleItems_.push_back(item);
}

void TcxGridLevel::Add(TcxGridLevel* child) {
    if (control_) control_->BeginUpdate();
    try {
        items_.push_back(child);
        child->control_ = control_;
        child->parent_ = this;
        RebuildVisibleItems();
        CreateRelation(child);
        if (IsRoot() && !control_->GetActiveLevel()) {
            if (TcxGridLevel* first = GetFirstVisibleItem()) control_->SetActiveLevel(first);
        }
        Changed(true);
    } catch (...) {
        if (control_) control_->EndUpdate();
        throw;
    }
    if (control_) control_->EndUpdate();
}

void TcxGridLevel::Remove(TcxGridLevel* child) {
    if (control_) control_->BeginUpdate();
    try {
        items_.erase(std::remove(items_.begin(), items_.end(), child), items_.end());
        visibleItems_.erase(std::remove(visibleItems_.begin(), visibleItems_.end(), child), visibleItems_.end());
        child->parent_ = nullptr;
        FreeRelation(child);
        child->SetActive(false);
        Changed(true);
    } catch (...) {
        if (control_) control_->EndUpdate();
        throw;
    }
    if (control_) control_->EndUpdate();
}

void TcxGridLevel::SetChildIndex(TcxGridLevel* child, int index) {
    auto it = std::find(items_.begin(), items_.end(), child);
    if (it == items_.end()) return;
    index = std::clamp(index, 0, GetCount() - 1);
    items_.erase(it);
    items_.insert(items_.begin() + index, child);
    RebuildVisibleItems();
    if (gridView_ && child->dataRelation_) {
        TcxCustomDataRelationList& relations = gridView_->GetDataController()->GetRelations();
        relations.Move(child->dataRelation_->GetIndex(), std::min(index, relations.GetCount() - 1));
    }
    Changed(true);
}

void TcxGridLevel::SetActive(bool value) {
    if (value == IsActive() || !control_) return;
    if (value) {
        if (IsTop()) control_->SetActiveLevel(this);
    } else {
        control_->SetActiveLevel(nullptr);
    }
}

void TcxGridLevel::VisibleChildrenChanged(TcxGridLevel* child) {
    const int before = GetVisibleCount();
    RebuildVisibleItems();
    if (gridView_) gridView_->DoDataChanged(child, before, GetVisibleCount());
}

// ---- relations ----

void TcxGridLevel::CreateRelation(TcxGridLevel* child) {
    if (!gridView_) return;
    child->dataRelation_ = gridView_->GetDataController()->GetRelations().Add(child);
    if (child->gridView_) child->ApplyRelation(child->visible_, child->gridView_->IsPattern());
}

void TcxGridLevel::FreeRelation(TcxGridLevel* child) {
    delete child->dataRelation_;
    child->dataRelation_ = nullptr;
}

void TcxGridLevel::ApplyRelation(bool active, bool isPattern) {
    if (!gridView_) return;
    if (active)
        gridView_->GetDataController()->SetRelationPattern(dataRelation_, isPattern);
    else
        gridView_->GetDataController()->SetRelationPattern(nullptr, true);
}

// ---- properties ----

void TcxGridLevel::Changed(bool hardChange) {
    if (!control_) return;
    if (hardChange)
        control_->SizeChanged();
    else
        control_->LayoutChanged();
}

void TcxGridLevel::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    Changed(true);
}

void TcxGridLevel::SetImageIndex(int value) {
    if (value < -1) value = -1;
    if (imageIndex_ == value) return;
    imageIndex_ = value;
    Changed(true);
}

void TcxGridLevel::SetMaxDetailHeight(int value) {
    if (value < 0) value = 0;
    if (maxDetailHeight_ == value) return;
    maxDetailHeight_ = value;
    Changed(true);
}

void TcxGridLevel::CheckHeight(int& height) const {
    if (height < 0) height = 0;
    if (maxDetailHeight_ != 0 && height > maxDetailHeight_) height = maxDetailHeight_;
}

std::string TcxGridLevel::GetDisplayCaption() const {
    std::string text;
    for (size_t i = 0; i < caption_.size(); ++i) {
        if (caption_[i] != '&') {
            text += caption_[i];
        } else if (i + 1 < caption_.size() && caption_[i + 1] == '&') {
            text += '&';
            ++i;
        }
    }
    return text;
}

void TcxGridLevel::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    if (visible_ && gridView_) ApplyRelation(true, !IsTop());
    if (parent_) parent_->VisibleChildrenChanged(this);
    if (!visible_)
        SetActive(false);
    else if (control_ && !control_->GetActiveLevel())
        SetActive(true);
    Changed(true);
    if (control_) control_->CheckFocusedView();
    if (!visible_ && gridView_) ApplyRelation(false, !IsTop());
}

void TcxGridLevel::SetGridView(TcxCustomGridView* value) {
    if (value == gridView_) return;
    if (value && value->GetLevel() && value->GetLevel() != this) value->GetLevel()->SetGridView(nullptr);
    TcxCustomGridView* old = gridView_;
    if (old) {
        old->BeginUpdate();
        try {
            for (TcxGridLevel* item : items_) FreeRelation(item);
        } catch (...) {
            old->EndUpdate();
            throw;
        }
        old->EndUpdate();
        old->SetLevel(nullptr);
    }
    gridView_ = value;
    if (gridView_ && control_) gridView_->AssignControl(control_);
    if (parent_) parent_->RebuildVisibleItems();
    auto handOverFocus = [&] {
        if (gridView_) {
            if ((!old && control_ && !control_->GetFocusedView()) || (old && old->IsFocusedView()))
                gridView_->SetFocused(true);
        } else if (old) {
            old->SetFocused(false);
        }
    };
    if (gridView_) {
        gridView_->BeginUpdate();
        try {
            if (old) old->GetDataController()->SetRelationPattern(nullptr, true);
            gridView_->SetLevel(this);
            ApplyRelation(visible_, !IsTop());
            for (TcxGridLevel* item : items_) CreateRelation(item);
            Changed(false);
        } catch (...) {
            gridView_->EndUpdate();
            handOverFocus();
            throw;
        }
        gridView_->EndUpdate();
    }
    handOverFocus();
}

// ---- detail views ----

TcxCustomGridView* TcxGridLevel::CreateDetailView(TcxCustomDataRelation* relation, int masterRecordIndex) {
    TcxCustomGridView* candidate = gridView_;
    if (OnGetGridView) {
        // The master record object belongs to the table views; a plain master view has none.
        TcxCustomGridRecord* masterRecord = nullptr;
        OnGetGridView(this, masterRecord, candidate);
    }
    if (!candidate || !visible_ || !control_) return nullptr;
    TcxCustomGridView* clone = candidate->CreateClone(control_);
    clone->BeginUpdate();
    try {
        clone->AssignPattern(candidate);
        TcxCustomDataController* source =
            gridView_ ? gridView_->GetDataController() : candidate->GetDataController();
        TcxCustomDataRelationList& relations = clone->GetDataController()->GetRelations();
        clone->GetDataController()->BeginUpdate();
        relations.Assign(source->GetRelations());
        clone->GetDataController()->EndUpdate();
        clone->GetDataController()->SetMasterRelation(relation, masterRecordIndex);
        clone->SetLevel(this);
    } catch (...) {
        clone->EndUpdateWithoutSynchronization();
        delete clone;
        throw;
    }
    clone->EndUpdateWithoutSynchronization();
    candidate->AddClone(clone);
    return clone;
}

// ---- component tree ----

void TcxGridLevel::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TcxComponent::GetChildren(proc, root);
    for (TcxGridLevel* item : items_)
        if (item->GetOwner() == root) proc(item);
}

void TcxGridLevel::SetChildOrder(TComponent* child, int order) {
    TcxComponent::SetChildOrder(child, order);
    if (auto* level = dynamic_cast<TcxGridLevel*>(child)) SetChildIndex(level, order);
}

TComponent* TcxGridLevel::GetParentComponent() const {
    if (IsTop()) return control_;
    return parent_;
}

void TcxGridLevel::SetParentComponent(TComponent* value) {
    if (auto* grid = dynamic_cast<TcxCustomGrid*>(value))
        grid->GetRootLevel()->Add(this);
    else if (auto* level = dynamic_cast<TcxGridLevel*>(value))
        level->Add(this);
}

} // namespace zorvy
