// TcxCanvas: origins, fills, frames, edges, glyphs, rotation, state stacks and clipping. Text output
// and measuring are in CanvasText.cpp.
#include "controls/foundation/graphics/Canvas.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"
#include "platform/classlib/ImageList.h"

#include <algorithm>

namespace zorvy {

TcxCanvas::TcxCanvas(TCanvas* canvas) : canvas_(canvas) {}

TcxCanvas::~TcxCanvas() = default;

// ---- access and origins ----

void TcxCanvas::ReadWindowOrigin(TPoint& p) const {
    p = {};
    if (HDC dc = DeviceContext()) GetWindowOrgEx(dc, p);
}

void TcxCanvas::WriteWindowOrigin(TPoint p) {
    if (HDC dc = DeviceContext()) SetWindowOrgEx(dc, p.X, p.Y, nullptr);
}

void TcxCanvas::ReadViewportOrigin(TPoint& p) const {
    p = {};
    if (HDC dc = DeviceContext()) GetViewportOrgEx(dc, p);
}

void TcxCanvas::GetDeviceOrigin(TPoint& p) const {
    TPoint window, viewport;
    ReadWindowOrigin(window);
    ReadViewportOrigin(viewport);
    p = {viewport.X - window.X, viewport.Y - window.Y};
}

void TcxCanvas::UseBrushColor(TColor color) {
    if (CurrentBrush()->GetColor() != color) CurrentBrush()->SetColor(color);
}

void TcxCanvas::CaptureViewParams(TcxViewParamsRec& params) const {
    params.Color = CurrentBrush()->GetColor();
    params.Font = CurrentFont();
    params.TextColor = CurrentFont()->GetColor();
}

void TcxCanvas::ApplyViewParams(const TcxViewParamsRec& params) {
    UseBrushColor(params.Color);
    if (params.Font && params.Font != CurrentFont()) AssignFont(params.Font);
    CurrentFont()->SetColor(params.TextColor);
}

void TcxCanvas::SetFontAngle(int degrees) {
    LOGFONT lf;
    if (!GetObject(CurrentFont()->GetHandle(), lf)) return;
    lf.lfEscapement = degrees * 10;
    if (degrees != 0) lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    HFONT font = CreateFontIndirect(lf);
    CurrentFont()->SetHandle(font);
    DeleteObject(font);
}

// ---- drawing ----

void TcxCanvas::InvertRect(const TRect& r) {
    canvas_->CopyMode = DSTINVERT;
    canvas_->CopyRect(r, canvas_, r);
    canvas_->CopyMode = SRCCOPY;
}

void TcxCanvas::FillRectSolid(const TRect& r, TColor color) {
    if (color == clNone) return;
    if (color != clDefault) UseBrushColor(color);
    canvas_->FillRect(r);
}

// Floor division, so tiles left of and above the origin line up with the others.
static int FloorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

void TcxCanvas::FillRectOrTile(const TRect& r, TBitmap* bitmap, bool exclude) {
    if (IsRectEmpty(r)) return;
    if (!bitmap || bitmap->Empty()) {
        canvas_->FillRect(r);
    } else {
        const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
        const int firstCol = FloorDiv(r.Left, w), lastCol = FloorDiv(r.Right - 1, w);
        const int firstRow = FloorDiv(r.Top, h), lastRow = FloorDiv(r.Bottom - 1, h);
        for (int row = firstRow; row <= lastRow; ++row)
            for (int col = firstCol; col <= lastCol; ++col) {
                TRect tile = Bounds(col * w, row * h, w, h);
                TRect part;
                if (!IntersectRect(part, tile, r)) continue;
                TRect source = part;
                OffsetRect(source, -tile.Left, -tile.Top);
                CopyRectFrom(part, bitmap->GetCanvas(), source);
            }
    }
    if (exclude) ApplyClipRegion(TcxRegion::CreateFromRect(r), roSubtract, true, true);
}

void TcxCanvas::FrameRectSides(const TRect& r, TColor color, int width, TcxBorders borders, bool exclude) {
    if (IsRectEmpty(r)) return;
    if (color != clDefault) UseBrushColor(color);
    if (borders & cxBorder(bLeft))
        FillRectOrTile({r.Left, r.Top, std::min(r.Left + width, r.Right), r.Bottom}, nullptr, exclude);
    if (borders & cxBorder(bRight))
        FillRectOrTile({std::max(r.Right - width, r.Left), r.Top, r.Right, r.Bottom}, nullptr, exclude);
    if (borders & cxBorder(bTop))
        FillRectOrTile({r.Left, r.Top, r.Right, std::min(r.Top + width, r.Bottom)}, nullptr, exclude);
    if (borders & cxBorder(bBottom))
        FillRectOrTile({r.Left, std::max(r.Bottom - width, r.Top), r.Right, r.Bottom}, nullptr, exclude);
}

void TcxCanvas::FrameAndFillRect(const TRect& r, const TcxViewParamsRec& params, TcxBorders borders,
                                 TColor borderColor, int borderWidth, bool exclude) {
    FrameRectSides(r, borderColor, borderWidth, borders, exclude);
    TRect inner = r;
    if (borders & cxBorder(bLeft)) inner.Left += borderWidth;
    if (borders & cxBorder(bTop)) inner.Top += borderWidth;
    if (borders & cxBorder(bRight)) inner.Right -= borderWidth;
    if (borders & cxBorder(bBottom)) inner.Bottom -= borderWidth;
    UseBrushColor(params.Color);
    FillRectOrTile(inner, params.Bitmap, exclude);
}

void TcxCanvas::PaintBorders(const TRect& r, TColor color1, TColor color2, TcxBorders borders, int width) {
    if (borders & cxBorder(bLeft)) {
        UseBrushColor(color1);
        FillRectOrTile({r.Left, r.Top, r.Left + width, r.Bottom});
    }
    if (borders & cxBorder(bTop)) {
        UseBrushColor(color1);
        FillRectOrTile({r.Left, r.Top, r.Right, r.Top + width});
    }
    if (borders & cxBorder(bRight)) {
        UseBrushColor(color2);
        FillRectOrTile({r.Right - width, r.Top, r.Right, r.Bottom});
    }
    if (borders & cxBorder(bBottom)) {
        UseBrushColor(color2);
        FillRectOrTile({r.Left, r.Bottom - width, r.Right, r.Bottom});
    }
}

void TcxCanvas::PaintEdge3D(const TRect& r, bool sunken, bool outer, TcxBorders borders) {
    TColor first, second;
    if (sunken) {
        first = outer ? clBtnShadow : cl3DDkShadow;
        second = outer ? clBtnHighlight : cl3DLight;
    } else {
        first = outer ? cl3DLight : clBtnHighlight;
        second = outer ? cl3DDkShadow : clBtnShadow;
    }
    PaintBorders(r, first, second, borders, 1);
}

void TcxCanvas::PaintFocusRect(const TRect& r) {
    UseBrushColor(clWhite);
    CurrentFont()->SetColor(clBlack);
    if (HDC dc = DeviceContext()) {
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, r);
    }
}

