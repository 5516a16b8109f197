// TcxControl: construction and destruction, the window procedure, keys, the context menu and popup
// menu, focus rules, font listeners, painting and window creation. Mouse handling and internal drag
// and drop are in ControlMouse.cpp, the scroll-bar host in ControlScrolling.cpp.
#include "controls/foundation/control/Control.h"

#include "controls/foundation/dragdrop/DragAndDrop.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/scrollbars/ControlScrollBar.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/ImageList.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {
// ---- TcxControlChildComponent ----

TcxControlChildComponent::TcxControlChildComponent(TComponent* owner) : TComponent(owner) {}

TcxControlChildComponent* TcxControlChildComponent::CreateForControl(const TMetaClass* cls, TcxControl* control,
                                                                     bool assignOwner) {
    auto* component =
        CreateInstance<TcxControlChildComponent>(cls, assignOwner && control ? control->GetOwner() : nullptr);
    // Only now does the most derived class answer its virtual operations.
    component->InitializeInstance();
    if (control) control->AddChildComponent(component);
    return component;
}

TcxControlChildComponent::~TcxControlChildComponent() {
    DetachFromControl();
}

void TcxControlChildComponent::DetachFromControl() {
    if (TcxControl* control = GetControl()) control->RemoveChildComponent(this);
}

void TcxControlChildComponent::AttachToParent(TComponent* parent) {
    if (auto* control = dynamic_cast<TcxControl*>(parent)) control->AddChildComponent(this);
}

TComponent* TcxControlChildComponent::GetParentComponent() const {
    return GetControl();
}

// ---- Construction and destruction ----

TcxControl::TcxControl(TComponent* owner)
    : TCustomControl(owner), canvasWrapper_(std::make_unique<TcxCanvas>(canvas_.get())) {
    if (UsesDragImages()) ControlStyle |= csDisplayDragImage;
    lookAndFeel_ = std::make_unique<TcxLookAndFeel>(this);
    lookAndFeel_->OnChanged = [this](TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
        HandleLookAndFeelChange(sender, changed);
    };
    defaultCursor_ = GetCursor();
    CreateScrollBars();
    SetTabStop(WantsFocus());
    lastParentBackground_ = true;
    SetParentBackground(true);
}

TcxControl::~TcxControl() {
    PrepareDestruction();
    if (Dragging()) EndDrag(false);
    DestroyScrollBars();
    fontListeners_.clear();
    // While a finishing drag-and-drop is on the stack it frees its object itself.
    if (!finishingDragAndDrop_) delete dragAndDropObject_;
    dragAndDropObject_ = nullptr;
    delete dragImageList_;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    lookAndFeel_->OnChanged = nullptr;
}

TcxCanvas* TcxControl::GetActiveCanvas() {
    if (HandleAllocated()) {
        screenCanvas_.reset();
        return canvasWrapper_.get();
    }
    if (!screenCanvas_) screenCanvas_ = std::make_unique<TcxScreenCanvas>();
    return screenCanvas_.get();
}

void TcxControl::PrepareDestruction() {
    if (!HasState(csDestroying)) Destroying();
}

// ---- Properties ----

void TcxControl::SetBorderStyle(TcxControlBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    GeometryChanged();
}

