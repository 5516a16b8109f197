#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <cstdlib>

namespace zorvy {
namespace {

UINT doubleClickTime = 500;
int beeps = 0;
constexpr int DoubleClickSize = 4;

bool IsInside(HWND root, HWND hwnd) {
    return hwnd && (hwnd == root || IsChild(root, hwnd));
}

WPARAM MouseKeyFlags() {
    auto& ks = WS().asyncKeyState;
    WPARAM f = 0;
    if (ks[VK_LBUTTON] & 0x80) f |= MK_LBUTTON;
    if (ks[VK_RBUTTON] & 0x80) f |= MK_RBUTTON;
    if (ks[VK_MBUTTON] & 0x80) f |= MK_MBUTTON;
    if (ks[VK_SHIFT] & 0x80) f |= MK_SHIFT;
    if (ks[VK_CONTROL] & 0x80) f |= MK_CONTROL;
    return f;
}

// The next window to activate when `leaving` stops being active: its owner, else the frontmost
// visible top-level window.
HWND NextActivation(HWND leaving) {
    auto* w = FindWindowState(leaving);
    if (w && w->owner && IsWindowVisible(w->owner) && IsWindowEnabled(w->owner)) return w->owner;
    for (HWND t : WS().topLevels)
        if (t != leaving && IsWindowVisible(t) && IsWindowEnabled(t) &&
            !(GetWindowExStyle(t) & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW)))
            return t;
    return 0;
}

} // namespace

HWND SetFocus(HWND hwnd) {
    auto& ws = WS();
    const HWND old = ws.focus;
    if (hwnd == old) return old;
    if (hwnd) {
        auto* w = FindWindowState(hwnd);
        if (!w) return 0;
        for (auto* p = w; p; p = FindWindowState(p->parent))
            if (p->style & WS_DISABLED) return 0;
        TWindow* top = TopLevelOf(w);
        if (top->handle != ws.active) {
            SetActiveWindow(top->handle);
            if (!IsWindow(hwnd) || ws.active != top->handle) return 0;
            if (ws.focus == hwnd) return old;
        }
    }
    const HWND previous = ws.focus;
    ws.focus = hwnd;
    if (previous && IsWindow(previous)) SendMessage(previous, WM_KILLFOCUS, hwnd);
    // A handler of the kill-focus notice may have moved the focus elsewhere.
    if (hwnd && ws.focus == hwnd && IsWindow(hwnd)) SendMessage(hwnd, WM_SETFOCUS, previous);
    return previous ? previous : (hwnd ? hwnd : 0);
}

HWND GetFocus() {
    return WS().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    auto& ws = WS();
    if (hwnd) {
        auto* w = FindWindowState(hwnd);
        if (!w) return 0;
        hwnd = TopLevelOf(w)->handle;
    }
    const HWND old = ws.active;
    if (hwnd == old) return old;
    if (old && IsWindow(old)) {
        SendMessage(old, WM_NCACTIVATE, 0, static_cast<LPARAM>(hwnd));
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(hwnd));
    }
    if (ws.focus && old && IsInside(old, ws.focus)) {
        const HWND f = ws.focus;
        ws.focus = 0;
        SendMessage(f, WM_KILLFOCUS, 0);
    }
    ws.active = hwnd;
    if (hwnd && !ws.appActive) {
        ws.appActive = true;
        std::vector<HWND> tops = ws.topLevels;
        for (HWND t : tops)
            SendMessage(t, WM_ACTIVATEAPP, 1);
    }
    if (hwnd && IsWindow(hwnd) && ws.active == hwnd) {
        BringWindowToTop(hwnd);
        // The display server moves its keyboard along: without a window manager nobody else would.
        if (auto* w = FindWindowState(hwnd); w && w->hasNative && ws.backend && IsWindowVisible(hwnd))
            ws.backend->ActivateNativeWindow(hwnd);
        SendMessage(hwnd, WM_NCACTIVATE, 1, static_cast<LPARAM>(old));
        SendMessage(hwnd, WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(old));
    }
    return old;
}

HWND GetActiveWindow() {
    return WS().active;
}
HWND GetForegroundWindow() {
    return WS().appActive ? WS().active : 0;
}
bool IsApplicationActive() {
    return WS().appActive;
}

HWND SetCapture(HWND hwnd) {
    auto& ws = WS();
    if (hwnd && !IsWindow(hwnd)) return 0;
    const HWND old = ws.capture;
    ws.capture = hwnd;
    if (old && old != hwnd && IsWindow(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hwnd));
    return old;
}

