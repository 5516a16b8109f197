// The site: every event forwarded to the view's controller and painter, the geometry change that
// relays the view out, and the parent change that keeps the focus in the grid.
#include "controls/grid/view/GridSite.h"

#include "controls/foundation/services/Timers.h"
#include "controls/grid/control/Grid.h"
#include "controls/grid/control/GridLevel.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewController.h"
#include "controls/grid/view/ViewInfo.h"
#include "controls/grid/view/ViewPainter.h"
#include "platform/classlib/Forms.h"

namespace zorvy {

TcxGridSite::TcxGridSite(TcxCustomGridViewInfo* viewInfo) : TcxControl(nullptr), viewInfo_(viewInfo) {
    ControlStyle |= csNoDesignVisible;
    SetWantedKeys(wkArrowKeys | wkCharKeys);
    SetParentColor(false);
}

TcxGridSite::~TcxGridSite() {
    sizeChangeTimer_.reset();
}

TcxCustomGridView* TcxGridSite::GetGridView() const {
    return viewInfo_->GetGridView();
}

TcxCustomGridController* TcxGridSite::GetController() const {
    return GetGridView()->GetController();
}

TcxCustomGridPainter* TcxGridSite::GetPainter() const {
    return GetGridView()->GetPainter();
}

// ---- geometry and painting ----

void TcxGridSite::SetBounds(int left, int top, int width, int height) {
    const int oldWidth = GetWidth(), oldHeight = GetHeight();
    TcxControl::SetBounds(left, top, width, height);
    if (GetWidth() != oldWidth || GetHeight() != oldHeight) {
        const TRect r = GetContentBounds();
        contentWidth_ = r.Right - r.Left;
        contentHeight_ = r.Bottom - r.Top;
    }
}

TRect TcxGridSite::GetContentBounds() const {
    TRect r = TcxControl::GetContentBounds();
    viewInfo_->AdjustContentBounds(r);
    return r;
}

TRect TcxGridSite::CalcHorzScrollBarRect() const {
    TRect r = TcxControl::CalcHorzScrollBarRect();
    viewInfo_->AddHorzScrollBarOffset(r.Left);
    return r;
}

void TcxGridSite::RecalculateScrollBars() {
    if (viewInfo_->IsCalculating() || !GetGridView()->GetVisible()) return;
    TcxControl::RecalculateScrollBars();
}

void TcxGridSite::GeometryChanged() {
    if (IsCreatingWindow()) {
        TcxControl::GeometryChanged();
        return;
    }
    const int prevWidth = contentWidth_, prevHeight = contentHeight_;
    const TRect r = GetContentBounds();
    contentWidth_ = r.Right - r.Left;
    contentHeight_ = r.Bottom - r.Top;
    if (!viewInfo_->IsSiteVisibilityChanging() && (prevWidth != 0 || prevHeight != 0) &&
        (prevWidth != contentWidth_ || prevHeight != contentHeight_)) {
        bool ready = true;
        for (TcxCustomGridView* view = GetGridView(); view && ready; view = view->GetMasterGridView())
            ready = view->GetViewInfo() && view->GetViewInfo()->IsLayoutReady();
        if (ready) {
            GetGridView()->LayoutOrSizeChanged(true, false);
        } else if (IsUpdatingScrollBars() && !sizeChangeTimer_) {
            sizeChangeTimer_ = std::make_unique<TcxTimer>(nullptr);
            sizeChangeTimer_->SetInterval(1);
            sizeChangeTimer_->SetOnTimer([this](TObject*) { SizeChangeTimerFired(); });
        }
    }
    TcxControl::GeometryChanged();
}

void TcxGridSite::SizeChangeTimerFired() {
    sizeChangeTimer_.reset();
    GetGridView()->LayoutOrSizeChanged(false, false);
}

void TcxGridSite::Paint() {
    if (viewInfo_->IsCalculating() || IsParked()) return;
    TcxControl::Paint();
    GetPainter()->Paint();
}

// ---- focus ----

bool TcxGridSite::InDesignMode() const {
    if (TcxCustomGrid* grid = GetGridView()->GetGrid()) return grid->InDesignMode();
    return GetGridView()->HasState(csDesigning);
}

bool TcxGridSite::HoldsFocus() const {
    return TcxControl::HoldsFocus() || GetController()->HasFocusedControls();
}

bool TcxGridSite::FocusesOnClickAt(int x, int y) const {
    return TcxControl::FocusesOnClickAt(x, y) && GetController()->CanFocusOnClick(x, y);
}

bool TcxGridSite::FocusesOnScrollBarClick() const {
    TcxCustomGrid* grid = GetGridView()->GetGrid();
    return TcxControl::FocusesOnScrollBarClick() && !(grid && grid->HoldsFocus());
}

bool TcxGridSite::WantsFocus() const {
    return TcxControl::WantsFocus() && GetController()->WantsSiteFocus();
}

void TcxGridSite::SetFocus() {
    TWeakLink<TcxGridSite> self(this);
    TcxCustomGridView* view = GetGridView();
    if (!view->IsFocusedView())
        if (TcxCustomGrid* grid = view->GetGrid())
            if (TcxCustomGridView* focused = grid->GetFocusedView()) focused->GetController()->BeforeFocusLost();
    if (self) TcxControl::SetFocus();
}

void TcxGridSite::FocusStateChanged() {
    TWeakLink<TcxGridSite> self(this);
    TcxControl::FocusStateChanged();
    if (!self) return;
    if (HoldsFocus()) GetGridView()->SetFocused(true);
    if (!self) return;
    if (TcxCustomGrid* grid = GetGridView()->GetGrid()) grid->SetControlFocused(GetGridView()->IsControlFocused());
}

void TcxGridSite::DoEnter() {
    TcxControl::DoEnter();
    GetController()->DoEnter();
}

void TcxGridSite::DoExit() {
    if (!GetGridView()->IsBeingDestroyed()) GetController()->DoExit();
    TcxControl::DoExit();
}

void TcxGridSite::SetParent(TWinControl* parent) {
    TcxCustomGridView* view = GetGridView();
    if (parent) {
        GetLookAndFeel()->SetMaster(view->GetLookAndFeel());
        view->UpdateSiteTabStop(view->GetLevel() && view->GetLevel()->IsTop());
    } else if (view->IsFocusedView()) {
        TWinControl* old = GetParent();
        if (old && !old->HasState(csDestroying) && old->CanFocus()) old->SetFocus();
    }
    TcxControl::SetParent(parent);
}

// ---- keys ----

void TcxGridSite::CNKeyDown(TMessage& m) {
    if (TcxCustomGrid* grid = GetGridView()->GetGrid()) {
        TObject* message = reinterpret_cast<TObject*>(&m);
        grid->SendNotifications(gnkKeyDown, message);
    }
    if (m.Result == 0) TcxControl::CNKeyDown(m);
}

void TcxGridSite::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxGridSite> self(this);
    TcxControl::KeyDown(key, shift);
    if (self) GetController()->KeyDown(key, shift);
}