void TcxCanvas::PaintNestedFocusRects(const TRect& r, int count) {
    TRect rect = r;
    for (int i = 0; i < count; ++i) {
        PaintFocusRect(rect);
        InflateRect(rect, -1, -1);
    }
}

void TcxCanvas::FillRegionHandle(HRGN region, TColor color) {
    UseBrushColor(color);
    if (HDC dc = DeviceContext()) FillRgn(dc, region, CurrentBrush()->GetHandle());
}

void TcxCanvas::FrameRegionHandle(HRGN region, TColor color, int frameWidth, int frameHeight) {
    UseBrushColor(color);
    if (HDC dc = DeviceContext()) FrameRgn(dc, region, CurrentBrush()->GetHandle(), frameWidth, frameHeight);
}

void TcxCanvas::FillAndFrameRegionHandle(HRGN region, TColor fillColor, TColor frameColor, int frameWidth,
                                         int frameHeight) {
    FillRegionHandle(region, fillColor);
    FrameRegionHandle(region, frameColor, frameWidth, frameHeight);
}

void TcxCanvas::FillAndFrameRegion(TcxRegion* region, TColor fillColor, TColor frameColor, int frameWidth,
                                   int frameHeight) {
    FillAndFrameRegionHandle(region->GetHandle(), fillColor, frameColor, frameWidth, frameHeight);
}

