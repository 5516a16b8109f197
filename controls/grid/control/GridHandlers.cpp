// The grid control's view info (the top details site in the content bounds), painter and
// controller (mouse on the level tabs, drag opening), and the top details site's answers.
#include "controls/grid/control/GridHandlers.h"

#include "controls/foundation/services/Timers.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewData.h"
#include "controls/grid/view/ViewInfo.h"

namespace zorvy {

// ---- handler base ----

TcxCustomGridView* TcxCustomGridHandler::GetActiveView() const {
    return control_->GetActiveLevelView();
}

TcxCustomGridController* TcxCustomGridHandler::GetActiveViewController() const {
    TcxCustomGridView* view = GetActiveView();
    return view ? view->GetController() : nullptr;
}

TcxGridViewInfo* TcxCustomGridHandler::GetViewInfo() const {
    return control_->GetViewInfo();
}

// ---- top details site ----

TcxCustomGrid* TcxGridTopDetailsSiteViewInfo::GetControl() const {
    return GetLevel()->GetControl();
}

int TcxGridTopDetailsSiteViewInfo::CalculateHeight() {
    const TRect r = GetControl()->GetContentBounds();
    return r.Bottom - r.Top;
}

int TcxGridTopDetailsSiteViewInfo::CalculateWidth() {
    const TRect r = GetControl()->GetContentBounds();
    return r.Right - r.Left;
}

int TcxGridTopDetailsSiteViewInfo::GetMaxHeight() {
    return CalculateHeight();
}

int TcxGridTopDetailsSiteViewInfo::GetMaxWidth() {
    return CalculateWidth();
}

TcxCanvas* TcxGridTopDetailsSiteViewInfo::GetCanvas() {
    return GetControl()->GetPainter()->GetCanvas();
}

TWinControl* TcxGridTopDetailsSiteViewInfo::GetContainer() {
    return GetControl();
}

TcxCustomGridDesignController* TcxGridTopDetailsSiteViewInfo::GetDesignController() {
    return GetControl()->GetController()->GetDesignController();
}

TcxCustomGridView* TcxGridTopDetailsSiteViewInfo::FindActiveGridView() {
    return GetControl()->GetActiveLevelView();
}

TcxGridLevel* TcxGridTopDetailsSiteViewInfo::GetActiveLevel() {
    return GetControl()->GetActiveLevel();
}

void TcxGridTopDetailsSiteViewInfo::InitTabHitTest(TcxCustomGridHitTest* hitTest) {
    static_cast<TcxGridDetailsSiteTabHitTest*>(hitTest)->SetOwner(GetControl());
}

void TcxGridTopDetailsSiteViewInfo::SetActiveLevel(TcxGridLevel* level, bool) {
    GetControl()->SetActiveLevel(level);
}

bool TcxGridTopDetailsSiteViewInfo::HasDataForLevel(TcxGridLevel* level) {
    TcxCustomGridView* view = level->GetGridView();
    return view && view->GetViewData() && !view->GetViewData()->IsEmpty();
}

bool TcxGridTopDetailsSiteViewInfo::SupportsTabAccelerators() {
    return true;
}

void TcxGridTopDetailsSiteViewInfo::VisibilityChanged(bool visible) {
    if (GetControl()->IsBeingDestroyed()) return;
    TcxCustomGridDetailsSiteViewInfo::VisibilityChanged(visible);
}

// ---- view info ----

TcxGridViewInfo::TcxGridViewInfo(TcxCustomGrid* control) : TcxCustomGridHandler(control) {}

TcxGridViewInfo::~TcxGridViewInfo() {
    DestroyViewInfos();
}

const TMetaClass* TcxGridViewInfo::GetDetailsSiteViewInfoClass() const {
    return TcxGridTopDetailsSiteViewInfo::StaticClass();
}

void TcxGridViewInfo::CreateViewInfos() {
    detailsSiteViewInfo_.reset(
        CreateInstance<TcxCustomGridDetailsSiteViewInfo>(GetDetailsSiteViewInfoClass(), GetControl()->GetRootLevel()));
    detailsSiteViewInfo_->AfterConstruction();
    if (detailsSiteViewInfoCachedInfo_) {
        TcxCustomGridDetailsSiteViewInfoCachedInfo* info = detailsSiteViewInfoCachedInfo_.release();
        detailsSiteViewInfo_->SetCachedInfo(info);
    }
}

void TcxGridViewInfo::DestroyViewInfos() {
    if (!detailsSiteViewInfo_) return;
    TcxCustomGridDetailsSiteViewInfoCachedInfo* info = nullptr;
    detailsSiteViewInfo_->GetCachedInfo(info);
    detailsSiteViewInfoCachedInfo_.reset(info);
    detailsSiteViewInfo_->BeforeDestruction();
    detailsSiteViewInfo_.reset();
}

void TcxGridViewInfo::RecreateViewInfos() {
    DestroyViewInfos();
    CreateViewInfos();
}

void TcxGridViewInfo::Calculate() {
    RecreateViewInfos();
    const TRect r = GetControl()->GetContentBounds();
    if (detailsSiteViewInfo_->GetVisible()) detailsSiteViewInfo_->Calculate(r.Left, r.Top);
}

TcxCustomGridHitTest* TcxGridViewInfo::GetHitTest(int x, int y) {
    const TPoint p{x, y};
    TcxCustomGridHitTest* hitTest = detailsSiteViewInfo_ ? detailsSiteViewInfo_->GetHitTest(p) : nullptr;
    if (hitTest) return hitTest;
    hitTest = TcxCustomGridHitTest::GetInstance(TcxGridNoneHitTest::StaticClass(), p);
    hitTest->SetViewInfo(nullptr);
    return hitTest;
}

// ---- painter ----

TcxCanvas* TcxGridPainter::GetCanvas() const {
    return GetControl()->GetActiveCanvas();
}

void TcxGridPainter::PaintDetailsSite() {
    TcxCustomGridDetailsSiteViewInfo* site = GetViewInfo()->GetDetailsSiteViewInfo();
    if (site && site->GetVisible()) site->Paint(GetCanvas());
}

void TcxGridPainter::Invalidate(bool invalidateSites) {
    TcxCustomGrid* grid = GetControl();
    grid->InvalidateViews(false);
    if (!invalidateSites) return;
    for (int i = 0; i < grid->GetControlCount(); ++i)
        if (auto* site = dynamic_cast<TcxGridSite*>(grid->GetControl(i))) site->Invalidate();
}

void TcxGridPainter::InvalidateRect(const TRect& r) {
    GetControl()->InvalidateArea(r, false);
}

// ---- drag opening ----

bool TcxGridDragOpenInfoTab::IsSameTarget(TcxCustomGridDragOpenInfo* info) {
    return TcxCustomGridDragOpenInfo::IsSameTarget(info) && static_cast<TcxGridDragOpenInfoTab*>(info)->level_ == level_;
}

void TcxGridDragOpenInfoTab::OpenTarget() {
    level_->SetActive(true);
}

TcxControl* TcxGridDesignController::GetControl() const {
    return control_;
}

// ---- controller ----

TcxGridController::~TcxGridController() {
    StopDragOpen();
    designController_.reset();
}

const TMetaClass* TcxGridController::GetDesignControllerClass() const {
    return TcxGridDesignController::StaticClass();
}

TcxCustomGridDesignController* TcxGridController::GetDesignController() {
    if (!GetControl()->HasState(csDesigning)) return nullptr;
    if (!designController_)
        designController_.reset(CreateInstance<TcxCustomGridDesignController>(GetDesignControllerClass(), GetControl()));
    return designController_.get();
}

void TcxGridController::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(x, y);
    if (TcxCustomGridCellViewInfo* cell = hitTest->GetViewInfo()) cell->MouseDown(hitTest, button, shift);
}

