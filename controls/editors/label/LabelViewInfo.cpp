// The label's painting: the cached content, the background, rotation, depth layers, styles and the
// glyph-filled face.
#include "controls/editors/label/LabelViewInfo.h"

#include "controls/editors/checks/EditUtils.h"
#include "controls/editors/framework/EditPainting.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/graphics/Geometry.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Text.h"

#include <cmath>

namespace zorvy {

namespace {

constexpr double LabelPi = 3.1415926535897932385;

int Sign(int value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

bool IsPaintCopy(TcxContainer* edit) {
    return edit && (edit->ControlState & csPaintCopy);
}

} // namespace

TColor BlendLabelColor(TColor from, TColor to, int i, int n) {
    const COLORREF a = ColorToRGB(from), b = ColorToRGB(to);
    auto channel = [&](int x, int y) { return static_cast<int>(std::trunc(double(i) * (y - x) / n + x)); };
    const int r = channel(GetRValue(a), GetRValue(b));
    const int g = channel(GetGValue(a), GetGValue(b));
    const int bl = channel(GetBValue(a), GetBValue(b));
    return static_cast<TColor>(r + g * 256 + bl * 65536);
}

TcxCustomLabelViewInfo::TcxCustomLabelViewInfo() : cache_(std::make_unique<TBitmap>()) {}

TcxCustomLabelViewInfo::~TcxCustomLabelViewInfo() = default;

void TcxCustomLabelViewInfo::StoreBackgroundColor(TColor color) {
    TcxCustomTextEditViewInfo::StoreBackgroundColor(color);
    cacheInvalid_ = true;
}

void TcxCustomLabelViewInfo::ShiftBy(int dx, int dy) {
    TcxCustomTextEditViewInfo::ShiftBy(dx, dy);
    OffsetRect(FocusRect, dx, dy);
    if (Transparent) cacheInvalid_ = true;
}

void TcxCustomLabelViewInfo::PaintTo(TcxCanvas* canvas) {
    PaintEditBackgroundAndButtons(canvas, this, false, 0);
    PaintLabel(canvas);
}

void TcxCustomLabelViewInfo::PaintLabel(TcxCanvas* canvas) {
    LOGFONT savedFont;
    const bool fontSaved = ReadCanvasLogFont(canvas, savedFont);
    struct Restore {
        TcxCanvas* canvas;
        bool saved;
        const LOGFONT& font;
        ~Restore() {
            if (saved) ApplyLogFontToCanvas(canvas, font);
        }
    } restore{canvas, fontSaved, savedFont};
    TRect content = TextRect;
    TRect text = TextRect;
    if (Inplace) {
        ShrinkRectByMargins(text, ContentMargins);
    } else if (EditBorderStyle != TcxEditBorderStyle::ebsNone) {
        ++text.Left;
        --text.Right;
    }
    sourceCanvas_ = canvas;
    if (!Inplace && Transparent && IsPaintCopy(Edit)) {
        DrawLabel(canvas, content, text, content);
        return;
    }
    if (!Inplace && NativeStyle) {
        if (HTHEME theme = GetThemeHandle(tokEdit))
            ThemeGetBackgroundContentRect(theme, canvas->DeviceContext(), 1, ThemeState, Bounds, content);
    }
    const bool moved = Left != lastLeft_ || Top != lastTop_;
    lastLeft_ = Left;
    lastTop_ = Top;
    const int width = NonNegativeRectWidth(content), height = NonNegativeRectHeight(content);
    if (moved || cacheInvalid_ || Transparent) {
        cache_->SetSize(width, height);
        OffsetRect(text, -content.Left, -content.Top);
        TcxCanvas cacheCanvas(cache_->GetCanvas());
        DrawLabel(&cacheCanvas, Rect(0, 0, width, height), text, content);
        cacheInvalid_ = false;
        ++cacheFills_;
    }
    BitBlt(canvas->DeviceContext(), content.Left, content.Top, width, height, cache_->GetCanvas()->GetHandle(), 0, 0,
           SRCCOPY);
}

void TcxCustomLabelViewInfo::DrawLabel(TcxCanvas* canvas, const TRect& area, const TRect& textRect,
                                       const TRect& source) {
    const int width = area.Width(), height = area.Height();
    if (DrawInplaceBackgroundAt(canvas, {source.Left, source.Top})) {
        // The grid drew the background.
    } else if (Transparent && (!Inplace || !Focused)) {
        if (Inplace) {
            BitBlt(canvas->DeviceContext(), area.Left, area.Top, width, height, sourceCanvas_->DeviceContext(),
                   source.Left, source.Top, SRCCOPY);
        } else if (!IsPaintCopy(Edit) && Edit) {
            // The parent's image in control coordinates lands at the area's origin.
            TPoint origin;
            canvas->ReadWindowOrigin(origin);
            canvas->WriteWindowOrigin({origin.X + source.Left - area.Left, origin.Y + source.Top - area.Top});
            PaintParentImage(Edit, canvas, Rect(source.Left, source.Top, source.Left + width, source.Top + height),
                             true);
            canvas->WriteWindowOrigin(origin);
        }
    } else {
        FillRectWithCachedBrush(canvas, area, BackgroundColor);
    }

    const bool trueType = PrepareRotatedFont(canvas->GetCanvas(), Font, Angle);
    const int a = trueType ? ((Angle % 360) + 360) % 360 : 0;
    const bool rotated = a != 0;
    std::string shown = Text;
    if (rotated && ShowAccelChar) shown = RemoveAccelChars(shown);

    // The start point that centres rotated text in the text rectangle less the effect extent.
    TPoint p{0, 0};
    if (rotated) {
        TRect inner = textRect;
        inner.Right -= EffectExtent.cx;
        inner.Bottom -= EffectExtent.cy;
        TRect measured = Rect(0, 0, 0, 0);
        DrawText(canvas->DeviceContext(), shown, measured, DT_CALCRECT | DT_NOPREFIX);
        const double w = measured.Width(), h = measured.Height();
        const double cx = (textRect.Left + inner.Right) / 2.0, cy = (textRect.Top + inner.Bottom) / 2.0;
        const double radians = a * LabelPi / 180.0;
        p.X = static_cast<int>(std::nearbyint(cx - w / 2 * std::cos(radians) - h / 2 * std::sin(radians)));
        p.Y = static_cast<int>(std::nearbyint(cy + w / 2 * std::sin(radians) - h / 2 * std::cos(radians)));
    }
    TPoint d{0, 0};
    const bool relief = LabelStyle == cxlsRaised || LabelStyle == cxlsLowered;
    const int fontSize = canvas->CurrentFont()->GetSize();
    const int s = relief ? (fontSize < 12 ? 1 : 2) : 0;
    const bool hasDepth = LabelEffect != cxleNormal && Depth != 0;
    if (hasDepth) {
        d = {EffectExtent.cx, EffectExtent.cy};
        if (Orientation == cxoRight || Orientation == cxoRightTop || Orientation == cxoRightBottom) {
            p.X += s + EffectExtent.cx;
            d.X = -d.X;
        }
        if (Orientation == cxoBottom || Orientation == cxoLeftBottom || Orientation == cxoRightBottom) {
            p.Y += s + EffectExtent.cy;
            d.Y = -d.Y;
        }
        if (LabelEffect == cxleFun || LabelEffect == cxleExtrude) d = {Sign(d.X), Sign(d.Y)};
    }
    canvas->CurrentBrush()->SetStyle(bsClear);
    // Depth layers, from the far end of the depth towards the text.
    if (hasDepth && (d.X != 0 || d.Y != 0)) {
        const int n = d.X != 0 ? Depth / std::abs(d.X) : Depth / std::abs(d.Y);
        if (LabelEffect != cxleFun) canvas->CurrentFont()->SetColor(ShadowedColor);
        for (int i = 1; i <= n; ++i) {
            if (LabelEffect == cxleFun) canvas->CurrentFont()->SetColor(BlendLabelColor(BackgroundColor, ShadowedColor, i, n));
            DrawTextAt(canvas, textRect, p, rotated, shown);
            p.X += d.X;
            p.Y += d.Y;
        }
    }
    if (d.X < 0) p.X -= s;
    if (d.Y < 0) p.Y -= s;

    TFont* font = canvas->CurrentFont();
    switch (LabelStyle) {
    case cxlsRaised:
        font->SetColor(clBtnHighlight);
        DrawTextAt(canvas, textRect, p, rotated, shown);
        if (fontSize >= 12) {
            font->SetColor(clBtnShadow);
            DrawTextAt(canvas, textRect, {p.X + 2, p.Y + 2}, rotated, shown);
        }
        font->SetColor(TextColor);
        PaintFace(canvas, textRect, {p.X + 1, p.Y + 1}, rotated, trueType, false, shown);
        break;
    case cxlsLowered:
        if (fontSize >= 12) {
            font->SetColor(clBtnShadow);
            DrawTextAt(canvas, textRect, p, rotated, shown);
        }
        font->SetColor(clBtnHighlight);
        DrawTextAt(canvas, textRect, {p.X + 2, p.Y + 2}, rotated, shown);
        font->SetColor(TextColor);
        PaintFace(canvas, textRect, {p.X + 1, p.Y + 1}, rotated, trueType, false, shown);
        break;
    case cxlsOutLine:
        font->SetColor(TextColor);
        PaintFace(canvas, textRect, p, rotated, trueType, trueType, shown);
        if (trueType) {
            HDC dc = canvas->DeviceContext();
            BeginPath(dc);
            DrawTextAt(canvas, textRect, p, rotated, shown);
            EndPath(dc);
            canvas->CurrentPen()->SetColor(TextColor);
            canvas->CurrentPen()->SetWidth(PenWidth);
            StrokePath(canvas->DeviceContext());
            canvas->CurrentPen()->SetWidth(1);
        }
        break;
    default:
        font->SetColor(TextColor);
        PaintFace(canvas, textRect, p, rotated, trueType, false, shown);
        break;
    }
    canvas->CurrentBrush()->SetStyle(bsSolid);
}

void TcxCustomLabelViewInfo::DrawTextAt(TcxCanvas* canvas, const TRect& textRect, TPoint q, bool rotated,
                                        const std::string& text) {
    if (rotated) {
        SetBkMode(canvas->DeviceContext(), TRANSPARENT);
        SetTextColor(canvas->DeviceContext(), ColorToRGB(canvas->CurrentFont()->GetColor()));
        ExtTextOut(canvas->DeviceContext(), q.X, q.Y, 0, nullptr, text);
        return;
    }
    TRect r = textRect;
    r.Right -= EffectExtent.cx;
    r.Bottom -= EffectExtent.cy;
    OffsetRect(r, q.X, q.Y);
    const int flags = BuildTextFlags(0, LabelAlignment.GetHorz(), LabelAlignment.GetVert(),
                                     Inplace && (PaintOptions & cxLabelEndEllipsisOption) != 0, WordWrap, 0, false, ShowAccelChar);
    canvas->PaintText(text, r, flags, true);
}

void TcxCustomLabelViewInfo::PaintFace(TcxCanvas* canvas, const TRect& textRect, TPoint at, bool rotated,
                                       bool trueType, bool suppressPlain, const std::string& text) {
    if (Glyph && !Glyph->Empty() && Glyph->GetWidth() > 0 && Glyph->GetHeight() > 0 && trueType) {
        HDC dc = canvas->DeviceContext();
        BeginPath(dc);
        DrawTextAt(canvas, textRect, at, rotated, text);
        EndPath(dc);
        SelectClipPath(dc, RGN_COPY);
        canvas->FillRectOrTile(textRect, Glyph);
        SelectClipRgn(dc, nullptr);
        return;
    }
    if (!suppressPlain) DrawTextAt(canvas, textRect, at, rotated, text);
}

} // namespace zorvy
