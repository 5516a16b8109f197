// The open-popup list of the container unit, the window-ownership tests, and the three thread
// message hooks that close popups on a click elsewhere, when their owner is hidden, moved away,
// closed or destroyed, and when the application is deactivated, and that keep the owner form's
// caption drawn active while its popup has the focus.
#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/EditorPopup.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Hooks.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Styles.h"
#include "platform/win/Windows.h"

#include <algorithm>
#include <map>

namespace zorvy {
namespace {

std::vector<TcxCustomPopupWindow*> openPopups;
bool closingByMouse = false;
HHOOK callWndProcHook = 0, getMessageHook = 0, mouseHook = 0;
// Windows whose next WM_NCACTIVATE(0) is swallowed, with the procedure to put back.
std::map<HWND, WNDPROC> suppressed;

TCustomForm* OwnerForm(TcxCustomPopupWindow* p) {
    TWinControl* owner = p->GetPopupOwner();
    return owner ? GetParentForm(owner) : nullptr;
}

HWND OwnerFormWindow(TcxCustomPopupWindow* p) {
    TCustomForm* form = OwnerForm(p);
    return form && form->HandleAllocated() ? form->GetHandle() : 0;
}

bool IsOpen(TcxCustomPopupWindow* p) {
    return std::find(openPopups.begin(), openPopups.end(), p) != openPopups.end();
}

bool OwnerBeingDestroyed(TcxCustomPopupWindow* p) {
    TWinControl* owner = p->GetPopupOwner();
    return !owner || owner->HasState(csDestroying);
}

// ---- One-shot suppression of an inactive caption ----

LRESULT OneShotWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = suppressed.find(hwnd);
    if (it == suppressed.end()) return DefWindowProc(hwnd, msg, wParam, lParam);
    const WNDPROC saved = it->second;
    suppressed.erase(it);
    SetWindowProc(hwnd, saved);
    // Only the inactive caption it was set up for is swallowed; anything else passes, and the
    // suppression is gone either way.
    if (msg == WM_NCACTIVATE && wParam == 0) return 1;
    return CallWindowProc(saved, hwnd, msg, wParam, lParam);
}

void SuppressNextWindowMessage(HWND w) {
    if (!IsWindow(w) || suppressed.count(w)) return;
    suppressed[w] = SetWindowProc(w, &OneShotWindowProc);
}

void CancelSuppression(HWND w) {
    auto it = suppressed.find(w);
    if (it == suppressed.end()) return;
    if (IsWindow(w)) SetWindowProc(w, it->second);
    suppressed.erase(it);
}

// ---- Mouse presses ----

bool IsWindowInOwnerFormTree(TWinControl* owner, HWND wnd) {
    TCustomForm* form = owner ? GetParentForm(owner) : nullptr;
    if (!form || !form->HandleAllocated()) return false;
    return wnd == form->GetHandle() || IsChild(form->GetHandle(), wnd);
}

bool ClosePopupsOnMouseDown(HWND wnd, UINT message, TPoint point) {
    bool answer = true;
    bool closed = true;
    while (closed) {
        closed = false;
        for (TcxCustomPopupWindow* p : std::vector<TcxCustomPopupWindow*>(openPopups)) {
            if (!IsOpen(p)) continue;
            if (p->GetFocusCapture() && !(p->HandleAllocated() && GetActiveWindow() == p->GetHandle())) continue;
            if (WindowBelongsToControl(p, wnd, true)) continue;
            TWinControl* owner = p->GetPopupOwner();
            auto* ownerPopup = dynamic_cast<TcxCustomPopupWindow*>(OwnerForm(p));
            if (!IsWindowInOwnerFormTree(owner, wnd) && !(ownerPopup && !ownerPopup->IsOpen())) continue;
            TWeakLink<TWinControl> ownerLink(owner);
            bool onOwner = false;
            if (owner && WindowBelongsToControl(owner, wnd, true) &&
                (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) &&
                PtInRect(p->GetOwnerScreenBounds(), point)) {
                onOwner = true;
                MSG msg{wnd, message, 0, 0, 0, point, 0};
                p->IsOwnerDropDownClick(msg, KeyboardStateToShiftState(), point);
            }
            TWeakLink<TcxCustomPopupWindow> link(p);
            closingByMouse = true;
            p->LockDeactivation(true);
            p->ClosePopup();
            if (link) p->LockDeactivation(false);
            closingByMouse = false;
            closed = true;
            if (onOwner && (!ownerLink || ownerLink->HasState(csDestroying) || !ownerLink->GetVisible())) answer = false;
            break;
        }
    }
    return answer;
}

LRESULT PopupMouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !openPopups.empty()) {
        switch (static_cast<UINT>(wParam)) {
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONDBLCLK:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: {
            const auto* data = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
            if (!ClosePopupsOnMouseDown(data->hwnd, static_cast<UINT>(wParam), data->pt)) return 1;
            break;
        }
        default:
            break;
        }
    }
    return CallNextHookEx(mouseHook, code, wParam, lParam);
}