void TcxGridController::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(x, y);
    if (TcxCustomGridCellViewInfo* cell = hitTest->GetViewInfo()) cell->MouseMove(hitTest, shift);
}

TCursor TcxGridController::GetCursor(int, int) {
    return crDefault;
}

void TcxGridController::CancelViewMouseActions() {
    if (TcxCustomGridController* controller = GetActiveViewController()) controller->CancelMouseOperations();
}

void TcxGridController::ControlFocusChanged() {
    if (TcxCustomGridController* controller = GetActiveViewController()) controller->PostControlFocusChange();
}

TcxCustomGridDragOpenInfo* TcxGridController::GetDragOpenInfo(TcxCustomGridHitTest* hitTest) {
    if (hitTest->GetHitTestCode() != htTab) return nullptr;
    return new TcxGridDragOpenInfoTab(static_cast<TcxGridDetailsSiteTabHitTest*>(hitTest)->GetLevel());
}

void TcxGridController::DragOver(TObject*, int x, int y, TDragState state, bool&) {
    if (!GetControl()->GetDragOpening()) return;
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(x, y);
    TcxCustomGridDragOpenInfo* info = state != dsDragLeave ? GetDragOpenInfo(hitTest) : nullptr;
    if (info)
        StartDragOpen(info);
    else
        StopDragOpen();
}

void TcxGridController::EndDrag(TObject*, int, int) {
    StopDragOpen();
}

void TcxGridController::StartDragOpen(TcxCustomGridDragOpenInfo* info) {
    std::unique_ptr<TcxCustomGridDragOpenInfo> owned(info);
    // The wait runs from the moment the object first came over this target.
    if (dragOpenInfo_ && dragOpenInfo_->IsSameTarget(info)) return;
    dragOpenInfo_ = std::move(owned);
    if (dragOpenTimer_) {
        dragOpenTimer_->SetEnabled(false);
        dragOpenTimer_->SetEnabled(true);
        return;
    }
    dragOpenTimer_ = std::make_unique<TcxTimer>(nullptr);
    dragOpenTimer_->SetInterval(static_cast<unsigned>(GetControl()->GetDragOpeningWaitTime()));
    dragOpenTimer_->SetOnTimer([this](TObject*) { DragOpenTimerFired(); });
}

void TcxGridController::StopDragOpen() {
    dragOpenTimer_.reset();
    dragOpenInfo_.reset();
}

void TcxGridController::DragOpenTimerFired() {
    dragOpenTimer_->SetEnabled(false);
    try {
        if (dragOpenInfo_) dragOpenInfo_->OpenTarget();
    } catch (...) {
        StopDragOpen();
        throw;
    }
    StopDragOpen();
}

} // namespace zorvy
