#include "platform/rtl/Strings.h"
#include "platform/win/Input.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemClasses.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <utility>

namespace zorvy {
namespace {

bool IsTopLevel(const TWindow& w) {
    return w.parent == 0;
}

std::vector<HWND>& SiblingList(TWindow& w) {
    if (w.parent) return FindWindowState(w.parent)->children;
    return WS().topLevels;
}

void Unlink(TWindow& w) {
    auto& list = SiblingList(w);
    list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
}

bool IsTopmost(HWND h) {
    auto* w = FindWindowState(h);
    return w && (w->exStyle & WS_EX_TOPMOST);
}

// Places a window in its sibling list: at the front (after topmost windows when it is not topmost
// itself), at the back, or right behind another sibling.
void Place(TWindow& w, HWND insertAfter) {
    auto& list = SiblingList(w);
    list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
    const bool topLevel = IsTopLevel(w);
    if (insertAfter == HWND_BOTTOM) {
        list.push_back(w.handle);
        return;
    }
    if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        auto it = std::find(list.begin(), list.end(), insertAfter);
        if (it != list.end()) {
            list.insert(it + 1, w.handle);
            return;
        }
    }
    auto pos = list.begin();
    if (topLevel && !(w.exStyle & WS_EX_TOPMOST))
        while (pos != list.end() && IsTopmost(*pos))
            ++pos;
    list.insert(pos, w.handle);
}

} // namespace

int FrameWidth(const TWindow& w) {
    // A decorated top-level window gets its frame from the display server, outside our rectangle.
    if (IsTopLevel(w) && !(w.style & WS_POPUP) && (w.style & WS_CAPTION) == WS_CAPTION) return 0;
    int b = 0;
    if (w.style & WS_BORDER) b += 1;
    if (w.style & WS_DLGFRAME) b += 2;
    if (w.style & WS_THICKFRAME) b += 2;
    if (w.exStyle & WS_EX_CLIENTEDGE) b += 2;
    if (w.exStyle & WS_EX_STATICEDGE) b += 1;
    return b;
}

namespace {

void RecalcClient(TWindow& w) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = w.windowRect;
    SendMessage(w.handle, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&params));
    if (!FindWindowState(w.handle)) return;
    TRect c = params.rgrc[0];
    OffsetRect(c, -w.windowRect.Left, -w.windowRect.Top);
    c.Right = std::max(c.Left, c.Right);
    c.Bottom = std::max(c.Top, c.Bottom);
    w.clientRect = c;
}

void CollectSubtree(const TWindow& w, std::vector<HWND>& out) {
    out.push_back(w.handle);
    for (HWND c : w.children)
        if (auto* cw = FindWindowState(c)) CollectSubtree(*cw, out);
}

TNativeWindowDesc NativeDesc(const TWindow& w) {
    TNativeWindowDesc d;
    d.bounds = w.windowRect;
    d.caption = w.text;
    d.popup = (w.style & WS_POPUP) || (w.style & WS_CHILD) || (w.style & WS_CAPTION) != WS_CAPTION;
    d.topmost = (w.exStyle & WS_EX_TOPMOST) != 0;
    d.toolWindow = (w.exStyle & WS_EX_TOOLWINDOW) != 0;
    d.sizeable = (w.style & WS_THICKFRAME) != 0 && !d.popup;
    if (auto* owner = FindWindowState(w.owner); owner && owner->hasNative) d.owner = w.owner;
    return d;
}

void AttachNative(TWindow& w) {
    if (w.hasNative || !IsTopLevel(w)) return;
    EnsureBackBuffer(w);
    if (auto* b = WS().backend) {
        b->CreateNativeWindow(w.handle, NativeDesc(w));
        w.hasNative = true;
        if (w.alpha != 255 || w.colorKey) b->SetNativeWindowLayering(w.handle, w.alpha, w.colorKey);
        if (w.windowRegion) b->SetNativeWindowShape(w.handle, &*w.windowRegion);
        if (w.sizeLimits.minWidth || w.sizeLimits.minHeight || w.sizeLimits.maxWidth || w.sizeLimits.maxHeight)
            b->SetNativeWindowSizeLimits(w.handle, w.sizeLimits);
    }
}

void DetachNative(TWindow& w) {
    if (w.hasNative)
        if (auto* b = WS().backend) b->DestroyNativeWindow(w.handle);
    w.hasNative = false;
    ReleaseBackBuffer(w);
}