void TcxGridSite::KeyPress(char32_t& key) {
    TWeakLink<TcxGridSite> self(this);
    TcxControl::KeyPress(key);
    if (self) GetController()->KeyPress(key);
}

void TcxGridSite::KeyUp(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxGridSite> self(this);
    TcxControl::KeyUp(key, shift);
    if (self) GetController()->KeyUp(key, shift);
}

void TcxGridSite::WndProc(TMessage& m) {
    if (m.Msg == WM_SETCURSOR && InDesignMode()) return;
    GetController()->HandleMessage(m);
    TcxControl::WndProc(m);
}

// ---- mouse ----

void TcxGridSite::ProcessMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxGridSite> self(this);
    TcxControl::ProcessMouseDown(button, shift, x, y);
    if (self && HandleAllocated()) GetController()->MouseDown(button, shift, x, y);
}

void TcxGridSite::MouseMove(TShiftState shift, int x, int y) {
    TWeakLink<TcxGridSite> self(this);
    TcxControl::MouseMove(shift, x, y);
    if (self && GetDragAndDropState() == idsIdle) GetController()->MouseMove(shift, x, y);
}

void TcxGridSite::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxGridSite> self(this);
    if (GetDragAndDropState() != idsIdle) {
        TcxControl::MouseUp(button, shift, x, y);
        if (self) GetController()->MouseUp(button, shift, x, y);
    } else {
        GetController()->MouseUp(button, shift, x, y);
        if (self) TcxControl::MouseUp(button, shift, x, y);
    }
}