void TcxCanvas::PaintTransparentGlyph(int x, int y, TBitmap* bitmap, bool enabled, TColor bkColor) {
    if (!bitmap || bitmap->Empty()) return;
    const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
    if (enabled) {
        const TBrushStyle style = CurrentBrush()->GetStyle();
        if (bkColor == clNone)
            CurrentBrush()->SetStyle(bsClear);
        else
            CurrentBrush()->SetColor(bkColor);
        canvas_->BrushCopy(Bounds(x, y, w, h), bitmap, Rect(0, 0, w, h), bitmap->GetTransparentColor());
        CurrentBrush()->SetStyle(style);
        return;
    }
    TImageList images(nullptr, w, h);
    images.AddMasked(bitmap, bitmap->TransparentMode == tmFixed ? bitmap->GetTransparentColor() : clDefault);
    if (bkColor == clNone) {
        images.Draw(canvas_, x, y, 0, false);
        return;
    }
    TBitmap back;
    back.SetSize(w, h);
    back.GetCanvas()->GetBrush()->SetColor(bkColor);
    back.GetCanvas()->FillRect(Rect(0, 0, w, h));
    images.Draw(back.GetCanvas(), 0, 0, 0, false);
    canvas_->Draw(x, y, &back);
}

void TcxCanvas::RotateBitmap(TBitmap* bitmap, int rotation, bool mirror) {
    if (!bitmap || (rotation == 0 && !mirror)) return;
    const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
    if (w <= 0 || h <= 0 || rotation < 0 || rotation > 3) return;
    const bool turned = rotation == 1 || rotation == 2;
    const int dw = turned ? h : w;
    // The destination column and row of source pixel (x, y) are linear in x and y:
    // column = c0 + cx x + cy y, row = r0 + rx x + ry y.
    int c0 = 0, cx = 1, cy = 0, r0 = 0, rx = 0, ry = 1;
    switch (rotation) {
    case 0:
        r0 = h - 1, ry = -1;
        break; // vertical flip
    case 1:
        cx = 0, cy = 1, r0 = mirror ? 0 : w - 1, rx = mirror ? 1 : -1, ry = 0;
        break; // or transpose
    case 2:
        c0 = h - 1, cx = 0, cy = -1, r0 = mirror ? w - 1 : 0, rx = mirror ? -1 : 1, ry = 0;
        break;
    case 3:
        c0 = w - 1, cx = -1, r0 = mirror ? 0 : h - 1, ry = mirror ? 1 : -1;
        break;
    }
    const ptrdiff_t stepX = ptrdiff_t(rx) * dw + cx, stepY = ptrdiff_t(ry) * dw + cy;
    const uint32_t* source = bitmap->ScanLine(0); // the rows follow each other
    std::vector<uint32_t> dest(size_t(w) * size_t(h));
    ptrdiff_t rowStart = ptrdiff_t(r0) * dw + c0;
    for (int y = 0; y < h; ++y, rowStart += stepY) {
        const uint32_t* in = source + ptrdiff_t(y) * w;
        ptrdiff_t at = rowStart;
        for (int x = 0; x < w; ++x, at += stepX)
            dest[size_t(at)] = in[x];
    }
    if (turned) {
        bitmap->SetHeight(0);
        bitmap->SetSize(h, w);
    }
    std::copy(dest.begin(), dest.end(), bitmap->ScanLine(0));
}

void TcxCanvas::StartPath() {
    if (HDC dc = DeviceContext()) BeginPath(dc);
}

void TcxCanvas::FinishPath() {
    if (HDC dc = DeviceContext()) EndPath(dc);
}

// ---- state stacks ----

