#include "platform/gdi/Drawing.h"
#include "platform/rtl/Exceptions.h"
#include "platform/classlib/Controls.h"
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
namespace {

constexpr const char* ControlClass = "ZorvyControl";
constexpr const char* ControlClassNoDbl = "ZorvyControlNoDbl";

void RegisterControlClasses(WNDPROC proc) {
    TWindowClass existing;
    if (GetClassInfo(ControlClass, existing) && existing.proc == proc) return;
    RegisterClass({ControlClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, proc, 0, clNone});
    RegisterClass({ControlClassNoDbl, CS_HREDRAW | CS_VREDRAW, proc, 0, clNone});
}

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    color_ = clBtnFace;
    brush_.SetColor(color_);
}

TWinControl::~TWinControl() {
    Destroying();
    // Leave the parent while this is still a windowed control, so it is taken off the right list.
    if (parent_) parent_->RemoveControl(this);
    while (!winControls_.empty() || !controls_.empty()) {
        TControl* c = !winControls_.empty() ? static_cast<TControl*>(winControls_.back()) : controls_.back();
        RemoveControl(c);
        delete c;
    }
    DestroyHandle();
}

LRESULT TWinControl::ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<TWinControl*>(GetWindowUserData(hwnd));
    if (!control && msg == WM_NCCREATE && lParam) {
        control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCT*>(lParam)->createParams);
        if (control) {
            SetWindowUserData(hwnd, reinterpret_cast<std::intptr_t>(control));
            control->handle_ = hwnd;
        }
    }
    if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    try {
        // A copy: a handler may free the control, and with it the procedure being run.
        auto proc = control->WindowProc;
        proc(m);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
    }
    return m.Result;
}