bool ReleaseCapture() {
    auto& ws = WS();
    const HWND old = ws.capture;
    ws.capture = 0;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    return WS().capture;
}

void DetachInputFrom(HWND hwnd, bool destroying) {
    auto& ws = WS();
    if (ws.capture && IsInside(hwnd, ws.capture)) ReleaseCapture();
    if (ws.active && ws.active == hwnd) {
        const HWND next = NextActivation(hwnd);
        if (next)
            SetActiveWindow(next);
        else {
            SendMessage(hwnd, WM_NCACTIVATE, 0);
            SendMessage(hwnd, WM_ACTIVATE, WA_INACTIVE);
            ws.active = 0;
        }
    }
    if (ws.focus && IsInside(hwnd, ws.focus)) {
        const HWND f = ws.focus;
        HWND parent = destroying ? 0 : GetAncestor(hwnd, GA_PARENT);
        if (parent && !IsWindowVisible(parent)) parent = 0;
        ws.focus = 0;
        SendMessage(f, WM_KILLFOCUS, parent);
        if (parent) SetFocus(parent);
    }
}

std::int16_t GetKeyState(int vk) {
    const auto s = WS().keyState[static_cast<std::size_t>(vk & 0xFF)];
    return static_cast<std::int16_t>(((s & 0x80) ? 0x8000 : 0) | (s & 0x01));
}

std::int16_t GetAsyncKeyState(int vk) {
    const auto s = WS().asyncKeyState[static_cast<std::size_t>(vk & 0xFF)];
    return static_cast<std::int16_t>((s & 0x80) ? 0x8000 : 0);
}

void GetKeyboardState(std::uint8_t state[256]) {
    for (std::size_t i = 0; i < 256; ++i)
        state[i] = WS().keyState[i];
}

bool GetCursorPos(TPoint& p) {
    p = WS().cursorPos;
    return true;
}

bool SetCursorPos(int x, int y) {
    InjectMouseMove({x, y});
    return true;
}

HCURSOR SetCursor(HCURSOR cursor) {
    auto& ws = WS();
    const HCURSOR old = ws.cursor;
    if (cursor != old) {
        ws.cursor = cursor;
        if (ws.backend) ws.backend->SetCursorShape(cursor);
    }
    return old;
}

HCURSOR GetCursor() {
    return WS().cursor;
}
UINT GetDoubleClickTime() {
    return doubleClickTime;
}
void SetDoubleClickTime(UINT ms) {
    doubleClickTime = ms ? ms : 500;
}
void MessageBeep(UINT) {
    ++beeps;
}
int MessageBeepCount() {
    return beeps;
}

