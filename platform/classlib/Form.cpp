#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>

namespace zorvy {

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
    canvas_->Control = this;
    visible_ = false;
    ControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    left_ = 100;
    top_ = 100;
    width_ = 320;
    height_ = 240;
    parentFont_ = false;
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    Destroying();
    if (OnDestroy) OnDestroy(this);
    canvas_->FreeHandle();
    if (Screen) Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
}

void TCustomForm::AfterConstruction() {
    if (created_) return;
    created_ = true;
    if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == formStyle_) return;
    formStyle_ = style;
    if (HandleAllocated())
        SetWindowPos(handle_, style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (HandleAllocated() && visible_)
        ShowWindow(handle_, state == wsMaximized   ? SW_SHOWMAXIMIZED
                            : state == wsMinimized ? SW_SHOWMINIMIZED
                                                   : SW_RESTORE);
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    if (parent_) return;
    p.wndParent = parentWindow_;
    if (TCustomForm* owner = popupParent_.Get(); !p.wndParent && owner && owner != this)
        p.wndParent = owner->GetHandle();
    // With the main window on the task bar, the other windows belong to it: they stay in front of it
    // and have no task-bar entry of their own.
    if (TCustomForm* main = Application ? Application->GetMainForm() : nullptr;
        !p.wndParent && Application && Application->MainFormOnTaskBar && main && main != this &&
        main->HandleAllocated())
        p.wndParent = main->GetHandle();
    p.style = WS_CLIPCHILDREN;
    p.exStyle = 0;
    switch (borderStyle_) {
    case bsNone:
        p.style |= WS_POPUP;
        break;
    case bsSingle:
    case bsDialog:
        p.style |= WS_CAPTION | WS_SYSMENU;
        if (borderStyle_ == bsDialog) p.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        p.style |= WS_CAPTION | WS_SYSMENU | (borderStyle_ == bsSizeToolWin ? WS_THICKFRAME : 0u);
        p.exStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeable:
        p.style |= WS_OVERLAPPEDWINDOW;
        break;
    }
    if (!enabled_) p.style |= WS_DISABLED;
    if (formStyle_ == fsStayOnTop) p.exStyle |= WS_EX_TOPMOST;
    if (alphaBlend_ || transparentColor_) p.exStyle |= WS_EX_LAYERED;
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    ApplyLayering();
    if (!parent_) {
        const TSizeConstraints* c = GetConstraints();
        if (c->MinWidth || c->MinHeight || c->MaxWidth || c->MaxHeight)
            SetWindowSizeLimits(handle_, c->MinWidth, c->MinHeight, c->MaxWidth, c->MaxHeight);
    }
}

void TCustomForm::ApplyLayering() {
    if (!HandleAllocated() || parent_) return;
    const bool layered = alphaBlend_ || transparentColor_;
    std::uint32_t ex = GetWindowExStyle(handle_);
    if (layered != ((ex & WS_EX_LAYERED) != 0))
        SetWindowExStyle(handle_, layered ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
    if (!layered) return;
    std::uint32_t flags = (alphaBlend_ ? LWA_ALPHA : 0u) | (transparentColor_ ? LWA_COLORKEY : 0u);
    SetLayeredWindowAttributes(handle_, ColorToRGB(transparentColorValue_), alphaBlendValue_, flags);
}

void TCustomForm::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    ApplyLayering();
}

void TCustomForm::SetAlphaBlendValue(std::uint8_t value) {
    alphaBlendValue_ = value;
    ApplyLayering();
}

void TCustomForm::SetTransparentColor(bool value) {
    transparentColor_ = value;
    ApplyLayering();
}

void TCustomForm::SetTransparentColorValue(TColor color) {
    transparentColorValue_ = color;
    ApplyLayering();
}

bool TCustomForm::IsShowing() const {
    if (parent_) return TWinControl::IsShowing();
    return visible_;
}

TRect TCustomForm::GetClientRect() const {
    TRect r = TWinControl::GetClientRect();
    if (!HandleAllocated() && !parent_ && menu_) r.Bottom = std::max(r.Top, r.Bottom - menu_->BarHeight());
    return r;
}

bool TCustomForm::CanFocus() const {
    if (parent_) return TWinControl::CanFocus();
    return visible_ && enabled_;
}

void TCustomForm::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (parent_) {
        TWinControl::SetFocus();
        return;
    }
    zorvy::SetFocus(GetHandle());
}

