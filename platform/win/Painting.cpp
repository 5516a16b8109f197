#include "platform/win/Painting.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <cstring>

namespace zorvy {
namespace {

// Offset of a window's origin (window coordinates) inside its top-level back buffer.
TPoint OriginInTop(const TWindow& w) {
    const TWindow* top = TopLevelOf(const_cast<TWindow*>(&w));
    TPoint o = WindowOrigin(w), t = top->windowRect.TopLeft();
    return {o.X - t.X, o.Y - t.Y};
}

TRect ClientBounds(const TWindow& w) {
    return Rect(0, 0, w.clientRect.Width(), w.clientRect.Height());
}

// The visible part of a window in top-level back-buffer coordinates.
// The area a window covers, offset by o: its window region where it has one, else its rectangle.
TRegion CoveredArea(const TWindow& w, TPoint o) {
    TRect r = w.windowRect;
    OffsetRect(r, o.X, o.Y);
    if (!w.windowRegion) return TRegion(r);
    TRegion shape = *w.windowRegion;
    shape.Offset(r.Left, r.Top);
    return shape.Intersect(TRegion(r));
}

TRegion VisibleInTop(const TWindow& w, bool frame) {
    TPoint o = OriginInTop(w);
    TRect r = frame ? Rect(0, 0, w.windowRect.Width(), w.windowRect.Height()) : w.clientRect;
    OffsetRect(r, o.X, o.Y);
    TRegion vis(r);
    if (w.windowRegion) {
        TRegion wr = *w.windowRegion;
        wr.Offset(o.X, o.Y);
        vis = vis.Intersect(wr);
    }
    if (w.style & WS_CLIPCHILDREN) {
        const TPoint co{o.X + w.clientRect.Left, o.Y + w.clientRect.Top};
        for (HWND c : w.children) {
            auto* cw = FindWindowState(c);
            if (!cw || !(cw->style & WS_VISIBLE)) continue;
            vis = vis.Subtract(CoveredArea(*cw, co));
        }
    }
    // Ancestors' client areas, and siblings in front of this window or of any ancestor.
    const TWindow* cur = &w;
    while (cur->parent) {
        auto* p = FindWindowState(cur->parent);
        if (!p) break;
        TPoint po = OriginInTop(*p);
        TRect pc = p->clientRect;
        OffsetRect(pc, po.X, po.Y);
        vis = vis.Intersect(pc);
        const TPoint pco{po.X + p->clientRect.Left, po.Y + p->clientRect.Top};
        TRect mine = cur->windowRect;
        for (HWND s : p->children) {
            if (s == cur->handle) break;
            auto* sw = FindWindowState(s);
            if (!sw || !(sw->style & WS_VISIBLE)) continue;
            TRect tmp;
            if (!IntersectRect(tmp, sw->windowRect, mine)) continue;
            vis = vis.Subtract(CoveredArea(*sw, pco));
        }
        if (p->windowRegion) {
            TRegion wr = *p->windowRegion;
            wr.Offset(po.X, po.Y);
            vis = vis.Intersect(wr);
        }
        cur = p;
    }
    return vis;
}

void MarkDirty(TWindow& top, const TRect& r) {
    if (IsRectEmpty(r)) return;
    TRect u;
    if (IsRectEmpty(top.dirty))
        top.dirty = r;
    else if (UnionRect(u, top.dirty, r))
        top.dirty = u;
    WS().presentPending = true;
}

void AddUpdate(TWindow& w, const TRegion& rgn, bool erase, bool frame, int childMode) {
    if (!(w.style & WS_VISIBLE) || w.redrawOff) return;
    TRegion area = rgn.Intersect(ClientBounds(w));
    if (!area.IsEmpty()) {
        w.update = w.update.Union(area);
        w.erasePending |= erase;
    }
    w.framePending |= frame;
    SetPaintState(w, NeedsPaint(w));
    const bool children = childMode > 0 || (childMode == 0 && !(w.style & WS_CLIPCHILDREN));
    if (!children) return;
    for (HWND c : w.children) {
        auto* cw = FindWindowState(c);
        if (!cw || !(cw->style & WS_VISIBLE) || !rgn.Intersects(cw->windowRect)) continue;
        TRegion part = rgn.Intersect(cw->windowRect);
        const TRect box = part.Box();
        const bool touchesFrame = !(box.Left >= cw->windowRect.Left + cw->clientRect.Left &&
                                    box.Top >= cw->windowRect.Top + cw->clientRect.Top &&
                                    box.Right <= cw->windowRect.Left + cw->clientRect.Right &&
                                    box.Bottom <= cw->windowRect.Top + cw->clientRect.Bottom);
        part.Offset(-cw->windowRect.Left - cw->clientRect.Left, -cw->windowRect.Top - cw->clientRect.Top);
        // A parent that paints over its children paints over theirs as well: every descendant under
        // the area is repainted, whether or not a child between clips its own children.
        AddUpdate(*cw, part, erase, touchesFrame, 1);
    }
}

void SubtractUpdate(TWindow& w, const TRegion* rgn, bool children) {
    if (rgn) {
        w.update = w.update.Subtract(*rgn);
    } else {
        w.update = TRegion();
        w.framePending = false;
        w.internalPaint = false;
    }
    if (w.update.IsEmpty()) w.erasePending = false;
    SetPaintState(w, NeedsPaint(w));
    if (!children) return;
    for (HWND c : w.children) {
        auto* cw = FindWindowState(c);
        if (!cw) continue;
        if (rgn) {
            TRegion part = rgn->Intersect(cw->windowRect);
            part.Offset(-cw->windowRect.Left - cw->clientRect.Left, -cw->windowRect.Top - cw->clientRect.Top);
            SubtractUpdate(*cw, &part, true);
        } else {
            SubtractUpdate(*cw, nullptr, true);
        }
    }
}

HDC MakeDC(TWindow& w, bool frame, const TRegion* limit) {
    TWindow* top = TopLevelOf(&w);
    EnsureBackBuffer(*top);
    TPoint o = OriginInTop(w);
    TPoint origin = frame ? o : TPoint{o.X + w.clientRect.Left, o.Y + w.clientRect.Top};
    TRegion vis = VisibleInTop(w, frame);
    if (limit) {
        TRegion l = *limit;
        l.Offset(origin.X, origin.Y);
        vis = vis.Intersect(l);
    }
    vis.Offset(-origin.X, -origin.Y);
    return CreateBitmapDC(top->backBuffer->bitmap, origin, &vis);
}

void PaintFrame(TWindow& w) {
    if (!w.framePending) return;
    w.framePending = false;
    SetPaintState(w, NeedsPaint(w));
    if (w.clientRect != Rect(0, 0, w.windowRect.Width(), w.windowRect.Height()))
        SendMessage(w.handle, WM_NCPAINT, 1);
}

void UpdateTree(HWND hwnd) {
    UpdateWindow(hwnd);
    auto* w = FindWindowState(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children)
        UpdateTree(c);
}

} // namespace

TBackBuffer::~TBackBuffer() {
    if (bitmap) DeleteObject(bitmap);
}

bool NeedsPaint(const TWindow& w) {
    return !w.update.IsEmpty() || w.framePending || w.internalPaint;
}

void SetPaintState(TWindow& w, bool needsPaint) {
    auto& ws = WS();
    const bool want = needsPaint && !w.destroying;
    if (want == w.paintCounted) return;
    w.paintCounted = want;
    ws.paintPending += want ? 1 : -1;
}

void EnsureBackBuffer(TWindow& w) {
    if (w.parent) return;
    const int width = std::max(1, w.windowRect.Width()), height = std::max(1, w.windowRect.Height());
    if (!w.backBuffer) w.backBuffer = std::make_unique<TBackBuffer>();
    HBITMAP old = w.backBuffer->bitmap;
    if (old && old->width == width && old->height == height) return;
    HBITMAP bmp = CreateBitmap(width, height, 1, 32);
    if (old) {
        const int cw = std::min(width, old->width), ch = std::min(height, old->height);
        for (int y = 0; y < ch; ++y)
            std::memcpy(bmp->Row(y), old->Row(y), sizeof(std::uint32_t) * std::size_t(cw));
        DeleteObject(old);
    }
    w.backBuffer->bitmap = bmp;
}

void ReleaseBackBuffer(TWindow& w) {
    w.backBuffer.reset();
}

void InvalidateUnder(TWindow& w, const TRect& parentRect) {
    if (!w.parent) return;
    RedrawWindow(w.parent, &parentRect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool InvalidateRect(HWND hwnd, const TRect* r, bool erase) {
    if (!hwnd) {
        for (HWND t : std::vector<HWND>(WS().topLevels))
            InvalidateRect(t, r, erase);
        return true;
    }
    return RedrawWindow(hwnd, r, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

bool InvalidateRgn(HWND hwnd, const TRegion* rgn, bool erase) {
    return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

bool InvalidateRgn(HWND hwnd, HRGN rgn, bool erase) {
    return InvalidateRgn(hwnd, rgn ? &rgn->region : nullptr, erase);
}

bool ValidateRect(HWND hwnd, const TRect* r) {
    return RedrawWindow(hwnd, r, nullptr, RDW_VALIDATE);
}
bool ValidateRgn(HWND hwnd, const TRegion* rgn) {
    return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE);
}

bool GetUpdateRect(HWND hwnd, TRect* r) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    if (r) *r = w->update.IsEmpty() ? TRect{} : w->update.Box();
    return !w->update.IsEmpty();
}

bool GetUpdateRgn(HWND hwnd, TRegion& rgn) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    rgn = w->update;
    return !rgn.IsEmpty();
}

bool UpdateWindow(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    if (NeedsPaint(*w) && IsWindowVisible(hwnd)) SendMessage(hwnd, WM_PAINT);
    return true;
}

bool RedrawWindow(HWND hwnd, const TRect* r, const TRegion* rgn, UINT flags) {
    auto* w = FindWindowState(hwnd);
    if (!w) return false;
    const int childMode = (flags & RDW_ALLCHILDREN) ? 1 : (flags & RDW_NOCHILDREN) ? -1 : 0;
    TRegion area = rgn ? *rgn : r ? TRegion(*r) : TRegion(ClientBounds(*w));
    if ((flags & RDW_INVALIDATE) && IsWindowVisible(hwnd)) {
        const bool frame = (flags & RDW_FRAME) && !rgn && !r;
        AddUpdate(*w, area, (flags & RDW_ERASE) && !(flags & RDW_NOERASE), frame, childMode);
        if (flags & RDW_INTERNALPAINT) {
            w->internalPaint = true;
            SetPaintState(*w, true);
        }
    }
    if (flags & RDW_VALIDATE) SubtractUpdate(*w, (rgn || r) ? &area : nullptr, childMode > 0);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        if (childMode > 0)
            UpdateTree(hwnd);
        else
            UpdateWindow(hwnd);
    }
    return true;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps) {
    auto* w = FindWindowState(hwnd);
    ps = PAINTSTRUCT{};
    if (!w) return nullptr;
    PaintFrame(*w);
    if (!(w = FindWindowState(hwnd))) return nullptr;
    const TRegion update = w->update;
    const bool erase = w->erasePending;
    SubtractUpdate(*w, nullptr, false);
    HDC dc = MakeDC(*w, false, &update);
    ps.hdc = dc;
    ps.rcPaint = update.IsEmpty() ? TRect{} : update.Box();
    if (erase) ps.fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)) == 0;
    if ((w = FindWindowState(hwnd))) {
        TPoint o = OriginInTop(*w);
        TRect d = ps.rcPaint;
        OffsetRect(d, o.X + w->clientRect.Left, o.Y + w->clientRect.Top);
        MarkDirty(*TopLevelOf(w), d);
    }
    return dc;
}

