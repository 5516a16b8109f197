// What each queued change does when it runs and which other changes make it unnecessary.
#include "controls/grid/control/GridChanges.h"

#include "controls/grid/control/Grid.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"

#include <functional>

namespace zorvy {

namespace {

// The view is change's view or one of its masters.
bool IsSameOrMaster(const TcxCustomGridView* master, const TcxCustomGridView* view) {
    return view && (master == view || view->HasAsMaster(master));
}

std::size_t Combine(std::size_t seed, std::size_t value) {
    return seed ^ (value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2));
}

} // namespace

std::size_t TcxCustomGridChange::GetMergeHash() const {
    return std::hash<const void*>()(ClassType());
}

std::size_t TcxCustomGridViewChange::GetMergeHash() const {
    return Combine(TcxCustomGridChange::GetMergeHash(), std::hash<const void*>()(gridView_));
}

bool TcxCustomGridViewChange::IsSameAs(const TcxCustomGridChange* change) const {
    return TcxCustomGridChange::IsSameAs(change) &&
           static_cast<const TcxCustomGridViewChange*>(change)->GetGridView() == gridView_;
}

// ---- layout ----

void TcxGridLayoutChange::Execute() {
    TcxCustomGridView* view = GetGridView();
    TcxCustomGrid* grid = GetControl();
    if (!view) {
        if (grid) grid->CalculateLayout();
    } else if (view->CanCalculateLayout()) {
        TcxControl* site = view->GetSite();
        if (site && !IsRectEmpty(site->GetBoundsRect())) {
            view->GetViewInfo()->MainCalculate(site->GetBoundsRect());
            view->GetPainter()->Invalidate();
        }
    }
    if (grid) grid->DoLayoutChanged(view);
}

bool TcxGridLayoutChange::IsCoveredBy(const TcxCustomGridChange* change) const {
    const auto* viewChange = dynamic_cast<const TcxCustomGridViewChange*>(change);
    if (!viewChange) return false;
    const TcxCustomGridView* other = viewChange->GetGridView();
    if (change->Is<TcxGridLayoutChange>())
        return !other || (GetGridView() && GetGridView()->HasAsMaster(other));
    if (change->Is<TcxGridSizeChange>()) return !other || IsSameOrMaster(other, GetGridView());
    return false;
}

// ---- size ----

void TcxGridSizeChange::Execute() {
    TcxCustomGridView* view = GetGridView();
    TcxCustomGrid* grid = GetControl();
    if (!view) {
        if (!grid) return;
        if (TcxCustomGridView* active = grid->GetActiveLevelView())
            active->SizeChanged(false, keepMaster_);
        else
            grid->LayoutChanged();
        return;
    }
    if (!view->CanCalculateLayout()) return;
    if (TcxCustomGridViewInfoCache* cache = view->GetViewInfoCache()) cache->UnassignValues(keepMaster_);
    if (updateGridViewOnly_ && keepMaster_) {
        view->LayoutChanged(true);
        return;
    }
    TcxCustomGridView* master = view->GetMasterGridView();
    if (!master) {
        if (view->IsPattern())
            view->LayoutChanged(true);
        else if (grid)
            grid->LayoutChanged();
        return;
    }
    if (view->IsPattern()) return;
    if (!master->AddChange(new TcxGridSizeChange(master, keepMaster_, false))) view->LayoutChanged(true);
}

bool TcxGridSizeChange::IsCoveredBy(const TcxCustomGridChange* change) const {
    const auto* size = dynamic_cast<const TcxGridSizeChange*>(change);
    return size && updateGridViewOnly_ && size->GetGridView() == GetGridView() && size->keepMaster_ == keepMaster_;
}

bool TcxGridSizeChange::IsSameAs(const TcxCustomGridChange* change) const {
    if (!TcxCustomGridViewChange::IsSameAs(change)) return false;
    const auto* size = static_cast<const TcxGridSizeChange*>(change);
    return size->keepMaster_ == keepMaster_ && size->updateGridViewOnly_ == updateGridViewOnly_;
}

// ---- repaint ----

TcxGridViewChange::TcxGridViewChange(TcxCustomGridView* gridView, const TRect& updateBounds,
                                     const TcxRegion* updateRegion)
    : TcxCustomGridViewChange(gridView), updateBounds_(updateBounds) {
    if (updateRegion) {
        updateRegion_.reset(TcxRegion::CreateEmpty());
        updateRegion_->CombineWith(const_cast<TcxRegion*>(updateRegion), roSet, false);
    }
}

void TcxGridViewChange::Execute() {
    TcxCustomGridView* view = GetGridView();
    if (!view || !view->GetPainter()) return;
    if (!IsRectEmpty(updateBounds_))
        view->GetPainter()->InvalidateRect(updateBounds_);
    else if (updateRegion_)
        view->GetPainter()->InvalidateRegion(updateRegion_.get());
    else
        view->GetPainter()->Invalidate();
}

bool TcxGridViewChange::IsCoveredBy(const TcxCustomGridChange* change) const {
    const auto* viewChange = dynamic_cast<const TcxCustomGridViewChange*>(change);
    return viewChange && viewChange->GetGridView() == GetGridView() &&
           (change->Is<TcxGridLayoutChange>() || change->Is<TcxGridSizeChange>());
}

std::size_t TcxGridViewChange::GetMergeHash() const {
    std::size_t hash = TcxCustomGridViewChange::GetMergeHash();
    if (updateRegion_) return hash;
    for (int v : {updateBounds_.Left, updateBounds_.Top, updateBounds_.Right, updateBounds_.Bottom})
        hash = Combine(hash, std::hash<int>()(v));
    return hash;
}

bool TcxGridViewChange::IsSameAs(const TcxCustomGridChange* change) const {
    if (!TcxCustomGridViewChange::IsSameAs(change)) return false;
    const auto* other = static_cast<const TcxGridViewChange*>(change);
    if (!updateRegion_ && !other->updateRegion_) return EqualRect(updateBounds_, other->updateBounds_);
    return updateRegion_ && other->updateRegion_ && updateRegion_->SameAs(other->updateRegion_.get());
}

// ---- focus ----

void TcxGridControlFocusChange::Execute() {
    TcxCustomGridView* view = GetGridView();
    if (view && view->CanCalculateLayout()) view->GetController()->ControlFocusChanged();
}

} // namespace zorvy
