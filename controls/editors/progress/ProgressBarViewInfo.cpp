// The progress bar's layout (view data) and its painting off screen in six styles.
#include "controls/editors/progress/ProgressBarViewInfo.h"

#include "controls/editors/checks/EditUtils.h"
#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Drawing.h"
#include "platform/rtl/Numbers.h"

#include <cmath>

namespace zorvy {

double GetBarRange(double min, double max) {
    return max - min >= 1 ? max - min : 1;
}

int ScaleBarValue(double range, int length, double v) {
    const double scaled = std::trunc(v * length / range);
    // A position far outside a collapsed range would overflow the pixel type; nothing past it shows.
    return static_cast<int>(std::clamp(scaled, -1e9, 1e9));
}

TColor InterpolateBarColor(TColor c1, TColor c2, int g, int h) {
    if (h == 0) return c1;
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = (c1 >> shift) & 0xFF;
        const int b = (c2 >> shift) & 0xFF;
        const int channel = static_cast<int>(std::trunc(double(g) * (b - a) / h + a));
        result |= TColor(channel & 0xFF) << shift;
    }
    return result;
}

// ---- layout ----

void TcxCustomProgressBarViewData::TakeOverBarProperties(TcxCustomProgressBarViewInfo* vi) {
    TcxCustomProgressBarProperties* p = BarProperties();
    vi->BeginColor = ColorToRGB(p->GetBeginColor());
    vi->EndColor = ColorToRGB(p->GetEndColor());
    vi->BarBevelOuter = p->GetBarBevelOuter();
    vi->Min = p->GetMin();
    vi->Max = p->GetMax();
    vi->Orientation = p->GetOrientation();
    vi->ShowText = p->GetShowText();
    vi->ShowTextStyle = p->GetShowTextStyle();
    vi->TextOrientation = p->GetTextOrientation();
    vi->SolidTextColor = p->GetSolidTextColor();
    vi->BarStyle = p->GetBarStyle();
    vi->BorderWidth = p->GetBorderWidth();
    vi->OverloadValue = p->GetOverloadValue();
    vi->OverloadBeginColor = ColorToRGB(p->GetOverloadBeginColor());
    vi->OverloadEndColor = ColorToRGB(p->GetOverloadEndColor());
    vi->ShowOverload = p->GetShowOverload();
    vi->PeakValue = p->GetEffectivePeak(vi->Position);
    vi->PeakColor = ColorToRGB(p->GetPeakColor());
    vi->PeakSize = p->GetPeakSize();
    vi->ShowPeak = p->GetShowPeak();
    auto* bar = dynamic_cast<TcxCustomProgressBar*>(Edit);
    vi->BarTransparent = IsInplace() ? vi->Transparent : bar && bar->GetTransparent();
}

void TcxCustomProgressBarViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                               TShiftState shift, TcxCustomEditViewInfo* viewInfo,
                                               bool isMouseEvent) {
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    if (bounds.Right == 2147483647 || bounds.Bottom == 2147483647) return;
    auto* vi = static_cast<TcxCustomProgressBarViewInfo*>(viewInfo);
    vi->Font = CurrentStyle()->EffectiveFont();
    TakeOverBarProperties(vi);
    // The progress theme is never available here, so the bar is always composed by the program.
    vi->NativeStyle = false;
    vi->BarBounds = IsInplace() ? bounds : vi->BorderRect;
    TRect inner = vi->BorderRect;
    InflateRect(inner, -vi->BorderWidth, -vi->BorderWidth);
    vi->FillBounds = inner;
    const double range = GetBarRange(vi->Min, vi->Max);
    const int width = NonNegativeRectWidth(inner);
    const int height = NonNegativeRectHeight(inner);
    const bool horizontal = vi->Orientation == cxorHorizontal;
    if (horizontal)
        vi->FillBounds.Right = inner.Left + ScaleBarValue(range, width, vi->Position - vi->Min);
    else
        vi->FillBounds.Top = inner.Bottom - ScaleBarValue(range, height, vi->Position - vi->Min);

    vi->OverloadShown = vi->ShowOverload && vi->Position >= vi->OverloadValue;
    if (vi->OverloadShown) {
        vi->OverloadBounds = vi->FillBounds;
        if (horizontal) {
            vi->OverloadBounds.Left = inner.Left + ScaleBarValue(range, width, vi->OverloadValue - vi->Min);
            vi->OverloadBounds.Right = std::min(vi->OverloadBounds.Right, inner.Right);
            vi->FillBounds.Right = vi->OverloadBounds.Left;
        } else {
            vi->OverloadBounds.Bottom = inner.Bottom - ScaleBarValue(range, height, vi->OverloadValue - vi->Min);
            vi->OverloadBounds.Bottom = std::max(vi->OverloadBounds.Bottom, inner.Top);
            vi->FillBounds.Top = vi->OverloadBounds.Bottom;
        }
    }

    vi->PeakShown = vi->ShowPeak;
    vi->PeakBounds = vi->FillBounds;
    if (horizontal) {
        int left = inner.Left + ScaleBarValue(range, width, vi->PeakValue - vi->Min);
        if (left + vi->PeakSize > inner.Right) left = inner.Right - vi->PeakSize;
        vi->PeakBounds.Left = left;
        vi->PeakBounds.Right = left + vi->PeakSize;
    } else {
        int bottom = inner.Bottom - ScaleBarValue(range, height, vi->PeakValue - vi->Min);
        if (bottom - vi->PeakSize < inner.Top) bottom = inner.Top + vi->PeakSize;
        vi->PeakBounds.Bottom = bottom;
        vi->PeakBounds.Top = bottom - vi->PeakSize;
    }

    TcxCustomProgressBarProperties* props = BarProperties();
    TBitmap* image = props->PeekForegroundImage();
    if (image && !image->Empty()) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(image);
        if (props->GetTransparentImage()) {
            copy->SetTransparent(true);
            auto flat = std::make_unique<TBitmap>();
            flat->SetSize(copy->GetWidth(), copy->GetHeight());
            flat->GetCanvas()->GetBrush()->SetColor(vi->BackgroundColor);
            flat->GetCanvas()->FillRect(TRect{0, 0, copy->GetWidth(), copy->GetHeight()});
            flat->GetCanvas()->Draw(0, 0, copy.get());
            copy = std::move(flat);
        }
        vi->ForegroundImage = std::move(copy);
    } else {
        vi->ForegroundImage = std::make_unique<TBitmap>();
    }
}

void TcxCustomProgressBarViewData::MeasureOverflowSize(TcxCanvas* canvas, bool isInplace,
                                                      const TcxEditSizeProperties& limits, TSize& overflow,
                                                      TcxCustomEditViewInfo* viewInfo, TSize& frame) {
    LOGFONT saved{};
    const bool fontRead = canvas && ReadCanvasLogFont(canvas, saved);
    TcxCustomEditViewData::MeasureOverflowSize(canvas, isInplace, limits, overflow, viewInfo, frame);
    auto* vi = static_cast<TcxCustomProgressBarViewInfo*>(viewInfo);
    // A stand-alone bar leaves 4 pixels more for the frame the button theme would otherwise draw.
    overflow.cx += NonNegativeRectWidth(vi->FillBounds) + (isInplace ? 0 : 4) + 3;
    if (canvas) overflow.cy += canvas->MeasureFontLineHeight(CurrentStyle()->EffectiveFont());
    if (fontRead) ApplyLogFontToCanvas(canvas, saved);
}

void TcxCustomProgressBarViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCustomProgressBarViewInfo*>(viewInfo);
    Variant display;
    BarProperties()->ToDisplayValue(PreviewMode ? Variant(30) : value, display, Focused);
    vi->Position = display.AsDouble();
    BarProperties()->ClampPosition(vi);
}

// ---- the view info ----

TcxCustomProgressBarViewInfo::TcxCustomProgressBarViewInfo() : ForegroundImage(std::make_unique<TBitmap>()) {}

TcxCustomProgressBarViewInfo::~TcxCustomProgressBarViewInfo() = default;

void TcxCustomProgressBarViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomTextEditViewInfo::ShiftBy(dx, dy);
    for (TRect* r : {&BarBounds, &FillBounds, &OverloadBounds, &PeakBounds}) OffsetRect(*r, dx, dy);
}

std::string TcxCustomProgressBarViewInfo::GetBarText() const {
    if (ShowTextStyle == cxtsPosition) return FloatToStr(Position);
    int64_t percent = Round((Position - Min) / GetBarRange(Min, Max) * 100);
    if (percent > 100) percent = 100;
    return IntToStr(percent) + " %";
}

