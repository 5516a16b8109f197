// The view controller: mouse routing to cells, internal drag start from hit tests, focus hand-over,
// dialog characters, the customization flag, cell hints; and the design controllers.
#include "controls/grid/view/ViewController.h"

#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/foundation/services/Timers.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridChanges.h"
#include "controls/grid/view/CellViewInfo.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/GridSite.h"
#include "controls/grid/view/ViewInfo.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/HintWindow.h"
#include "platform/win/Input.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- design controllers ----

bool TcxCustomGridDesignController::IsObjectSelected(TObject*) const {
    return false;
}
void TcxCustomGridDesignController::SelectObject(TObject*, bool) {}
void TcxCustomGridDesignController::SelectObjects(TList*) {}
void TcxCustomGridDesignController::UnselectObject(TObject*) {}

TcxControl* TcxGridViewDesignController::GetControl() const {
    return controller_->GetControl();
}

TObject* TcxGridViewDesignController::GetDesignObject(TObject* object) const {
    return controller_->GetGridView()->IsPattern() ? object : controller_->GetPatternObject(object);
}

// ---- construction ----

TcxCustomGridController::TcxCustomGridController(TcxCustomGridView* gridView) : TcxGridViewHandler(gridView) {}

TcxCustomGridController::~TcxCustomGridController() {
    HideHint();
    hintWindow_.reset();
    designController_.reset();
}

TcxGridSite* TcxCustomGridController::GetSite() const {
    return static_cast<TcxGridSite*>(TcxGridViewHandler::GetSite());
}

TcxCustomGridDesignController* TcxCustomGridController::GetDesignController() {
    if (!GetGridView()->HasState(csDesigning)) return nullptr;
    if (!designController_)
        designController_.reset(CreateInstance<TcxCustomGridDesignController>(GetDesignControllerClass(), this));
    return designController_.get();
}

const TMetaClass* TcxCustomGridController::GetDesignControllerClass() const {
    return TcxGridViewDesignController::StaticClass();
}

TcxCustomGridCellViewInfo* TcxCustomGridController::GetMouseCaptureCellViewInfo() const {
    TcxGridSite* site = GetSite();
    return site ? dynamic_cast<TcxCustomGridCellViewInfo*>(site->GetMouseCaptureObject()) : nullptr;
}

bool TcxCustomGridController::IsDragging() const {
    TcxGridSite* site = GetSite();
    return site && site->GetDragAndDropState() == idsRunning;
}

void TcxCustomGridController::SetDragAndDropObjectClass(const TMetaClass* cls) {
    TcxGridSite* site = GetSite();
    if (!site) return;
    if (!cls) {
        site->DragAndDropObjectClassOverride = nullptr;
        return;
    }
    site->DragAndDropObjectClassOverride = [cls](TcxControl* control) {
        return CreateInstance<TcxDragAndDropObject>(cls, control);
    };
}

void TcxCustomGridController::CheckCoordinatesLocked() {
    const bool prev = isCheckingCoordinates_;
    isCheckingCoordinates_ = true;
    try {
        CheckCoordinates();
    } catch (...) {
        isCheckingCoordinates_ = prev;
        throw;
    }
    isCheckingCoordinates_ = prev;
}

void TcxCustomGridController::PostControlFocusChange() {
    GetGridView()->AddChange(new TcxGridControlFocusChange(GetGridView()));
}

void TcxCustomGridController::UpdateScrollBars() {
    if (TcxGridSite* site = GetSite()) site->RecalculateScrollBars();
}

// ---- paint hand-over ----

void TcxCustomGridController::BeforePaint() {}

void TcxCustomGridController::AfterPaint() {}

// ---- mouse ----

void TcxCustomGridController::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    isDoubleClick_ = (shift & ssDouble) != 0;
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTestAt(x, y);
    if (TcxCustomGridCellViewInfo* cell = hitTest->GetViewInfo()) cell->MouseDown(hitTest, button, shift);
}