HWND HitTestWindow(TWindow& w, TPoint screen) {
    if (!(w.style & WS_VISIBLE)) return 0;
    TPoint origin = WindowOrigin(w);
    TRect r = w.windowRect;
    OffsetRect(r, origin.X - r.Left, origin.Y - r.Top);
    if (!PtInRect(r, screen)) return 0;
    if (w.windowRegion && !w.windowRegion->Contains({screen.X - origin.X, screen.Y - origin.Y})) return 0;
    TRect client = w.clientRect;
    OffsetRect(client, origin.X, origin.Y);
    if (PtInRect(client, screen)) {
        std::vector<HWND> children = w.children;
        for (HWND c : children) {
            auto* cw = FindWindowState(c);
            if (!cw || (cw->style & WS_DISABLED)) continue;
            if (HWND hit = HitTestWindow(*cw, screen)) return hit;
        }
    }
    LRESULT code = SendMessage(w.handle, WM_NCHITTEST, 0, MakeLParam(screen.X, screen.Y));
    if (code == HTTRANSPARENT) return 0;
    return w.handle;
}

} // namespace

TWindowSystem& WS() {
    static TWindowSystem system;
    return system;
}

TWindow* FindWindowState(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& map = WS().windows;
    auto it = map.find(hwnd);
    return it == map.end() ? nullptr : it->second.get();
}

TPoint WindowOrigin(const TWindow& w) {
    if (!w.parent) return w.windowRect.TopLeft();
    auto* p = FindWindowState(w.parent);
    TPoint o = p ? ClientOrigin(*p) : TPoint{};
    return {o.X + w.windowRect.Left, o.Y + w.windowRect.Top};
}

TPoint ClientOrigin(const TWindow& w) {
    TPoint o = WindowOrigin(w);
    return {o.X + w.clientRect.Left, o.Y + w.clientRect.Top};
}

TWindow* TopLevelOf(TWindow* w) {
    while (w && w->parent)
        w = FindWindowState(w->parent);
    return w;
}

bool RegisterClass(const TWindowClass& cls) {
    if (cls.name.empty()) return false;
    WS().classes[LowerCase(cls.name)] = cls;
    return true;
}

bool GetClassInfo(const std::string& name, TWindowClass& out) {
    const std::string key = LowerCase(name);
    auto it = WS().classes.find(key);
    if (it == WS().classes.end() && RegisterSystemClass(key)) it = WS().classes.find(key);
    if (it == WS().classes.end()) return false;
    out = it->second;
    return true;
}

bool UnregisterClass(const std::string& name) {
    return WS().classes.erase(LowerCase(name)) > 0;
}