// ---- System keys ----

LRESULT PopupGetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !openPopups.empty() && (wParam & PM_REMOVE)) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        TcxCustomPopupWindow* last = openPopups.back();
        if (msg->message == WM_SYSKEYDOWN && !(last->GetFocusCapture() && last->ModalLoop) &&
            !last->AcceptsSysKey(static_cast<std::uint16_t>(msg->wParam)))
            msg->message = WM_NULL; // Alt combinations do not reach the menus of the form underneath
    }
    return CallNextHookEx(getMessageHook, code, wParam, lParam);
}

// ---- Messages about to reach a window ----

void CloseOnApplicationDeactivation() {
    bool closed = true;
    while (closed) {
        closed = false;
        for (TcxCustomPopupWindow* p : std::vector<TcxCustomPopupWindow*>(openPopups)) {
            if (!IsOpen(p)) continue;
            if (HWND form = OwnerFormWindow(p)) PostMessage(form, WM_NCACTIVATE, 0);
            if (p->GetFocusCapture() && p->HandleAllocated() && GetActiveWindow() == p->GetHandle()) continue;
            if (!p->HandleAllocated() || !IsWindowEnabled(p->GetHandle())) continue;
            TWinControl* owner = p->GetPopupOwner();
            p->ClosePopup();
            if (auto* container = dynamic_cast<TcxContainer*>(owner); container && !container->IsDestroying())
                container->FocusStateChanged();
            closed = true;
            break;
        }
    }
}

