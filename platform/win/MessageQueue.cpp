#include "platform/rtl/Exceptions.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowState.h"

#include <algorithm>

namespace zorvy {
namespace {

MSG lastMessage;

bool InRange(UINT msg, UINT first, UINT last) {
    return (first == 0 && last == 0) || (msg >= first && msg <= last);
}

bool MatchesWindow(HWND filter, HWND hwnd) {
    return filter == 0 || hwnd == filter || IsChild(filter, hwnd);
}

bool IsMouseMessage(UINT m) {
    return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}

void SyncKeyState(const MSG& msg) {
    auto& ks = WS().keyState;
    auto press = [&](int vk, bool down) {
        auto& s = ks[static_cast<std::size_t>(vk & 0xFF)];
        if (down && !(s & 0x80)) s ^= 0x01;
        s = down ? (s | 0x80) : (s & ~0x80);
    };
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        press(static_cast<int>(msg.wParam), true);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        press(static_cast<int>(msg.wParam), false);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        press(VK_LBUTTON, true);
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        press(VK_LBUTTON, false);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        press(VK_RBUTTON, true);
        break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
        press(VK_RBUTTON, false);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
        press(VK_MBUTTON, true);
        break;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
        press(VK_MBUTTON, false);
        break;
    default:
        break;
    }
}

bool FindPaint(TWindow& w, HWND filter, MSG& out) {
    if (NeedsPaint(w) && MatchesWindow(filter, w.handle)) {
        out = MSG{};
        out.hwnd = w.handle;
        out.message = WM_PAINT;
        return true;
    }
    for (HWND c : w.children)
        if (auto* cw = FindWindowState(c); cw && FindPaint(*cw, filter, out)) return true;
    return false;
}

bool TakePosted(MSG& msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    auto& ws = WS();
    for (std::size_t i = 0; i < ws.posted.size();) {
        if (ws.posted[i].raw.kind != TRawKind::None) {
            // Resolving sends messages that may change the queue: work on a copy, then find it again.
            TQueued copy = ws.posted[i];
            const bool keep = ResolveInput(copy);
            auto it = std::find_if(ws.posted.begin(), ws.posted.end(),
                                   [&](const TQueued& q) { return q.seq == copy.seq; });
            if (it != ws.posted.end()) {
                if (keep) {
                    copy.raw.kind = TRawKind::None;
                    *it = copy;
                } else {
                    ws.posted.erase(it);
                }
            }
            i = 0;
            continue;
        }
        const MSG& candidate = ws.posted[i].msg;
        if (!InRange(candidate.message, first, last) || !MatchesWindow(hwnd, candidate.hwnd)) {
            ++i;
            continue;
        }
        msg = candidate;
        if (!(remove & PM_REMOVE)) return true;
        ws.posted.erase(ws.posted.begin() + static_cast<std::ptrdiff_t>(i));
        if (IsMouseMessage(msg.message) && !ws.hooks.empty()) {
            MOUSEHOOKSTRUCT data{msg.pt, msg.hwnd, HTCLIENT};
            if (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK)
                data.hitTestCode = static_cast<LRESULT>(msg.wParam);
            if (CallHookChain(WH_MOUSE, HC_ACTION, msg.message, reinterpret_cast<LPARAM>(&data)) != 0) {
                SyncKeyState(msg);
                i = 0;
                continue;
            }
        }
        SyncKeyState(msg);
        return true;
    }
    return false;
}

bool TakeTimer(MSG& msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    auto& ws = WS();
    if (!InRange(WM_TIMER, first, last)) return false;
    const std::uint64_t now = GetMessageTickCount();
    if (now < ws.nextTimerDue) return false;
    for (auto& t : ws.timers) {
        if (t.due > now || !MatchesWindow(hwnd, t.hwnd) || (hwnd && !t.hwnd)) continue;
        msg = MSG{};
        msg.hwnd = t.hwnd;
        msg.message = WM_TIMER;
        msg.wParam = t.id;
        msg.time = now;
        msg.pt = ws.cursorPos;
        msg.timerSerial = t.serial;
        if (remove & PM_REMOVE) {
            // One message however late the timer is; the next period starts now.
            t.due = now + t.interval;
            RecalcNextTimerDue();
        }
        return true;
    }
    return false;
}

bool PeekOnce(MSG& msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    auto& ws = WS();
    if (!ws.posted.empty() && TakePosted(msg, hwnd, first, last, remove)) return true;
    if (ws.quitPosted && InRange(WM_QUIT, first, last)) {
        msg = MSG{};
        msg.message = WM_QUIT;
        msg.wParam = static_cast<WPARAM>(ws.quitCode);
        msg.time = GetMessageTickCount();
        if (remove & PM_REMOVE) ws.quitPosted = false;
        return true;
    }
    if (ws.paintPending > 0 && InRange(WM_PAINT, first, last)) {
        std::vector<HWND> tops = ws.topLevels;
        for (HWND t : tops) {
            auto* w = FindWindowState(t);
            if (w && FindPaint(*w, hwnd, msg)) {
                msg.time = GetMessageTickCount();
                msg.pt = ws.cursorPos;
                return true;
            }
        }
    }
    return !ws.timers.empty() && TakeTimer(msg, hwnd, first, last, remove);
}

} // namespace

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWindow* w = FindWindowState(hwnd);
    if (!w) return 0;
    auto& hooks = WS().hooks;
    if (!hooks.empty()) {
        CWPSTRUCT data{lParam, wParam, msg, hwnd};
        CallHookChain(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&data));
        // A hook may have replaced the window procedure or destroyed the window.
        if (!(w = FindWindowState(hwnd))) return 0;
    }
    return w->proc(hwnd, msg, wParam, lParam);
}