HWND CreateWindowEx(std::uint32_t exStyle, const std::string& className, const std::string& text,
                    std::uint32_t style, int x, int y, int width, int height, HWND parent, std::uintptr_t id,
                    void* createParams) {
    auto& ws = WS();
    TWindowClass cls;
    if (!GetClassInfo(className, cls)) return 0;
    auto* parentState = FindWindowState(parent);
    if ((style & WS_CHILD) && !parentState) return 0;
    if (parent && !parentState) return 0;

    auto w = std::make_unique<TWindow>();
    const HWND handle = ws.nextHandle++;
    w->handle = handle;
    w->className = cls.name;
    w->classStyle = cls.style;
    w->classBackground = cls.background;
    w->classCursor = cls.cursor;
    w->proc = cls.proc ? cls.proc : &DefWindowProc;
    w->id = id;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->windowRect = Bounds(x, y, std::max(0, width), std::max(0, height));
    if (style & WS_CHILD) {
        w->parent = parent;
    } else if (parentState) {
        w->owner = TopLevelOf(parentState)->handle;
    }
    TWindow& ref = *w;
    ws.windows.emplace(handle, std::move(w));
    Place(ref, HWND_TOP);

    CREATESTRUCT cs;
    cs.createParams = createParams;
    cs.id = id;
    cs.parent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = style;
    cs.exStyle = exStyle;
    cs.className = className;
    cs.text = text;
    if (!SendMessage(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DestroyWindow(handle);
        return 0;
    }
    if (!FindWindowState(handle)) return 0;
    RecalcClient(ref);
    AttachNative(ref);
    if (SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(handle);
        return 0;
    }
    if (!FindWindowState(handle)) return 0;
    SendMessage(handle, WM_SIZE, SIZE_RESTORED, MakeLParam(ref.clientRect.Width(), ref.clientRect.Height()));
    if (!FindWindowState(handle)) return 0;
    SendMessage(
        handle, WM_MOVE, 0,
        MakeLParam(ref.windowRect.Left + ref.clientRect.Left, ref.windowRect.Top + ref.clientRect.Top));
    if (!FindWindowState(handle)) return 0;
    if (style & WS_VISIBLE) ShowWindow(handle, (style & WS_CHILD) ? SW_SHOWNA : SW_SHOW);
    return FindWindowState(handle) ? handle : 0;
}

bool DestroyWindow(HWND hwnd) {
    auto& ws = WS();
    TWindow* w = FindWindowState(hwnd);
    if (!w || w->destroying) return false;
    w->destroying = true;

    // Owned windows go first.
    std::vector<HWND> owned;
    for (HWND t : ws.topLevels)
        if (auto* tw = FindWindowState(t); tw && tw->owner == hwnd) owned.push_back(t);
    for (HWND t : owned)
        DestroyWindow(t);

    w = FindWindowState(hwnd);
    if (!w) return true;
    if (IsWindowVisible(hwnd) && w->parent) InvalidateUnder(*w, w->windowRect);
    if (w->hasNative && ws.backend) ws.backend->ShowNativeWindow(hwnd, false, false);
    DetachInputFrom(hwnd, true);

    std::vector<HWND> subtree;
    if ((w = FindWindowState(hwnd))) CollectSubtree(*w, subtree);
    for (HWND h : subtree) {
        if (auto* sw = FindWindowState(h)) {
            sw->destroying = true;
            SendMessage(h, WM_DESTROY);
        }
    }
    subtree.clear();
    if ((w = FindWindowState(hwnd))) CollectSubtree(*w, subtree);
    for (auto it = subtree.rbegin(); it != subtree.rend(); ++it)
        SendMessage(*it, WM_NCDESTROY);

    subtree.clear();
    w = FindWindowState(hwnd);
    if (!w) return true;
    CollectSubtree(*w, subtree);
    for (HWND h : subtree)
        for (auto& t : ws.timers)
            if (t.hwnd == h) t.hwnd = 0, t.serial = 0;
    std::erase_if(ws.timers, [](const TTimerEntry& t) { return t.serial == 0; });
    RecalcNextTimerDue();
    Unlink(*w);
    for (HWND h : subtree) {
        auto* sw = FindWindowState(h);
        if (!sw) continue;
        SetPaintState(*sw, false);
        DetachNative(*sw);
        if (ws.focus == h) ws.focus = 0;
        if (ws.capture == h) ws.capture = 0;
        if (ws.active == h) ws.active = 0;
    }
    for (HWND h : subtree)
        ws.windows.erase(h);
    return true;
}

bool IsWindow(HWND hwnd) {
    return FindWindowState(hwnd) != nullptr;
}

std::string GetClassName(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->className : std::string();
}

HWND GetParent(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    return w->parent ? w->parent : w->owner;
}

HWND SetParent(HWND hwnd, HWND newParent) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    if (newParent && (!FindWindowState(newParent) || newParent == hwnd || IsChild(hwnd, newParent))) return 0;
    const HWND old = w->parent;
    if (old == newParent) return old;
    const bool visible = IsWindowVisible(hwnd);
    if (visible && old) InvalidateUnder(*w, w->windowRect);
    Unlink(*w);
    if (!old) DetachNative(*w);
    w->parent = newParent;
    Place(*w, HWND_TOP);
    if (!newParent) {
        AttachNative(*w);
        if ((w->style & WS_VISIBLE) && WS().backend) WS().backend->ShowNativeWindow(hwnd, true, false);
    }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    return old;
}

HWND SetWindowOwner(HWND hwnd, HWND owner) {
    auto* w = FindWindowState(hwnd);
    if (!w || w->parent) return 0;
    if (owner) {
        auto* o = FindWindowState(owner);
        if (!o || owner == hwnd) return 0;
        owner = TopLevelOf(o)->handle;
        // An owner cannot belong to the window it owns.
        for (auto* up = FindWindowState(owner); up; up = FindWindowState(up->owner))
            if (up->handle == hwnd) return 0;
    }
    const HWND old = std::exchange(w->owner, owner);
    if (old != owner && w->hasNative && WS().backend) {
        auto* o = FindWindowState(owner);
        WS().backend->SetNativeWindowOwner(hwnd, o && o->hasNative ? owner : 0);
    }
    return old;
}

