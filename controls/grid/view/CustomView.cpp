// The view base: construction through the class factories, destruction, roles, the update lock and
// the changes it posts, focus, data-change handling and the stored-layout answers.
#include "controls/grid/view/CustomView.h"

#include "controls/data/DataController.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewOptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Variant.h"

#include <algorithm>

namespace zorvy {

// ---- listener links ----

TcxGridListenerLink::~TcxGridListenerLink() {
    if (gridView_) gridView_->RemoveListenerLink(this);
}

TcxGridListenerLink* TcxCustomGridView::CreateListenerLink() {
    auto* link = new TcxGridListenerLink(this);
    listenerLinks_.push_back(link);
    return link;
}

void TcxCustomGridView::RemoveListenerLink(TcxGridListenerLink* link) {
    listenerLinks_.erase(std::remove(listenerLinks_.begin(), listenerLinks_.end(), link), listenerLinks_.end());
}

// ---- construction and destruction ----

TcxCustomGridView::TcxCustomGridView(TComponent* owner) : TcxControlChildComponent(owner) {}

void TcxCustomGridView::InitializeInstance() {
    TcxControlChildComponent::InitializeInstance();
    if (initialized_) return;
    initialized_ = true;
    synchronization_ = true;
    CreateOptions();
    CreateHandlers();
}

void TcxCustomGridView::CreateOptions() {
    backgroundBitmaps_.reset(CreateInstance<TcxCustomGridBackgroundBitmaps>(GetBackgroundBitmapsClass(), this));
    optionsBehavior_.reset(CreateInstance<TcxCustomGridOptionsBehavior>(GetOptionsBehaviorClass(), this));
    optionsData_.reset(CreateInstance<TcxCustomGridOptionsData>(GetOptionsDataClass(), this));
    optionsSelection_.reset(CreateInstance<TcxCustomGridOptionsSelection>(GetOptionsSelectionClass(), this));
    optionsView_.reset(CreateInstance<TcxCustomGridOptionsView>(GetOptionsViewClass(), this));
    styles_.reset(CreateInstance<TcxCustomGridViewStyles>(GetStylesClass(), this));
}

void TcxCustomGridView::CreateHandlers() {
    controller_.reset(CreateInstance<TcxCustomGridController>(GetControllerClass(), this));
    dataController_.reset(GetDataControllerClass()(this));
    HookDataControllerEvents();
    painter_.reset(CreateInstance<TcxCustomGridPainter>(GetPainterClass(), this));
    viewData_.reset(CreateInstance<TcxCustomGridViewData>(GetViewDataClass(), this));
    viewInfo_.reset(CreateInstance<TcxCustomGridViewInfo>(GetViewInfoClass(), this));
    viewInfo_->AfterConstruction();
    if (const TMetaClass* cacheClass = GetViewInfoCacheClass())
        viewInfoCache_.reset(CreateInstance<TcxCustomGridViewInfoCache>(cacheClass, this));
}

void TcxCustomGridView::HookDataControllerEvents() {
    dataController_->OnDataChanged = [this](TObject* sender) { DataChanged(sender); };
}

TcxCustomGridView::~TcxCustomGridView() {
    Destroying();
    if (initialized_) {
        controller_->SetCustomization(false);
        SetFocused(false);
    }
    if (patternGridView_) patternGridView_->RemoveClone(this);
    for (TcxCustomGridView* clone : std::vector<TcxCustomGridView*>(clones_)) clone->patternGridView_ = nullptr;
    if (level_ && level_->GetGridView() == this) level_->SetGridView(nullptr);
    if (TcxCustomGrid* grid = GetGrid()) grid->DropViewChanges(this);
    if (initialized_) {
        DestroyHandlers();
        DestroyOptions();
    }
    clones_.clear();
    while (!listenerLinks_.empty()) {
        listenerLinks_.back()->gridView_ = nullptr;
        listenerLinks_.pop_back();
    }
}

void TcxCustomGridView::DestroyHandlers() {
    dataController_.reset();
    DetachFromControl();
    if (viewInfo_) viewInfo_->BeforeDestruction();
    viewInfo_.reset();
    viewInfoCache_.reset();
    viewData_.reset();
    painter_.reset();
    controller_.reset();
}

void TcxCustomGridView::DestroyOptions() {
    styles_.reset();
    optionsView_.reset();
    optionsSelection_.reset();
    optionsData_.reset();
    optionsBehavior_.reset();
    backgroundBitmaps_.reset();
    optionsList_.clear();
}

void TcxCustomGridView::RemoveOptions(TcxCustomGridOptions* options) {
    optionsList_.erase(std::remove(optionsList_.begin(), optionsList_.end(), options), optionsList_.end());
}

const TMetaClass* TcxCustomGridView::GetBackgroundBitmapsClass() const {
    return TcxCustomGridBackgroundBitmaps::StaticClass();
}
const TMetaClass* TcxCustomGridView::GetOptionsBehaviorClass() const {
    return TcxCustomGridOptionsBehavior::StaticClass();
}
const TMetaClass* TcxCustomGridView::GetOptionsDataClass() const {
    return TcxCustomGridOptionsData::StaticClass();
}
const TMetaClass* TcxCustomGridView::GetOptionsSelectionClass() const {
    return TcxCustomGridOptionsSelection::StaticClass();
}
const TMetaClass* TcxCustomGridView::GetOptionsViewClass() const {
    return TcxCustomGridOptionsView::StaticClass();
}
const TMetaClass* TcxCustomGridView::GetStylesClass() const {
    return TcxCustomGridViewStyles::StaticClass();
}

void TcxCustomGridView::AssignControl(TcxControl* control) {
    TcxControl* old = GetControl();
    if (old == control) return;
    TcxControl* site = GetSite();
    if (old) {
        old->RemoveFontListener(styles_.get());
        if (site) site->SetParent(nullptr);
    }
    TcxControlChildComponent::AssignControl(control);
    if (control) {
        if (!storageControl_) storageControl_ = control;
        if (site) site->SetParent(control);
        if (styles_) control->AddFontListener(styles_.get());
    }
}

TcxCustomGrid* TcxCustomGridView::GetGrid() const {
    return dynamic_cast<TcxCustomGrid*>(GetControl());
}

TcxControl* TcxCustomGridView::GetSite() const {
    return viewInfo_ ? viewInfo_->GetSite() : nullptr;
}

TcxLookAndFeel* TcxCustomGridView::GetLookAndFeel() const {
    TcxControl* control = GetControl();
    return control ? control->GetLookAndFeel() : nullptr;
}

const TcxCustomLookAndFeelPainter* TcxCustomGridView::GetLookAndFeelPainter() const {
    TcxControl* control = GetControl();
    return control ? control->GetLookAndFeelPainter() : TcxStandardLookAndFeelPainter::Instance();
}

void TcxCustomGridView::Loaded() {
    TcxControlChildComponent::Loaded();
    LoadedLayoutChanged();
    AfterLoaded();
}

void TcxCustomGridView::Notification(TComponent* component, TOperation operation) {
    TcxControlChildComponent::Notification(component, operation);
    for (TcxCustomGridOptions* options : std::vector<TcxCustomGridOptions*>(optionsList_))
        options->Notification(component, operation);
}

// ---- published ----

TDragMode TcxCustomGridView::GetDragMode() const {
    TcxControl* site = GetSite();
    return site ? site->DragMode : dmManual;
}

void TcxCustomGridView::SetDragMode(TDragMode value) {
    TcxControl* site = GetSite();
    if (!site || site->DragMode == value) return;
    site->DragMode = value;
    Changed(vckProperty);
}

TComponent* TcxCustomGridView::GetPopupMenu() const {
    TcxControl* site = GetSite();
    return site ? site->GetPopupMenu() : nullptr;
}

void TcxCustomGridView::SetPopupMenu(TComponent* value) {
    TcxControl* site = GetSite();
    if (!site || site->GetPopupMenu() == value) return;
    site->SetPopupMenu(value);
    Changed(vckProperty);
}

namespace {

// Event handlers compare by target: std::function has no equality, so any assignment counts as a
// change unless both are empty.
template <class F> bool SameHandler(const F& a, const F& b) {
    return !a && !b;
}

} // namespace

void TcxCustomGridView::SetOnCustomization(TNotifyEvent value) {
    if (SameHandler(onCustomization_, value)) return;
    onCustomization_ = std::move(value);
    Changed(vckProperty);
}
void TcxCustomGridView::SetOnGetStoredProperties(TcxGridViewGetStoredPropertiesEvent value) {
    if (SameHandler(onGetStoredProperties_, value)) return;
    onGetStoredProperties_ = std::move(value);
    Changed(vckProperty);
}
void TcxCustomGridView::SetOnGetStoredPropertyValue(TcxGridViewGetStoredPropertyValueEvent value) {
    if (SameHandler(onGetStoredPropertyValue_, value)) return;
    onGetStoredPropertyValue_ = std::move(value);
    Changed(vckProperty);
}
void TcxCustomGridView::SetOnInitStoredObject(TcxGridInitStoredObjectEvent value) {
    if (SameHandler(onInitStoredObject_, value)) return;
    onInitStoredObject_ = std::move(value);
    Changed(vckProperty);
}
void TcxCustomGridView::SetOnSetStoredPropertyValue(TcxGridViewSetStoredPropertyValueEvent value) {
    if (SameHandler(onSetStoredPropertyValue_, value)) return;
    onSetStoredPropertyValue_ = std::move(value);
    Changed(vckProperty);
}

// ---- roles ----

bool TcxCustomGridView::IsPattern() const {
    return dataController_ && dataController_->IsPattern();
}

bool TcxCustomGridView::IsDetail() const {
    return dataController_ && dataController_->IsDetailMode();
}

bool TcxCustomGridView::IsMaster() const {
    return level_ && level_->HasVisibleItems();
}

TcxCustomGridView* TcxCustomGridView::GetMasterGridView() const {
    if (!IsDetail()) return nullptr;
    TcxCustomDataController* master = dataController_->GetMasterDataController();
    return master ? dynamic_cast<TcxCustomGridView*>(master->GetOwner()) : nullptr;
}

int TcxCustomGridView::GetMasterRecordIndex() const {
    return dataController_ ? dataController_->GetMasterRecordIndex() : -1;
}

int TcxCustomGridView::GetMasterGridRecordIndex() const {
    const int recordIndex = GetMasterRecordIndex();
    if (recordIndex == -1) return -1;
    TcxCustomDataController* master = dataController_->GetMasterDataController();
    return master ? master->GetRowIndexByRecordIndex(recordIndex, false) : -1;
}

bool TcxCustomGridView::HasAsMaster(const TcxCustomGridView* view) const {
    for (TcxCustomGridView* master = GetMasterGridView(); master; master = master->GetMasterGridView())
        if (master == view) return true;
    return false;
}

bool TcxCustomGridView::IsBeingDestroyed() const {
    if (TcxControlChildComponent::IsBeingDestroyed()) return true;
    TcxControl* control = GetControl();
    if (control && control->IsBeingDestroyed()) return true;
    TcxCustomGridView* master = GetMasterGridView();
    return master && master->IsBeingDestroyed();
}

bool TcxCustomGridView::DoGetVisible() const {
    if (IsBeingDestroyed()) return false;
    return CalculateVisible(level_ && level_->IsVisibleInTree());
}

bool TcxCustomGridView::GetVisibleInLevels() const {
    return CalculateVisible(level_ && level_->AreParentsVisible());
}

bool TcxCustomGridView::CalculateVisible(bool levelVisible) const {
    if (!levelVisible || IsPattern()) return false;
    if (!IsDetail()) return true;
    TcxCustomGridView* master = GetMasterGridView();
    return master && master->GetVisible() && master->IsDetailVisible(const_cast<TcxCustomGridView*>(this));
}

bool TcxCustomGridView::CanCalculateLayout() const {
    return (GetVisible() || IsPattern()) && GetGrid();
}

bool TcxCustomGridView::GetControlTabStop() const {
    TcxCustomGrid* grid = GetGrid();
    return grid && grid->GetTabStop();
}

void TcxCustomGridView::SetLevel(TcxGridLevel* level) {
    level_ = level;
    if (TcxControl* site = GetSite()) UpdateSiteTabStop(site->GetTabStop());
}

void TcxCustomGridView::UpdateSiteTabStop(bool value) {
    if (TcxControl* site = GetSite()) site->SetTabStop(value && GetControlTabStop());
}

// ---- update lock and changes ----

void TcxCustomGridView::BeginUpdate() {
    if (TcxCustomGrid* grid = GetGrid()) grid->BeginUpdate();
    ++lockCount_;
    if (dataController_) dataController_->LockUpdate();
}

void TcxCustomGridView::EndUpdate() {
    TcxCustomGrid* grid = GetGrid();
    try {
        if (dataController_) dataController_->UnlockUpdate();
        if (lockCount_ > 0) {
            if (lockCount_ == 1 && synchronizationNeeded_) SynchronizeViews(false);
            --lockCount_;
        }
    } catch (...) {
        if (grid) grid->EndUpdate();
        throw;
    }
    if (lockCount_ == 0) FlushPendingChange();
    if (grid) grid->EndUpdate();
}

void TcxCustomGridView::EndUpdateWithoutSynchronization() {
    TcxCustomGrid* grid = GetGrid();
    try {
        if (dataController_) dataController_->UnlockUpdate();
        if (lockCount_ > 0 && --lockCount_ == 0) synchronizationNeeded_ = false;
    } catch (...) {
        if (grid) grid->CancelUpdate();
        throw;
    }
    if (grid) grid->CancelUpdate();
}

void TcxCustomGridView::Changed(TcxGridViewChangeKind kind) {
    if (dataController_ && dataController_->GetProvider().IsNotificationsLocked()) {
        // Kept, not dropped: the data tells of its changes once unlocked, and the view catches up then.
        pendingChangeKind_ = std::max(pendingChangeKind_, static_cast<int>(kind));
        return;
    }
    BeginUpdate();
    try {
        if (kind == vckLayout) LayoutChanged(true);
        if (kind == vckSize) SizeChanged(false, false);
        SynchronizeViews(true);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    DoChanged(kind);
}

void TcxCustomGridView::DoChanged(TcxGridViewChangeKind) {
    if (controller_) controller_->RefreshCustomizationForm();
}

void TcxCustomGridView::ControllerUpdate() {
    if (controller_) controller_->RefreshCustomizationForm();
}

void TcxCustomGridView::PostChange(TcxGridViewChangeKind kind) {
    switch (kind) {
    case vckSize:
        SizeChanged(true, false);
        break;
    case vckLayout:
        LayoutChanged(true);
        break;
    default:
        Invalidate();
        break;
    }
}

void TcxCustomGridView::FlushPendingChange() {
    if (pendingChangeKind_ < 0 || IsUpdateLocked()) return;
    if (dataController_ && dataController_->GetProvider().IsNotificationsLocked()) return;
    if (viewInfo_ && viewInfo_->IsCalculating()) return;
    const auto kind = static_cast<TcxGridViewChangeKind>(pendingChangeKind_);
    pendingChangeKind_ = -1;
    PostChange(kind);
}

void TcxCustomGridView::LayoutPassEnded() {
    FlushPendingChange();
}

void TcxCustomGridView::LayoutChanged(bool updateWhole) {
    AddChange(new TcxGridLayoutChange(updateWhole ? this : nullptr));
}

void TcxCustomGridView::SizeChanged(bool updateWhole, bool keepMaster) {
    AddChange(new TcxGridSizeChange(this, keepMaster, updateWhole || !GetGrid()));
}

void TcxCustomGridView::Invalidate() {
    AddChange(new TcxGridViewChange(this, TRect{}));
}

void TcxCustomGridView::InvalidateRect(const TRect& r) {
    if (IsRectEmpty(r)) return;
    AddChange(new TcxGridViewChange(this, r));
}

void TcxCustomGridView::LayoutOrSizeChanged(bool updateWhole, bool keepMaster) {
    if (IsLayoutSizeDependent())
        SizeChanged(updateWhole, keepMaster);
    else
        LayoutChanged(updateWhole);
}

bool TcxCustomGridView::AddChange(TcxCustomGridChange* change) {
    std::unique_ptr<TcxCustomGridChange> owned(change);
    if (IsBeingLoaded() || IsBeingDestroyed() || !viewInfo_) return false;
    if (viewInfo_->IsCalculating()) {
        // The pass under way cannot take it in; the strongest kind asked for runs once it ends.
        int kind = vckProperty;
        if (change->Is<TcxGridSizeChange>()) kind = vckSize;
        if (change->Is<TcxGridLayoutChange>()) kind = vckLayout;
        if (!change->Is<TcxGridViewChange>() && kind == vckProperty) return false;
        pendingChangeKind_ = std::max(pendingChangeKind_, kind);
        return false;
    }
    if (TcxCustomGrid* grid = GetGrid()) {
        grid->AddChange(owned.release());
        return true;
    }
    change->SetControl(nullptr);
    change->Execute();
    return true;
}

void TcxCustomGridView::ChangedInClones(bool hard) {
    if (IsPattern()) {
        for (TcxCustomGridView* clone : std::vector<TcxCustomGridView*>(clones_)) clone->ChangedInClones(hard);
    } else if (hard) {
        LayoutChanged(true);
    } else {
        Invalidate();
    }
}

// ---- data ----

void TcxCustomGridView::DataChanged(TObject* sender) {
    if (IsBeingLoaded() || IsBeingDestroyed() || IsPattern()) return;
    (void)sender;
    FlushPendingChange();
    if (IsDetail()) {
        TcxCustomGridView* master = GetMasterGridView();
        if (!master || master->IsUpdateLocked() || master->GetDataController()->IsUpdating()) return;
        if (patternGridView_ && patternGridView_->HasClone(this)) master->DetailDataChanged(this);
        return;
    }
    if (TcxCustomGrid* grid = GetGrid()) grid->CheckTabsForEmptyDetails();
}

// ---- focus ----

bool TcxCustomGridView::IsFocusedView() const {
    TcxCustomGrid* grid = GetGrid();
    return grid && grid->GetFocusedView() == this;
}

bool TcxCustomGridView::GetControlFocused() const {
    TcxCustomGrid* grid = GetGrid();
    return grid && grid->HoldsFocus();
}

bool TcxCustomGridView::IsControlFocused() const {
    return !HasState(csDesigning) && GetControlFocused();
}

void TcxCustomGridView::SetFocused(bool value) {
    if (value == IsFocusedView()) return;
    if (TcxCustomGrid* grid = GetGrid()) grid->SetFocusedView(value ? this : nullptr);
}

void TcxCustomGridView::FocusChanged(bool focused) {
    if (focused) {
        dataController_->CheckDetailSync();
        controller_->FocusView(true);
    } else {
        controller_->UnfocusView();
    }
}

void TcxCustomGridView::LookAndFeelChanged() {
    for (TcxCustomGridView* clone : std::vector<TcxCustomGridView*>(clones_)) clone->LookAndFeelChanged();
}

void TcxCustomGridView::ShowLayoutCustomization() {
    controller_->SetCustomization(true);
}

void TcxCustomGridView::DoCustomization() {
    if (onCustomization_) onCustomization_(this);
}

void TcxCustomGridView::DoInitStoredObject(TObject* object) {
    if (object && onInitStoredObject_) onInitStoredObject_(this, object);
}

// ---- stored layout ----

std::string TcxCustomGridView::GetStoredObjectName() const {
    return storingName_.empty() ? GetName() : storingName_;
}

bool TcxCustomGridView::GetStoredProperties(TStrings* properties) {
    properties->Add("Version");
    if (onGetStoredProperties_) onGetStoredProperties_(this, properties);
    return true;
}

void TcxCustomGridView::GetStoredPropertyValue(const std::string& name, Variant& value) {
    if (name == "Version") value = Variant(1);
    if (onGetStoredPropertyValue_) onGetStoredPropertyValue_(this, name, value);
}

void TcxCustomGridView::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    if (name == "Version") storedVersion_ = value.AsInteger();
    if (onSetStoredPropertyValue_) onSetStoredPropertyValue_(this, name, value);
}

TObject* TcxCustomGridView::CreateChild(const std::string& objectName, const std::string& className) {
    TComponent* child = CreateStoredChild(objectName, className);
    if (child && storingName_.empty()) child->SetName(objectName);
    DoInitStoredObject(child);
    return child;
}

void TcxCustomGridView::DeleteStoredChild(const std::string&, TObject* object) {
    delete object;
}

void TcxCustomGridView::DeleteChild(const std::string& objectName, TObject* object) {
    DeleteStoredChild(objectName, object);
}

void TcxCustomGridView::ListChildren(TStringList* children) {
    GetStoredChildren(children);
}

void TcxCustomGridView::AssignLayoutFrom(TcxCustomGridView* layoutView) {
    BeginUpdate();
    try {
        AssignLayout(layoutView);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

} // namespace zorvy
