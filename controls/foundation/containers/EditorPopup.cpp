// TcxCustomPopupWindow: showing with its modal loop, closing, deactivation, window parameters and its
// private messages. The open-popup list, the ownership tests and the message hooks are in
// PopupHooks.cpp.
#include "controls/foundation/containers/EditorPopup.h"

#include "controls/foundation/containers/Container.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "controls/foundation/services/Timers.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {

std::vector<TcxCustomPopupWindow*>& OpenPopupList();
void RestoreOwnerCaption(TcxCustomPopupWindow* popup);

TcxCustomPopupWindow::TcxCustomPopupWindow(TWinControl* ownerControl)
    : TcxCustomPopupWindow(ownerControl, std::make_unique<TcxContainerViewInfo>()) {}

TcxCustomPopupWindow::TcxCustomPopupWindow(TWinControl* ownerControl, std::unique_ptr<TcxContainerViewInfo> viewInfo)
    : style_(std::make_unique<TcxContainerStyle>(this, cxssNormal, nullptr, false)), viewInfo_(std::move(viewInfo)) {
    SetFormStyle(fsNormal);
    style_->OnChanged = [this](TObject*) { HandleStyleChange(); };
    popupOwner_ = TWeakLink<TWinControl>(ownerControl);
    KeyPreview = true;
}

TcxCustomPopupWindow::~TcxCustomPopupWindow() {
    Destroying();
    std::erase(OpenPopupList(), this);
    style_->OnChanged = nullptr;
}

bool TcxCustomPopupWindow::IsOpen() const {
    const auto& list = OpenPopupList();
    return std::find(list.begin(), list.end(), this) != list.end();
}

// ---- Showing ----

namespace {

TWinControl* ChooseInitialFocusControl(TcxCustomPopupWindow* popup, TWinControl* focusControl) {
    if (!focusControl) return popup;
    if (focusControl->CanFocus() && focusControl->GetTabStop()) return focusControl;
    if (TWinControl* first = popup->FindNextControl(nullptr, true, true, false)) return first;
    return popup;
}

} // namespace