bool EndPaint(HWND, const PAINTSTRUCT& ps) {
    if (ps.hdc) DeleteDC(ps.hdc);
    return true;
}

HDC GetDC(HWND hwnd) {
    // 0 stands for the screen: a context for measuring, as a program asks for it.
    if (hwnd == 0) return CreateScreenDC();
    auto* w = FindWindowState(hwnd);
    if (!w) return nullptr;
    HDC dc = MakeDC(*w, false, nullptr);
    TPoint o = OriginInTop(*w);
    TRect d = w->clientRect;
    OffsetRect(d, o.X, o.Y);
    MarkDirty(*TopLevelOf(w), d);
    return dc;
}

HDC GetWindowDC(HWND hwnd) {
    if (hwnd == 0) return CreateScreenDC();
    auto* w = FindWindowState(hwnd);
    if (!w) return nullptr;
    HDC dc = MakeDC(*w, true, nullptr);
    TPoint o = OriginInTop(*w);
    MarkDirty(*TopLevelOf(w), Bounds(o.X, o.Y, w->windowRect.Width(), w->windowRect.Height()));
    return dc;
}

int ReleaseDC(HWND, HDC dc) {
    return dc && DeleteDC(dc) ? 1 : 0;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip, TRegion* updateRgn,
                   TRect* updateRect, UINT flags) {
    auto* w = FindWindowState(hwnd);
    if (!w) return RGN_ERROR;
    const TRect client = ClientBounds(*w);
    TRect area = scroll ? *scroll : client, limit = clip ? *clip : client;
    IntersectRect(area, area, client);
    IntersectRect(limit, limit, client);
    TRegion uncovered;
    if (IsWindowVisible(hwnd)) {
        HDC dc = MakeDC(*w, false, nullptr);
        TRect upd;
        ScrollDC(dc, dx, dy, &area, &limit, &upd);
        DeleteDC(dc);
        TPoint o = OriginInTop(*w);
        TRect d = client;
        OffsetRect(d, o.X + w->clientRect.Left, o.Y + w->clientRect.Top);
        MarkDirty(*TopLevelOf(w), d);
        // What was visible and moved leaves the area it came from uncovered; hidden source pixels too.
        TRegion visible = GetVisibleRegion(hwnd);
        TRegion source = visible.Intersect(area);
        TRegion moved = source;
        moved.Offset(dx, dy);
        TRegion target(area);
        target = target.Intersect(limit);
        uncovered = target.Subtract(moved.Intersect(limit));
        // A pending update moves with the pixels.
        TRegion inside = w->update.Intersect(area);
        inside.Offset(dx, dy);
        w->update = w->update.Subtract(TRegion(area)).Union(inside.Intersect(limit));
        SetPaintState(*w, NeedsPaint(*w));
    }
    if (flags & SW_SCROLLCHILDREN) {
        for (HWND c : std::vector<HWND>(w->children)) {
            auto* cw = FindWindowState(c);
            if (!cw || (scroll && !TRegion(*scroll).Intersects(cw->windowRect))) continue;
            SetWindowPos(c, 0, cw->windowRect.Left + dx, cw->windowRect.Top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
        if (!(w = FindWindowState(hwnd))) return RGN_ERROR;
    }
    if (flags & SW_INVALIDATE)
        AddUpdate(*w, uncovered, (flags & SW_ERASE) != 0, false, (flags & SW_SCROLLCHILDREN) ? 1 : 0);
    if (updateRgn) *updateRgn = uncovered;
    if (updateRect) *updateRect = uncovered.IsEmpty() ? TRect{} : uncovered.Box();
    return uncovered.IsEmpty() ? NULLREGION : uncovered.Kind();
}

TRegion GetVisibleRegion(HWND hwnd, bool frame) {
    auto* w = FindWindowState(hwnd);
    if (!w || !IsWindowVisible(hwnd)) return TRegion();
    TRegion vis = VisibleInTop(*w, frame);
    TPoint o = OriginInTop(*w);
    if (frame)
        vis.Offset(-o.X, -o.Y);
    else
        vis.Offset(-o.X - w->clientRect.Left, -o.Y - w->clientRect.Top);
    return vis;
}

void FlushPainting() {
    for (int guard = 0; guard < 64 && WS().paintPending > 0; ++guard) {
        MSG msg;
        bool any = false;
        while (PeekMessage(msg, 0, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            any = true;
            const int before = WS().paintPending;
            DispatchMessage(msg);
            // A window whose procedure does not validate would come back forever.
            auto* w = FindWindowState(msg.hwnd);
            if (w && NeedsPaint(*w) && WS().paintPending >= before) SubtractUpdate(*w, nullptr, false);
        }
        if (!any) break;
    }
    PresentPendingWindows();
}

void PresentPendingWindows() {
    auto& ws = WS();
    if (!ws.presentPending) return;
    ws.presentPending = false;
    for (HWND t : std::vector<HWND>(ws.topLevels)) {
        auto* w = FindWindowState(t);
        if (!w || IsRectEmpty(w->dirty) || !w->backBuffer) continue;
        TRect dirty = w->dirty;
        w->dirty = TRect{};
        if (!ws.backend || !w->hasNative) continue;
        HBITMAP b = w->backBuffer->bitmap;
        TPixelView view{b->bits.data(), b->width, b->height, b->width};
        ws.backend->Present(t, view, dirty);
    }
}

HBITMAP CaptureWindowImage(HWND hwnd) {
    auto* w = FindWindowState(hwnd);
    if (!w) return nullptr;
    TWindow* top = TopLevelOf(w);
    EnsureBackBuffer(*top);
    HBITMAP src = top->backBuffer->bitmap;
    const int width = std::max(1, w->windowRect.Width()), height = std::max(1, w->windowRect.Height());
    HBITMAP out = CreateBitmap(width, height, 1, 32);
    TPoint o = OriginInTop(*w);
    for (int y = 0; y < height; ++y) {
        const int sy = o.Y + y;
        if (sy < 0 || sy >= src->height) continue;
        for (int x = 0; x < width; ++x) {
            const int sx = o.X + x;
            if (sx >= 0 && sx < src->width) out->Row(y)[x] = src->Row(sy)[sx];
        }
    }
    return out;
}

} // namespace zorvy