void TcxCustomGridController::MouseMove(TShiftState shift, int x, int y) {
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTestAt(x, y);
    if (TcxCustomGridCellViewInfo* captured = GetMouseCaptureCellViewInfo())
        captured->MouseMove(hitTest, shift);
    else if (TcxCustomGridCellViewInfo* cell = hitTest->GetViewInfo())
        cell->MouseMove(hitTest, shift);
}

void TcxCustomGridController::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTestAt(x, y);
    if (TcxCustomGridCellViewInfo* captured = GetMouseCaptureCellViewInfo())
        captured->MouseUp(hitTest, button, shift);
    else if (TcxCustomGridCellViewInfo* cell = hitTest->GetViewInfo())
        cell->MouseUp(hitTest, button, shift);
}

bool TcxCustomGridController::CanHandleHitTest(TcxCustomGridHitTest* hitTest) {
    auto* viewHitTest = dynamic_cast<TcxCustomGridViewHitTest*>(hitTest);
    return !viewHitTest || viewHitTest->GetGridView() == GetGridView();
}

TCursor TcxCustomGridController::GetCursor(int x, int y) {
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTestAt(x, y);
    return CanHandleHitTest(hitTest) ? hitTest->GetCursor() : crDefault;
}

bool TcxCustomGridController::IsDesignHitTest(TcxCustomGridHitTest* hitTest) {
    return hitTest->GetDragAndDropObjectClass() != nullptr || hitTest->GetHitTestCode() == htDesignSelector;
}

bool TcxCustomGridController::StartDragAndDrop(TPoint p) {
    TcxCustomGridHitTest* hitTest = GetViewInfo()->GetHitTest(p);
    if (!CanHandleHitTest(hitTest)) return false;
    const TMetaClass* cls = hitTest->GetDragAndDropObjectClass();
    if (!cls) return false;
    HideHint();
    SetDragAndDropObjectClass(cls);
    return true;
}

TObject* TcxCustomGridController::GetPatternObject(TObject* object) {
    if (auto* view = dynamic_cast<TcxCustomGridView*>(object)) return view->GetPatternGridView();
    return object;
}

// ---- focus ----

void TcxCustomGridController::FocusView(bool focusing) {
    const bool prev = isFocusing_;
    isFocusing_ = true;
    try {
        DoFocusView(focusing);
    } catch (...) {
        isFocusing_ = prev;
        throw;
    }
    isFocusing_ = prev;
}

void TcxCustomGridController::DoFocusView(bool focusing) {
    TcxCustomGridView* view = GetGridView();
    view->UpdateSiteTabStop(true);
    GetViewInfo()->UpdateSiteVisibility(true);
    TcxCustomGrid* grid = GetControl();
    TcxGridSite* site = GetSite();
    if (grid && site && grid->HoldsFocus() && site->CanReceiveFocus() && site->CanFocus()) site->SetFocus();
    if (focusing && view->IsDetail())
        if (TcxCustomGridView* master = view->GetMasterGridView()) master->GetController()->DetailFocused(view);
}

void TcxCustomGridController::UnfocusView() {
    BeforeFocusLost();
    TcxCustomGridView* view = GetGridView();
    view->UpdateSiteTabStop(false);
    if (!view->GetVisible())
        if (TcxGridSite* site = GetSite()) site->SetParent(nullptr);
}

void TcxCustomGridController::ControlFocusChanged() {
    GetViewInfo()->ControlFocusChanged();
}

// ---- dialog characters ----

bool TcxCustomGridController::ProcessDialogChar(std::uint16_t charCode) {
    TcxCustomGridView* master = GetGridView()->GetMasterGridView();
    return master && master->GetController()->ProcessDetailDialogChar(GetGridView(), charCode);
}

void TcxCustomGridController::HandleMessage(TMessage& message) {
    if (message.Msg == CN_SYSCHAR && ProcessDialogChar(static_cast<std::uint16_t>(message.WParam))) message.Msg = 0;
}

// ---- customization ----

void TcxCustomGridController::SetCustomization(bool value) {
    if (value == customization_) return;
    if (value) {
        TcxGridSite* site = GetSite();
        if (GetGridView()->IsPattern() || !site || !site->HandleAllocated()) return;
    }
    customization_ = value;
    CustomizationChanged();
}