HWND TWinControl::GetHandle() {
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded() {
    if (handle_) return;
    if (parent_) parent_->HandleNeeded();
    CreateHandle();
}

void TWinControl::SetParentWindow(HWND hwnd) {
    if (hwnd == parentWindow_) return;
    if (handle_ && !parent_) DestroyHandle();
    parentWindow_ = hwnd;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.caption = text_;
    p.style = WS_CHILD | WS_CLIPSIBLINGS;
    if (tabStop_) p.style |= WS_TABSTOP;
    if (!enabled_) p.style |= WS_DISABLED;
    p.exStyle = 0;
    p.x = left_;
    p.y = top_;
    p.width = width_;
    p.height = height_;
    p.wndParent = parent_ ? parent_->GetHandle() : parentWindow_;
    p.classStyle = CS_HREDRAW | CS_VREDRAW | ((ControlStyle & csDoubleClicks) ? CS_DBLCLKS : 0u);
    p.className = (ControlStyle & csDoubleClicks) ? ControlClass : ControlClassNoDbl;
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    CreateWindowEx(p.exStyle, p.className, p.caption, p.style, p.x, p.y, p.width, p.height, p.wndParent, 0,
                   this);
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if ((p.style & WS_CHILD) && !p.wndParent)
        throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
    RegisterControlClasses(&ControlWindowProc);
    defWndProc_ = &DefWindowProc;
    if (!p.subClassOf.empty()) {
        TWindowClass system;
        if (!GetClassInfo(p.subClassOf, system))
            throw EOutOfResources("Window class '" + p.subClassOf + "' is not registered");
        // The system class's procedure sees every message of the window, creation included.
        defWndProc_ = system.proc;
        RegisterClass({p.className, p.classStyle, &ControlWindowProc, system.cursor, system.background});
    }
    ControlState |= csCreating;
    CreateWindowHandle(p);
    ControlState &= ~csCreating;
    if (!handle_) throw EOutOfResources("Error creating window");
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    CreateWnd();
    for (TWinControl* c : std::vector<TWinControl*>(winControls_))
        c->CreateHandle();
    UpdateShowing();
    oldClientSize_ = {GetClientWidth(), GetClientHeight()};
    Realign();
}

void TWinControl::DestroyWnd() {
    const HWND h = handle_;
    text_ = GetWindowText(h);
    // Messages of the dying window no longer reach the control; a window of a system class still
    // lets that class's procedure see its destruction, so that it frees what it keeps for the window.
    SetWindowUserData(h, 0);
    if (defWndProc_ && defWndProc_ != &DefWindowProc) SetWindowProc(h, defWndProc_);
    handle_ = 0;
    DestroyWindow(h);
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    ControlState |= csDestroyingHandle;
    for (TWinControl* c : std::vector<TWinControl*>(winControls_))
        c->DestroyHandle();
    DestroyWnd();
    ControlState &= ~csDestroyingHandle;
}

void TWinControl::UpdateShowing() {
    if (!handle_) return;
    if (parent_ || (GetWindowStyle(handle_) & WS_CHILD)) ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
    const bool showing = handle_ && IsWindowVisible(handle_);
    if (showing != showing_) {
        showing_ = showing;
        Perform(CM_SHOWINGCHANGED);
    }
}

bool TWinControl::IsShowing() const {
    if (!visible_) return false;
    if (parent_) return parent_->IsShowing();
    return handle_ && IsWindowVisible(handle_);
}

TControl* TWinControl::GetControl(int index) const {
    CheckListIndex(index, GetControlCount());
    const auto n = static_cast<int>(controls_.size());
    return index < n ? controls_[static_cast<std::size_t>(index)]
                     : winControls_[static_cast<std::size_t>(index - n)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->parent_)
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        return c->visible_ && (c->enabled_ || allowDisabled) && PtInRect(c->GetBoundsRect(), p);
    };
    if (allowWinControls)
        for (auto it = winControls_.rbegin(); it != winControls_.rend(); ++it)
            if (hit(*it)) return *it;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (hit(*it)) return *it;
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    if (!control || control->parent_ == this) return;
    auto* wc = dynamic_cast<TWinControl*>(control);
    if (wc) {
        if (wc->ContainsControl(this))
            throw EInvalidOperation("A control cannot be placed inside one of its children");
        winControls_.push_back(wc);
        tabList_.push_back(wc);
    } else {
        controls_.push_back(control);
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
    control->parent_ = this;
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    if (wc && handle_) wc->CreateHandle();
    control->Invalidate();
    if (control->align_ != alNone) Realign();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
    if (!control || control->parent_ != this) return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    control->Invalidate();
    if (auto* wc = dynamic_cast<TWinControl*>(control)) {
        if (auto* form = GetParentForm(this)) form->ControlRemoved(wc);
        wc->DestroyHandle();
        std::erase(winControls_, wc);
        std::erase(tabList_, wc);
    } else {
        std::erase(controls_, control);
    }
    control->parent_ = nullptr;
    if (control->hostDockSite_ == this) {
        control->hostDockSite_ = nullptr;
        std::erase(dockClients_, control);
    }
    if (control->align_ != alNone && !HasState(csDestroying)) Realign();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (handle_ && !parent_) DestroyHandle();
    TControl::SetParent(parent);
}

int TWinControl::GetTabOrder() const {
    if (!parent_) return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    auto* form = GetParentForm(const_cast<TWinControl*>(this));
    return !form || (form->GetVisible() && form->GetEnabled());
}

bool TWinControl::Focused() const {
    return handle_ && zorvy::GetFocus() == handle_;
}

void TWinControl::SetFocus() {
    if (auto* form = GetParentForm(this))
        form->FocusControl(this);
    else if (handle_ || parent_)
        zorvy::SetFocus(GetHandle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - list.begin());
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (goForward ? step : -step)) % n + n) % n;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c == current) break;
        if ((!checkTabStop || c->tabStop_) && (!checkParent || c->parent_ == this) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* c = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) c->SetFocus();
}

void TWinControl::SelectFirst() {
    if (TWinControl* c = FindNextControl(nullptr, true, true, false)) c->SetFocus();
}

void TWinControl::SetParentBackground(bool value) {
    if (value == GetParentBackground()) return;
    if (value)
        ControlStyle |= csParentBackground;
    else
        ControlStyle &= ~csParentBackground;
    Invalidate();
}

