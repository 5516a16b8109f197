// Patterns and their clones: copying a view's settings, the clone list, and the rule that settings
// flow from a clone to its pattern and from the pattern to every clone, postponed while locked and
// deferred by a hidden clone until it is shown.
#include "controls/data/DataController.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewOptions.h"

#include <algorithm>

namespace zorvy {

void TcxCustomGridView::AddClone(TcxCustomGridView* clone) {
    clones_.push_back(clone);
    clone->patternGridView_ = this;
}

void TcxCustomGridView::RemoveClone(TcxCustomGridView* clone) {
    clones_.erase(std::remove(clones_.begin(), clones_.end(), clone), clones_.end());
    clone->patternGridView_ = nullptr;
}

bool TcxCustomGridView::HasClone(const TcxCustomGridView* clone) const {
    return std::find(clones_.begin(), clones_.end(), clone) != clones_.end();
}

TcxCustomGridView* TcxCustomGridView::CreateClone(TcxCustomGrid* control) const {
    auto* clone = static_cast<TcxCustomGridView*>(CreateForControl(ClassType(), control, true));
    clone->transient_ = true;
    return clone;
}

bool TcxCustomGridView::GetSynchronization() const {
    return patternGridView_ ? patternGridView_->synchronization_ : synchronization_;
}

void TcxCustomGridView::SetSynchronization(bool value) {
    if (patternGridView_ || synchronization_ == value) return;
    synchronization_ = value;
    if (value)
        SynchronizeViews(true);
    else
        synchronizationNeeded_ = false;
}

bool TcxCustomGridView::IsSynchronizationEnabled() const {
    return GetSynchronization() || HasState(csDesigning);
}

void TcxCustomGridView::SynchronizeViews(bool postponeWhenLocked) {
    if (IsBeingLoaded() || IsBeingDestroyed() || !GetGrid() || !IsSynchronizationEnabled() || assigningPattern_ ||
        synchronizationAssignNeeded_)
        return;
    if (postponeWhenLocked && IsUpdateLocked()) {
        synchronizationNeeded_ = true;
        return;
    }
    synchronizing_ = true;
    try {
        if (IsPattern()) {
            BeginUpdate();
            try {
                for (TcxCustomGridView* clone : std::vector<TcxCustomGridView*>(clones_)) clone->SynchronizeFrom(this);
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
        } else if (patternGridView_) {
            patternGridView_->SynchronizeFrom(this);
        }
    } catch (...) {
        synchronizing_ = false;
        synchronizationNeeded_ = false;
        throw;
    }
    synchronizing_ = false;
    synchronizationNeeded_ = false;
}

void TcxCustomGridView::SynchronizeFrom(TcxCustomGridView* source) {
    if (!IsSynchronizationEnabled() || synchronizing_ || assigningPattern_) return;
    if (!optionsBehavior_->GetPostponedSynchronization() || IsPattern() || GetVisible()) {
        BeginUpdate();
        try {
            AssignPattern(source);
            if (IsPattern()) SynchronizeViews(true);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        synchronizationAssignNeeded_ = false;
    } else {
        synchronizationAssignNeeded_ = true;
    }
}

void TcxCustomGridView::ApplyPendingSynchronization() {
    if (!synchronizationAssignNeeded_ || !patternGridView_) return;
    // The clone is about to be shown: it takes the settings now, whether or not it counts as
    // visible yet.
    BeginUpdate();
    try {
        AssignPattern(patternGridView_);
    } catch (...) {
        EndUpdateWithoutSynchronization();
        throw;
    }
    synchronizationAssignNeeded_ = false;
    EndUpdateWithoutSynchronization();
}

void TcxCustomGridView::AssignPattern(TcxCustomGridView* source) {
    assigningPattern_ = true;
    try {
        Assign(source);
    } catch (...) {
        assigningPattern_ = false;
        throw;
    }
    assigningPattern_ = false;
}

void TcxCustomGridView::Assign(TPersistent* source) {
    auto* view = dynamic_cast<TcxCustomGridView*>(source);
    if (!view) {
        TcxControlChildComponent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        AssignDataController(view);
        DoAssign(view);
        AssignDataControllerSettings(view);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TcxCustomGridView::AssignDataController(TcxCustomGridView* source) {
    dataController_->Assign(source->GetDataController());
}

void TcxCustomGridView::DoAssign(TcxCustomGridView* source) {
    backgroundBitmaps_->Assign(source->GetBackgroundBitmaps());
    SetDragMode(source->GetDragMode());
    optionsBehavior_->Assign(source->GetOptionsBehavior());
    optionsData_->Assign(source->GetOptionsData());
    optionsSelection_->Assign(source->GetOptionsSelection());
    optionsView_->Assign(source->GetOptionsView());
    SetPopupMenu(source->GetPopupMenu());
    styles_->Assign(source->GetStyles());
    if (!patternGridView_) SetSynchronization(source->GetSynchronization());
    onCustomization_ = source->onCustomization_;
    onGetStoredProperties_ = source->onGetStoredProperties_;
    onGetStoredPropertyValue_ = source->onGetStoredPropertyValue_;
    onInitStoredObject_ = source->onInitStoredObject_;
    onSetStoredPropertyValue_ = source->onSetStoredPropertyValue_;
    AfterLoaded();
}

} // namespace zorvy
