#include "controls/editors/framework/EditPainting.h"

#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/foundation/graphics/BrushCache.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/StandardPainters.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/text/TextRows.h"
#include "platform/gdi/Drawing.h"
#include "platform/classlib/ImageList.h"
#include "platform/win/SystemInfo.h"

#include <array>

namespace zorvy {

namespace {

void FillCached(TcxCanvas* canvas, const TRect& r, TColor color) {
    FillRect(canvas->DeviceContext(), r, SolidBrushFromCacheForCanvas(canvas, color));
}

// Left + right (or top + bottom) margins of a theme's content rectangle for 100 x 100.
TRect ThemeContentMargins(TThemedObjectKind kind) {
    const HTHEME theme = GetThemeHandle(kind);
    if (!theme) return {};
    const TRect box = Rect(0, 0, 100, 100);
    TRect content = box;
    ThemeGetBackgroundContentRect(theme, nullptr, 1, 1, box, content);
    return Rect(content.Left, content.Top, 100 - content.Right, 100 - content.Bottom);
}

TThemedObjectKind ButtonThemeKind(const TcxEditButtonViewInfo* button) {
    return button->ComboButton ? tokComboBox : tokButton;
}

} // namespace

void PaintArrow(TcxCanvas* canvas, int size, const TRect& content, TColor color, bool offsetContent,
                bool doubleArrow, TcxArrowDir direction) {
    const int n = doubleArrow ? 2 : 1;
    const bool vertical = direction == arUp || direction == arDown;
    const int w = vertical ? 2 * size - 1 : n * size;
    const int h = vertical ? n * size : 2 * size - 1;
    int x = content.Left + (content.Width() - w) / 2;
    int y = content.Top + (content.Height() - h) / 2;
    if (offsetContent) {
        ++x;
        ++y;
    }
    const HBRUSH brush = SolidBrushFromCacheForCanvas(canvas, color);
    const HDC dc = canvas->DeviceContext();
    for (int a = 0; a < n; ++a) {
        for (int i = 0; i < size; ++i) {
            switch (direction) {
            case arUp:
                FillRect(dc, Rect(x + size - 1 - i, y + i, x + size + i, y + i + 1), brush);
                break;
            case arDown:
                FillRect(dc, Rect(x + i, y + i, x + 2 * size - 1 - i, y + i + 1), brush);
                break;
            case arLeft:
                FillRect(dc, Rect(x + i, y + size - 1 - i, x + i + 1, y + size + i), brush);
                break;
            case arRight:
                FillRect(dc, Rect(x + i, y + i, x + i + 1, y + 2 * size - 1 - i), brush);
                break;
            }
        }
        if (vertical)
            y += size;
        else
            x += size;
    }
}

TSize LayoutArrowSize(TSize available, TcxArrowDir direction) {
    const int m = std::min(available.cx, available.cy);
    int w = (m - 1) / 2;
    if (w % 2 == 0) ++w;
    const int h = w / 2 + 1;
    return direction == arUp || direction == arDown ? Size(w, h) : Size(h, w);
}

void TraceRectSides(TcxCanvas* canvas, TRect& r, TcxBorders borders, TColor color) {
    const TRect w = Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
    auto line = [&](TPoint a, TPoint b) {
        const TPoint points[] = {a, b};
        PaintPolylineWithEndPoint(canvas, points, false, color);
    };
    if (borders & cxBorder(bLeft)) {
        line({w.Left, w.Top}, {w.Left, w.Bottom});
        ++r.Left;
    }
    if (borders & cxBorder(bRight)) {
        line({w.Right, w.Top}, {w.Right, w.Bottom});
        --r.Right;
    }
    if (borders & cxBorder(bTop)) {
        line({w.Left, w.Top}, {w.Right, w.Top});
        ++r.Top;
    }
    if (borders & cxBorder(bBottom)) {
        line({w.Left, w.Bottom}, {w.Right, w.Bottom});
        --r.Bottom;
    }
}

void PaintPolylineWithEndPoint(TcxCanvas* canvas, std::span<const TPoint> points, bool pixelMode, TColor color) {
    if (points.empty()) return;
    const TPoint last = points.back();
    if (!pixelMode) {
        canvas->CurrentPen()->SetColor(color);
        canvas->PaintPolyline(points);
        canvas->PaintPixel(last.X, last.Y, color);
        return;
    }
    for (size_t i = 1; i < points.size(); ++i) {
        const TPoint a = points[i - 1], b = points[i];
        TRect r;
        if (a.X == b.X)
            r = a.Y <= b.Y ? Rect(a.X, a.Y, a.X + 1, b.Y) : Rect(a.X, a.Y + 1, a.X + 1, b.Y + 1);
        else
            r = a.X <= b.X ? Rect(a.X, a.Y, b.X, a.Y + 1) : Rect(a.X + 1, a.Y, b.X + 1, a.Y + 1);
        FillCached(canvas, r, color);
    }
    FillCached(canvas, Rect(last.X, last.Y, last.X + 1, last.Y + 1), color);
}

void PaintGlyphOnTCanvas(TCanvas* canvas, int x, int y, TBitmap* buffer, TColor background, bool enabled,
                         TBitmap* glyph) {
    if (!canvas || !IsBitmapUsable(glyph)) return;
    const int w = glyph->GetWidth(), h = glyph->GetHeight();
    if (enabled) {
        TBrush* brush = (buffer ? buffer->GetCanvas() : canvas)->GetBrush();
        const TBrushStyle style = brush->GetStyle();
        if (buffer || background == clNone)
            brush->SetStyle(bsClear);
        else
            brush->SetColor(background);
        if (buffer) {
            buffer->GetCanvas()->BrushCopy(Rect(0, 0, w, h), glyph, Rect(0, 0, w, h), glyph->GetTransparentColor());
            canvas->Draw(x, y, buffer);
        } else {
            canvas->BrushCopy(Bounds(x, y, w, h), glyph, Rect(0, 0, w, h), glyph->GetTransparentColor());
        }
        brush->SetStyle(style);
        return;
    }
    TImageList images(nullptr, w, h);
    images.AddMasked(glyph, glyph->TransparentMode == tmFixed ? glyph->GetTransparentColor() : clDefault);
    if (buffer) {
        images.Draw(buffer->GetCanvas(), 0, 0, 0, false);
        canvas->Draw(x, y, buffer);
    } else if (background != clNone) {
        TBitmap back;
        back.SetSize(w, h);
        FillRect(back.GetCanvas()->GetHandle(), Rect(0, 0, w, h), SolidBrushFromCacheForTCanvas(back.GetCanvas(), background));
        images.Draw(back.GetCanvas(), 0, 0, 0, false);
        canvas->Draw(x, y, &back);
    } else {
        images.Draw(canvas, x, y, 0, false);
    }
}

void PaintGlyphAt(TcxCanvas* canvas, int x, int y, TBitmap* buffer, TColor background, bool enabled,
                  TBitmap* glyph) {
    PaintGlyphOnTCanvas(canvas->GetCanvas(), x, y, buffer, background, enabled, glyph);
}

void PaintImageListImageAt(TcxCanvas* canvas, TCustomImageList* images, int index, TBitmap* buffer, bool enabled,
                           TColor background, const TRect& r) {
    if (!ImageListHasSize(images) || index < 0 || index >= images->GetCount()) return;
    TBitmap temporary;
    TBitmap* target = buffer;
    if (!target) {
        const int w = images->GetWidth(), h = images->GetHeight();
        temporary.SetSize(w, h);
        FillRect(temporary.GetCanvas()->GetHandle(), Rect(0, 0, w, h),
                 SolidBrushFromCacheForTCanvas(temporary.GetCanvas(), background));
        target = &temporary;
    }
    images->Draw(target->GetCanvas(), 0, 0, index, enabled);
    canvas->DrawGraphicAt(r.Left, r.Top, target);
}

TcxLookAndFeelPainterClass PainterClassForKind(bool nativeStyle, TcxLookAndFeelKind kind) {
    if (nativeStyle && CanUseThemesFor(0)) return TcxWinXPLookAndFeelPainter::Instance();
    switch (kind) {
    case lfFlat:
        return TcxFlatLookAndFeelPainter::Instance();
    case lfStandard:
        return TcxStandardLookAndFeelPainter::Instance();
    case lfOffice11:
        return TcxOffice11LookAndFeelPainter::Instance();
    default:
        return TcxUltraFlatLookAndFeelPainter::Instance();
    }
}

bool IsBitmapUsable(const TBitmap* bitmap) {
    return bitmap && !bitmap->Empty() && bitmap->GetWidth() != 0 && bitmap->GetHeight() != 0;
}

bool ImageListHasSize(const TCustomImageList* images) {
    return images && images->GetWidth() > 0 && images->GetHeight() > 0;
}

void ResolveButtonThemePart(TcxEditButtonViewInfo* button) {
    const HTHEME theme = button->NativeStyle ? GetThemeHandle(ButtonThemeKind(button)) : HTHEME(0);
    if (!theme) {
        button->NativePart = 0;
        button->NativePartiallyTransparent = false;
        button->NativeState = 0;
        return;
    }
    static constexpr int ThemeStates[] = {4, 1, 3, 2}; // disabled, normal, pressed, hot
    button->NativePart = 1;
    button->NativeState = ThemeStates[button->State];
    button->NativePartiallyTransparent = ThemeIsBackgroundPartiallyTransparent(theme, 1, button->NativeState);
}

int EditButtonContentMargins(TcxEditButtonViewInfo* button) {
    if (!button->NativeStyle) return 4;
    const TRect m = ThemeContentMargins(ButtonThemeKind(button));
    return m.Left + m.Right;
}

int EditButtonWidth(TcxCanvas* canvas, TcxEditButtonViewInfo* button) {
    if (button->NativeStyle) button->NativeStyle = CanUseNativeTheme(true, ButtonThemeKind(button));
    const int margins = EditButtonContentMargins(button);
    if (button->Width > 0) return std::max(button->Width, margins);
    if (button->Kind == bkGlyph && IsBitmapUsable(button->Glyph)) return button->Glyph->GetWidth() + margins;
    const int scrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    if (button->Kind == bkText)
        return std::max(scrollHeight, margins + canvas->MeasureTextWidth(button->VisibleCaption) + 3);
    return scrollHeight;
}

int EditButtonContentTopOffset(TcxCanvas*, TcxEditButtonStyle style, bool nativeLook) {
    if (nativeLook) {
        const TRect m = ThemeContentMargins(tokButton);
        return m.Top + m.Bottom;
    }
    static constexpr int Offsets[] = {0, 4, 2, 2, 2, 2, 2};
    return Offsets[style];
}

void FillRectWithCachedBrush(TcxCanvas* canvas, const TRect& r, TColor color) {
    FillCached(canvas, r, color);
}

void FillRectOnDC(HDC dc, const TRect& r, HBRUSH brush) {
    FillRect(dc, r, brush);
}

namespace {
constexpr int FlagPairs[][2] = {{trfCenterHorz, ctfAlignHCenter}, {trfRight, ctfAlignRight},
                                {trfCenterVert, ctfAlignVCenter}, {trfBottom, ctfAlignBottom},
                                {trfSingleLine, ctfSingleLine},   {trfWordBreak, ctfWordBreak}};
} // namespace

int TextRowFlagsToCanvasFlags(int flags) {
    int result = 0;
    for (const auto& pair : FlagPairs)
        if (flags & pair[0]) result |= pair[1];
    return result;
}

int CanvasFlagsToTextRowFlags(int flags) {
    int result = 0;
    for (const auto& pair : FlagPairs)
        if (flags & pair[1]) result |= pair[0];
    return result;
}

TColor HotTrackSystemColor() {
    // Every display this program runs on has the hot-light system colour.
    return clHotLight;
}

int InnerEditHeightCorrection(const TcxCustomEditProperties* properties, bool isInplace) {
    return isInplace && properties->GetButtons()->GetCount() > 0 ? 1 : 0;
}

TColor ActiveBorderColor(bool office11) {
    return office11 ? Office11HighlightBorderColor() : clHighlight;
}

TColor HotButtonColor(bool pressed, bool office11) {
    TcxLookAndFeelPainterClass painter = office11 ? static_cast<TcxLookAndFeelPainterClass>(
                                                        TcxOffice11LookAndFeelPainter::Instance())
                                                  : TcxUltraFlatLookAndFeelPainter::Instance();
    return painter->GetButtonFaceColor(pressed ? cxbsPressed : cxbsHot);
}

bool EditDrawsShadow(TcxCustomEditViewData* viewData) {
    TcxCustomEditStyle* style = viewData->GetEditStyle();
    return style->GetShadow() && !viewData->IsThemedLookAndFeel(style->GetLookAndFeel());
}

void ApplyLogFontToCanvas(TcxCanvas* canvas, const LOGFONT& font) {
    const HFONT handle = CreateFontIndirect(font);
    canvas->CurrentFont()->SetHandle(handle); // takes the settings, not the handle
    DeleteObject(handle);
}

bool ReadCanvasLogFont(TcxCanvas* canvas, LOGFONT& font) {
    return GetObject(canvas->CurrentFont()->GetHandle(), font);
}

// ---- background, border and buttons ----

namespace {

void PaintNativeBackground(TcxCanvas* canvas, TcxCustomEditViewInfo* vi, bool fillContent, int mode) {
    if (vi->Inplace || vi->EditBorderStyle == TcxEditBorderStyle::ebsNone) {
        if (!vi->Transparent) FillCached(canvas, vi->Bounds, vi->BackgroundColor);
        return;
    }
    TRect content = vi->Bounds;
    const HTHEME theme = GetThemeHandle(tokEdit);
    switch (mode) {
    case 0:
        if (theme) ThemeGetBackgroundContentRect(theme, canvas->DeviceContext(), 1, vi->ThemeState, vi->Bounds, content);
        break;
    case 1:
        InflateRect(content, -3, -3);
        content.Right = vi->ClientRect.Right - 1;
        break;
    default:
        content = vi->ClientRect;
        break;
    }
    canvas->PushDC();
    canvas->ClipExcludeRect(content);
    if (theme) ThemeDrawBackground(theme, canvas->DeviceContext(), 1, vi->ThemeState, vi->Bounds);
    canvas->PopDC();
    if (vi->Transparent) return;
    if (!fillContent && mode != 2) {
        if (content.Width() >= vi->BorderRect.Width())
            FillFrameArea(canvas, content, vi->BorderRect, vi->BackgroundColor);
        else
            FillFrameArea(canvas, vi->BorderRect, content, vi->BackgroundColor);
        content = vi->BorderRect;
    }
    if (fillContent) FillCached(canvas, content, vi->BackgroundColor);
}

// Fills r less the buttons' bounds without touching the clip region (region arithmetic allocates,
// and every grid cell comes here). False when the pieces do not fit the fixed store.
bool FillAroundButtons(TcxCanvas* canvas, const TRect& r, TColor color, const TcxCustomEditViewInfo* vi) {
    constexpr int MaxPieces = 32;
    std::array<TRect, MaxPieces> pieces;
    int count = IsRectEmpty(r) ? 0 : 1;
    pieces[0] = r;
    for (const auto& button : vi->Buttons) {
        const TRect& b = button->Bounds;
        if (IsRectEmpty(b)) continue;
        std::array<TRect, MaxPieces> next;
        int n = 0;
        for (int i = 0; i < count; ++i) {
            const TRect& p = pieces[i];
            TRect overlap;
            if (!IntersectRect(overlap, p, b)) {
                if (n == MaxPieces) return false;
                next[n++] = p;
                continue;
            }
            const TRect parts[] = {Rect(p.Left, p.Top, p.Right, overlap.Top),
                                   Rect(p.Left, overlap.Bottom, p.Right, p.Bottom),
                                   Rect(p.Left, overlap.Top, overlap.Left, overlap.Bottom),
                                   Rect(overlap.Right, overlap.Top, p.Right, overlap.Bottom)};
            for (const TRect& part : parts) {
                if (IsRectEmpty(part)) continue;
                if (n == MaxPieces) return false;
                next[n++] = part;
            }
        }
        pieces = next;
        count = n;
    }
    for (int i = 0; i < count; ++i) FillCached(canvas, pieces[i], color);
    return true;
}

void FillBackground(TcxCanvas* canvas, const TRect& r, TColor color, const TcxCustomEditViewInfo* vi, bool avoidButtons) {
    if (avoidButtons && FillAroundButtons(canvas, r, color, vi)) return;
    if (avoidButtons) {
        canvas->PushDC();
        for (const auto& button : vi->Buttons) canvas->ClipExcludeRect(button->Bounds);
    }
    FillCached(canvas, r, color);
    if (avoidButtons) canvas->PopDC();
}

void PaintClassicBackground(TcxCanvas* canvas, TcxCustomEditViewInfo* vi, bool fillContent, bool avoidButtons) {
    const int w = vi->SkinPainter ? 1 : ContainerBorderWidth(TcxContainerBorderStyle(vi->EditBorderStyle));
    TRect r = vi->BorderRect;
    r.Left -= w;
    r.Top -= w;
    if (vi->Edges & cxBorder(bRight)) r.Right += w;
    if (vi->Edges & cxBorder(bBottom)) r.Bottom += w;
    if (vi->Shadow) PaintDropShadow(canvas, r);
    if (!(vi->Edges & cxBorder(bRight))) r.Right += w;
    if (!(vi->Edges & cxBorder(bBottom))) r.Bottom += w;
    switch (vi->EditBorderStyle) {
    case TcxEditBorderStyle::ebsNone:
    case TcxEditBorderStyle::ebsUltraFlat:
    case TcxEditBorderStyle::ebsOffice11:
        if (vi->SkinPainter && vi->EditBorderStyle != TcxEditBorderStyle::ebsNone) canvas->FrameRectSides(r, vi->BorderColor, w);
        break;
    case TcxEditBorderStyle::ebsSingle:
    case TcxEditBorderStyle::ebsThick:
        canvas->FrameRectSides(r, vi->BorderColor, w);
        break;
    case TcxEditBorderStyle::ebsFlat:
        canvas->PaintEdge3D(r, true, true, vi->Edges);
        InflateRect(r, -1, -1);
        canvas->FrameRectSides(r, clBtnFace);
        break;
    case TcxEditBorderStyle::ebs3D:
        canvas->PaintEdge3D(r, true, true, vi->Edges);
        InflateRect(r, -1, -1);
        canvas->PaintBorders(r, cl3DDkShadow, cl3DLight, vi->Edges);
        break;
    }
    if (vi->Inplace) {
        if (vi->Transparent) return;
        if (fillContent)
            FillBackground(canvas, vi->Bounds, vi->BackgroundColor, vi, avoidButtons);
        else if (vi->HasContentOffsets)
            FillFrameArea(canvas, vi->Bounds, vi->BorderRect, vi->BackgroundColor);
    } else if (fillContent && !vi->Transparent) {
        FillBackground(canvas, vi->BorderRect, vi->BackgroundColor, vi, avoidButtons);
    }
}

} // namespace

void PaintEditBackgroundAndButtons(TcxCanvas* canvas, TcxCustomEditViewInfo* viewInfo, bool fillContent, int mode) {
    const bool avoidButtons = viewInfo->ButtonCount() > 0 && !viewInfo->Button(0)->NativePartiallyTransparent;
    // The classic look's frame and shadow lie outside the buttons, so only its fills need to keep
    // off them; a custom or themed background is clipped.
    const bool clip = avoidButtons && (viewInfo->NativeStyle || (viewInfo->Inplace && viewInfo->DrawBackgroundHandler));
    if (clip) {
        canvas->PushDC();
        for (const auto& button : viewInfo->Buttons) canvas->ClipExcludeRect(button->Bounds);
    }
    if (!viewInfo->DrawInplaceBackground(canvas)) {
        if (viewInfo->NativeStyle)
            PaintNativeBackground(canvas, viewInfo, fillContent, mode);
        else
            PaintClassicBackground(canvas, viewInfo, fillContent, avoidButtons);
    }
    if (clip) canvas->PopDC();
    viewInfo->PaintAllButtons(canvas);
}

} // namespace zorvy