namespace {

void Enqueue(const TRawInput& raw, TPoint pt) {
    auto& ws = WS();
    TQueued q;
    q.raw = raw;
    q.msg.pt = pt;
    q.msg.time = GetMessageTickCount();
    q.seq = ws.nextSeq++;
    ws.posted.push_back(q);
}

void SetMessage(TQueued& q, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    q.msg.hwnd = hwnd;
    q.msg.message = msg;
    q.msg.wParam = wParam;
    q.msg.lParam = lParam;
}

bool MouseMessage(TQueued& q, TWindow& target, UINT clientMsg, UINT ncMsg, LRESULT hit) {
    const TPoint screen = q.msg.pt;
    if (hit == HTCLIENT || WS().capture == target.handle) {
        TPoint c = screen;
        ScreenToClient(target.handle, c);
        SetMessage(q, target.handle, clientMsg, q.raw.keyFlags, MakeLParam(c.X, c.Y));
    } else {
        SetMessage(q, target.handle, ncMsg, static_cast<WPARAM>(hit), MakeLParam(screen.X, screen.Y));
    }
    return true;
}

bool ResolveMouse(TQueued& q) {
    auto& ws = WS();
    const TPoint screen = q.msg.pt;
    const bool move = q.raw.kind == TRawKind::MouseMove;
    static constexpr UINT clientDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    static constexpr UINT clientUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    static constexpr UINT clientDbl[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
    static constexpr UINT ncDown[] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
    static constexpr UINT ncUp[] = {WM_NCLBUTTONUP, WM_NCRBUTTONUP, WM_NCMBUTTONUP};
    static constexpr UINT ncDbl[] = {WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDBLCLK, WM_NCMBUTTONDBLCLK};
    const auto b = static_cast<std::size_t>(q.raw.button);

    HWND target = ws.capture ? ws.capture : WindowFromPoint(screen);
    auto* w = FindWindowState(target);
    if (!w) return false;
    LRESULT hit = HTCLIENT;
    if (!ws.capture) hit = SendMessage(target, WM_NCHITTEST, 0, MakeLParam(screen.X, screen.Y));
    if (!(w = FindWindowState(target))) return false;
    if (move) {
        if (!ws.capture && !(w->style & WS_DISABLED))
            SendMessage(target, WM_SETCURSOR, target, MakeLParam(static_cast<int>(hit), WM_MOUSEMOVE));
        if (!(w = FindWindowState(target))) return false;
        return MouseMessage(q, *w, WM_MOUSEMOVE, WM_NCMOUSEMOVE, hit);
    }
    if (w->style & WS_DISABLED) {
        if (q.raw.down) MessageBeep(0);
        return false;
    }
    if (!q.raw.down) return MouseMessage(q, *w, clientUp[b], ncUp[b], hit);

    // Activation by a click in an inactive top-level window.
    TWindow* top = TopLevelOf(w);
    if (!ws.capture && top->handle != ws.active && !(top->exStyle & WS_EX_NOACTIVATE)) {
        const LRESULT answer =
            SendMessage(target, WM_MOUSEACTIVATE, top->handle,
                        MakeLParam(static_cast<int>(hit), static_cast<int>(clientDown[b])));
        if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0) SetActiveWindow(top->handle);
        if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return false;
        if (!(w = FindWindowState(target))) return false;
    }
    if (!ws.capture)
        SendMessage(target, WM_SETCURSOR, target,
                    MakeLParam(static_cast<int>(hit), static_cast<int>(clientDown[b])));
    if (!(w = FindWindowState(target))) return false;

    const std::uint64_t now = q.msg.time;
    const bool dbl = (w->classStyle & CS_DBLCLKS) && ws.lastClickWindow == target &&
                     ws.lastClickMessage == clientDown[b] && now - ws.lastClickTime <= doubleClickTime &&
                     std::abs(screen.X - ws.lastClickPos.X) <= DoubleClickSize / 2 &&
                     std::abs(screen.Y - ws.lastClickPos.Y) <= DoubleClickSize / 2;
    if (dbl) {
        ws.lastClickWindow = 0;
        return MouseMessage(q, *w, clientDbl[b], ncDbl[b], hit);
    }
    ws.lastClickWindow = target;
    ws.lastClickMessage = clientDown[b];
    ws.lastClickTime = now;
    ws.lastClickPos = screen;
    return MouseMessage(q, *w, clientDown[b], ncDown[b], hit);
}

} // namespace

// Keyboard input goes to the focused window, else the active one, else the window holding the mouse
// (an open menu that takes no focus).
HWND KeyboardTarget() {
    auto& ws = WS();
    if (IsWindow(ws.focus)) return ws.focus;
    if (IsWindow(ws.active)) return ws.active;
    return IsWindow(ws.capture) ? ws.capture : 0;
}

