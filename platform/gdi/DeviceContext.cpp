#include "platform/gdi/DcInternal.h"

#include <utility>

namespace zorvy {

namespace {

HBITMAP StockMonoBitmap() {
    static HBITMAP bitmap = [] {
        HBITMAP b = CreateBitmap(1, 1, 1, 1);
        b->MarkStock();
        return b;
    }();
    return bitmap;
}

void InitState(TDeviceContext& dc) {
    dc.state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc.state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc.state.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The whole bitmap in device coordinates: what "no clip region" means for combining.
TRegion WholeSurface(const TDeviceContext& dc) {
    TBitmapObject* bitmap = dc.Bitmap();
    if (!bitmap) return {};
    return TRegion(
        TRect{-dc.origin.X, -dc.origin.Y, bitmap->width - dc.origin.X, bitmap->height - dc.origin.Y});
}

int ClipKind(TDeviceContext& dc) {
    return dc.Visible().Kind();
}

TRect LogicalToDevice(const TDeviceContext& dc, int left, int top, int right, int bottom) {
    int dx = dc.state.viewportOrg.X - dc.state.windowOrg.X,
        dy = dc.state.viewportOrg.Y - dc.state.windowOrg.Y;
    return {left + dx, top + dy, right + dx, bottom + dy};
}

} // namespace

const TRegion& TDeviceContext::Visible() {
    TBitmapObject* bitmap = Bitmap();
    if (visibleValid_ && bitmap == visibleBitmap_ && bitmap && bitmap->width == visibleWidth_ &&
        bitmap->height == visibleHeight_ && bitmap->Valid())
        return visible_;
    visibleValid_ = true;
    visibleBitmap_ = bitmap;
    visibleWidth_ = bitmap ? bitmap->width : 0;
    visibleHeight_ = bitmap ? bitmap->height : 0;
    if (bitmap && !bitmap->Valid()) {
        // Pixels and size disagree: draw nothing rather than past the pixels.
        visible_ = {};
        return visible_;
    }
    if (!bitmap) {
        visible_ = {};
        return visible_;
    }
    visible_ = TRegion(TRect{0, 0, bitmap->width, bitmap->height});
    if (systemClip) {
        TRegion s = *systemClip;
        s.Offset(origin.X, origin.Y);
        visible_ = visible_.Intersect(s);
    }
    if (state.clip) {
        TRegion c = *state.clip;
        c.Offset(origin.X, origin.Y);
        visible_ = visible_.Intersect(c);
    }
    return visible_;
}

HDC CreateCompatibleDC(HDC) {
    auto* dc = new TDeviceContext;
    InitState(*dc);
    dc->state.bitmap = StockMonoBitmap();
    return dc;
}

HDC CreateBitmapDC(HBITMAP bitmap, TPoint origin, const TRegion* systemClip) {
    auto* dc = new TDeviceContext;
    InitState(*dc);
    dc->state.bitmap = bitmap;
    dc->origin = origin;
    if (systemClip) dc->systemClip = *systemClip;
    return dc;
}

HDC CreateScreenDC() {
    HBITMAP surface = CreateBitmap(1, 1, 1, 32);
    HDC dc = CreateBitmapDC(surface);
    DeleteObject(surface);
    dc->screen = true;
    return dc;
}

bool DeleteDC(HDC dc) {
    if (!dc) return false;
    delete dc;
    return true;
}

void SetDCSystemClip(HDC dc, const TRegion* systemClip) {
    if (!dc) return;
    if (systemClip)
        dc->systemClip = *systemClip;
    else
        dc->systemClip.reset();
    dc->InvalidateVisible();
}

void SetDCOrigin(HDC dc, TPoint origin) {
    if (!dc) return;
    dc->origin = origin;
    dc->InvalidateVisible();
}

bool GetDCOrgEx(HDC dc, TPoint& origin) {
    if (!dc) return false;
    origin = dc->origin;
    return true;
}

int SaveDC(HDC dc) {
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return int(dc->saved.size());
}

bool RestoreDC(HDC dc, int level) {
    if (!dc || level == 0) return false;
    int count = int(dc->saved.size());
    int index = level > 0 ? level - 1 : count + level;
    if (index < 0 || index >= count) return false;
    dc->state = dc->saved[size_t(index)];
    dc->saved.resize(size_t(index));
    dc->InvalidateVisible();
    return true;
}

namespace {

bool SetPoint(HDC dc, TPoint& target, int x, int y, TPoint* old) {
    if (!dc) return false;
    if (old) *old = target;
    target = {x, y};
    dc->InvalidateVisible();
    return true;
}

} // namespace

bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old) {
    return dc && SetPoint(dc, dc->state.windowOrg, x, y, old);
}

bool GetWindowOrgEx(HDC dc, TPoint& origin) {
    if (!dc) return false;
    origin = dc->state.windowOrg;
    return true;
}

bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old) {
    return dc && SetPoint(dc, dc->state.windowOrg, TDeviceContext::Clamp(int64_t(dc->state.windowOrg.X) + dx),
                          TDeviceContext::Clamp(int64_t(dc->state.windowOrg.Y) + dy), old);
}

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) {
    return dc && SetPoint(dc, dc->state.viewportOrg, x, y, old);
}