void TcxControl::SetPopupMenu(TComponent* value) {
    if (value && !dynamic_cast<TPopupMenu*>(value) && !dynamic_cast<IcxPopupMenuComponent*>(value))
        value = nullptr;
    if (value == popupMenu_) return;
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TcxControl::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

bool TcxControl::IsPopupMenuShortCutKey(TMessage& keyMessage) {
    if (InDesignMode()) return false;
    for (TControl* c = this; c; c = c->GetParent())
        if (auto* control = dynamic_cast<TcxControl*>(c); control && IsPopupMenuShortCut(control->popupMenu_, keyMessage))
            return true;
    return false;
}

bool TcxControl::ShowPopupMenuAt(TComponent* menu, int x, int y) {
    return ShowPopupMenu(this, menu, x, y);
}

void TcxControl::AddFontListener(IcxControlFontListener* listener) {
    fontListeners_.push_back(listener);
}

void TcxControl::RemoveFontListener(IcxControlFontListener* listener) {
    std::erase(fontListeners_, listener);
}

// ---- Focus and geometry questions ----

bool TcxControl::CanReceiveFocus() const {
    if (!CanFocus()) return false;
    auto* form = GetParentForm(const_cast<TcxControl*>(this));
    return !form || (form->CanFocus() && form->GetEnabled() && form->GetVisible());
}

bool TcxControl::FocusesOnClick() const {
    return !InDesignMode() && FocusOnClick && WantsFocus() && CanFocus();
}

TcxLookAndFeelPainterClass TcxControl::GetLookAndFeelPainter() const {
    return lookAndFeel_->GetActivePainter();
}

int TcxControl::GetBorderThickness() const {
    if (borderStyle_ == cxcbsNone) return 0;
    TcxLookAndFeelPainterClass painter = GetLookAndFeelPainter();
    return painter ? painter->GetControlBorderWidth() : 0;
}

TRect TcxControl::GetControlBounds() const {
    return HandleAllocated() ? GetClientRect() : Rect(0, 0, GetWidth(), GetHeight());
}

TRect TcxControl::GetContentBounds() const {
    TRect r = GetControlBounds();
    const int border = GetBorderThickness();
    InflateRect(r, -border, -border);
    if (HorzScrollBarShown()) r.Bottom -= hScrollBar_->GetHeight();
    if (VertScrollBarShown()) r.Right -= vScrollBar_->GetWidth();
    return r;
}

TCursor TcxControl::GetCursorAt(int, int) const {
    return defaultCursor_;
}

bool TcxControl::IsInternalChildControl(TControl* control) const {
    return control && (control == hScrollBar_ || control == vScrollBar_ || control == sizeGrip_);
}

bool TcxControl::HandlesDesignTimeMouse(int, int, TShiftState) const {
    return dragAndDropState_ != idsIdle || mouseButtonPressed_;
}

// ---- Invalidation ----

void TcxControl::InvalidateArea(const TRect& r, bool eraseBackground) {
    if (HandleAllocated()) InvalidateRect(handle_, &r, eraseBackground);
}

void TcxControl::InvalidateRegionArea(const TRegion* region, bool eraseBackground) {
    if (HandleAllocated() && region && !region->IsEmpty()) InvalidateRgn(handle_, region, eraseBackground);
}

void TcxControl::InvalidateWithChildren() {
    if (HandleAllocated()) RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
}

void TcxControl::RepaintNowWithChildren() {
    if (HandleAllocated()) RedrawWindow(handle_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- Hooks with a base behaviour ----

void TcxControl::FocusStateChanged() {
    if (OnFocusChanged) OnFocusChanged(this);
}

void TcxControl::FontPropertyChanged() {
    TWeakLink<TcxControl> self(this);
    for (IcxControlFontListener* listener : std::vector<IcxControlFontListener*>(fontListeners_)) {
        listener->ControlFontChanged(this, GetFont());
        if (!self) return;
    }
    Invalidate();
}

void TcxControl::MouseEntered(TControl*) {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TcxControl::MouseExited(TControl*) {
    if (OnMouseLeave) OnMouseLeave(this);
}

// ---- Window procedure ----

TPoint TcxControl::MessagePoint(const TMessage& m) const {
    // LParam holds only 16 bits per coordinate.
    if (IsWiderThanMessagePoints()) return ScreenToClient(GetMessagePos());
    return {GetXLParam(m.LParam), GetYLParam(m.LParam)};
}

void TcxControl::WndProc(TMessage& m) {
    TWeakLink<TcxControl> self(this);
    const bool leftDown = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
    bool taken = false;
    if (leftDown && !CurrentDragObject()) {
        const TPoint p = MessagePoint(m);
        taken = InDesignMode() ? HandlesDesignTimeMouse(p.X, p.Y, ssLeft) : DragMode == dmAutomatic;
        // Taken clicks reach the control's own handlers directly, so the class library's automatic
        // drag does not see them: the drag starts only once the pointer leaves the drag square.
        if (taken && !IsControlMouseMsg(m)) {
            ControlState |= csLButtonDown;
            Dispatch(m);
            if (self) ControlState &= ~csLButtonDown;
        }
    }
    if (!taken) {
        if (m.Msg == WM_RBUTTONUP) rightButtonReleasing_ = true;
        TCustomControl::WndProc(m);
    }
    if (!self) return;
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FocusStateChanged();
        break;
    case WM_PAINT:
        if (GetParentBackground() != lastParentBackground_) {
            lastParentBackground_ = GetParentBackground();
            ParentBackgroundChanged();
        }
        break;
    case WM_RBUTTONUP:
        rightButtonReleasing_ = false;
        break;
    default:
        break;
    }
    if (!self) return;
    switch (m.Msg) {
    case WM_LBUTTONDOWN: {
        const TPoint p = MessagePoint(m);
        AfterMouseButtonDown(mbLeft, p.X, p.Y);
        break;
    }
    case WM_RBUTTONDOWN: {
        const TPoint p = MessagePoint(m);
        AfterMouseButtonDown(mbRight, p.X, p.Y);
        break;
    }
    case WM_MBUTTONDOWN: {
        const TPoint p = MessagePoint(m);
        AfterMouseButtonDown(mbMiddle, p.X, p.Y);
        break;
    }
    default:
        break;
    }
}

void TcxControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CANCELMODE:
        HandleWmCancelMode(m);
        break;
    case WM_GETDLGCODE:
        HandleWmGetDlgCode(m);
        break;
    case WM_NCCALCSIZE:
        HandleWmNcCalcSize(m);
        break;
    case CM_DESIGNHITTEST:
        HandleCmDesignHitTest(m);
        break;
    case CM_SCROLLMETRICSCHANGED:
        HandleScrollMetricsChanged(m);
        break;
    case CN_SYSKEYDOWN:
        if (IsPopupMenuShortCutKey(m))
            m.Result = 1;
        else
            TCustomControl::CNKeyDown(m);
        break;
    default:
        TCustomControl::Dispatch(m);
        break;
    }
}

void TcxControl::AfterMouseButtonDown(TMouseButton button, int x, int y) {
    if (button == mbMiddle) {
        RunAnchorScrolling();
        return;
    }
    if (DragMode != dmAutomatic || button != mbLeft || !GetMouseCapture()) return;
    if (InDesignMode() && !CanDragAtDesignTime(x, y, 0)) return;
    if (!AllowsAutoDrag(x, y) || WaitForDragGesture(GetHandle()) != 1) return;
    TWeakLink<TcxControl> self(this);
    dragRefused_ = false;
    BeginDrag(true);
    if (self && dragRefused_) {
        dragRefused_ = false;
        CancelDrag();
    }
}

// ---- Message handlers ----

void TcxControl::HandleWmCancelMode(TMessage& m) {
    TWeakLink<TcxControl> self(this);
    DefaultHandler(m);
    if (self) FinishDragAndDrop(false);
    if (self) AbortMouseActions();
}

void TcxControl::HandleWmGetDlgCode(TMessage& m) {
    LRESULT code = 0;
    if (wantedKeys_ & wkAllKeys) code += DLGC_WANTALLKEYS;
    if (wantedKeys_ & wkArrowKeys) code += DLGC_WANTARROWS;
    if (wantedKeys_ & wkCharKeys) code += DLGC_WANTCHARS;
    // Ctrl+Tab leaves the control, as a dialog expects.
    if ((wantedKeys_ & wkTabKey) && GetKeyState(VK_CONTROL) >= 0) code += DLGC_WANTTAB;
    m.Result = code;
}

void TcxControl::HandleWmNcCalcSize(TMessage& m) {
    DefaultHandler(m);
    if (HandleAllocated()) PostMessage(handle_, CM_SCROLLMETRICSCHANGED);
}

void TcxControl::HandleCmDesignHitTest(TMessage& m) {
    DefaultHandler(m);
    if (m.Result == 0)
        m.Result = HandlesDesignTimeMouse(GetXLParam(m.LParam), GetYLParam(m.LParam), KeysToShiftState(m.WParam));
}

void TcxControl::WMContextMenu(TMessage& m) {
    if (m.Result != 0) return;
    if (InDesignMode()) {
        DefaultHandler(m);
        return;
    }
    TPoint p{GetXLParam(m.LParam), GetYLParam(m.LParam)};
    if (!(p.X == -1 && p.Y == -1)) {
        p = ScreenToClient(p);
        if (!PtInRect(GetClientRect(), p)) {
            DefaultHandler(m);
            return;
        }
    }
    TWeakLink<TcxControl> self(this);
    bool handled = false;
    DoContextPopup(p, handled);
    if (!self) return;
    m.Result = handled ? 1 : 0;
    if (!handled) DefaultHandler(m);
}

void TcxControl::DoContextPopup(TPoint mousePos, bool& handled) {
    TWeakLink<TcxControl> self(this);
    TCustomControl::DoContextPopup(mousePos, handled);
    if (handled || !self) return;
    if (mousePos.X == -1 && mousePos.Y == -1) mousePos = {0, 0};
    const TPoint screen = ClientToScreen(mousePos);
    handled = ShowPopupMenuAt(popupMenu_, screen.X, screen.Y);
}

void TcxControl::CNKeyDown(TMessage& m) {
    if (IsPopupMenuShortCutKey(m)) {
        m.Result = 1;
        return;
    }
    if (dragAndDropState_ == idsIdle) {
        TCustomControl::CNKeyDown(m);
        return;
    }
    // While an internal drag-and-drop is pending or running only Esc gets through, to cancel it.
    if (m.WParam == VK_ESCAPE) Perform(WM_KEYDOWN, m.WParam, m.LParam);
    m.Result = 1;
}

void TcxControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWeakLink<TcxControl> self(this);
    if (key == VK_ESCAPE) FinishDragAndDrop(false);
    if (self) TCustomControl::KeyDown(key, shift);
}

