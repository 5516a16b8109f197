#include "platform/classlib/Canvas.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/Bitmap.h"

#include <vector>

namespace zorvy {

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
    auto changed = [this](TObject*) { ObjectChanged(); };
    font_->OnChange = changed;
    pen_->OnChange = changed;
    brush_->OnChange = changed;
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
}

void TCanvas::ObjectChanged() {
    objectsValid_ = false;
}

HDC TCanvas::GetHandle() {
    // Code that draws on the handle directly sees the canvas's pen, brush, font and colours.
    return Prepare();
}

void TCanvas::Refresh() {
    if (dc_ && oldPen_) {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldFont_);
    }
    oldPen_ = oldBrush_ = oldFont_ = nullptr;
    objectsValid_ = false;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    Refresh();
    dc_ = dc;
}

HDC TCanvas::Prepare() {
    if (!dc_) CreateHandle();
    HDC dc = dc_;
    if (!dc) return nullptr;
    if (!objectsValid_) {
        HGDIOBJ p = SelectObject(dc, static_cast<HGDIOBJ>(pen_->GetHandle()));
        HGDIOBJ b = SelectObject(dc, static_cast<HGDIOBJ>(brush_->GetHandle()));
        HGDIOBJ f = SelectObject(dc, static_cast<HGDIOBJ>(font_->GetHandle()));
        if (!oldPen_) oldPen_ = p, oldBrush_ = b, oldFont_ = f;
        objectsValid_ = true;
    }
    SetROP2(dc, pen_->Rop2());
    SetTextColor(dc, ColorToRGB(font_->GetColor()));
    SetBkColor(dc, ColorToRGB(brush_->GetColor()));
    SetBkMode(dc, brush_->GetStyle() == bsClear ? TRANSPARENT : OPAQUE);
    return dc;
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::GetPenPos() {
    TPoint p;
    if (HDC dc = GetHandle()) GetCurrentPositionEx(dc, p);
    return p;
}

TRect TCanvas::GetClipRect() {
    TRect r;
    if (HDC dc = GetHandle()) GetClipBox(dc, r);
    return r;
}

void TCanvas::FillRect(const TRect& r) {
    Changing();
    if (HDC dc = Prepare()) zorvy::FillRect(dc, r, brush_->GetHandle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    Changing();
    if (HDC dc = Prepare()) zorvy::FrameRect(dc, r, brush_->GetHandle());
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    Changing();
    if (HDC dc = Prepare()) zorvy::Rectangle(dc, left, top, right, bottom);
    Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ew, int eh) {
    Changing();
    if (HDC dc = Prepare()) zorvy::RoundRect(dc, left, top, right, bottom, ew, eh);
    Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    Changing();
    if (HDC dc = Prepare()) zorvy::Ellipse(dc, left, top, right, bottom);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    Changing();
    if (HDC dc = Prepare()) zorvy::Polygon(dc, points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    Changing();
    if (HDC dc = Prepare()) zorvy::Polyline(dc, points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::PolyPolyline(std::span<const TPoint> points, std::span<const int> counts) {
    if (counts.empty()) return;
    Changing();
    if (HDC dc = Prepare()) zorvy::PolyPolyline(dc, points.data(), counts.data(), static_cast<int>(counts.size()));
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = Prepare()) MoveToEx(dc, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Changing();
    if (HDC dc = Prepare()) zorvy::LineTo(dc, x, y);
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
    Changing();
    if (HDC dc = Prepare()) zorvy::DrawFocusRect(dc, r);
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Changing();
    if (HDC dc = Prepare()) zorvy::TextOut(dc, x, y, text);
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    Changing();
    if (HDC dc = Prepare())
        ExtTextOut(dc, x, y, ETO_CLIPPED | (brush_->GetStyle() == bsClear ? 0u : ETO_OPAQUE), &r, text);
    Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
    TSize size;
    if (HDC dc = Prepare()) GetTextExtentPoint32(dc, text, size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    StretchDraw(Bounds(x, y, graphic->GetWidth(), graphic->GetHeight()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    if (Prepare()) graphic->Draw(this, r);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
    if (!source) return;
    Changing();
    HDC dc = Prepare();
    HDC src = source->GetHandle();
    if (dc && src)
        StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, sourceRect.Left, sourceRect.Top,
                   sourceRect.Width(), sourceRect.Height(), CopyMode);
    Changed();
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* source, const TRect& sourceRect, TColor color) {
    if (!source || source->Empty()) return;
    const COLORREF key = ColorToRGB(color);
    HDC src = source->GetCanvas()->GetHandle();
    const bool sameSize = dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height();
    if (brush_->GetStyle() == bsClear && sameSize) {
        // A clear brush paints nothing: the key colour's pixels keep what lies below.
        HDC dc = Prepare();
        if (!dc || !src) return;
        Changing();
        for (int y = 0; y < sourceRect.Height(); ++y)
            for (int x = 0; x < sourceRect.Width(); ++x) {
                const COLORREF c = zorvy::GetPixel(src, sourceRect.Left + x, sourceRect.Top + y);
                if (c != key && c != CLR_INVALID) zorvy::SetPixel(dc, dest.Left + x, dest.Top + y, c);
            }
        Changed();
        return;
    }
    // Copy, then paint the brush wherever the source had the key colour.
    CopyRect(dest, source->GetCanvas(), sourceRect);
    HDC dc = Prepare();
    src = source->GetCanvas()->GetHandle();
    if (!dc || !src || !sameSize) return;
    Changing();
    for (int y = 0; y < sourceRect.Height(); ++y)
        for (int x = 0; x < sourceRect.Width(); ++x)
            if (zorvy::GetPixel(src, sourceRect.Left + x, sourceRect.Top + y) == key)
                zorvy::FillRect(dc, Bounds(dest.Left + x, dest.Top + y, 1, 1), brush_->GetHandle());
    Changed();
}

TColor TCanvas::GetPixel(int x, int y) {
    HDC dc = GetHandle();
    return dc ? static_cast<TColor>(zorvy::GetPixel(dc, x, y)) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    Changing();
    if (HDC dc = GetHandle()) zorvy::SetPixel(dc, x, y, ColorToRGB(color));
    Changed();
}

} // namespace zorvy