namespace {

void ClampToLimits(const TNativeSizeLimits& limits, int& width, int& height) {
    if (limits.maxWidth > 0) width = std::min(width, limits.maxWidth);
    if (limits.maxHeight > 0) height = std::min(height, limits.maxHeight);
    width = std::max(width, limits.minWidth);
    height = std::max(height, limits.minHeight);
}

} // namespace

void SetWindowSizeLimits(HWND hwnd, int minWidth, int minHeight, int maxWidth, int maxHeight) {
    auto* w = FindWindowState(hwnd);
    if (!w || w->parent) return;
    w->sizeLimits = {std::max(0, minWidth), std::max(0, minHeight), std::max(0, maxWidth), std::max(0, maxHeight)};
    if (w->hasNative && WS().backend) WS().backend->SetNativeWindowSizeLimits(hwnd, w->sizeLimits);
    int width = w->windowRect.Width(), height = w->windowRect.Height();
    ClampToLimits(w->sizeLimits, width, height);
    if (width != w->windowRect.Width() || height != w->windowRect.Height())
        SetWindowPos(hwnd, 0, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND GetWindow(HWND hwnd, UINT relation) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    switch (relation) {
    case GW_OWNER:
        return w->owner;
    case GW_CHILD:
        return w->children.empty() ? 0 : w->children.front();
    default:
        break;
    }
    auto& list = SiblingList(*w);
    if (list.empty()) return 0;
    auto it = std::find(list.begin(), list.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return list.front();
    case GW_HWNDLAST:
        return list.back();
    case GW_HWNDNEXT:
        return (it == list.end() || it + 1 == list.end()) ? 0 : *(it + 1);
    case GW_HWNDPREV:
        return (it == list.end() || it == list.begin()) ? 0 : *(it - 1);
    default:
        return 0;
    }
}

HWND GetAncestor(HWND hwnd, UINT kind) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    if (kind == GA_PARENT) return w->parent;
    return TopLevelOf(w)->handle;
}

HWND GetTopWindow(HWND parent) {
    if (!parent) return WS().topLevels.empty() ? 0 : WS().topLevels.front();
    return GetWindow(parent, GW_CHILD);
}

bool IsChild(HWND parent, HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    if (!w || !parent) return false;
    for (HWND p = w->parent; p;) {
        if (p == parent) return true;
        auto* state = FindWindowState(p);
        p = state ? state->parent : 0;
    }
    return false;
}

std::uint32_t GetWindowStyle(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->style : 0;
}

std::uint32_t SetWindowStyle(HWND hwnd, std::uint32_t style) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    const auto old = w->style;
    w->style = style;
    return old;
}

std::uint32_t GetWindowExStyle(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->exStyle : 0;
}

std::uint32_t SetWindowExStyle(HWND hwnd, std::uint32_t exStyle) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    const auto old = w->exStyle;
    w->exStyle = exStyle;
    if ((old ^ exStyle) & WS_EX_TOPMOST) Place(*w, HWND_TOP);
    return old;
}

std::uint32_t GetClassStyle(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->classStyle : 0;
}

std::uintptr_t GetDlgCtrlID(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->id : 0;
}

std::intptr_t GetWindowUserData(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->userData : 0;
}

std::intptr_t SetWindowUserData(HWND hwnd, std::intptr_t data) {
    auto* w = FindWindowState(hwnd);
    if (!w) return 0;
    return std::exchange(w->userData, data);
}

WNDPROC GetWindowProc(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w ? w->proc : nullptr;
}

WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc) {
    auto* w = FindWindowState(hwnd);
    if (!w || !proc) return nullptr;
    return std::exchange(w->proc, proc);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

bool SetWindowText(HWND hwnd, const std::string& text) {
    if (!IsWindow(hwnd)) return false;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text)) != 0;
}

