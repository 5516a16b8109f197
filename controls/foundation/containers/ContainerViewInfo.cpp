#include "controls/foundation/containers/ContainerViewInfo.h"

#include "controls/foundation/graphics/Region.h"
#include "controls/foundation/lookandfeel/Office11Colors.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "platform/gdi/Region.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"

namespace zorvy {

// ---- Routines ----

int ContainerBorderWidth(TcxContainerBorderStyle style) {
    switch (style) {
    case cbsNone:
        return 0;
    case cbsThick:
    case cbsFlat:
    case cbs3D:
        return 2;
    default:
        return 1;
    }
}

void GrowRectOnEdges(TRect& r, int width, TcxBorders edges) {
    if (edges & cxBorder(bLeft)) r.Left -= width;
    if (edges & cxBorder(bTop)) r.Top -= width;
    if (edges & cxBorder(bRight)) r.Right += width;
    if (edges & cxBorder(bBottom)) r.Bottom += width;
}

void ShrinkRectOnMissingEdges(TRect& r, int width, TcxBorders edges) {
    if (!(edges & cxBorder(bLeft))) r.Left += width;
    if (!(edges & cxBorder(bTop))) r.Top += width;
    if (!(edges & cxBorder(bRight))) r.Right -= width;
    if (!(edges & cxBorder(bBottom))) r.Bottom -= width;
}

void PaintDropShadow(TcxCanvas* canvas, const TRect& r) {
    const TRect below{r.Left + ContainerShadowSize, r.Bottom, r.Right, r.Bottom + ContainerShadowSize};
    canvas->FillRectSolid(below, clBtnShadow);
    canvas->ClipExcludeRect(below);
    const TRect right{r.Right, r.Top + ContainerShadowSize, r.Right + ContainerShadowSize,
                      r.Bottom + ContainerShadowSize};
    canvas->FillRectSolid(right, clBtnShadow);
    canvas->ClipExcludeRect(right);
}

namespace {

// The four strips between outer and inner: left, top, right, bottom.
void FrameStrips(const TRect& o, const TRect& i, TRect strips[4]) {
    strips[0] = {o.Left, o.Top, i.Left, o.Bottom};
    strips[1] = {i.Left, o.Top, i.Right, i.Top};
    strips[2] = {i.Right, o.Top, o.Right, o.Bottom};
    strips[3] = {i.Left, i.Bottom, i.Right, o.Bottom};
}

} // namespace

void FillFrameArea(TcxCanvas* canvas, const TRect& outer, const TRect& inner, TColor color) {
    if (IsRectEmpty(outer) || outer == inner) return;
    if (IsRectEmpty(inner)) {
        canvas->FillRectSolid(outer, color);
        return;
    }
    TRect strips[4];
    FrameStrips(outer, inner, strips);
    for (const TRect& s : strips)
        canvas->FillRectSolid(s, color);
}

void InvalidateFrameArea(HWND wnd, const TRect& outer, const TRect& inner, bool erase) {
    if (IsRectEmpty(inner)) {
        InvalidateRect(wnd, &outer, erase);
        return;
    }
    TRect strips[4];
    FrameStrips(outer, inner, strips);
    for (const TRect& s : strips)
        if (!IsRectEmpty(s)) InvalidateRect(wnd, &s, erase);
}

TcxRegion* BuildWindowShapeRegion(const TRect& r, bool noShape, const TRect& excluded, bool shadow) {
    if (noShape) return nullptr;
    TRegion shape(r);
    if (shadow) {
        TRect shifted = r;
        OffsetRect(shifted, ContainerShadowSize, ContainerShadowSize);
        shape = shape.Union(TRegion(shifted));
    }
    if (!IsRectEmpty(excluded)) shape = shape.Subtract(TRegion(excluded));
    return TcxRegion::CreateFromHandle(CreateRegion(std::move(shape)));
}

void ApplyWindowShapeRegion(HWND wnd, const TRect& r, bool noShape, const TRect& excluded, bool shadow) {
    std::unique_ptr<TcxRegion> next(BuildWindowShapeRegion(r, noShape, excluded, shadow));
    TRegion current;
    const bool hasCurrent = GetWindowRgn(wnd, current);
    if (!next && !hasCurrent) return;
    if (next && hasCurrent && next->GetHandle()->region == current) return; // an unchanged shape
    SetWindowRgn(wnd, next ? &next->GetHandle()->region : nullptr, true);
}

bool CanUseNativeTheme(bool nativeStyle, int themedObjectKind) {
    return nativeStyle && GetThemeHandle(static_cast<TThemedObjectKind>(themedObjectKind)) != 0;
}

TColor Office11HighlightBorderColor() {
    return static_cast<TColor>(Office11Colors().HighlightBorder);
}

// ---- TcxContainerViewInfo ----

void TcxContainerViewInfo::PaintBorder(TcxCanvas* canvas, TRect r) {
    switch (BorderStyle) {
    case cbsSingle:
    case cbsThick:
        canvas->FrameRectSides(r, BorderColor, BorderWidth);
        break;
    case cbsFlat:
        canvas->PaintEdge3D(r, true, true, Edges);
        InflateRect(r, -1, -1);
        canvas->FrameRectSides(r, clBtnFace);
        break;
    case cbs3D:
        canvas->PaintEdge3D(r, true, true, Edges);
        InflateRect(r, -1, -1);
        canvas->PaintBorders(r, cl3DDkShadow, cl3DLight, Edges);
        break;
    default:
        break; // cbsNone, and the ultra-flat looks that became single frames
    }
}

void TcxContainerViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    if (NativeStyle) {
        if (BorderStyle == cbsNone) {
            canvas->FillRectSolid(Bounds, BackgroundColor);
            return;
        }
        const HTHEME theme = GetThemeHandle(static_cast<TThemedObjectKind>(ThemedObjectKind));
        TRect content = Bounds;
        if (theme) ThemeGetBackgroundContentRect(theme, canvas->DeviceContext(), ThemePart, ThemeState, Bounds, content);
        canvas->FillRectSolid(content, BackgroundColor);
        COLORREF frame = ColorToRGB(clWindowFrame);
        if (HTHEME combo = GetThemeHandle(tokComboBox)) ThemeGetColor(combo, 1, 1, 3801, frame);
        FillFrameArea(canvas, Bounds, content, static_cast<TColor>(frame));
        return;
    }
    TRect r = BorderRect;
    r.Left -= BorderWidth;
    r.Top -= BorderWidth;
    if (Edges & cxBorder(bRight)) r.Right += BorderWidth;
    if (Edges & cxBorder(bBottom)) r.Bottom += BorderWidth;
    if (Shadow) PaintDropShadow(canvas, r);
    if (!(Edges & cxBorder(bRight))) r.Right += BorderWidth;
    if (!(Edges & cxBorder(bBottom))) r.Bottom += BorderWidth;
    PaintBorder(canvas, r);
    canvas->GetCanvas()->GetBrush()->SetColor(BackgroundColor);
    canvas->FillRectOrTile(BorderRect);
}

void TcxContainerViewInfo::AssignFrom(TcxContainerViewInfo* other) {
    if (other) ClientRect = other->ClientRect;
}

TcxRegion* TcxContainerViewInfo::GetUpdateRegionAgainst(TcxContainerViewInfo*) {
    return TcxRegion::CreateEmpty();
}

void TcxContainerViewInfo::ShiftBy(int dx, int dy) {
    OffsetRect(BorderRect, dx, dy);
    OffsetRect(Bounds, dx, dy);
    OffsetRect(ClientRect, dx, dy);
}

} // namespace zorvy