void TcxControl::CMMouseEnter(TMessage& m) {
    TWeakLink<TcxControl> self(this);
    // The parent hears of it as the class library tells it; the events fire once, from MouseEntered.
    if (parent_) parent_->Perform(CM_MOUSEENTER, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (self) MouseEntered(m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this);
}

void TcxControl::CMMouseLeave(TMessage& m) {
    TWeakLink<TcxControl> self(this);
    if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (self) MouseExited(m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this);
}

void TcxControl::CMColorChanged(TMessage& m) {
    ColorPropertyChanged();
    TCustomControl::CMColorChanged(m);
}

void TcxControl::CMCursorChanged(TMessage& m) {
    CursorPropertyChanged();
    TCustomControl::CMCursorChanged(m);
}

void TcxControl::CMFontChanged(TMessage& m) {
    TCustomControl::CMFontChanged(m);
    FontPropertyChanged();
}

void TcxControl::CMTextChanged(TMessage& m) {
    TCustomControl::CMTextChanged(m);
    TextPropertyChanged();
}

void TcxControl::CMVisibleChanged(TMessage& m) {
    TWeakLink<TcxControl> self(this);
    TCustomControl::CMVisibleChanged(m);
    if (self) VisiblePropertyChanged();
}

void TcxControl::WMEraseBkgnd(TMessage& m) {
    if (WantsEraseBackground())
        TCustomControl::WMEraseBkgnd(m);
    else
        m.Result = 1; // the control paints its whole client area itself
}

void TcxControl::WMSetCursor(TMessage& m) {
    if (InDesignMode() && dragAndDropState_ == idsIdle) {
        TPoint p;
        GetCursorPos(p);
        p = ScreenToClient(p);
        if (HandlesDesignTimeMouse(p.X, p.Y, ssLeft) && Screen) {
            zorvy::SetCursor(Screen->GetCursorHandle(GetCursorAt(p.X, p.Y)));
            m.Result = 1;
            return;
        }
    }
    TCustomControl::WMSetCursor(m);
}

void TcxControl::WMPaint(TMessage& m) {
    TWeakLink<TcxControl> self(this);
    HideDragImage();
    TCustomControl::WMPaint(m);
    if (self) ShowDragImage();
}

// ---- Painting and the window ----

void TcxControl::PaintWindow(HDC dc) {
    canvas_->PaintOn(dc, [this] {
        if (borderStyle_ == cxcbsDefault) {
            if (TcxLookAndFeelPainterClass painter = GetLookAndFeelPainter())
                painter->DrawControlBorder(canvasWrapper_.get(), GetControlBounds());
            canvasWrapper_->ClipIntersectRect(GetContentBounds());
        }
        Paint();
    });
    UpdateScrollBarWindows();
}

void TcxControl::Paint() {}

void TcxControl::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.style |= WS_CLIPCHILDREN; // the floating scroll bars are never painted over
}

void TcxControl::CreateWnd() {
    creatingWindow_ = true;
    try {
        TCustomControl::CreateWnd();
        RebuildScrollBars();
        AttachChildControls();
    } catch (...) {
        creatingWindow_ = false;
        throw;
    }
    creatingWindow_ = false;
}

void TcxControl::DestroyWnd() {
    TCustomControl::DestroyWnd();
    ControlState &= ~csClicked;
}

void TcxControl::Resize() {
    TWeakLink<TcxControl> self(this);
    TCustomControl::Resize();
    if (self) GeometryChanged();
}

} // namespace zorvy
