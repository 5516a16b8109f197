// The grid control: construction, views and levels, the active level and the focused view, the
// update lock with its change queue, focus, notifications and the navigator forwarding.
#include "controls/grid/control/Grid.h"

#include "controls/foundation/classes/ClassUtils.h"
#include "controls/data/DataController.h"
#include "controls/grid/control/GridHandlers.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/control/LevelTabs.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "platform/classlib/Forms.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>
#include <unordered_map>

namespace zorvy {

namespace {

void Compact(std::vector<std::unique_ptr<TcxCustomGridChange>>& work, const std::vector<bool>& dropped) {
    size_t kept = 0;
    for (size_t i = 0; i < work.size(); ++i)
        if (!dropped[i]) work[kept++] = std::move(work[i]);
    work.resize(kept);
}

} // namespace

TcxCustomGrid::TcxCustomGrid(TComponent* owner)
    : TcxControl(owner), navigatorNotifier_(std::make_unique<TcxNavigatorControlNotifier>()) {
    SetBorderStyle(cxcbsDefault);
    ControlStyle |= csDisplayDragImage;
    levelTabs_.reset(CreateInstance<TcxGridLevelTabs>(GetLevelTabsClass(), this));
    SetRootLevel(CreateInstance<TcxGridLevel>(GetRootLevelClass(), nullptr));
    CreateHandlers();
    SetBounds(GetLeft(), GetTop(), 250, 200);
}

TcxCustomGrid::~TcxCustomGrid() {
    PrepareDestruction();
    for (int i = 0; i < rootLevel_->GetCount(); ++i)
        if (TcxCustomGridView* view = rootLevel_->GetItem(i)->GetGridView())
            if (view->GetViewInfo()) view->GetViewInfo()->UpdateSiteVisibility(false);
    DestroyHandlers();
    FreeAndNil(rootLevel_);
    while (!views_.empty()) delete views_.back();
    for (TcxCustomGridChange* change : changes_) delete change;
    changes_.clear();
}

const TMetaClass* TcxCustomGrid::GetRootLevelClass() const {
    return TcxGridRootLevel::StaticClass();
}

const TMetaClass* TcxCustomGrid::GetControllerClass() const {
    return TcxGridController::StaticClass();
}

const TMetaClass* TcxCustomGrid::GetLevelTabsClass() const {
    return TcxGridLevelTabs::StaticClass();
}

const TMetaClass* TcxCustomGrid::GetPainterClass() const {
    return TcxGridPainter::StaticClass();
}

const TMetaClass* TcxCustomGrid::GetViewInfoClass() const {
    return TcxGridViewInfo::StaticClass();
}

void TcxCustomGrid::CreateHandlers() {
    controller_.reset(CreateInstance<TcxGridController>(GetControllerClass(), this));
    painter_.reset(CreateInstance<TcxGridPainter>(GetPainterClass(), this));
    viewInfo_.reset(CreateInstance<TcxGridViewInfo>(GetViewInfoClass(), this));
    viewInfo_->CreateViewInfos();
}

void TcxCustomGrid::DestroyHandlers() {
    navigatorNotifier_.reset();
    viewInfo_.reset();
    painter_.reset();
    controller_.reset();
}

void TcxCustomGrid::SetLevelTabs(TcxGridLevelTabs* value) {
    levelTabs_->Assign(value);
}

void TcxCustomGrid::SetRootLevel(TcxGridLevel* level) {
    delete rootLevel_;
    rootLevel_ = static_cast<TcxGridRootLevel*>(level);
    rootLevel_->SetControl(this);
}

TcxGridLevelOptions* TcxCustomGrid::GetRootLevelOptions() const {
    return rootLevel_->GetOptions();
}

TcxGridLevelStyles* TcxCustomGrid::GetRootLevelStyles() const {
    return rootLevel_->GetStyles();
}

void TcxCustomGrid::SetName(const std::string& name) {
    const std::string oldName = GetName();
    TcxControl::SetName(name);
    if (oldName.empty() || oldName == name) return;
    RenameSubComponentsByPrefix(this, GetOwner(), name, oldName, GetViewCount(),
                                [](TComponent* grid, int i) -> TComponent* {
                                    return static_cast<TcxCustomGrid*>(grid)->GetView(i);
                                });
    std::vector<TcxGridLevel*> levels;
    std::function<void(TcxGridLevel*)> collect = [&](TcxGridLevel* level) {
        for (int i = 0; i < level->GetCount(); ++i) {
            levels.push_back(level->GetItem(i));
            collect(level->GetItem(i));
        }
    };
    collect(rootLevel_);
    RenameSubComponentsByPrefix(this, GetOwner(), name, oldName, static_cast<int>(levels.size()),
                                [&levels](TComponent*, int i) -> TComponent* {
                                    TcxGridLevel* level = levels[static_cast<size_t>(i)];
                                    return level->GetName().empty() ? nullptr : level;
                                });
}

void TcxCustomGrid::Loaded() {
    TcxControl::Loaded();
    BeginUpdate();
    try {
        LayoutChanged();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- views and levels ----

void TcxCustomGrid::AddChildComponent(TcxControlChildComponent* component) {
    TcxControl::AddChildComponent(component);
    if (auto* view = dynamic_cast<TcxCustomGridView*>(component)) {
        views_.push_back(view);
        view->GetDataController()->SetRelationPattern(nullptr, true);
    }
}

void TcxCustomGrid::RemoveChildComponent(TcxControlChildComponent* component) {
    if (auto* view = dynamic_cast<TcxCustomGridView*>(component)) {
        views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
        DropViewChanges(view);
        if (focusedView_ == view) focusedView_ = nullptr;
    }
    TcxControl::RemoveChildComponent(component);
}

TcxCustomGridView* TcxCustomGrid::GetActiveLevelView() const {
    return activeLevel_ ? activeLevel_->GetGridView() : nullptr;
}

void TcxCustomGrid::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TcxControl::GetChildren(proc, root);
    for (TcxCustomGridView* view : views_)
        if (view->GetOwner() == root) proc(view);
    for (int i = 0; i < rootLevel_->GetCount(); ++i)
        if (rootLevel_->GetItem(i)->GetOwner() == root) proc(rootLevel_->GetItem(i));
}

void TcxCustomGrid::SetChildOrder(TComponent* child, int order) {
    TcxControl::SetChildOrder(child, order);
    if (auto* level = dynamic_cast<TcxGridLevel*>(child)) rootLevel_->SetChildIndex(level, order - GetViewCount());
}

void TcxCustomGrid::SetActiveLevel(TcxGridLevel* level) {
    if (level == activeLevel_) return;
    // Nil stands for the first visible top level: the first child of all may be hidden.
    if (!level) {
        level = IsBeingDestroyed() ? nullptr : rootLevel_->GetFirstVisibleItem();
        if (level == activeLevel_) return;
    }
    if (level && !level->GetVisible()) return;
    activeLevel_ = level;
    SizeChanged();
    if (!IsBeingLoaded() && activeLevel_) DoActiveTabChanged(activeLevel_);
    SetFocusedView(GetActiveLevelView());
}

void TcxCustomGrid::DoActiveTabChanged(TcxGridLevel* level) {
    if (OnActiveTabChanged) OnActiveTabChanged(this, level);
}

TcxCustomGridView* TcxCustomGrid::FindFocusableView() const {
    for (TcxCustomGridView* v = focusedView_ ? focusedView_->GetMasterGridView() : nullptr; v; v = v->GetMasterGridView())
        if (!v->IsBeingDestroyed()) return v;
    for (int i = 0; i < rootLevel_->GetCount(); ++i) {
        TcxCustomGridView* v = rootLevel_->GetItem(i)->GetGridView();
        if (v && !v->IsBeingDestroyed()) return v;
    }
    return nullptr;
}

void TcxCustomGrid::SetFocusedView(TcxCustomGridView* view) {
    if (view && !TcxCustomGridViewAccess::GetVisibleInLevels(view)) return;
    if (view == focusedView_) return;
    if (!IsBeingDestroyed() && !InDesignMode() &&
        ((!view && GetActiveLevelView()) || (view && view->IsBeingDestroyed())))
        view = FindFocusableView();
    if (view == focusedView_) return;
    TcxCustomGridView* prev = focusedView_;
    focusedView_ = view;
    if (prev) {
        const bool heldFocus = HoldsFocus();
        try {
            TcxCustomGridViewAccess::FocusChanged(prev, false);
        } catch (...) {
            focusedView_ = nullptr;
            SetFocusedView(prev);
            throw;
        }
        if (heldFocus && !HoldsFocus() && CanFocus()) SetFocus();
    }
    if (view) {
        TcxCustomGridViewAccess::FocusChanged(view, true);
        if (view->GetLevel()) view->GetLevel()->SetActive(true);
    } else if (HoldsFocus() && CanFocus()) {
        SetFocus();
    }
    DoFocusedViewChanged(prev, view);
}

void TcxCustomGrid::DoFocusedViewChanged(TcxCustomGridView* prevView, TcxCustomGridView* view) {
    if (IsBeingDestroyed()) return;
    RefreshNavigator();
    SendNotifications(gnkFocusedViewChanged);
    if (OnFocusedViewChanged) OnFocusedViewChanged(this, prevView, view);
}

void TcxCustomGrid::CheckFocusedView() {
    if (!focusedView_ || TcxCustomGridViewAccess::GetVisibleInLevels(focusedView_)) return;
    TcxCustomGridView* active = GetActiveLevelView();
    if (active && TcxCustomGridViewAccess::GetVisibleInLevels(active))
        SetFocusedView(active);
    else
        SetFocusedView(nullptr);
}

// ---- update lock and change queue ----

void TcxCustomGrid::EndUpdate() {
    if (updateLockCount_ == 0) return;
    if (--updateLockCount_ == 0) ProcessChanges();
}

void TcxCustomGrid::CancelUpdate() {
    if (updateLockCount_ == 0) return;
    if (--updateLockCount_ == 0) {
        std::vector<TcxCustomGridChange*> dropped;
        dropped.swap(changes_);
        for (TcxCustomGridChange* change : dropped) delete change;
    }
}

void TcxCustomGrid::AddChange(TcxCustomGridChange* change) {
    if (change->CanBeQueued() && IsUpdateLocked())
        changes_.push_back(change);
    else
        RunChange(change);
}

void TcxCustomGrid::RunChange(TcxCustomGridChange* change) {
    std::unique_ptr<TcxCustomGridChange> owned(change);
    if (IsBeingDestroyed()) return;
    change->SetControl(this);
    change->Execute();
}

void TcxCustomGrid::DropViewChanges(TcxCustomGridView* view) {
    auto ofView = [view](TcxCustomGridChange* change) {
        auto* viewChange = dynamic_cast<TcxCustomGridViewChange*>(change);
        return viewChange && viewChange->GetGridView() == view;
    };
    for (TcxCustomGridChange* change : changes_)
        if (ofView(change)) delete change;
    changes_.erase(std::remove_if(changes_.begin(), changes_.end(), ofView), changes_.end());
}

void TcxCustomGrid::ProcessChanges() {
    std::vector<TcxCustomGridChange*> queue;
    queue.swap(changes_);
    // Accept: a mergeable change that an accepted one IsSameAs is dropped.
    std::vector<std::unique_ptr<TcxCustomGridChange>> work;
    work.reserve(queue.size());
    std::unordered_multimap<std::size_t, TcxCustomGridChange*> accepted;
    for (TcxCustomGridChange* change : queue) {
        std::unique_ptr<TcxCustomGridChange> owned(change);
        const std::size_t hash = change->GetMergeHash();
        bool merged = false;
        if (change->IsMergeable()) {
            auto [first, last] = accepted.equal_range(hash);
            for (auto it = first; it != last && !merged; ++it) merged = it->second->IsSameAs(change);
        }
        if (merged) continue;
        accepted.emplace(hash, change);
        work.push_back(std::move(owned));
    }
    DropCoveredChanges(work);
    // Run, under one batch lock when there are several.
    const bool locked = work.size() >= 2;
    if (locked) BeginUpdate();
    try {
        for (auto& change : work) {
            if (locked && !change->CanRunLocked()) EndUpdate();
            RunChange(change.release());
            if (locked && !IsUpdateLocked()) BeginUpdate();
        }
    } catch (...) {
        if (locked) EndUpdate();
        throw;
    }
    if (locked) EndUpdate();
}

void TcxCustomGrid::DropCoveredChanges(std::vector<std::unique_ptr<TcxCustomGridChange>>& work) {
    // Only changes that can cover others are asked about, so a long run of repaints behind a few
    // relayouts costs linear time.
    auto coverers = [&work]() {
        std::vector<size_t> list;
        for (size_t i = 0; i < work.size(); ++i)
            if (work[i]->CanCoverOthers()) list.push_back(i);
        return list;
    };
    // Forward: a change covered by a later one goes.
    std::vector<bool> dropped(work.size(), false);
    std::vector<size_t> candidates = coverers();
    for (size_t i = 0; i < work.size(); ++i) {
        auto it = std::upper_bound(candidates.begin(), candidates.end(), i);
        for (; it != candidates.end(); ++it)
            if (!dropped[*it] && work[i]->IsCoveredBy(work[*it].get())) {
                dropped[i] = true;
                break;
            }
    }
    Compact(work, dropped);
    // Backward: a change covered by an earlier one goes.
    dropped.assign(work.size(), false);
    candidates = coverers();
    for (size_t i = work.size(); i-- > 0;) {
        auto end = std::lower_bound(candidates.begin(), candidates.end(), i);
        for (auto it = candidates.begin(); it != end; ++it)
            if (!dropped[*it] && work[i]->IsCoveredBy(work[*it].get())) {
                dropped[i] = true;
                break;
            }
    }
    Compact(work, dropped);
}

void TcxCustomGrid::LayoutChanged() {
    if (!IsBeingLoaded()) AddChange(new TcxGridLayoutChange(nullptr));
}

void TcxCustomGrid::SizeChanged() {
    if (!IsBeingLoaded()) AddChange(new TcxGridSizeChange(nullptr, false, false));
}

void TcxCustomGrid::CalculateLayout() {
    if (!viewInfo_ || IsBeingDestroyed()) return;
    viewInfo_->Calculate();
    painter_->Invalidate(false);
}

void TcxCustomGrid::InvalidateViews(bool hardInvalidate) {
    if (IsBeingDestroyed()) return;
    if (hardInvalidate)
        LayoutChanged();
    else
        Invalidate();
    std::function<void(TcxGridLevel*)> walk = [&](TcxGridLevel* level) {
        if (TcxCustomGridView* view = level->GetGridView()) view->ChangedInClones(hardInvalidate);
        for (int i = 0; i < level->GetCount(); ++i) walk(level->GetItem(i));
    };
    if (activeLevel_) walk(activeLevel_);
}

// ---- options ----

void TcxCustomGrid::SetTabStop(bool value) {
    tabStop_ = value;
    if (focusedView_) focusedView_->UpdateSiteTabStop(value);
}

bool TcxCustomGrid::HidesTabsForEmptyDetails() const {
    return GetRootLevelOptions()->GetDetailTabsPosition() != dtpNone &&
           !GetRootLevelOptions()->GetTabsForEmptyDetails();
}

void TcxCustomGrid::CheckTabsForEmptyDetails() {
    if (HidesTabsForEmptyDetails()) LayoutChanged();
}

void TcxCustomGrid::DoLayoutChanged(TcxCustomGridView* gridView) {
    if (OnLayoutChanged) OnLayoutChanged(this, gridView);
}

// ---- focus and input ----

bool TcxCustomGrid::HoldsFocus() const {
    if (TcxControl::HoldsFocus()) return true;
    TCustomForm* form = GetParentForm(const_cast<TcxCustomGrid*>(this));
    TWinControl* active = form ? form->GetActiveControl() : nullptr;
    if (!active || active == this || !active->Focused()) return false;
    for (TWinControl* p = active->GetParent(); p; p = p->GetParent())
        if (p == this) {
            auto* control = dynamic_cast<TcxControl*>(active);
            return !control || control->HoldsFocus();
        }
    return false;
}

void TcxCustomGrid::SetControlFocused(bool value) {
    if (IsBeingDestroyed() || value == controlFocused_) return;
    if (!value && HoldsFocus()) return;
    controlFocused_ = value;
    if (TcxCustomGridView* view = GetActiveLevelView()) view->AddChange(new TcxGridControlFocusChange(view));
}

void TcxCustomGrid::FocusNextControl(bool goForward) {
    if (!HoldsFocus()) return;
    if (TCustomForm* form = GetParentForm(this)) PostMessage(form->GetHandle(), WM_NEXTDLGCTL, goForward ? 0 : 1, 0);
}

void TcxCustomGrid::FocusStateChanged() {
    TcxControl::FocusStateChanged();
    if (!IsBeingDestroyed() && Focused() && focusedView_) TcxCustomGridViewAccess::FocusChanged(focusedView_, true);
}

void TcxCustomGrid::GeometryChanged() {
    SizeChanged();
    TcxControl::GeometryChanged();
}

void TcxCustomGrid::HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
    TcxControl::HandleLookAndFeelChange(sender, changed);
    for (TcxCustomGridView* view : views_) TcxCustomGridViewAccess::LookAndFeelChanged(view);
    SizeChanged();
}

void TcxCustomGrid::DoContextPopup(TPoint mousePos, bool& handled) {
    TcxControl::DoContextPopup(mousePos, handled);
    if (!handled && !InDesignMode()) {
        TObject fromKeyboard;
        handled = SendNotifications(gnkContextMenu, mousePos.X == -1 && mousePos.Y == -1 ? &fromKeyboard : nullptr);
    }
}

void TcxCustomGrid::AbortMouseActions() {
    TcxControl::AbortMouseActions();
    if (controller_) controller_->CancelViewMouseActions();
}

bool TcxCustomGrid::HandlesDesignTimeMouse(int x, int y, TShiftState shift) const {
    if (TcxControl::HandlesDesignTimeMouse(x, y, shift)) return true;
    return (shift & ssLeft) && viewInfo_ && viewInfo_->GetHitTest(x, y)->GetHitTestCode() == htTab;
}

TCursor TcxCustomGrid::GetCursorAt(int x, int y) const {
    const TCursor cursor = controller_ ? controller_->GetCursor(x, y) : crDefault;
    return cursor != crDefault ? cursor : TcxControl::GetCursorAt(x, y);
}

void TcxCustomGrid::Paint() {
    TcxControl::Paint();
    if (painter_) painter_->Paint();
}

void TcxCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomGrid> self(this);
    TcxControl::MouseDown(button, shift, x, y);
    if (self && controller_) controller_->MouseDown(button, shift, x, y);
}

