#include "platform/classlib/Controls.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <map>

namespace zorvy {
namespace {

TWeakLink<TControl> captureControl;

} // namespace

TShiftState KeysToShiftState(std::uintptr_t keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeyboardStateToShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    if (GetKeyState(VK_LBUTTON) < 0) s |= ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0) s |= ssRight;
    if (GetKeyState(VK_MBUTTON) < 0) s |= ssMiddle;
    return s;
}

void TSizeConstraints::Assign(TPersistent* source) {
    if (auto* c = dynamic_cast<TSizeConstraints*>(source)) {
        MinWidth = c->MinWidth;
        MinHeight = c->MinHeight;
        MaxWidth = c->MaxWidth;
        MaxHeight = c->MaxHeight;
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::Apply(int& width, int& height) const {
    if (MaxWidth > 0 && width > MaxWidth) width = MaxWidth;
    if (MaxHeight > 0 && height > MaxHeight) height = MaxHeight;
    if (width < MinWidth) width = MinWidth;
    if (height < MinHeight) height = MinHeight;
}

void TControlCanvas::FreeHandle() {
    if (ownDc_) {
        SetHandle(nullptr);
        ReleaseDC(ownWindow_, ownDc_);
        ownDc_ = nullptr;
        ownWindow_ = 0;
    }
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
    Lock();
    FreeHandle();
    SetHandle(dc);
    try {
        paint();
    } catch (...) {
        SetHandle(nullptr);
        Unlock();
        throw;
    }
    SetHandle(nullptr);
    Unlock();
}

void TControlCanvas::CreateHandle() {
    if (!Control) return;
    // Asking for the window may create it, and its first messages (an owner-drawn list measuring its
    // items) may already have given the canvas a context: that one is kept, not lost under a second.
    if (auto* wc = dynamic_cast<TWinControl*>(Control)) {
        const HWND window = wc->GetHandle();
        if (ownDc_) return;
        ownWindow_ = window;
        ownDc_ = GetDC(ownWindow_);
    } else if (auto* parent = Control->GetParent()) {
        const HWND window = parent->GetHandle();
        if (ownDc_) return;
        ownWindow_ = window;
        ownDc_ = GetDC(ownWindow_);
        const TRect r = Control->GetBoundsRect();
        SetViewportOrgEx(ownDc_, r.Left, r.Top, nullptr);
        IntersectClipRect(ownDc_, 0, 0, r.Width(), r.Height());
    }
    if (ownDc_) SetHandle(ownDc_);
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
    canvas_->Control = this;
}

TCustomControl::~TCustomControl() {
    canvas_->FreeHandle();
}

void TCustomControl::PaintWindow(HDC dc) {
    canvas_->PaintOn(dc, [this] { Paint(); });
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
    canvas_->Control = this;
}

TGraphicControl::~TGraphicControl() {
    canvas_->FreeHandle();
}

void TGraphicControl::Dispatch(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        WMPaint(m);
        return;
    }
    TControl::Dispatch(m);
}

void TGraphicControl::WMPaint(TMessage& m) {
    if (!m.WParam) return;
    canvas_->PaintOn(reinterpret_cast<HDC>(m.WParam), [this] { Paint(); });
}

TCursor TDragObject::GetDragCursor(bool accepted, int, int) {
    return accepted ? crDrag : crNoDrop;
}
void TDragObject::Finished(TObject*, int, int, bool) {}

void TBaseDragControlObject::Finished(TObject* target, int x, int y, bool accepted) {
    if (!Control) return;
    TWeakLink<TControl> control(Control);
    if (!accepted) Control->DragCanceled();
    if (control) Control->DoEndDrag(target, x, y);
}

TCursor TDragControlObject::GetDragCursor(bool accepted, int x, int y) {
    if (accepted && Control) return Control->DragCursor;
    return TDragObject::GetDragCursor(accepted, x, y);
}

namespace {

constexpr const char* UtilityClass = "ZorvyUtilityWindow";

std::map<HWND, std::function<void(TMessage&)>>& UtilityHandlers() {
    static std::map<HWND, std::function<void(TMessage&)>> handlers;
    return handlers;
}

LRESULT UtilityWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& handlers = UtilityHandlers();
    auto it = handlers.find(hwnd);
    if (it == handlers.end()) return DefWindowProc(hwnd, msg, wParam, lParam);
    auto handler = it->second; // the handler may deallocate its own window
    TMessage m{msg, wParam, lParam, 0};
    try {
        handler(m);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
    }
    if (msg == WM_NCDESTROY) UtilityHandlers().erase(hwnd);
    return m.Result;
}

} // namespace

HWND AllocateHWnd(std::function<void(TMessage&)> handler) {
    TWindowClass cls;
    if (!GetClassInfo(UtilityClass, cls)) RegisterClass({UtilityClass, 0, &UtilityWindowProc, 0, clNone});
    HWND hwnd = CreateWindowEx(WS_EX_TOOLWINDOW, UtilityClass, "", WS_POPUP, 0, 0, 0, 0, 0, 0);
    if (hwnd && handler) UtilityHandlers()[hwnd] = std::move(handler);
    return hwnd;
}

void DeallocateHWnd(HWND hwnd) {
    UtilityHandlers().erase(hwnd);
    DestroyWindow(hwnd);
}

TWinControl* FindControl(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowUserData(hwnd));
}

TWinControl* FindVCLWindow(TPoint screen) {
    for (HWND h = WindowFromPoint(screen); h; h = GetAncestor(h, GA_PARENT))
        if (auto* c = FindControl(h)) return c;
    return nullptr;
}

TControl* FindDragTarget(TPoint screen, bool allowDisabled) {
    TWinControl* window = FindVCLWindow(screen);
    if (!window) return nullptr;
    if (TControl* c = window->ControlAtPos(window->ScreenToClient(screen), allowDisabled)) return c;
    return window;
}

TCustomForm* GetParentForm(TControl* control, bool topForm) {
    TCustomForm* found = nullptr;
    for (TControl* c = control; c; c = c->GetParent()) {
        if (auto* f = dynamic_cast<TCustomForm*>(c)) {
            found = f;
            if (!topForm) return f;
        }
    }
    return found;
}

TControl* GetCaptureControl() {
    TControl* c = captureControl.Get();
    if (!c) return nullptr;
    // The window of the control (or of its parent) must still hold the capture.
    TWinControl* owner = dynamic_cast<TWinControl*>(c);
    if (!owner) owner = c->GetParent();
    if (!owner || !owner->HandleAllocated() || GetCapture() != owner->GetHandle()) return nullptr;
    return c;
}

void SetCaptureControl(TControl* control) {
    captureControl = TWeakLink<TControl>(control);
    if (!control) {
        if (GetCapture()) ReleaseCapture();
        return;
    }
    TWinControl* owner = dynamic_cast<TWinControl*>(control);
    if (!owner) owner = control->GetParent();
    if (owner) {
        SetCapture(owner->GetHandle());
        captureControl = TWeakLink<TControl>(control);
    }
}

} // namespace zorvy
