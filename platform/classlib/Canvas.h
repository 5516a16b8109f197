#pragma once
// TCanvas: a device context with the class library's pen, brush and font objects, selected into the
// context on demand before each drawing call. Subclasses supply the context (a window's, a bitmap's).
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/classlib/GraphicsObjects.h"

#include <span>
#include <string>

namespace zorvy {

class TGraphic;
class TBitmap;

class TCanvas : public TPersistent {
    ZORVY_CLASS(TCanvas, TPersistent)
  public:
    TCanvas();
    ~TCanvas() override;

    HDC GetHandle();
    // The canvas draws on dc without owning it; nullptr detaches.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont* GetFont() { return font_.get(); }
    TPen* GetPen() { return pen_.get(); }
    TBrush* GetBrush() { return brush_.get(); }
    void SetFont(TFont* font) { font_->Assign(font); }
    void SetPen(TPen* pen) { pen_->Assign(pen); }
    void SetBrush(TBrush* brush) { brush_->Assign(brush); }

    std::uint32_t CopyMode = SRCCOPY;
    TPoint GetPenPos();
    void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }
    TRect GetClipRect();

    void Lock() { ++lockCount_; }
    void Unlock() { --lockCount_; }
    int LockCount() const { return lockCount_; }

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int ew, int eh);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(std::span<const TPoint> points);
    void Polyline(std::span<const TPoint> points);
    // counts[i] points of points make line i; all go out in one call with the current pen.
    void PolyPolyline(std::span<const TPoint> points, std::span<const int> counts);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void DrawFocusRect(const TRect& r);

    void TextOut(int x, int y, const std::string& text);
    // Text clipped to r, drawn at (x, y); the background of r is filled unless the brush is clear.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);
    // Copies source, drawing the pixels of `color` with the canvas brush instead (a clear brush leaves
    // what lies below them).
    void BrushCopy(const TRect& dest, TBitmap* source, const TRect& sourceRect, TColor color);

    TColor GetPixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Deselects the objects so the canvas picks them up again at the next call.
    void Refresh();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

  protected:
    // Called when a handle is needed and none is set.
    virtual void CreateHandle() {}
    void Changing();
    void Changed();
    // Selects the pen, brush and font into the context (only what changed since the last call).
    HDC Prepare();

  private:
    void ObjectChanged();
    HDC dc_ = nullptr;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
    bool objectsValid_ = false;
    int lockCount_ = 0;
};

} // namespace zorvy