std::string GetWindowText(HWND hwnd) {
    std::string text;
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool ShowWindow(HWND hwnd, int command) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        if (!wasVisible) return false;
        SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
        SetWindowPos(hwnd, 0, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        return wasVisible;
    }
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;
    if (command == SW_SHOWNA || command == SW_SHOWNOACTIVATE || command == SW_SHOWMINIMIZED ||
        (w->exStyle & WS_EX_NOACTIVATE))
        flags |= SWP_NOACTIVATE;
    if (command == SW_SHOWNA) flags |= SWP_NOZORDER;
    TRect target = w->windowRect;
    auto* backend = w->hasNative ? WS().backend : nullptr;
    if (command == SW_SHOWMAXIMIZED && !w->parent) {
        if (!(w->style & WS_MAXIMIZE)) w->restoreRect = w->windowRect;
        w->style |= WS_MAXIMIZE;
        if (backend) backend->SetNativeWindowMaximized(hwnd, true);
        target = GetWorkAreaAt(w->windowRect.TopLeft());
        flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    } else if ((command == SW_RESTORE || command == SW_SHOWNORMAL) && (w->style & WS_MAXIMIZE)) {
        w->style &= ~WS_MAXIMIZE;
        if (backend) backend->SetNativeWindowMaximized(hwnd, false);
        if (!IsRectEmpty(w->restoreRect)) {
            target = w->restoreRect;
            flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
        }
    }
    if (!wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
        if (!IsWindow(hwnd)) return false;
    }
    SetWindowPos(hwnd, HWND_TOP, target.Left, target.Top, target.Width(), target.Height(), flags);
    return wasVisible;
}

bool IsWindowVisible(HWND hwnd) {
    for (auto* w = FindWindowState(hwnd); w; w = FindWindowState(w->parent)) {
        if (!(w->style & WS_VISIBLE)) return false;
        if (!w->parent) return true;
    }
    return false;
}

bool EnableWindow(HWND hwnd, bool enable) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        auto& ws = WS();
        if (ws.focus && (ws.focus == hwnd || IsChild(hwnd, ws.focus))) SetFocus(0);
        if (ws.capture && (ws.capture == hwnd || IsChild(hwnd, ws.capture))) ReleaseCapture();
    }
    SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    return w && !(w->style & WS_DISABLED);
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto& ws = WS();
    TWindow* w = FindWindowState(hwnd);
    if (!w) return false;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) pos.x = w->windowRect.Left, pos.y = w->windowRect.Top;
    if (flags & SWP_NOSIZE) pos.cx = w->windowRect.Width(), pos.cy = w->windowRect.Height();
    SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = FindWindowState(hwnd))) return false;

    if (!w->parent) ClampToLimits(w->sizeLimits, pos.cx, pos.cy);
    const bool wasVisible = IsWindowVisible(hwnd);
    const TRect oldRect = w->windowRect;
    const TRect newRect = Bounds(pos.x, pos.y, std::max(0, pos.cx), std::max(0, pos.cy));
    const bool moved = newRect.Left != oldRect.Left || newRect.Top != oldRect.Top;
    const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
    bool zChanged = false;
    if (!(pos.flags & SWP_NOZORDER)) {
        if (pos.hwndInsertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
        if (pos.hwndInsertAfter == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
        auto before = SiblingList(*w);
        Place(*w, pos.hwndInsertAfter);
        zChanged = before != SiblingList(*w);
    }
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    if (moved || sized || (pos.flags & SWP_FRAMECHANGED)) {
        w->windowRect = newRect;
        RecalcClient(*w);
        if (!(w = FindWindowState(hwnd))) return false;
    }
    const bool visible = IsWindowVisible(hwnd);

    if (!w->parent) {
        if (sized) EnsureBackBuffer(*w);
        if (w->hasNative && ws.backend) {
            if (moved || sized) ws.backend->SetNativeWindowBounds(hwnd, w->windowRect);
            if (visible != wasVisible)
                ws.backend->ShowNativeWindow(hwnd, visible, !(pos.flags & SWP_NOACTIVATE));
        }
    } else if (wasVisible && (moved || sized || !visible || zChanged)) {
        InvalidateUnder(*w, oldRect);
    }
    if (visible && (!wasVisible || moved || sized || zChanged || (pos.flags & SWP_FRAMECHANGED)) &&
        !(pos.flags & SWP_NOREDRAW))
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (wasVisible && !visible) DetachInputFrom(hwnd, false);
    if (!IsWindow(hwnd)) return false;
    if (visible && !wasVisible && !w->parent && !(pos.flags & SWP_NOACTIVATE)) SetActiveWindow(hwnd);
    if (!(w = FindWindowState(hwnd))) return false;

    WINDOWPOS done{hwnd,
                   pos.hwndInsertAfter,
                   w->windowRect.Left,
                   w->windowRect.Top,
                   w->windowRect.Width(),
                   w->windowRect.Height(),
                   pos.flags};
    if (!moved) done.flags |= SWP_NOMOVE;
    if (!sized) done.flags |= SWP_NOSIZE;
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
    return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
    return SetWindowPos(hwnd, 0, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool GetWindowRect(HWND hwnd, TRect& r) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    TPoint o = WindowOrigin(*w);
    r = Bounds(o.X, o.Y, w->windowRect.Width(), w->windowRect.Height());
    return true;
}

bool GetClientRect(HWND hwnd, TRect& r) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    r = Rect(0, 0, w->clientRect.Width(), w->clientRect.Height());
    return true;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, int count) {
    TPoint a{}, b{};
    if (from) {
        auto* w = FindWindowState(from);
        if (!w) return 0;
        a = ClientOrigin(*w);
    }
    if (to) {
        auto* w = FindWindowState(to);
        if (!w) return 0;
        b = ClientOrigin(*w);
    }
    const int dx = a.X - b.X, dy = a.Y - b.Y;
    for (int i = 0; i < count; ++i)
        points[i].X += dx, points[i].Y += dy;
    return static_cast<int>(MakeLParam(dx, dy));
}

bool ClientToScreen(HWND hwnd, TPoint& p) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    TPoint o = ClientOrigin(*w);
    p.X += o.X, p.Y += o.Y;
    return true;
}