void TcxCustomGridController::CustomizationChanged() {
    if (TcxCustomGrid* grid = GetControl()) grid->SendNotifications(gnkCustomization);
    GetGridView()->DoCustomization();
}

// ---- hints ----

const TMetaClass* TcxCustomGridController::GetHintWindowClass() const {
    return THintWindow::StaticClass();
}

bool TcxCustomGridController::IsHintShown() const {
    return hintWindow_ && hintWindow_->IsShowingHint();
}

bool TcxCustomGridController::IsPointInHintArea(TPoint p) {
    if (hintCell_) return hintCell_->IsPointInHintArea(p);
    if (!IsRectEmpty(hintArea_)) return PtInRect(hintArea_, p);
    TcxGridSite* site = GetSite();
    return site && PtInRect(site->GetClientRect(), p);
}

bool TcxCustomGridController::IsMouseOverSite() {
    TcxGridSite* site = GetSite();
    if (!site) return false;
    TCustomForm* form = GetParentForm(site);
    const bool formOk = !form || form->GetActive() ||
                        (form->GetFormStyle() == fsMDIForm && Application && Application->GetActive());
    if (!formOk || !site->HandleAllocated() || !site->GetVisible()) return false;
    TPoint p;
    if (!GetCursorPos(p)) return false;
    return WindowFromPoint(p) == site->GetHandle();
}

void TcxCustomGridController::ShowHint(const TRect& hintArea, const TRect& textBounds,
                                       TcxCustomGridViewCellViewInfo* cell, TFont* font, bool isMultiLine,
                                       const std::string& text) {
    if (!IsMouseOverSite()) return;
    TcxGridSite* site = GetSite();
    if (hintWindow_ && hintWindow_->ClassType() == GetHintWindowClass()) {
        if (hintWindow_->IsShowingHint() && hintText_ == text && EqualRect(hintTextBounds_, textBounds)) return;
        StopMouseTracking(this);
    } else {
        hintWindow_.reset(CreateInstance<THintWindow>(GetHintWindowClass(), nullptr));
        hintWindow_->SetColor(Application ? Application->HintColor : clInfoBk);
    }
    hintTextBounds_ = textBounds;
    hintText_ = text;
    if (font) hintWindow_->GetCanvas()->SetFont(font);
    const int maxWidth = isMultiLine ? textBounds.Right - textBounds.Left : 107374182;
    TRect r = hintWindow_->CalcHintRect(maxWidth, text);
    r.Right -= 6;
    r.Bottom -= 2;
    const TPoint origin = site->ClientToScreen(TPoint{textBounds.Left, textBounds.Top});
    OffsetRect(r, origin.X, origin.Y);
    // The window's border and margin lie around its text, so that the text covers the cell's.
    const int borderX = (hintWindow_->GetWidth() - hintWindow_->GetClientWidth()) / 2 + 2;
    const int borderY = (hintWindow_->GetHeight() - hintWindow_->GetClientHeight()) / 2 + 2;
    InflateRect(r, borderX, borderY);
    KeepRectInWorkArea(r, origin);
    r.Bottom -= 4;
    hintWindow_->ActivateHint(r, text);
    hintArea_ = hintArea;
    hintCell_ = cell;
    StartMouseTracking(site, hintArea_, this);
    if (!hintCheckerTimer_) {
        hintCheckerTimer_ = std::make_unique<TcxTimer>(nullptr);
        hintCheckerTimer_->SetInterval(100);
        hintCheckerTimer_->SetOnTimer([this](TObject*) { HintCheckerTimerFired(); });
    }
}

void TcxCustomGridController::HintCheckerTimerFired() {
    if (!IsMouseOverSite()) HideHint();
}

void TcxCustomGridController::HideHint() {
    hintCheckerTimer_.reset();
    StopMouseTracking(this);
    hintCell_ = nullptr;
    hintArea_ = TRect{};
    if (hintWindow_ && hintWindow_->HandleAllocated()) ShowWindow(hintWindow_->GetHandle(), SW_HIDE);
}

} // namespace zorvy