void TcxCustomGrid::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomGrid> self(this);
    TcxControl::MouseMove(shift, x, y);
    if (self && controller_) controller_->MouseMove(shift, x, y);
}

void TcxCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomGrid> self(this);
    TcxControl::MouseUp(button, shift, x, y);
    if (self && controller_) controller_->MouseUp(button, shift, x, y);
}

void TcxCustomGrid::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    TcxControl::DragOver(source, x, y, state, accept);
    if (controller_) controller_->DragOver(source, x, y, state, accept);
}

void TcxCustomGrid::DoStartDrag(TDragObject*& dragObject) {
    TcxControl::DoStartDrag(dragObject);
    if (controller_) controller_->StartDrag(dragObject);
}

void TcxCustomGrid::DoEndDrag(TObject* target, int x, int y) {
    if (controller_) controller_->EndDrag(target, x, y);
    TcxControl::DoEndDrag(target, x, y);
}

void TcxCustomGrid::CMDialogChar(TMessage& m) {
    TcxCustomGridDetailsSiteViewInfo* site = viewInfo_ ? viewInfo_->GetDetailsSiteViewInfo() : nullptr;
    TcxCustomGridDetailsSiteTabsViewInfo* tabs = site ? site->GetTabsViewInfo() : nullptr;
    if (tabs && tabs->ProcessDialogChar(static_cast<std::uint16_t>(m.WParam))) {
        m.Result = 1;
        return;
    }
    TcxControl::CMDialogChar(m);
}