void TCustomForm::ApplyPosition() {
    TRect area;
    switch (Position) {
    case poScreenCenter: {
        area = Screen ? Screen->GetWorkAreaRect() : GetWorkAreaAt({0, 0});
        // The work area of the monitor showing the main or the active form, when asked for.
        TCustomForm* near = nullptr;
        if (Screen && DefaultMonitor == dmActiveForm) near = Screen->GetActiveForm();
        if (Application && (DefaultMonitor == dmMainForm || (DefaultMonitor == dmActiveForm && !near)))
            near = Application->GetMainForm();
        if (Screen && near && near != this && near->GetVisible()) {
            const TRect b = near->GetBoundsRect();
            area = Screen->MonitorFromPoint({b.Left + b.Width() / 2, b.Top + b.Height() / 2}).WorkareaRect;
        }
        break;
    }
    case poDesktopCenter:
        area = Screen ? Screen->GetDesktopRect() : GetWorkAreaAt({0, 0});
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* center = nullptr;
        if (Position == poOwnerFormCenter) center = dynamic_cast<TCustomForm*>(GetOwner());
        if (!center && Application) center = Application->GetMainForm();
        if (!center || center == this || !center->GetVisible()) {
            area = Screen ? Screen->GetWorkAreaRect() : GetWorkAreaAt({0, 0});
        } else {
            area = center->GetBoundsRect();
        }
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - width_) / 2, area.Top + (area.Height() - height_) / 2, width_,
              height_);
}