void TcxCustomPopupWindow::Popup(TWinControl* focusControl) {
    if (IsOpen() || !IsOwnerVisible()) return;
    TWeakLink<TcxCustomPopupWindow> self(this);
    InitializePopup();
    FitSizeToContent();
    TPoint p = ComputePosition();
    FitIntoWorkArea(p);
    OpenPopupList().push_back(this);
    NotifyShowing();
    if (!self) return;
    SetBounds(p.X, p.Y, GetWidth(), GetHeight());
    if (focusCapture_) {
        Show();
    } else {
        // A tool window that leaves the focus where it is.
        HandleNeeded();
        visible_ = true;
        ShowWindow(handle_, SW_SHOWNA);
    }
    if (!self) return;
    SetBounds(p.X, p.Y, GetWidth(), GetHeight()); // showing may have moved the form
    initialFocusControl_ =
        TWeakLink<TWinControl>(focusCapture_ ? ChooseInitialFocusControl(this, focusControl) : focusControl);
    if (focusCapture_) (GetInitialFocusControl() ? GetInitialFocusControl() : this)->SetFocus();
    if (!self) return;
    TWinControl* owner = GetPopupOwner();
    TCustomForm* ownerForm = owner ? GetParentForm(owner) : nullptr;
    const bool topmost = !focusCapture_ || !ownerForm ||
                         (ownerForm->HandleAllocated() && (GetWindowExStyle(ownerForm->GetHandle()) & WS_EX_TOPMOST));
    SetWindowPos(handle_, topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetModalResult(mrNone);
    NotifyShown();
    if (!self || !focusCapture_ || !ModalLoop) return;
    while (self && GetVisible() && Application && !Application->Terminated()) {
        MSG msg;
        // No system menu or menu bar of the owner form while the popup is modal.
        if (PeekMessage(msg, 0, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
            (msg.wParam == VK_RETURN || msg.wParam == VK_MENU || msg.wParam == VK_SPACE))
            PeekMessage(msg, 0, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
        if (GetModalResult() != mrNone) {
            if (CloseQuery())
                CloseOnModalResult();
            else
                SetModalResult(mrNone);
            if (!self || !GetVisible()) break;
        }
        Application->HandleMessage();
    }
}

void TcxCustomPopupWindow::FitIntoWorkArea(TPoint& p) {
    if (!FitsToWorkArea()) return;
    TRect r;
    GetMonitorWorkArea(p, r);
    int w = GetWidth(), h = GetHeight();
    if (p.X < r.Left) {
        w -= r.Left - p.X;
        p.X = r.Left;
    }
    if (p.Y < r.Top) {
        h -= r.Top - p.Y;
        p.Y = r.Top;
    }
    h = std::min(h, r.Bottom - p.Y);
    SetWidth(std::min(w, r.Right - p.X));
    SetHeight(h);
    // Pressed against the top, a popup that could not take the height keeps its bottom edge.
    if (GetHeight() != h && p.Y == r.Top) p.Y += h - GetHeight();
}

// ---- Closing ----

void TcxCustomPopupWindow::ClosePopup() {
    if (!IsOpen()) return;
    TWeakLink<TcxCustomPopupWindow> self(this);
    std::erase(OpenPopupList(), this);
    NotifyClosing();
    if (!self) return;
    if (HandleAllocated()) ShowWindow(handle_, SW_HIDE);
    Hide();
    if (!self) return;
    NotifyClosed();
    if (!self) return;
    RestoreOwnerCaption(this);
    if (!HandleAllocated()) return;
    const HWND capture = GetCapture();
    if (capture && (capture == handle_ || IsChild(handle_, capture))) SetCaptureControl(nullptr);
}

void TcxCustomPopupWindow::Deactivate() {
    if (IsDeactivationLocked()) return;
    TWeakLink<TcxCustomPopupWindow> self(this);
    // While the deactivation is reported the window system still names this popup as active; the
    // window taking over came with the message.
    const HWND active = activatedWindow_ ? activatedWindow_ : GetActiveWindow();
    auto& list = OpenPopupList();
    for (int i = static_cast<int>(list.size()) - 1; i >= 0 && self; --i) {
        if (i >= static_cast<int>(list.size())) continue;
        TcxCustomPopupWindow* p = list[static_cast<std::size_t>(i)];
        if (p->HandleAllocated() && p->GetHandle() == active) return;
        if (p->HandleAllocated() && IsWindowEnabled(p->GetHandle()) && !p->IsDeactivationLocked()) p->ClosePopup();
    }
    if (self && !list.empty() && IsOpen()) ClosePopup();
}

void TcxCustomPopupWindow::WMActivate(TMessage& m) {
    activatedWindow_ = LoWord(m.WParam) == WA_INACTIVE ? static_cast<HWND>(m.LParam) : 0;
    TWeakLink<TcxCustomPopupWindow> self(this);
    TcxPopupWindow::WMActivate(m);
    if (self) activatedWindow_ = 0;
}

void TcxCustomPopupWindow::VisibleStateChanged() {
    TcxPopupWindow::VisibleStateChanged();
    TWinControl* owner = GetPopupOwner();
    if (!focusCapture_ || !owner || !HandleAllocated() || GetVisible()) return;
    TCustomForm* form = GetParentForm(owner);
    if (form && form->HandleAllocated() && GetFocus() == form->GetHandle() && owner->CanFocus() &&
        !owner->HasState(csDesigning))
        owner->SetFocus();
}

void TcxCustomPopupWindow::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_ESCAPE && IsOpen() && HoldsMouseCapture()) {
        SetCaptureControl(nullptr);
        key = 0;
        return;
    }
    TcxPopupWindow::KeyDown(key, shift);
}

// ---- Questions ----

void TcxCustomPopupWindow::LockDeactivation(bool lock) {
    deactivationLock_ += lock ? 1 : -1;
}

bool TcxCustomPopupWindow::IsOwnerVisible() const {
    TWinControl* owner = GetPopupOwner();
    return owner && owner->HandleAllocated() && IsWindowVisible(owner->GetHandle());
}

bool TcxCustomPopupWindow::HoldsMouseCapture() const {
    return HandleAllocated() && GetCapture() == handle_;
}

bool TcxCustomPopupWindow::IsFocused() const {
    return IsOpen() && focusCapture_ && WindowBelongsToControl(const_cast<TcxCustomPopupWindow*>(this), GetFocus(), true);
}

TRect TcxCustomPopupWindow::GetOwnerScreenBounds() const {
    TRect r = AnchorBounds;
    TWinControl* owner = GetPopupOwner();
    if (owner && owner->HandleAllocated() && IsChildWindowHandle(owner->GetHandle()) && GetAnchorParent()) {
        const TPoint a = GetAnchorParent()->ClientToScreen({r.Left, r.Top});
        const TPoint b = GetAnchorParent()->ClientToScreen({r.Right, r.Bottom});
        r = {a.X, a.Y, b.X, b.Y};
    }
    return r;
}

bool TcxCustomPopupWindow::AcceptsSysKey(std::uint16_t key) const {
    return (key >= 33 && key <= 40) || key == 115;
}

void TcxCustomPopupWindow::ChangeFocusCapture(bool value) {
    if (value == focusCapture_) return;
    focusCapture_ = value;
    RecreateIfAllocated();
}

void TcxCustomPopupWindow::ChangeTopMost(bool value) {
    if (value == topMost_) return;
    topMost_ = value;
    RecreateIfAllocated();
}

void TcxCustomPopupWindow::RecreateIfAllocated() {
    if (HandleAllocated()) RecreateWnd();
    if (!IsOpen()) return;
    ClosePopup();
    Popup(GetInitialFocusControl());
}

// ---- Notices ----

void TcxCustomPopupWindow::NotifyClosed() {
    if (OnPopupClosed) OnPopupClosed(this);
}
void TcxCustomPopupWindow::NotifyClosing() {
    if (OnPopupClosing) OnPopupClosing(this);
}
void TcxCustomPopupWindow::NotifyShown() {
    if (OnPopupShown) OnPopupShown(this);
}
void TcxCustomPopupWindow::NotifyShowing() {
    if (OnPopupShowing) OnPopupShowing(this);
}

// ---- Window ----

void TcxCustomPopupWindow::Paint() {
    viewInfo_->PaintTo(GetCanvasWrapper());
}

void TcxCustomPopupWindow::AdjustClientRect(TRect& rect) {
    if (!IsRectEmpty(viewInfo_->ClientRect)) rect = viewInfo_->ClientRect;
}

void TcxCustomPopupWindow::CreateParams(TCreateParams& params) {
    TcxPopupWindow::CreateParams(params);
    TWinControl* owner = GetPopupOwner();
    TCustomForm* ownerForm = owner ? GetParentForm(owner) : nullptr;
    if (focusCapture_) {
        if (ownerForm && ownerForm->HandleAllocated()) params.wndParent = ownerForm->GetHandle();
        params.style = (params.style & ~WS_CHILD) | WS_POPUP;
        if (topMost_ && (!ownerForm || (ownerForm->HandleAllocated() &&
                                        (GetWindowExStyle(ownerForm->GetHandle()) & WS_EX_TOPMOST))))
            params.exStyle |= WS_EX_TOPMOST;
    } else {
        // A desktop tool window that never takes the activation.
        params.wndParent = 0;
        params.style = WS_POPUP;
        params.exStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    }
    params.style |= WS_CLIPCHILDREN;
}

void TcxCustomPopupWindow::CreateWnd() {
    // While its window is made the popup counts as open (hooks see its messages as a popup's).
    auto& list = OpenPopupList();
    const bool wasOpen = IsOpen();
    if (!wasOpen) list.push_back(this);
    TWinControl* owner = GetPopupOwner();
    SetPopupParent(focusCapture_ && owner ? GetParentForm(owner) : nullptr);
    try {
        TcxPopupWindow::CreateWnd();
    } catch (...) {
        if (!wasOpen) std::erase(list, this);
        throw;
    }
    if (!wasOpen) std::erase(list, this);
}

void TcxCustomPopupWindow::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (WantsEraseBackground())
            TcxPopupWindow::Dispatch(m);
        else
            m.Result = 1;
        break;
    case CM_POPUPCLOSEREQUEST: {
        TWeakLink<TcxCustomPopupWindow> self(this);
        LockDeactivation(true);
        ClosePopup();
        if (!self) return;
        LockDeactivation(false);
        if (TWinControl* owner = GetPopupOwner(); owner && owner->HandleAllocated())
            SendMessage(owner->GetHandle(), WM_SETFOCUS, 0, 0);
        break;
    }
    case CM_POPUPREOPEN:
        Popup(GetInitialFocusControl());
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TWeakLink<TcxCustomPopupWindow> self(this);
        TcxPopupWindow::Dispatch(m);
        if (!self) return;
        TControl* control = m.LParam ? reinterpret_cast<TControl*>(m.LParam) : this;
        if (m.Msg == CM_MOUSEENTER)
            MouseEntered(control);
        else
            MouseExited(control);
        break;
    }
    default:
        TcxPopupWindow::Dispatch(m);
        break;
    }
}

} // namespace zorvy