bool SendNotifyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hwnd)) return false;
    SendMessage(hwnd, msg, wParam, lParam);
    return true;
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !IsWindow(hwnd)) return false;
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetMessageTickCount();
    m.pt = WS().cursorPos;
    TQueued q;
    q.msg = m;
    q.seq = WS().nextSeq++;
    WS().posted.push_back(q);
    return true;
}

void PostQuitMessage(int exitCode) {
    WS().quitPosted = true;
    WS().quitCode = exitCode;
}

bool QueueIsEmpty() {
    const auto& ws = WS();
    if (!ws.posted.empty() || ws.quitPosted || ws.paintPending > 0) return false;
    return ws.timers.empty() || GetMessageTickCount() < ws.nextTimerDue;
}

bool PeekMessage(MSG& msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    auto& ws = WS();
    if (ws.backend) ws.backend->PumpEvents();
    if (ws.posted.empty() && !ws.quitPosted && ws.paintPending == 0 && ws.timers.empty()) {
        if (ws.presentPending) PresentPendingWindows();
        return false;
    }
    if (!PeekOnce(msg, hwnd, first, last, remove)) {
        if (ws.presentPending) PresentPendingWindows();
        return false;
    }
    if (!ws.hooks.empty())
        CallHookChain(WH_GETMESSAGE, HC_ACTION, remove & PM_REMOVE, reinterpret_cast<LPARAM>(&msg));
    if (remove & PM_REMOVE) lastMessage = msg;
    return true;
}

void WaitMessage() {
    auto& ws = WS();
    if (ws.backend) ws.backend->PumpEvents();
    if (!QueueIsEmpty()) return;
    std::optional<std::uint64_t> deadline;
    if (!ws.timers.empty()) deadline = ws.nextTimerDue;
    if (!ws.backend)
        throw EInvalidOperation("The message loop is waiting for input, but no display is installed");
    ws.backend->WaitForEvents(deadline);
}

bool GetMessage(MSG& msg, HWND hwnd, UINT first, UINT last) {
    while (!PeekMessage(msg, hwnd, first, last, PM_REMOVE))
        WaitMessage();
    return msg.message != WM_QUIT;
}

bool TranslateMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    const auto vk = static_cast<int>(msg.wParam);
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    WPARAM ch = 0;
    UINT kind = WM_CHAR;
    if (msg.message == WM_SYSKEYDOWN) {
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
            ch = static_cast<WPARAM>(vk >= 'A' ? vk + 32 : vk);
        kind = WM_SYSCHAR;
    } else if (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_BACK || vk == VK_TAB) {
        ch = static_cast<WPARAM>(vk);
    } else if (ctrl && !alt && vk >= 'A' && vk <= 'Z') {
        ch = static_cast<WPARAM>(vk - 'A' + 1);
    }
    if (!ch) return false;
    MSG c = msg;
    c.message = kind;
    c.wParam = ch;
    TQueued q;
    q.msg = c;
    q.seq = WS().nextSeq++;
    WS().posted.push_front(q);
    return true;
}

LRESULT DispatchMessage(const MSG& msg) {
    if (msg.message == WM_TIMER && msg.timerSerial) {
        auto& timers = WS().timers;
        auto it = std::find_if(timers.begin(), timers.end(),
                               [&](const TTimerEntry& t) { return t.serial == msg.timerSerial; });
        if (it == timers.end()) return 0; // killed or reset since the message was made
        if (it->proc) {
            TIMERPROC proc = it->proc;
            proc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
            return 0;
        }
    }
    TWindow* w = FindWindowState(msg.hwnd);
    if (!w) return 0;
    return w->proc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

TPoint GetMessagePos() {
    return lastMessage.pt;
}
std::uint64_t GetMessageTime() {
    return lastMessage.time;
}

} // namespace zorvy