void HandleCallWndProc(const CWPSTRUCT& data) {
    const HWND w = data.hwnd;
    switch (data.message) {
    case WM_NCACTIVATE:
        if (data.wParam != 0) break;
        if (closingByMouse) {
            SuppressNextWindowMessage(w);
            break;
        }
        for (TcxCustomPopupWindow* p : openPopups)
            if (!p->IsBeingDestroyed() && OwnerFormWindow(p) == w) {
                SuppressNextWindowMessage(w);
                break;
            }
        break;
    case WM_ACTIVATEAPP:
        if (data.wParam == 0) CloseOnApplicationDeactivation();
        break;
    case WM_DESTROY:
        for (TcxCustomPopupWindow* p : openPopups)
            if (!p->IsBeingDestroyed() && p->HandleAllocated() && p->GetHandle() == w) {
                p->ClosePopup();
                break;
            }
        // A popup does not stay open over an owner whose window goes away.
        for (TcxCustomPopupWindow* p : std::vector<TcxCustomPopupWindow*>(openPopups)) {
            TWinControl* owner = p->GetPopupOwner();
            if (!IsOpen(p) || !owner) continue;
            // The owner lets go of its handle just before its window is destroyed.
            if ((owner->HandleAllocated() && owner->GetHandle() == w) ||
                (owner->HasState(csDestroying) && !owner->HandleAllocated()))
                p->ClosePopup();
        }
        break;
    case WM_CLOSE:
        for (TcxCustomPopupWindow* p : std::vector<TcxCustomPopupWindow*>(openPopups)) {
            if (p->IsBeingDestroyed()) continue;
            if (p->HandleAllocated() && p->GetHandle() == w) {
                TWeakLink<TcxCustomPopupWindow> link(p);
                if (!p->CloseQuery() || !link) break;
                p->ClosePopup();
                if (link && !p->IsOpen() && p->GetFocusCapture() && !OwnerBeingDestroyed(p)) {
                    TWinControl* owner = p->GetPopupOwner();
                    if (owner->HandleAllocated())
                        if (HWND top = FindTopLevelAncestorWindow(owner->GetHandle())) SendMessage(top, WM_CLOSE);
                }
                break;
            }
            if (!p->GetFocusCapture() && !OwnerBeingDestroyed(p)) {
                const HWND form = OwnerFormWindow(p);
                if (!form || form == w) p->ClosePopup();
                break;
            }
        }
        break;
    case WM_SHOWWINDOW:
        if (data.wParam != 0) break;
        for (int i = static_cast<int>(openPopups.size()) - 1; i >= 0; --i) {
            TcxCustomPopupWindow* p = openPopups[static_cast<std::size_t>(i)];
            if (p->IsBeingDestroyed() || OwnerBeingDestroyed(p)) continue;
            TWinControl* owner = p->GetPopupOwner();
            if (!owner->HandleAllocated() || owner->GetHandle() != w) continue;
            // This popup and every popup opened after it close, the last first.
            for (int j = static_cast<int>(openPopups.size()) - 1; j >= i; --j)
                if (j < static_cast<int>(openPopups.size())) openPopups[static_cast<std::size_t>(j)]->ClosePopup();
            break;
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        bool closed = true;
        while (closed) {
            closed = false;
            for (TcxCustomPopupWindow* p : std::vector<TcxCustomPopupWindow*>(openPopups)) {
                if (p->IsBeingDestroyed() || !p->HandleAllocated() || OwnerBeingDestroyed(p)) continue;
                TWinControl* owner = p->GetPopupOwner();
                if (!owner->HandleAllocated() || owner->GetHandle() != w || IsWindowVisible(w)) continue;
                p->ClosePopup();
                closed = true;
                break;
            }
        }
        break;
    }
    default:
        break;
    }
}

LRESULT PopupCallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && !openPopups.empty()) HandleCallWndProc(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return CallNextHookEx(callWndProcHook, code, wParam, lParam);
}

} // namespace

std::vector<TcxCustomPopupWindow*>& OpenPopupList() {
    return openPopups;
}

const std::vector<TcxCustomPopupWindow*>& GetOpenPopupWindows() {
    return openPopups;
}

// Called by ClosePopup: an owner form that is active is drawn active again, and a suppression that
// found no inactive caption to swallow is withdrawn.
void RestoreOwnerCaption(TcxCustomPopupWindow* popup) {
    const HWND form = OwnerFormWindow(popup);
    if (!form) return;
    for (TcxCustomPopupWindow* p : openPopups)
        if (OwnerFormWindow(p) == form) return; // another popup of the form is still open
    CancelSuppression(form);
    if (GetActiveWindow() == form) SendMessage(form, WM_NCACTIVATE, 1);
}

bool IsOpenPopupWindow(TControl* control) {
    return std::find(openPopups.begin(), openPopups.end(), control) != openPopups.end();
}

void PostPopupCloseRequest(TcxCustomPopupWindow* popup) {
    if (popup->HandleAllocated()) PostMessage(popup->GetHandle(), CM_POPUPCLOSEREQUEST);
}

bool WindowBelongsToControl(TWinControl* control, HWND wnd, bool includeInside) {
    if (!control) return false;
    if (control->HandleAllocated() && control->GetHandle() == wnd) return true;
    return includeInside && IsWindowInsideControl(control, wnd);
}