// ---- notifications ----

void TcxCustomGrid::RegisterNotificationReceiver(IcxGridNotificationReceiver* receiver) {
    if (std::find(notificationReceivers_.begin(), notificationReceivers_.end(), receiver) == notificationReceivers_.end())
        notificationReceivers_.push_back(receiver);
}

void TcxCustomGrid::UnregisterNotificationReceiver(IcxGridNotificationReceiver* receiver) {
    notificationReceivers_.erase(std::remove(notificationReceivers_.begin(), notificationReceivers_.end(), receiver),
                                 notificationReceivers_.end());
}

bool TcxCustomGrid::SendNotifications(TcxGridNotificationKind kind, TObject* data) {
    const std::vector<IcxGridNotificationReceiver*> receivers = notificationReceivers_;
    for (IcxGridNotificationReceiver* receiver : receivers)
        if ((receiver->NotificationKinds() & (1u << kind)) && receiver->Notify(kind, data)) return true;
    return false;
}

// ---- navigator ----

IcxNavigator* TcxCustomGrid::GetFocusedViewNavigator() const {
    return dynamic_cast<IcxNavigator*>(focusedView_);
}

bool TcxCustomGrid::CanAppend() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->CanAppend();
}
bool TcxCustomGrid::CanDelete() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->CanDelete();
}
bool TcxCustomGrid::CanEdit() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->CanEdit();
}
bool TcxCustomGrid::CanInsert() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->CanInsert();
}
bool TcxCustomGrid::IsActive() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->IsActive();
}
bool TcxCustomGrid::IsBof() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->IsBof();
}
bool TcxCustomGrid::IsBookmarkAvailable() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->IsBookmarkAvailable();
}
bool TcxCustomGrid::IsEditing() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->IsEditing();
}
bool TcxCustomGrid::IsEof() {
    IcxNavigator* n = GetFocusedViewNavigator();
    return n && n->IsEof();
}
void TcxCustomGrid::ClearBookmark() {
    if (IcxNavigator* n = GetFocusedViewNavigator()) n->ClearBookmark();
}
void TcxCustomGrid::DoAction(int buttonIndex) {
    if (IcxNavigator* n = GetFocusedViewNavigator()) n->DoAction(buttonIndex);
}

} // namespace zorvy