void TcxCustomProgressBarViewInfo::PaintTo(TcxCanvas* canvas) {
    if (!(Inplace && Transparent)) PaintEditBackgroundAndButtons(canvas, this, false, 0);
    PaintBar(canvas);
}

void TcxCustomProgressBarViewInfo::PaintBevel(TcxCanvas* canvas, const TRect& r) const {
    if (BarBevelOuter == cxbvNone) return;
    const unsigned edge = BarBevelOuter == cxbvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
    TRect box = r;
    DrawEdge(canvas->DeviceContext(), box, edge, BF_LEFT | BF_TOP);
    box = r;
    DrawEdge(canvas->DeviceContext(), box, edge, BF_RIGHT | BF_BOTTOM);
}

void TcxCustomProgressBarViewInfo::FillPart(TcxCanvas* canvas, const TRect& r, TColor color) const {
    canvas->FillRectSolid(r, color);
    PaintBevel(canvas, r);
}

void TcxCustomProgressBarViewInfo::PaintGradient(TcxCanvas* canvas, const TRect& e, const TRect& o, int w,
                                                 int h) const {
    TCanvas* target = canvas->GetCanvas();
    bool overload = false;
    if (Orientation == cxorHorizontal) {
        for (int x = e.Left; x < e.Right; ++x) {
            if (!overload && OverloadShown && x - e.Left >= o.Left - 1) overload = true;
            const TColor color = overload ? InterpolateBarColor(OverloadBeginColor, OverloadEndColor, x - o.Left, o.Left)
                                          : InterpolateBarColor(BeginColor, EndColor, x - e.Left, w);
            target->GetPen()->SetColor(color);
            target->MoveTo(x, e.Top);
            target->LineTo(x, e.Bottom);
        }
    } else {
        for (int y = e.Bottom - 1; y >= e.Top; --y) {
            if (!overload && OverloadShown && y < o.Bottom) overload = true;
            const TColor color = overload
                                     ? InterpolateBarColor(OverloadBeginColor, OverloadEndColor, o.Bottom - y, o.Bottom)
                                     : InterpolateBarColor(BeginColor, EndColor, e.Bottom - y, h);
            target->GetPen()->SetColor(color);
            target->MoveTo(e.Left, y);
            target->LineTo(e.Right, y);
        }
    }
    PaintBevel(canvas, e);
}

void TcxCustomProgressBarViewInfo::PaintLEDs(TcxCanvas* canvas, const TRect& e, const TRect& o, TRect& g, int w,
                                             int h) const {
    const bool gradient = BarStyle == cxbsGradientLEDs;
    bool overload = false;
    auto colorAt = [&](int offset, int span) {
        if (!gradient) return overload ? OverloadBeginColor : BeginColor;
        return overload ? InterpolateBarColor(OverloadBeginColor, OverloadEndColor, offset, span)
                        : InterpolateBarColor(BeginColor, EndColor, offset, span);
    };
    const bool full = Position >= Max;
    if (Orientation == cxorHorizontal) {
        const int step = static_cast<int>(std::trunc(2.0 * (gradient ? NonNegativeRectHeight(e) : h) / 3)) + 2;
        // Where the final fill starts when no whole LED fits: the lit part's start.
        int last = e.Left;
        TColor color = BeginColor;
        for (int x = e.Left; x < e.Right; ++x) {
            if ((x - e.Left) % step != 0 || x - step < e.Left) continue;
            if (!overload && OverloadShown && (gradient ? x - e.Left : x) >= o.Left - 1) overload = true;
            color = overload && gradient ? colorAt(x - o.Left, o.Left) : colorAt(x - e.Left, w);
            FillPart(canvas, TRect{x - step, e.Top, x - 2, e.Bottom}, color);
            last = x;
            g.Right = x - 2;
            if (e.Right - x - 2 < step) FillPart(canvas, TRect{x, e.Top, e.Right, e.Bottom}, color);
        }
        if (full) {
            const TColor end = gradient ? colorAt(last - e.Left, w) : OverloadShown ? OverloadBeginColor : color;
            FillPart(canvas, TRect{last, e.Top, e.Right, e.Bottom}, end);
        }
        return;
    }
    const int step = static_cast<int>(std::trunc(2.0 * (gradient ? NonNegativeRectWidth(e) : w) / 3)) + 2;
    int last = e.Bottom;
    TColor color = BeginColor;
    for (int y = e.Bottom - 1; y >= e.Top; --y) {
        if ((e.Bottom - y - 1) % step != 0 || y + step > e.Bottom) continue;
        if (!overload && OverloadShown && y < o.Bottom) overload = true;
        color = overload && gradient ? colorAt(o.Bottom - y, o.Bottom) : colorAt(e.Bottom - y, h);
        FillPart(canvas, TRect{e.Left, y + 2, e.Right, y + step}, color);
        last = y;
        g.Top = y + 2;
        if (y - e.Top < step) FillPart(canvas, TRect{e.Left, e.Top, e.Right, y}, color);
    }
    if (full) {
        const TColor end = gradient ? colorAt(e.Bottom - last, h) : OverloadShown ? OverloadBeginColor : color;
        FillPart(canvas, TRect{e.Left, e.Top, e.Right, last}, end);
    }
}