void TcxGridSite::MouseExited(TControl* control) {
    TcxControl::MouseExited(control);
    GetController()->CancelHint();
}

void TcxGridSite::AbortMouseActions() {
    TcxControl::AbortMouseActions();
    GetController()->CancelMouseOperations();
}

TCursor TcxGridSite::GetCursorAt(int x, int y) const {
    const TCursor cursor = GetController()->GetCursor(x, y);
    return cursor != crDefault ? cursor : TcxControl::GetCursorAt(x, y);
}

bool TcxGridSite::HandlesDesignTimeMouse(int x, int y, TShiftState shift) const {
    if (TcxControl::HandlesDesignTimeMouse(x, y, shift) || (shift & ssDouble)) return true;
    if ((shift & ssRight) && IsRightButtonReleasing()) return true;
    return GetController()->IsDesignHitTest(viewInfo_->GetHitTestAt(x, y));
}

void TcxGridSite::DoContextPopup(TPoint mousePos, bool& handled) {
    TcxControl::DoContextPopup(mousePos, handled);
    if (handled) return;
    if (TcxCustomGrid* grid = GetGridView()->GetGrid()) {
        TObject fromKeyboard;
        handled = grid->SendNotifications(gnkContextMenu,
                                          mousePos.X == -1 && mousePos.Y == -1 ? &fromKeyboard : nullptr);
    }
}

// ---- scrolling ----

void TcxGridSite::ComputeScrollBarParams() {
    GetController()->InitScrollBars();
}

void TcxGridSite::ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) {
    GetController()->Scroll(kind, code, pos);
}

int TcxGridSite::GetWheelScrollKind() const {
    return GetController()->GetMouseWheelScrollingKind();
}

bool TcxGridSite::IsPixelScrolling(TScrollBarKind kind) const {
    return GetController()->IsPixelScrollBar(kind);
}

// ---- drag and drop ----

bool TcxGridSite::AllowsAutoDrag(int x, int y) const {
    return TcxControl::AllowsAutoDrag(x, y) && GetController()->CanStartAutoDrag(x, y);
}

bool TcxGridSite::MayStartDragAndDrop(TPoint p) {
    return GetController()->StartDragAndDrop(p);
}

void TcxGridSite::StartDragAndDrop() {
    GetController()->BeforeStartDragAndDrop();
    TcxControl::StartDragAndDrop();
}

void TcxGridSite::TrackDragAndDrop(TPoint p, bool& accepted) {
    TcxControl::TrackDragAndDrop(p, accepted);
    GetController()->AfterTrackDragAndDrop(p, accepted);
}

void TcxGridSite::StopDragAndDrop(bool accepted) {
    GetController()->BeforeStopDragAndDrop(accepted);
    TcxControl::StopDragAndDrop(accepted);
}

void TcxGridSite::DoStartDrag(TDragObject*& dragObject) {
    GetController()->PostOrCancelEdit();
    TcxControl::DoStartDrag(dragObject);
    GetController()->DoStartDrag(dragObject);
}

void TcxGridSite::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    TcxControl::DragOver(source, x, y, state, accept);
    GetController()->DoDragOver(source, x, y, state, accept);
}

void TcxGridSite::DragDrop(TObject* source, int x, int y) {
    GetController()->DoDragDrop(source, x, y);
    TcxControl::DragDrop(source, x, y);
}

void TcxGridSite::DoEndDrag(TObject* target, int x, int y) {
    GetController()->DoEndDrag(target, x, y);
    TcxControl::DoEndDrag(target, x, y);
}

void TcxGridSite::PaintDragImage(TcxCanvas* canvas, const TRect& r) {
    GetController()->DrawDragImage(canvas, r);
}

TSize TcxGridSite::GetDragImageSize() const {
    return GetController()->GetDragImageSize();
}

bool TcxGridSite::UsesDragImages() const {
    return GetController()->HasDragImage();
}

} // namespace zorvy