bool ScreenToClient(HWND hwnd, TPoint& p) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    TPoint o = ClientOrigin(*w);
    p.X -= o.X, p.Y -= o.Y;
    return true;
}

HWND WindowFromPoint(TPoint screen) {
    std::vector<HWND> tops = WS().topLevels;
    for (HWND t : tops)
        if (auto* w = FindWindowState(t))
            if (HWND hit = HitTestWindow(*w, screen)) return hit;
    return 0;
}

HWND ChildWindowFromPoint(HWND parent, TPoint client) {
    auto* w = FindWindowState(parent);
    if (!w) return 0;
    if (!PtInRect(Rect(0, 0, w->clientRect.Width(), w->clientRect.Height()), client)) return 0;
    for (HWND c : w->children) {
        auto* cw = FindWindowState(c);
        if (cw && (cw->style & WS_VISIBLE) && PtInRect(cw->windowRect, client)) return c;
    }
    return parent;
}

bool SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    if (w->parent && IsWindowVisible(hwnd)) InvalidateUnder(*w, w->windowRect);
    if (region)
        w->windowRegion = *region;
    else
        w->windowRegion.reset();
    if (w->hasNative && WS().backend)
        WS().backend->SetNativeWindowShape(hwnd, w->windowRegion ? &*w->windowRegion : nullptr);
    if (redraw)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

bool GetWindowRgn(HWND hwnd, TRegion& out) {
    auto* w = FindWindowState(hwnd);
    if (!w || !w->windowRegion) return false;
    out = *w->windowRegion;
    return true;
}

bool SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, std::uint8_t alpha, std::uint32_t flags) {
    auto* w = FindWindowState(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED)) return false;
    w->alpha = (flags & LWA_ALPHA) ? alpha : 255;
    if (flags & LWA_COLORKEY)
        w->colorKey = colorKey & 0xFFFFFF;
    else
        w->colorKey.reset();
    if (w->hasNative && WS().backend) WS().backend->SetNativeWindowLayering(hwnd, w->alpha, w->colorKey);
    return true;
}

bool GetLayeredWindowAttributes(HWND hwnd, COLORREF* colorKey, std::uint8_t* alpha, std::uint32_t* flags) {
    auto* w = FindWindowState(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED)) return false;
    if (colorKey) *colorKey = w->colorKey.value_or(0);
    if (alpha) *alpha = w->alpha;
    if (flags) *flags = (w->colorKey ? LWA_COLORKEY : 0) | (w->alpha != 255 ? LWA_ALPHA : 0);
    return true;
}

void ShutdownWindowSystem() {
    auto& ws = WS();
    while (!ws.topLevels.empty()) {
        HWND h = ws.topLevels.front();
        if (!DestroyWindow(h)) std::erase(ws.topLevels, h);
    }
    ws.windows.clear();
    ws.posted.clear();
    ws.quitPosted = false;
    ws.quitCode = 0;
    ws.paintPending = 0;
    ws.timers.clear();
    ws.nextTimerDue = UINT64_MAX;
    ws.hooks.clear();
    ws.focus = ws.active = ws.capture = 0;
    ws.appActive = false;
    ws.keyState.fill(0);
    ws.asyncKeyState.fill(0);
    ws.lastClickWindow = 0;
    ws.lastClickTime = 0;
    ws.cursor = 0;
}

} // namespace zorvy