bool GetViewportOrgEx(HDC dc, TPoint& origin) {
    if (!dc) return false;
    origin = dc->state.viewportOrg;
    return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old) {
    return dc &&
           SetPoint(dc, dc->state.viewportOrg, TDeviceContext::Clamp(int64_t(dc->state.viewportOrg.X) + dx),
                    TDeviceContext::Clamp(int64_t(dc->state.viewportOrg.Y) + dy), old);
}

bool SetBrushOrgEx(HDC dc, int x, int y, TPoint* old) {
    return dc && SetPoint(dc, dc->state.brushOrg, x, y, old);
}

bool LPtoDP(HDC dc, TPoint* points, int count) {
    if (!dc || (!points && count > 0)) return false;
    int dx = dc->state.viewportOrg.X - dc->state.windowOrg.X,
        dy = dc->state.viewportOrg.Y - dc->state.windowOrg.Y;
    for (int i = 0; i < count; ++i)
        points[i] = {points[i].X + dx, points[i].Y + dy};
    return true;
}

bool DPtoLP(HDC dc, TPoint* points, int count) {
    if (!dc || (!points && count > 0)) return false;
    int dx = dc->state.viewportOrg.X - dc->state.windowOrg.X,
        dy = dc->state.viewportOrg.Y - dc->state.windowOrg.Y;
    for (int i = 0; i < count; ++i)
        points[i] = {points[i].X - dx, points[i].Y - dy};
    return true;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (!dc || !object) return nullptr;
    switch (object->Kind()) {
    case TGdiObjectKind::Pen:
        return SelectObject(dc, static_cast<HPEN>(object));
    case TGdiObjectKind::Brush:
        return SelectObject(dc, static_cast<HBRUSH>(object));
    case TGdiObjectKind::Font:
        return SelectObject(dc, static_cast<HFONT>(object));
    case TGdiObjectKind::Bitmap:
        return SelectObject(dc, static_cast<HBITMAP>(object));
    case TGdiObjectKind::Region: {
        int kind = SelectClipRgn(dc, static_cast<HRGN>(object));
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(kind));
    }
    }
    return nullptr;
}

namespace {

// Answers the previous object; the context's reference to it is dropped, so the caller gets a handle
// that stays valid as long as someone else (its creator) still holds it.
template <class T> T* Swap(TRef<T>& slot, T* object) {
    T* previous = slot.get();
    slot = object;
    return previous;
}

} // namespace

HPEN SelectObject(HDC dc, HPEN pen) {
    return dc && pen ? Swap(dc->state.pen, pen) : nullptr;
}

HBRUSH SelectObject(HDC dc, HBRUSH brush) {
    return dc && brush ? Swap(dc->state.brush, brush) : nullptr;
}

HFONT SelectObject(HDC dc, HFONT font) {
    return dc && font ? Swap(dc->state.font, font) : nullptr;
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    if (!dc || !bitmap) return nullptr;
    dc->InvalidateVisible();
    return Swap(dc->state.bitmap, bitmap);
}

HGDIOBJ GetCurrentObject(HDC dc, int objectType) {
    if (!dc) return nullptr;
    switch (objectType) {
    case OBJ_PEN:
        return dc->state.pen.get();
    case OBJ_BRUSH:
        return dc->state.brush.get();
    case OBJ_FONT:
        return dc->state.font.get();
    case OBJ_BITMAP:
        return dc->state.bitmap.get();
    default:
        return nullptr;
    }
}