void TcxCustomProgressBarViewInfo::PaintBitmapLEDs(TcxCanvas* canvas, const TRect& e, TRect& g) const {
    TBitmap* image = ForegroundImage.get();
    auto fill = [&](const TRect& r) { canvas->FillRectOrTile(r, image); };
    if (Orientation == cxorHorizontal) {
        const int segment = std::min(image->GetWidth(), NonNegativeRectHeight(e));
        for (int x = e.Left; x < e.Right; ++x) {
            if ((x - e.Left) % (segment + 2) != 0) continue;
            g.Right = x - 2;
            fill(g);
            g.Left = x;
            if (e.Right - x - 2 < segment) fill(TRect{x, e.Top, e.Right, e.Bottom});
        }
        if (Position == Max) {
            g.Right = e.Right;
            fill(g);
        }
        return;
    }
    const int segment = std::min(image->GetHeight(), NonNegativeRectWidth(e));
    // Segments of 2 pixels or less leave no period: the lit part is tiled whole.
    if (segment - 2 < 1) {
        fill(e);
        return;
    }
    for (int y = e.Bottom - 1; y >= e.Top; --y) {
        if ((e.Bottom - y - 1) % (segment - 2) != 0) continue;
        g.Top = y + 2;
        fill(g);
        g.Bottom = y;
        if (y - e.Top < segment) fill(TRect{e.Left, e.Top, e.Right, y});
    }
    if (Position == Max) {
        g.Top = e.Top;
        fill(g);
    }
}