void TCustomForm::SetVisible(bool visible) {
    if (parent_) {
        TWinControl::SetVisible(visible);
        return;
    }
    if (visible == visible_) return;
    TWeakLink<TCustomForm> self(this);
    if (visible) {
        ApplyPosition();
        visible_ = true;
        DoShow();
        if (!self || !visible_) return;
        HWND h = GetHandle();
        const int command = windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                            : windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                                                          : SW_SHOW;
        ShowWindow(h, command);
    } else {
        DoHide();
        if (!self) return;
        visible_ = false;
        if (HandleAllocated()) ShowWindow(handle_, SW_HIDE);
    }
}

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated()) {
        BringWindowToTop(handle_);
        if (IsWindowEnabled(handle_)) SetActiveWindow(handle_);
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    TWeakLink<TCustomForm> self(this);
    if (!CloseQuery() || !self) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (!self || action == caNone) return;
    if (Application && Application->GetMainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TCustomForm::CloseModal() {
    TWeakLink<TCustomForm> self(this);
    TCloseAction action = caNone;
    if (CloseQuery()) {
        if (!self) return;
        action = caHide;
        DoClose(action);
    }
    if (!self) return;
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        Release();
}

void TCustomForm::Release() {
    if (HandleAllocated())
        PostMessage(handle_, CM_RELEASE);
    else
        delete this;
}

int TCustomForm::ShowModal() {
    if (visible_ || !enabled_ || modal_ || formStyle_ == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (HWND captured = GetCapture()) {
        SendMessage(captured, WM_CANCELMODE);
        ReleaseCapture();
    }
    TWeakLink<TCustomForm> self(this);
    modal_ = true;
    HWND previousActive = GetActiveWindow();
    HWND own = GetHandle();
    // The window it was opened from owns it, so it stands in front of that window.
    HWND opener = previousActive;
    TCustomForm* main = Application ? Application->GetMainForm() : nullptr;
    if ((!opener || opener == own) && main && main != this && main->HandleAllocated()) opener = main->GetHandle();
    if (opener && opener != own && IsWindowVisible(opener)) SetWindowOwner(own, opener);
    // Every other enabled, visible top-level window waits while the form is modal.
    std::vector<HWND> disabled;
    for (HWND h = GetTopWindow(0); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h != own && IsWindowVisible(h) && IsWindowEnabled(h)) disabled.push_back(h);
    for (HWND h : disabled)
        EnableWindow(h, false);
    if (Application) ++Application->ModalLevel;
    int result = mrCancel;
    try {
        Show();
        modalResult_ = mrNone;
        while (self) {
            Application->HandleMessage();
            if (!self) break;
            if (Application->Terminated())
                modalResult_ = mrCancel;
            else if (modalResult_ != mrNone)
                CloseModal();
            if (self && modalResult_ != mrNone) break;
        }
        if (self) {
            result = modalResult_;
            Hide();
        }
    } catch (...) {
        if (self) {
            modal_ = false;
            Hide();
        }
        for (HWND h : disabled)
            EnableWindow(h, true);
        if (Application) --Application->ModalLevel;
        throw;
    }
    for (HWND h : disabled)
        EnableWindow(h, true);
    if (Application) --Application->ModalLevel;
    if (self) modal_ = false;
    if (previousActive && IsWindow(previousActive) && IsWindowVisible(previousActive))
        SetActiveWindow(previousActive);
    return result;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_.Get()) return;
    if (control && (!ContainsControl(control) || (visible_ && !control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = TWeakLink<TWinControl>(control);
    if (control && active_ && control->HandleAllocated()) zorvy::SetFocus(control->GetHandle());
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (!control || !control->CanFocus()) return;
    activeControl_ = TWeakLink<TWinControl>(control);
    HWND h = control->GetHandle();
    if (HandleAllocated() && GetActiveWindow() != handle_ && !parent_ && IsWindowEnabled(handle_))
        SetActiveWindow(handle_);
    zorvy::SetFocus(h);
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
    TWinControl* old = focusedControl_.Get();
    if (control == old) return true;
    focusedControl_ = TWeakLink<TWinControl>(control);
    if (control != this) activeControl_ = TWeakLink<TWinControl>(control);
    TWeakLink<TWinControl> link(control);
    // Every control the focus leaves hears CM_EXIT, innermost first; every control it enters hears
    // CM_ENTER, outermost first. The form and the controls holding both stay out of it.
    TWinControl* common = old;
    while (common && control && !common->ContainsControl(control))
        common = common->GetParent();
    std::vector<TWeakLink<TWinControl>> leaving, entering;
    for (TWinControl* c = old; c && c != common && c != this; c = c->GetParent())
        leaving.emplace_back(c);
    for (TWinControl* c = control; c && c != common && c != this; c = c->GetParent())
        entering.emplace(entering.begin(), c);
    for (auto& c : leaving)
        if (c) c->Perform(CM_EXIT);
    for (auto& c : entering)
        if (c && link) c->Perform(CM_ENTER);
    // Every control hears where the focus is now (a default button shows whether Enter is its).
    if (link) Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* control) {
    if (activeControl_.Get() && control->ContainsControl(activeControl_.Get()))
        activeControl_ = TWeakLink<TWinControl>();
    if (focusedControl_.Get() && control->ContainsControl(focusedControl_.Get()) && HandleAllocated()) {
        focusedControl_ = TWeakLink<TWinControl>();
        if (GetActiveWindow() == handle_) zorvy::SetFocus(handle_);
    }
}

void TCustomForm::ControlRemoved(TWinControl* control) {
    if (activeControl_.Get() && control->ContainsControl(activeControl_.Get()))
        activeControl_ = TWeakLink<TWinControl>();
    if (focusedControl_.Get() && control->ContainsControl(focusedControl_.Get()))
        focusedControl_ = TWeakLink<TWinControl>();
}

bool TCustomForm::IsShortCut(std::uint16_t key, TShiftState shift) {
    if (menu_ && menu_->IsShortCut(key, shift)) return true;
    if (key == VK_F10 && (shift & (ssShift | ssCtrl | ssAlt)) == 0 && menu_ && menu_->BarHeight() > 0) {
        TrackMenuBar(0, true);
        return true;
    }
    return false;
}

void TCustomForm::CMDialogChar(TMessage& m) {
    // The form's controls answer an accelerator first, the menu bar after them (Alt only).
    TWinControl::CMDialogChar(m);
    if (m.Result || !menu_ || !(KeyboardStateToShiftState() & ssAlt)) return;
    auto ch = static_cast<char32_t>(m.WParam);
    if (ch >= 'A' && ch <= 'Z') ch += 'a' - 'A';
    if (const int index = menu_->FindBarAccelerator(ch); index >= 0) {
        m.Result = 1;
        TrackMenuBar(index, true);
    }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
    MenuChanged();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == menu_) {
        menu_ = nullptr;
        MenuChanged();
    }
}

void TCustomForm::MenuChanged() {
    if (HandleAllocated() && !parent_)
        SetWindowPos(handle_, 0, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TRect TCustomForm::MenuBarScreenRect() const {
    if (!menu_ || parent_ || !handle_) return TRect{};
    const int height = menu_->BarHeight();
    if (height == 0) return TRect{};
    TPoint origin{0, 0};
    zorvy::ClientToScreen(handle_, origin);
    TRect client;
    zorvy::GetClientRect(handle_, client);
    return Rect(origin.X, origin.Y - height, origin.X + client.Width(), origin.Y);
}

void TCustomForm::TrackMenuBar(int index, bool byKeyboard) {
    if (!menu_ || !HandleAllocated()) return;
    menu_->TrackBar(handle_, MenuBarScreenRect(), index, byKeyboard);
}

void TCustomForm::WMNCCalcSize(TMessage& m) {
    DefaultHandler(m);
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    if (!params || !menu_ || parent_) return;
    TRect& r = params->rgrc[0];
    r.Top = std::min(r.Top + menu_->BarHeight(), r.Bottom);
}

void TCustomForm::WMNCPaint(TMessage& m) {
    DefaultHandler(m);
    const TRect bar = MenuBarScreenRect();
    if (IsRectEmpty(bar)) return;
    TRect window;
    GetWindowRect(handle_, window);
    TRect local = bar;
    OffsetRect(local, -window.Left, -window.Top);
    HDC dc = GetWindowDC(handle_);
    if (!dc) return;
    menu_->PaintBar(dc, local);
    ReleaseDC(handle_, dc);
}

void TCustomForm::WMNCHitTest(TMessage& m) {
    DefaultHandler(m);
    if (m.Result == HTCLIENT) return;
    if (PtInRect(MenuBarScreenRect(), {GetXLParam(m.LParam), GetYLParam(m.LParam)})) m.Result = HTMENU;
}

void TCustomForm::WMNCLButtonDown(TMessage& m) {
    if (m.WParam != HTMENU) {
        DefaultHandler(m);
        return;
    }
    const TRect bar = MenuBarScreenRect();
    const int index =
        menu_ ? menu_->BarItemAt({GetXLParam(m.LParam) - bar.Left, GetYLParam(m.LParam) - bar.Top}) : -1;
    if (index >= 0) TrackMenuBar(index, false);
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::PaintWindow(HDC dc) {
    canvas_->PaintOn(dc, [this] { Paint(); });
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TCustomForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        WMClose(m);
        break;
    case WM_ACTIVATE:
        WMActivate(m);
        break;
    case WM_SIZE:
        // The user or the window manager maximises and restores it too (a hidden window is only being
        // made or placed: its state is what the program set).
        if (!parent_ && HandleAllocated() && IsWindowVisible(handle_)) {
            if (m.WParam == SIZE_MAXIMIZED)
                windowState_ = wsMaximized;
            else if (m.WParam == SIZE_RESTORED && windowState_ == wsMaximized)
                windowState_ = wsNormal;
        }
        TWinControl::Dispatch(m);
        break;
    case CM_RELEASE:
        CMRelease(m);
        break;
    case WM_NCCALCSIZE:
        WMNCCalcSize(m);
        break;
    case WM_NCPAINT:
        WMNCPaint(m);
        break;
    case WM_NCHITTEST:
        WMNCHitTest(m);
        break;
    case WM_NCLBUTTONDOWN:
        WMNCLButtonDown(m);
        break;

    default:
        TWinControl::Dispatch(m);
        break;
    }
}

void TCustomForm::WMClose(TMessage&) {
    Close();
}

void TCustomForm::WMActivate(TMessage& m) {
    TWeakLink<TCustomForm> self(this);
    const bool activating = LoWord(m.WParam) != WA_INACTIVE;
    if (parent_) return;
    if (activating) {
        active_ = true;
        TWinControl* target = activeControl_.Get();
        if (target && target->CanFocus() && target->HandleAllocated()) {
            zorvy::SetFocus(target->GetHandle());
        } else {
            zorvy::SetFocus(handle_);
            if (!self) return;
            if (!activeControl_.Get()) SelectFirst();
        }
        if (!self) return;
        Activate();
    } else {
        active_ = false;
        Deactivate();
    }
}

void TCustomForm::CMRelease(TMessage&) {
    delete this;
}

void TCustomForm::CMDialogKey(TMessage& m) {
    const auto key = static_cast<std::uint16_t>(m.WParam);
    if (key == VK_TAB && !(KeyboardStateToShiftState() & (ssCtrl | ssAlt))) {
        SelectNext(activeControl_.Get(), !(KeyboardStateToShiftState() & ssShift), true);
        m.Result = 1;
        return;
    }
    TWinControl::CMDialogKey(m);
}

} // namespace zorvy