int SetBkMode(HDC dc, int mode) {
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(dc->state.bkMode, mode);
}

int GetBkMode(HDC dc) {
    return dc ? dc->state.bkMode : 0;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->state.bkColor, ColorToRGB(TColor(color)));
}

COLORREF GetBkColor(HDC dc) {
    return dc ? dc->state.bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->state.textColor, ColorToRGB(TColor(color)));
}

COLORREF GetTextColor(HDC dc) {
    return dc ? dc->state.textColor : CLR_INVALID;
}

int SetROP2(HDC dc, int mode) {
    if (!dc || mode < R2_BLACK || mode > R2_WHITE) return 0;
    return std::exchange(dc->state.rop2, mode);
}

int GetROP2(HDC dc) {
    return dc ? dc->state.rop2 : 0;
}

int SetTextAlign(HDC dc, int align) {
    if (!dc) return -1;
    return std::exchange(dc->state.textAlign, align);
}

int GetTextAlign(HDC dc) {
    return dc ? dc->state.textAlign : -1;
}

int SetPolyFillMode(HDC dc, int mode) {
    if (!dc || (mode != ALTERNATE && mode != WINDING)) return 0;
    return std::exchange(dc->state.polyFillMode, mode);
}

int GetPolyFillMode(HDC dc) {
    return dc ? dc->state.polyFillMode : 0;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!dc) return 0;
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case BITSPIXEL:
        return dc->Mono() ? 1 : 32;
    default:
        return 0;
    }
}

int SelectClipRgn(HDC dc, HRGN rgn) {
    return ExtSelectClipRgn(dc, rgn, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode) {
    if (!dc) return RGN_ERROR;
    if (!rgn) {
        if (mode != RGN_COPY) return RGN_ERROR;
        dc->state.clip.reset();
        dc->InvalidateVisible();
        return ClipKind(*dc);
    }
    TRegion current = dc->state.clip ? *dc->state.clip : WholeSurface(*dc);
    switch (mode) {
    case RGN_COPY:
        current = rgn->region;
        break;
    case RGN_AND:
        current = current.Intersect(rgn->region);
        break;
    case RGN_OR:
        current = current.Union(rgn->region);
        break;
    case RGN_XOR:
        current = current.Xor(rgn->region);
        break;
    case RGN_DIFF:
        current = current.Subtract(rgn->region);
        break;
    default:
        return RGN_ERROR;
    }
    dc->state.clip = std::move(current);
    dc->InvalidateVisible();
    return ClipKind(*dc);
}

int GetClipRgn(HDC dc, HRGN rgn) {
    if (!dc || !rgn) return -1;
    if (!dc->state.clip) return 0;
    rgn->region = *dc->state.clip;
    return 1;
}

int GetClipBox(HDC dc, TRect& box) {
    if (!dc) return RGN_ERROR;
    const TRegion& visible = dc->Visible();
    box = visible.Box();
    if (!visible.IsEmpty()) OffsetRect(box, -dc->DX(), -dc->DY());
    return visible.Kind();
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return RGN_ERROR;
    TRegion current = dc->state.clip ? *dc->state.clip : WholeSurface(*dc);
    dc->state.clip = current.Subtract(TRegion(LogicalToDevice(*dc, left, top, right, bottom)));
    dc->InvalidateVisible();
    return ClipKind(*dc);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return RGN_ERROR;
    TRect r = LogicalToDevice(*dc, left, top, right, bottom);
    dc->state.clip = dc->state.clip ? dc->state.clip->Intersect(r) : TRegion(r);
    dc->InvalidateVisible();
    return ClipKind(*dc);
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
    if (!dc) return RGN_ERROR;
    if (dc->state.clip) dc->state.clip->Offset(dx, dy);
    dc->InvalidateVisible();
    return ClipKind(*dc);
}

bool RectVisible(HDC dc, const TRect& r) {
    return dc && dc->Visible().Intersects(dc->ToSurface(r));
}

bool PtVisible(HDC dc, int x, int y) {
    return dc && dc->Visible().Contains(dc->ToSurface(TPoint{x, y}));
}

} // namespace zorvy