void TcxCustomProgressBarViewInfo::PaintBarText(TBitmap* target, const TRect& g, int w, int h, int m) const {
    const std::string text = GetBarText();
    TCanvas* canvas = target->GetCanvas();
    if (Font) canvas->GetFont()->Assign(Font);
    canvas->GetFont()->SetColor(TextColor);
    canvas->GetBrush()->SetStyle(bsClear);
    const bool vertical = TextOrientation == cxorVertical;
    TcxCanvas rotating(canvas);
    if (vertical) rotating.SetFontAngle(270);
    // Measured unrotated: the rotated text is extent.cx high and extent.cy wide.
    if (vertical) rotating.SetFontAngle(0);
    const TSize extent = canvas->TextExtent(text);
    if (vertical) rotating.SetFontAngle(270);
    int x = 0;
    int y = 0;
    int uw = 0;
    int uh = 0;
    TPoint inMask{0, 0};
    TPoint area{0, 0};
    bool solid = SolidTextColor;
    if (!vertical) {
        x = (w - extent.cx) / 2 + m;
        y = (h - extent.cy) / 2 + m;
        solid = solid || x >= g.Right;
        uw = std::min(g.Right - x, extent.cx);
        uh = extent.cy;
        area = {x, y};
    } else {
        // The rotated text runs downwards with its top to the right of x.
        y = (h - extent.cx) / 2 + m;
        x = (w - extent.cy) / 2 + extent.cy + m;
        solid = solid || g.Top >= y + extent.cx;
        uw = extent.cy;
        uh = extent.cx;
        inMask = {uw, g.Top < y ? 0 : y - g.Top};
        area = {x - uw, std::max(y, g.Top)};
    }
    if (solid || uw <= 0 || uh <= 0) {
        canvas->TextOut(x, y, text);
        return;
    }
    // The glyphs over the lit part invert the bar's pixels; beyond it they take the text colour.
    TBitmap mask;
    mask.SetSize(uw, uh);
    TCanvas* u = mask.GetCanvas();
    u->GetBrush()->SetColor(clWhite);
    u->FillRect(TRect{0, 0, uw, uh});
    u->GetFont()->Assign(canvas->GetFont());
    u->GetFont()->SetColor(clBlack);
    u->GetBrush()->SetStyle(bsClear);
    u->TextOut(inMask.X, inMask.Y, text);
    TBitmap saved;
    saved.SetSize(uw, uh);
    BitBlt(saved.GetCanvas()->GetHandle(), 0, 0, uw, uh, canvas->GetHandle(), area.X, area.Y, SRCCOPY);
    BitBlt(u->GetHandle(), 0, 0, uw, uh, nullptr, 0, 0, DSTINVERT);
    canvas->TextOut(x, y, text);
    BitBlt(canvas->GetHandle(), area.X, area.Y, uw, uh, saved.GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
    BitBlt(canvas->GetHandle(), area.X, area.Y, uw, uh, u->GetHandle(), 0, 0, SRCINVERT);
}

void TcxCustomProgressBarViewInfo::PaintBar(TcxCanvas* canvas) {
    const int w = NonNegativeRectWidth(BarBounds);
    const int h = NonNegativeRectHeight(BarBounds);
    if (w == 0 || h == 0) return;
    const int m = Inplace ? 0 : 2;
    // The bar's parts in the bitmap's coordinates: the bar starts at (m, m).
    const int dx = m - BarBounds.Left;
    const int dy = m - BarBounds.Top;
    TRect f = FillBounds;
    TRect o = OverloadBounds;
    TRect p = PeakBounds;
    for (TRect* r : {&f, &o, &p}) OffsetRect(*r, dx, dy);

    TBitmap bitmap;
    bitmap.SetSize(w + m, h + m);
    TcxCanvas b(bitmap.GetCanvas());
    const TRect whole{0, 0, w + m, h + m};
    if (BarTransparent && Inplace) {
        BitBlt(bitmap.GetCanvas()->GetHandle(), 0, 0, w, h, canvas->DeviceContext(), BarBounds.Left,
               BarBounds.Top, SRCCOPY);
    } else if (BarTransparent && Edit) {
        PaintParentImageOnTCanvas(static_cast<TWinControl*>(Edit), bitmap.GetCanvas(), whole, true);
    } else {
        b.FillRectSolid(whole, BackgroundColor);
    }

    TRect e = f;
    if (OverloadShown) e = Orientation == cxorHorizontal ? TRect{f.Left, f.Top, o.Right, o.Bottom}
                                                         : TRect{o.Left, o.Top, f.Right, f.Bottom};
    // Nothing past the bitmap shows, so the loops stop there (a collapsed range can throw the lit part
    // far outside it).
    e.Right = std::min(e.Right, w + m + 2);
    e.Top = std::max(e.Top, -2);
    TRect g = e;

    switch (BarStyle) {
    case cxbsSolid:
        if (OverloadShown) {
            b.FillRectSolid(f, BeginColor);
            b.FillRectSolid(o, OverloadBeginColor);
        } else {
            b.FillRectSolid(e, BeginColor);
        }
        PaintBevel(&b, e);
        break;
    case cxbsGradient: PaintGradient(&b, e, o, w, h); break;
    case cxbsLEDs:
    case cxbsGradientLEDs: PaintLEDs(&b, e, o, g, w, h); break;
    case cxbsBitmap:
        if (ForegroundImage->GetWidth() > 0 && ForegroundImage->GetHeight() > 0)
            b.FillRectOrTile(e, ForegroundImage.get());
        break;
    case cxbsBitmapLEDs:
        if (ForegroundImage->GetWidth() > 0 && ForegroundImage->GetHeight() > 0) PaintBitmapLEDs(&b, e, g);
        break;
    }
    if (PeakShown) b.FillRectSolid(p, PeakColor);
    if (ShowText) PaintBarText(&bitmap, g, w, h, m);
    BitBlt(canvas->DeviceContext(), BarBounds.Left, BarBounds.Top, w, h, bitmap.GetCanvas()->GetHandle(), m, m,
           SRCCOPY);
}

} // namespace zorvy