bool IsControlsOwnWindow(TWinControl* control, HWND wnd) {
    return WindowBelongsToControl(control, wnd, false);
}

bool IsWindowInsideControl(TWinControl* control, HWND wnd) {
    if (!control || !wnd || !control->HandleAllocated() || control->GetHandle() == wnd) return false;
    if (IsChild(control->GetHandle(), wnd)) return true;
    for (int i = 0; i < control->GetControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control->GetControl(i));
        if (!child || !child->HandleAllocated()) continue;
        if (child->GetHandle() == wnd || IsWindowInsideControl(child, wnd) || IsChild(child->GetHandle(), wnd))
            return true;
    }
    auto inPopup = [wnd](TcxCustomPopupWindow* p) {
        return p->HandleAllocated() && (p->GetHandle() == wnd || IsWindowInsideControl(p, wnd));
    };
    if (dynamic_cast<TcxCustomPopupWindow*>(control))
        for (TcxCustomPopupWindow* p : openPopups)
            if (p != control && OwnerForm(p) == control && inPopup(p)) return true; // opened from inside
    for (TcxCustomPopupWindow* p : openPopups)
        if (p->GetPopupOwner() == control && inPopup(p)) return true;
    return false;
}

bool ControlHasOpenPopup(TWinControl* control) {
    TcxContainer* container = ContainerOfControl(control);
    return container && container->HasOpenPopup();
}

bool CanHotTrackControl(TWinControl* control) {
    if (!IsApplicationActive() || !control || !control->HandleAllocated() || !IsWindowVisible(control->GetHandle()))
        return false;
    TPoint p;
    GetCursorPos(p);
    if (FindVCLWindow(p) != control) return false;
    HWND w = 0;
    for (HWND h = GetAncestor(control->GetHandle(), GA_PARENT); h; h = GetAncestor(h, GA_PARENT)) {
        w = h;
        if (auto* form = dynamic_cast<TCustomForm*>(FindControl(h)); form && form->GetFormStyle() == fsMDIChild) break;
    }
    auto* form = dynamic_cast<TCustomForm*>(FindControl(w));
    if (form && !form->GetActive() && form->GetFormStyle() != fsMDIForm) {
        if (openPopups.empty()) return false;
        TWinControl* owner = openPopups.front()->GetPopupOwner();
        return owner && owner->HandleAllocated() && IsChild(w, owner->GetHandle());
    }
    return true;
}

bool DrainPendingMessages(HWND wnd, UINT first, UINT last, bool all) {
    bool removed = false;
    MSG msg;
    while (PeekMessage(msg, wnd, first, last, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        removed = true;
        if (!all) break;
    }
    return removed;
}

HWND FindTopLevelAncestorWindow(HWND wnd) {
    for (HWND h = wnd; h; h = GetParent(h))
        if (!(GetWindowStyle(h) & WS_CHILD)) return h;
    return 0;
}

void InitializeContainersUnit() {
    openPopups.clear();
    if (!callWndProcHook) callWndProcHook = SetWindowsHookEx(WH_CALLWNDPROC, &PopupCallWndProcHook);
    if (!getMessageHook) getMessageHook = SetWindowsHookEx(WH_GETMESSAGE, &PopupGetMessageHook);
    if (!mouseHook) mouseHook = SetWindowsHookEx(WH_MOUSE, &PopupMouseHook);
}

void FinalizeContainersUnit() {
    for (HHOOK* hook : {&mouseHook, &getMessageHook, &callWndProcHook})
        if (*hook) {
            UnhookWindowsHookEx(*hook);
            *hook = 0;
        }
    for (auto& [w, proc] : suppressed)
        if (IsWindow(w)) SetWindowProc(w, proc);
    suppressed.clear();
    openPopups.clear();
}

} // namespace zorvy