void TcxCanvas::PushDC() {
    if (HDC dc = DeviceContext()) savedDCs_.push_back(SaveDC(dc));
}

void TcxCanvas::PopDC() {
    if (savedDCs_.empty()) return;
    const int level = savedDCs_.back();
    savedDCs_.pop_back();
    if (HDC dc = DeviceContext()) {
        RestoreDC(dc, level);
        // The restored context holds the objects of the saved state: select the canvas's again.
        canvas_->Refresh();
    }
}

void TcxCanvas::PushState() {
    PushDC();
    TcxCanvasState state{std::make_unique<TFont>(), std::make_unique<TBrush>(), std::make_unique<TPen>()};
    state.Font->Assign(CurrentFont());
    state.Brush->Assign(CurrentBrush());
    state.Pen->Assign(CurrentPen());
    savedStates_.push_back(std::move(state));
}

void TcxCanvas::PopState() {
    if (savedStates_.empty()) return;
    TcxCanvasState& state = savedStates_.back();
    CurrentFont()->Assign(state.Font.get());
    CurrentBrush()->Assign(state.Brush.get());
    CurrentPen()->Assign(state.Pen.get());
    savedStates_.pop_back();
    PopDC();
}

// ---- clipping ----

int TcxCanvas::ClipExcludeRect(const TRect& r) {
    HDC dc = DeviceContext();
    return dc ? ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom) : RGN_ERROR;
}

int TcxCanvas::ClipIntersectRect(const TRect& r) {
    HDC dc = DeviceContext();
    return dc ? IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom) : RGN_ERROR;
}

bool TcxCanvas::RectIsVisible(const TRect& r) {
    HDC dc = DeviceContext();
    return dc && RectVisible(dc, r);
}

TcxRegion* TcxCanvas::CopyClipRegion(bool considerOrigin) {
    auto* region = TcxRegion::CreateEmpty();
    HDC dc = DeviceContext();
    if (!dc || GetClipRgn(dc, region->GetHandle()) != 1) SetRectRgn(region->GetHandle(), 0, 0, 30000, 30000);
    if (considerOrigin) {
        TPoint origin;
        GetDeviceOrigin(origin);
        region->OffsetBy(-origin.X, -origin.Y);
    }
    return region;
}

void TcxCanvas::ApplyClipRegion(TcxRegion* region, TcxRegionOperation operation, bool destroyRegion,
                                bool considerOrigin) {
    if (!region) return;
    if (operation != roSet) {
        TcxRegion* clip = CopyClipRegion(considerOrigin);
        clip->CombineWith(region, operation, destroyRegion);
        ApplyClipRegion(clip, roSet, true, considerOrigin);
        return;
    }
    TPoint origin;
    if (considerOrigin) {
        GetDeviceOrigin(origin);
        region->OffsetBy(origin.X, origin.Y);
    }
    if (HDC dc = DeviceContext()) SelectClipRgn(dc, region->GetHandle());
    if (destroyRegion)
        delete region;
    else if (considerOrigin)
        region->OffsetBy(-origin.X, -origin.Y);
}

// ---- screen canvas ----

void TScreenCanvas::CreateDeviceHandle() {
    if (!screenDC_) screenDC_ = CreateScreenDC();
    SetHandle(screenDC_);
}

void TScreenCanvas::ReleaseDeviceHandle() {
    if (!screenDC_) return;
    SetHandle(nullptr);
    DeleteDC(screenDC_);
    screenDC_ = nullptr;
}

TcxScreenCanvas::TcxScreenCanvas()
    : TcxCanvas(new TScreenCanvas), screenCanvas_(static_cast<TScreenCanvas*>(GetCanvas())) {}

TcxScreenCanvas::~TcxScreenCanvas() = default;

namespace {
TcxScreenCanvas* screenCanvas = nullptr;
}

TcxScreenCanvas* ScreenCanvasInstance() {
    if (!screenCanvas) screenCanvas = new TcxScreenCanvas;
    return screenCanvas;
}

void FinalizeScreenCanvas() {
    delete screenCanvas;
    screenCanvas = nullptr;
}

} // namespace zorvy