bool ResolveInput(TQueued& q) {
    switch (q.raw.kind) {
    case TRawKind::MouseMove:
    case TRawKind::MouseButton:
        return ResolveMouse(q);
    case TRawKind::Wheel: {
        HWND target = KeyboardTarget();
        if (!target) return false;
        SetMessage(q, target, WM_MOUSEWHEEL, MakeWParam(static_cast<int>(q.raw.keyFlags), q.raw.delta),
                   MakeLParam(q.msg.pt.X, q.msg.pt.Y));
        return true;
    }
    case TRawKind::Key: {
        HWND target = KeyboardTarget();
        if (!target) return false;
        LPARAM lp = 1;
        if (q.raw.alt) lp |= KF_ALTDOWN_LPARAM;
        if (!q.raw.down) lp |= static_cast<LPARAM>(0xC0000000u);
        if (q.raw.down && q.raw.repeat) lp |= 0x40000000;
        const UINT msg =
            q.raw.sys ? (q.raw.down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (q.raw.down ? WM_KEYDOWN : WM_KEYUP);
        SetMessage(q, target, msg, q.raw.vk, lp);
        return true;
    }
    case TRawKind::Char: {
        HWND target = KeyboardTarget();
        if (!target) return false;
        SetMessage(q, target, WM_CHAR, q.msg.wParam, 1);
        return true;
    }
    default:
        return true;
    }
}

void InjectMouseMove(TPoint screen) {
    WS().cursorPos = screen;
    TRawInput raw;
    raw.kind = TRawKind::MouseMove;
    raw.keyFlags = MouseKeyFlags();
    Enqueue(raw, screen);
}

void InjectMouseButton(TInputButton button, bool down, TPoint screen) {
    auto& ws = WS();
    ws.cursorPos = screen;
    const int vk = button == TInputButton::Left    ? VK_LBUTTON
                   : button == TInputButton::Right ? VK_RBUTTON
                                                   : VK_MBUTTON;
    auto& s = ws.asyncKeyState[static_cast<std::size_t>(vk)];
    s = down ? (s | 0x80) : (s & ~0x80);
    TRawInput raw;
    raw.kind = TRawKind::MouseButton;
    raw.button = button;
    raw.down = down;
    raw.keyFlags = MouseKeyFlags();
    Enqueue(raw, screen);
}

void InjectMouseWheel(int delta, TPoint screen) {
    WS().cursorPos = screen;
    TRawInput raw;
    raw.kind = TRawKind::Wheel;
    raw.delta = delta;
    raw.keyFlags = MouseKeyFlags();
    Enqueue(raw, screen);
}

void InjectKey(std::uint16_t vk, bool down) {
    auto& ws = WS();
    const bool wasDown = (ws.asyncKeyState[static_cast<std::size_t>(vk & 0xFF)] & 0x80) != 0;
    auto set = [&](int k) {
        auto& s = ws.asyncKeyState[static_cast<std::size_t>(k)];
        s = down ? (s | 0x80) : (s & ~0x80);
    };
    set(vk);
    int generic = vk;
    if (vk == VK_LSHIFT || vk == VK_RSHIFT) generic = VK_SHIFT;
    if (vk == VK_LCONTROL || vk == VK_RCONTROL) generic = VK_CONTROL;
    if (vk == VK_LMENU || vk == VK_RMENU) generic = VK_MENU;
    set(generic);
    const bool alt = (ws.asyncKeyState[VK_MENU] & 0x80) != 0;
    const bool ctrl = (ws.asyncKeyState[VK_CONTROL] & 0x80) != 0;
    TRawInput raw;
    raw.kind = TRawKind::Key;
    raw.vk = static_cast<std::uint16_t>(generic);
    raw.down = down;
    raw.alt = alt;
    raw.sys = (alt && !ctrl) || generic == VK_MENU || vk == VK_F10;
    raw.repeat = wasDown && down;
    Enqueue(raw, ws.cursorPos);
}

void InjectText(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = c;
        std::size_t len = 1;
        if (c >= 0xF0)
            len = 4, cp = c & 0x07;
        else if (c >= 0xE0)
            len = 3, cp = c & 0x0F;
        else if (c >= 0xC0)
            len = 2, cp = c & 0x1F;
        if (i + len > utf8.size()) break;
        for (std::size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += len;
        TRawInput raw;
        raw.kind = TRawKind::Char;
        auto& ws = WS();
        TQueued q;
        q.raw = raw;
        q.msg.pt = ws.cursorPos;
        q.msg.wParam = cp;
        q.msg.time = GetMessageTickCount();
        q.seq = ws.nextSeq++;
        ws.posted.push_back(q);
    }
}

namespace {
std::string composition;
int compositionCursor = 0;
} // namespace

void InjectComposition(const std::string& preedit, int cursor) {
    const bool was = !composition.empty();
    composition = preedit;
    compositionCursor = std::clamp(cursor, 0, static_cast<int>(preedit.size()));
    HWND target = KeyboardTarget();
    if (!target) return;
    if (!was && !preedit.empty()) PostMessage(target, WM_IME_STARTCOMPOSITION);
    if (was || !preedit.empty()) PostMessage(target, WM_IME_COMPOSITION, 0, GCS_COMPSTR | GCS_CURSORPOS);
    if (was && preedit.empty()) PostMessage(target, WM_IME_ENDCOMPOSITION);
}

std::string GetImeCompositionString(int* cursor) {
    if (cursor) *cursor = compositionCursor;
    return composition;
}

void InjectApplicationActive(bool active) {
    auto& ws = WS();
    if (active == ws.appActive) return;
    if (!active) {
        const HWND old = ws.active;
        if (old) {
            SendMessage(old, WM_NCACTIVATE, 0);
            SendMessage(old, WM_ACTIVATE, WA_INACTIVE);
        }
        ws.appActive = false;
        std::vector<HWND> tops = ws.topLevels;
        for (HWND t : tops)
            SendMessage(t, WM_ACTIVATEAPP, 0);
        if (ws.focus) {
            const HWND f = ws.focus;
            ws.focus = 0;
            SendMessage(f, WM_KILLFOCUS, 0);
        }
        ws.active = 0;
    } else {
        HWND next = NextActivation(0);
        if (next)
            SetActiveWindow(next);
        else
            ws.appActive = true;
    }
}

} // namespace zorvy
