#pragma once
// The inside of a device context, shared by the drawing routines of this folder (not part of the API).
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zorvy {

// A counted reference to a drawing object.
template <class T> class TRef {
  public:
    TRef() = default;
    TRef(T* object) : object_(object) {
        if (object_) object_->AddRef();
    }
    TRef(const TRef& other) : TRef(other.object_) {}
    TRef& operator=(const TRef& other) {
        if (other.object_) other.object_->AddRef();
        if (object_) object_->Release();
        object_ = other.object_;
        return *this;
    }
    ~TRef() {
        if (object_) object_->Release();
    }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

  private:
    T* object_ = nullptr;
};

struct TDcState {
    TRef<TPenObject> pen;
    TRef<TBrushObject> brush;
    TRef<TFontObject> font;
    TRef<TBitmapObject> bitmap;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
    TPoint windowOrg;
    TPoint viewportOrg;
    TPoint brushOrg;
    TPoint position;             // current position, logical
    std::optional<TRegion> clip; // device coordinates
    int justifyExtra = 0;
    int justifyBreaks = 0;
};

struct TPathOp {
    enum Kind { Move, Line, Curve, Close } kind;
    double x[3];
    double y[3];
};

class TDeviceContext {
  public:
    TDcState state;
    std::vector<TDcState> saved;
    TPoint origin;                     // where device (0, 0) lies on the bitmap
    std::optional<TRegion> systemClip; // device coordinates
    bool screen = false;

    bool pathOpen = false;
    bool pathReady = false;
    std::vector<TPathOp> path; // surface coordinates

    // Logical -> surface (bitmap) coordinates, kept within +-2^30 so that no sum overflows.
    static int Clamp(int64_t v) { return int(std::clamp<int64_t>(v, -(int64_t(1) << 30), int64_t(1) << 30)); }
    int DX() const { return Clamp(int64_t(state.viewportOrg.X) - state.windowOrg.X + origin.X); }
    int DY() const { return Clamp(int64_t(state.viewportOrg.Y) - state.windowOrg.Y + origin.Y); }
    TPoint ToSurface(TPoint p) const { return {Clamp(int64_t(p.X) + DX()), Clamp(int64_t(p.Y) + DY())}; }
    TRect ToSurface(const TRect& r) const {
        return {Clamp(int64_t(r.Left) + DX()), Clamp(int64_t(r.Top) + DY()), Clamp(int64_t(r.Right) + DX()),
                Clamp(int64_t(r.Bottom) + DY())};
    }

    TBitmapObject* Bitmap() const { return state.bitmap.get(); }
    bool Mono() const { return Bitmap() && Bitmap()->bitsPerPixel == 1; }

    // The pixels that may be drawn, on the bitmap; recomputed after any change of clip or origin.
    const TRegion& Visible();
    void InvalidateVisible() { visibleValid_ = false; }

  private:
    TRegion visible_;
    bool visibleValid_ = false;
    // The bitmap the cache was made for: a bitmap resized in place must not be drawn past its end.
    const TBitmapObject* visibleBitmap_ = nullptr;
    int visibleWidth_ = 0;
    int visibleHeight_ = 0;
};

// Calls f(rect) for every part of the surface rectangle r that may be drawn.
template <class F> void ForEachVisible(TDeviceContext& dc, const TRect& r, F&& f) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    for (const TRect& v : dc.Visible().Rects()) {
        if (v.Top >= r.Bottom) break;
        if (v.Bottom <= r.Top || v.Right <= r.Left || v.Left >= r.Right) continue;
        f(TRect{std::max(v.Left, r.Left), std::max(v.Top, r.Top), std::min(v.Right, r.Right),
                std::min(v.Bottom, r.Bottom)});
    }
}

// A colour as written by drawing: alpha byte 0; on a monochrome bitmap black or white by brightness.
uint32_t DrawnPixel(const TDeviceContext& dc, COLORREF color);
// Converts 0x00BBGGRR to the pixel order 0x00RRGGBB and back.
inline uint32_t ColorToPixelValue(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF PixelValueToColor(uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
// Applies a mix mode to pen/brush value p over destination d (24 bits; alpha cleared).
uint32_t ApplyRop2(int rop2, uint32_t p, uint32_t d);

extern const std::array<std::array<uint8_t, 8>, 6> HatchPatterns;

inline int PositiveMod(int a, int m) {
    int r = a % m;
    return r < 0 ? r + m : r;
}

// The brush value of one pixel; false where the brush leaves the pixel alone.
class TBrushPixels {
  public:
    TBrushPixels(const TDeviceContext& dc, TBrushObject* brush) : dc_(dc), brush_(brush) {
        style_ = brush->logBrush.lbStyle;
        color_ = DrawnPixel(dc, brush->Color());
        back_ = DrawnPixel(dc, dc.state.bkColor);
        text_ = DrawnPixel(dc, dc.state.textColor);
        orgX_ = dc.origin.X + dc.state.brushOrg.X;
        orgY_ = dc.origin.Y + dc.state.brushOrg.Y;
    }
    bool Solid() const { return style_ == BS_SOLID; }
    bool Null() const { return style_ == BS_NULL; }
    uint32_t SolidValue() const { return color_; }

    bool At(int x, int y, uint32_t& value) const {
        switch (style_) {
        case BS_SOLID:
            value = color_;
            return true;
        case BS_HATCHED: {
            const auto& rows = HatchPatterns[size_t(brush_->logBrush.lbHatch)];
            if (rows[size_t(PositiveMod(y - orgY_, 8))] & (0x80 >> PositiveMod(x - orgX_, 8))) {
                value = color_;
                return true;
            }
            value = back_;
            return dc_.state.bkMode == OPAQUE;
        }
        case BS_PATTERN: {
            if (brush_->monoPattern) {
                bool set =
                    brush_->mono[size_t(PositiveMod(y - orgY_, 8))] & (0x80 >> PositiveMod(x - orgX_, 8));
                value = set ? back_ : text_;
                return true;
            }
            const TBitmapObject* p = brush_->pattern;
            uint32_t v =
                p->Row(PositiveMod(y - orgY_, p->height))[PositiveMod(x - orgX_, p->width)] & 0xFFFFFF;
            value = dc_.Mono() ? DrawnPixel(dc_, PixelValueToColor(v)) : v;
            return true;
        }
        default:
            return false;
        }
    }

  private:
    const TDeviceContext& dc_;
    TBrushObject* brush_;
    int style_;
    uint32_t color_, back_, text_;
    int orgX_, orgY_;
};

// Fills the visible part of a surface rectangle with a brush; mix applies the context's mix mode
// (shapes use it, FillRect and FillRgn do not).
void FillSurfaceRect(TDeviceContext& dc, const TRect& r, TBrushObject* brush, bool mix);
// Fills the visible part of a region given in surface coordinates.
void FillSurfaceRegion(TDeviceContext& dc, const TRegion& region, TBrushObject* brush, bool mix);
// Path recording (surface coordinates); the shape routines record instead of drawing while a path is open.
void PathMoveTo(TDeviceContext& dc, double x, double y);
void PathLineTo(TDeviceContext& dc, double x, double y);
void PathClose(TDeviceContext& dc);
// Sets one surface pixel with the pen colour under the mix mode, when visible.
void PlotPixel(TDeviceContext& dc, int x, int y, uint32_t penValue);

} // namespace zorvy