void TWinControl::EnableAlign() {
    if (alignLevel_ > 0 && --alignLevel_ == 0 && (ControlState & csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
    if (alignLevel_ > 0 || HasState(csDestroying)) {
        ControlState |= csAlignmentNeeded;
        return;
    }
    ControlState &= ~csAlignmentNeeded;
    ++alignLevel_;
    TRect r = GetClientRect();
    AlignControls(nullptr, r);
    --alignLevel_;
    ControlState &= ~csAlignmentNeeded;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    AdjustClientRect(rect);
    const TSize now{GetClientWidth(), GetClientHeight()};
    const int dw = now.cx - oldClientSize_.cx, dh = now.cy - oldClientSize_.cy;
    std::vector<TControl*> all(controls_.begin(), controls_.end());
    all.insert(all.end(), winControls_.begin(), winControls_.end());
    if ((dw || dh) && oldClientSize_.cx + oldClientSize_.cy > 0) {
        for (TControl* c : all) {
            if (c->align_ != alNone || c->anchors_ == (akLeft | akTop)) continue;
            int l = c->left_, t = c->top_, w = c->width_, h = c->height_;
            if (c->anchors_ & akRight) {
                if (c->anchors_ & akLeft)
                    w += dw;
                else
                    l += dw;
            }
            if (c->anchors_ & akBottom) {
                if (c->anchors_ & akTop)
                    h += dh;
                else
                    t += dh;
            }
            c->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
        }
    }
    oldClientSize_ = now;
    // Controls aligned to one side stack in the order of their positions towards it (a splitter, a
    // windowless control, sits between the windowed panels it was placed between).
    std::stable_sort(all.begin(), all.end(), [](const TControl* x, const TControl* y) {
        if (x->align_ != y->align_) return x->align_ < y->align_;
        switch (x->align_) {
        case alTop:
            return x->top_ < y->top_;
        case alBottom:
            return x->top_ + x->height_ > y->top_ + y->height_;
        case alLeft:
            return x->left_ < y->left_;
        case alRight:
            return x->left_ + x->width_ > y->left_ + y->width_;
        default:
            return false;
        }
    });
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : all) {
            if (c->align_ != a || !c->visible_) continue;
            const int w = c->width_, h = c->height_;
            switch (a) {
            case alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
                rect.Top += c->height_;
                break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
                rect.Bottom -= c->height_;
                break;
            case alLeft:
                c->SetBounds(rect.Left, rect.Top, w, rect.Height());
                rect.Left += c->width_;
                break;
            case alRight:
                c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
                rect.Right -= c->width_;
                break;
            case alClient:
                c->SetBounds(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
                break;
            default:
                break;
            }
        }
    }
}

TPoint TWinControl::GetClientOrigin() const {
    if (handle_) {
        TPoint p{0, 0};
        zorvy::ClientToScreen(handle_, p);
        return p;
    }
    return TControl::GetClientOrigin();
}

TRect TWinControl::GetClientRect() const {
    if (handle_) {
        TRect r;
        zorvy::GetClientRect(handle_, r);
        return r;
    }
    return TControl::GetClientRect();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    constraints_.Apply(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    if ((width != width_ || height != height_) && !CanResize(width, height)) return;
    if (handle_) {
        // The window reports the change back (WM_WINDOWPOSCHANGED), which updates the bounds.
        SetWindowPos(handle_, 0, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    const bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (sized) {
        Realign();
        Resize();
    }
    RequestAlign();
}

void TWinControl::SetZOrder(bool topMost) {
    if (!parent_) return;
    auto& list = parent_->winControls_;
    std::erase(list, this);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    if (handle_)
        SetWindowPos(handle_, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, width_, height_);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    for (TWinControl* c : std::vector<TWinControl*>(winControls_))
        if (c->visible_) c->PaintTo(dc, c->left_, c->top_);
    RestoreDC(dc, saved);
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
    std::vector<TControl*> list(it, controls_.end());
    for (TControl* c : list) {
        if (!c->visible_) continue;
        const TRect r = c->GetBoundsRect();
        if (!RectVisible(dc, r)) continue;
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, r.Left, r.Top, nullptr);
        IntersectClipRect(dc, 0, 0, r.Width(), r.Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintHandler(TMessage& m) {
    if (m.WParam) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        PaintWindow(dc);
        PaintControls(dc, nullptr);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, ps);
    TWeakLink<TWinControl> self(this);
    try {
        PaintWindow(dc);
        if (self) PaintControls(dc, nullptr);
    } catch (...) {
        EndPaint(0, ps);
        throw;
    }
    EndPaint(0, ps);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::ChangeScale(int m, int d) {
    DisableAlign();
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->ChangeScale(m, d);
    TControl::ChangeScale(m, d);
    EnableAlign();
}

bool TWinControl::IsControlMouseMsg(TMessage& m) {
    TControl* target = nullptr;
    TControl* capture = GetCaptureControl();
    if (capture && capture->parent_ == this && !dynamic_cast<TWinControl*>(capture))
        target = capture;
    else if (!capture || capture == this)
        target = ControlAtPos({GetXLParam(m.LParam), GetYLParam(m.LParam)}, false);
    if (!target || dynamic_cast<TWinControl*>(target)) return false;
    const LPARAM lp = MakeLParam(GetXLParam(m.LParam) - target->left_, GetYLParam(m.LParam) - target->top_);
    m.Result = target->Perform(m.Msg, m.WParam, lp);
    return true;
}

void TWinControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST && m.Msg != WM_MOUSEWHEEL && IsControlMouseMsg(m))
        return;
    TControl::WndProc(m);
}

void TWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        WMPaint(m);
        break;
    case WM_ERASEBKGND:
        WMEraseBkgnd(m);
        break;
    case WM_SIZE:
        WMSize(m);
        break;
    case WM_MOVE:
        WMMove(m);
        break;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(m);
        break;
    case WM_SETFOCUS:
        WMSetFocus(m);
        break;
    case WM_KILLFOCUS:
        WMKillFocus(m);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        WMKeyDown(m);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        WMKeyUp(m);
        break;
    case WM_CHAR:
        WMChar(m);
        break;
    case WM_SETCURSOR:
        WMSetCursor(m);
        break;
    case WM_NCDESTROY:
        WMNCDestroy(m);
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(m);
        break;
    case CN_CHAR:
        CNChar(m);
        break;
    case CM_DIALOGKEY:
        CMDialogKey(m);
        break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (!ReflectNotification(m)) TControl::Dispatch(m);
        break;
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
        CNCtlColor(m);
        break;
    case CN_SYSCHAR:
        CNSysChar(m);
        break;
    case CM_DIALOGCHAR:
        CMDialogChar(m);
        break;
    case CM_ENTER:
        CMEnter(m);
        break;
    case CM_EXIT:
        CMExit(m);
        break;
    case WM_SYSCOLORCHANGE:
        Perform(CM_SYSCOLORCHANGE, m.WParam, m.LParam);
        DefaultHandler(m);
        break;
    case WM_SETTINGCHANGE:
        Perform(CM_WININICHANGE, m.WParam, m.LParam);
        DefaultHandler(m);
        break;
    case WM_FONTCHANGE:
        Perform(CM_SYSFONTCHANGED, m.WParam, m.LParam);
        DefaultHandler(m);
        break;
    case WM_TIMECHANGE:
        Perform(CM_TIMECHANGE, m.WParam, m.LParam);
        DefaultHandler(m);
        break;
    case CM_SYSCOLORCHANGE:
        CMSysColorChange(m);
        break;
    case CM_WININICHANGE:
        CMWinIniChange(m);
        break;
    case CM_SYSFONTCHANGED:
    case CM_TIMECHANGE:
    case CM_FOCUSCHANGED:
        Broadcast(m);
        break;
    case WM_CONTEXTMENU: {
        // A windowless child under the point answers first.
        TPoint screen{GetXLParam(m.LParam), GetYLParam(m.LParam)};
        if (!(screen.X == -1 && screen.Y == -1)) {
            if (TControl* c = ControlAtPos(ScreenToClient(screen), false);
                c && !dynamic_cast<TWinControl*>(c)) {
                m.Result = c->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
                if (m.Result) break;
            }
        }
        TControl::Dispatch(m);
        break;
    }
    default:
        TControl::Dispatch(m);
        break;
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (handle_) {
        m.Result =
            CallWindowProc(defWndProc_ ? defWndProc_ : &DefWindowProc, handle_, m.Msg, m.WParam, m.LParam);
        return;
    }
    TControl::DefaultHandler(m);
}

std::string TWinControl::GetTextValue() const {
    return handle_ ? GetWindowText(handle_) : text_;
}

void TWinControl::SetTextValue(const std::string& text) {
    text_ = text;
    if (handle_) SetWindowText(handle_, text);
}

void TWinControl::WMPaint(TMessage& m) {
    PaintHandler(m);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (dc && !(ControlStyle & csOpaque)) {
        brush_.SetColor(color_);
        zorvy::FillRect(dc, GetClientRect(), brush_.GetHandle());
    }
    m.Result = 1;
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
    if (handle_) {
        TRect r;
        GetWindowRect(handle_, r);
        if (HWND p = GetAncestor(handle_, GA_PARENT)) {
            TPoint o{0, 0};
            zorvy::ClientToScreen(p, o);
            OffsetRect(r, -o.X, -o.Y);
        }
        left_ = r.Left;
        top_ = r.Top;
        width_ = r.Width();
        height_ = r.Height();
    }
    DefaultHandler(m);
}

void TWinControl::WMMove(TMessage& m) {
    DefaultHandler(m);
}

void TWinControl::WMSize(TMessage& m) {
    TWeakLink<TWinControl> self(this);
    Realign();
    if (!self) return;
    Resize();
    if (!self) return;
    DefaultHandler(m);
    RequestAlign();
}

void TWinControl::WMSetFocus(TMessage& m) {
    TWeakLink<TWinControl> self(this);
    DefaultHandler(m);
    if (!self) return;
    if (auto* form = GetParentForm(this))
        form->SetFocusedControl(this);
    else
        Perform(CM_ENTER);
}

void TWinControl::WMKillFocus(TMessage& m) {
    DefaultHandler(m);
}

void TWinControl::WMKeyDown(TMessage& m) {
    TWeakLink<TWinControl> self(this);
    auto key = static_cast<std::uint16_t>(m.WParam);
    const TShiftState shift = KeyboardStateToShiftState();
    auto* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview) {
        form->KeyDown(key, shift);
        if (!self) return;
        if (key == 0) return;
    }
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) KeyDown(key, shift);
    if (!self || key == 0) return;
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage& m) {
    TWeakLink<TWinControl> self(this);
    auto key = static_cast<std::uint16_t>(m.WParam);
    const TShiftState shift = KeyboardStateToShiftState();
    auto* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview) {
        form->KeyUp(key, shift);
        if (!self || key == 0) return;
    }
    KeyUp(key, shift);
    if (!self || key == 0) return;
    DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m) {
    TWeakLink<TWinControl> self(this);
    auto ch = static_cast<char32_t>(m.WParam);
    auto* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview) {
        form->KeyPress(ch);
        if (!self || ch == 0) return;
    }
    KeyPress(ch);
    if (!self || ch == 0) return;
    m.WParam = ch;
    DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m) {
    if (LoWord(static_cast<std::uintptr_t>(m.LParam)) == HTCLIENT && Screen) {
        TCursor cursor = Screen->GetCursor();
        if (cursor == crDefault) {
            TPoint p;
            GetCursorPos(p);
            TControl* c = ControlAtPos(ScreenToClient(p), false);
            cursor = (c ? c : this)->cursor_;
        }
        if (cursor != crDefault) {
            zorvy::SetCursor(Screen->GetCursorHandle(cursor));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::WMNCDestroy(TMessage& m) {
    DefaultHandler(m);
    handle_ = 0;
}

void TWinControl::CNKeyDown(TMessage& m) {
    m.Result = 1;
    const auto key = static_cast<std::uint16_t>(m.WParam);
    const TShiftState shift = KeyboardStateToShiftState();
    TWeakLink<TWinControl> self(this);
    for (TControl* c = this; c; c = c->parent_)
        if (TPopupMenu* menu = c->GetPopupMenuObject(); menu && menu->IsShortCut(key, shift)) return;
    if (!self) return;
    if (auto* form = GetParentForm(this); form && form->IsShortCut(key, shift)) return;
    if (!self) return;
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (mask && Perform(CM_WANTSPECIALKEY, key) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0) {
        auto* form = GetParentForm(this);
        if (self && form && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0) return;
    }
    if (self) m.Result = 0;
}

void TWinControl::CNChar(TMessage& m) {
    m.Result = 0;
    // A plain letter is an accelerator where the focused control takes no characters (a button).
    const auto ch = static_cast<char32_t>(m.WParam);
    if (ch < 0x20 || (Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))) return;
    if (auto* form = GetParentForm(this); form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
        m.Result = 1;
}

void TWinControl::CMDialogKey(TMessage& m) {
    for (TWinControl* c : std::vector<TWinControl*>(winControls_)) {
        if (!c->visible_ || !c->enabled_) continue;
        if (c->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0) {
            m.Result = 1;
            return;
        }
    }
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (!c->visible_ || !c->enabled_) continue;
        if (c->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0) {
            m.Result = 1;
            return;
        }
    }
}

void TWinControl::CMEnabledChanged(TMessage& m) {
    if (handle_) EnableWindow(handle_, enabled_);
    TControl::CMEnabledChanged(m);
}

void TWinControl::CMVisibleChanged(TMessage&) {
    if (!visible_ && handle_ && (Focused() || IsChild(handle_, zorvy::GetFocus()))) {
        if (auto* form = GetParentForm(this); form && form != this) form->DefocusControl(this);
    }
    UpdateShowing();
}

void TWinControl::CMColorChanged(TMessage& m) {
    brush_.SetColor(color_);
    TControl::CMColorChanged(m);
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& m) {
    TControl::CMFontChanged(m);
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->Perform(CM_PARENTFONTCHANGED);
}

} // namespace zorvy
