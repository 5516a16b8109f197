// The popup frame's geometry, sizing hit test and painting.
#include "controls/editors/popup/EditPopupViewInfo.h"

#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/FrameControls.h"
#include "platform/classlib/Bitmap.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>
#include <memory>

namespace zorvy {
namespace {

constexpr int WindowCloseButtonPart = 18;
constexpr int ScrollBarSizeBoxPart = 10;
constexpr int SizeBoxState = 1;

struct TBorderWidths {
    int Border;
    int ClientEdge;
};
constexpr TBorderWidths StyleWidths[] = {{0, 0}, {1, 2}, {4, 2}, {2, 1}};
constexpr TBorderWidths NativeWidths = {1, 2};

int CloseButtonThemeState(TcxButtonState state) {
    switch (state) {
    case cxbsHot:
        return 2;
    case cxbsPressed:
        return 3;
    default:
        return 1;
    }
}

TSize ThemedPartSize(TThemedObjectKind kind, int part, int state) {
    TSize size{};
    if (HTHEME theme = GetThemeHandle(kind)) ThemeGetPartSize(theme, nullptr, part, state, TThemeSize::True, size);
    return size;
}

} // namespace

TCursor SizingCursor(int horz, int vert) {
    if (horz == 0) return vert == 0 ? crDefault : crSizeNS;
    if (vert == 0) return crSizeWE;
    return horz == vert ? crSizeNWSE : crSizeNESW;
}

// ---- Geometry ----

bool TcxCustomEditPopupWindowViewInfo::UsesThemedWindow() const {
    return CanUseNativeTheme(Native, tokWindow);
}

int TcxCustomEditPopupWindowViewInfo::GetPopupBorderWidth(bool withClientEdge) {
    bool handled = false;
    int width = 0;
    if (OnCustomDrawBorder) OnCustomDrawBorder(this, nullptr, Bounds, handled, width);
    const TBorderWidths widths = Native ? NativeWidths : StyleWidths[PopupBorderStyle];
    if (!handled) width = widths.Border;
    if (withClientEdge && ClientEdge) width += widths.ClientEdge;
    return width;
}

int TcxCustomEditPopupWindowViewInfo::GetNaturalSysPanelHeight() {
    int height = std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE));
    if (SysPanelStyle && UsesThemedWindow()) {
        height = std::max(height, ThemedPartSize(tokWindow, WindowCloseButtonPart, 1).cy);
        height = std::max(height, ThemedPartSize(tokScrollBar, ScrollBarSizeBoxPart, SizeBoxState).cy);
    }
    return height;
}

int TcxCustomEditPopupWindowViewInfo::GetSysPanelHeight() {
    return std::max(GetNaturalSysPanelHeight(), MinSysPanelHeight > 0 ? MinSysPanelHeight : 0);
}

TcxFrameExtent TcxCustomEditPopupWindowViewInfo::GetBorderExtent() {
    const int w = GetPopupBorderWidth(true);
    TcxFrameExtent e{w, w, w, w};
    if (Shadow) {
        e.Right += ContainerShadowSize;
        e.Bottom += ContainerShadowSize;
    }
    SysPanelHeight = 0;
    if (SysPanelStyle) {
        SysPanelHeight = GetSysPanelHeight();
        // A separator line takes one more row.
        const int panel = SysPanelHeight + (Native || PopupBorderStyle == epbsSingle ? 1 : 0);
        (PanelOnTop() ? e.Top : e.Bottom) += panel;
    }
    SizingRegionBounds = std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE));
    return e;
}

void TcxCustomEditPopupWindowViewInfo::Calculate() {
    const TRect local = Rect(0, 0, Bounds.Width(), Bounds.Height());
    const TcxFrameExtent e = GetBorderExtent();
    ClientRect = Rect(local.Left + e.Left, local.Top + e.Top, local.Right - e.Right, local.Bottom - e.Bottom);
    InnerRect = local;
    const int w = GetPopupBorderWidth(!SysPanelStyle);
    InflateRect(InnerRect, -w, -w);
    if (Shadow) {
        InnerRect.Right -= ContainerShadowSize;
        InnerRect.Bottom -= ContainerShadowSize;
    }
    CloseButtonNativeState = SysPanelStyle && UsesThemedWindow() ? CloseButtonThemeState(CloseButtonState) : 0;
    SizeGripRect = SizeGripSizingRect = TRect{};
    CloseButtonRect = TRect{};
    if (!SysPanelStyle) return;
    if (Sizeable) CalculateSizeGripRects();
    CalculateCloseButtonRect();
}

void TcxCustomEditPopupWindowViewInfo::CalculateSizeGripRects() {
    const int natural = GetNaturalSysPanelHeight();
    TSize size{natural - 2, natural - 2};
    if (CanUseNativeTheme(Native, tokScrollBar)) {
        const TSize box = ThemedPartSize(tokScrollBar, ScrollBarSizeBoxPart, SizeBoxState);
        size.cx = std::max(size.cx, box.cx + 2);
        size.cy = std::max(size.cy, box.cy + 2);
    }
    TRect& hit = SizeGripSizingRect;
    hit.Left = GripIsOnLeft(SizeGripCorner) ? InnerRect.Left : InnerRect.Right - size.cx;
    hit.Top = GripIsOnTop(SizeGripCorner) ? InnerRect.Top : InnerRect.Bottom - size.cy;
    hit.Right = hit.Left + size.cx;
    hit.Bottom = hit.Top + size.cy;
    SizeGripRect = hit;
    (GripIsOnLeft(SizeGripCorner) ? SizeGripRect.Left : SizeGripRect.Right) += GripIsOnLeft(SizeGripCorner) ? 2 : -2;
    (GripIsOnTop(SizeGripCorner) ? SizeGripRect.Top : SizeGripRect.Bottom) += GripIsOnTop(SizeGripCorner) ? 2 : -2;
}

void TcxCustomEditPopupWindowViewInfo::CalculateCloseButtonRect() {
    if (!CloseButton) return;
    const bool themed = CloseButtonNativeState != 0;
    TSize size;
    if (themed) {
        size = ThemedPartSize(tokWindow, WindowCloseButtonPart, CloseButtonNativeState);
    } else {
        const int natural = GetNaturalSysPanelHeight();
        size = {natural - 4, natural - 4};
    }
    TRect inner = InnerRect;
    if (!themed) InflateRect(inner, -2, 0);
    TRect& r = CloseButtonRect;
    // Opposite the grip, one pixel away from that side.
    if (!GripIsOnLeft(SizeGripCorner)) {
        r.Left = inner.Left + 1;
        r.Right = r.Left + size.cx;
    } else {
        r.Right = inner.Right - 1;
        r.Left = r.Right - size.cx;
    }
    if (PanelOnTop()) {
        r.Top = themed ? InnerRect.Top + (SysPanelHeight - size.cy) / 2 : InnerRect.Top + 2;
        r.Bottom = r.Top + size.cy;
    } else {
        r.Bottom = themed ? InnerRect.Bottom - (SysPanelHeight - size.cy) / 2 : InnerRect.Bottom - 2;
        r.Top = r.Bottom - size.cy;
    }
}

bool TcxCustomEditPopupWindowViewInfo::HitTestSizing(int x, int y, int& horz, int& vert) {
    horz = vert = 0;
    const TPoint p{x, y};
    if (!Sizeable || !PtInRect(Rect(0, 0, Bounds.Width(), Bounds.Height()), p)) return false;
    if (PtInRect(SizeGripSizingRect, p)) {
        horz = GripHorzDirection(SizeGripCorner);
        vert = GripVertDirection(SizeGripCorner);
        return true;
    }
    if (PtInRect(InnerRect, p)) return false;
    const bool left = GripIsOnLeft(SizeGripCorner), top = GripIsOnTop(SizeGripCorner);
    if (x < SizingRegionBounds && left)
        horz = -1;
    else if (x >= Bounds.Width() - SizingRegionBounds && !left)
        horz = 1;
    if (y < SizingRegionBounds && top)
        vert = -1;
    else if (y >= Bounds.Height() - SizingRegionBounds && !top)
        vert = 1;
    return true;
}

// ---- Painting ----

void TcxCustomEditPopupWindowViewInfo::DrawRaisedEdges(TcxCanvas* canvas, TRect& r) {
    canvas->PaintEdge3D(r, false, true);
    InflateRect(r, -1, -1);
    canvas->PaintEdge3D(r, false, false);
    InflateRect(r, -1, -1);
}

void TcxCustomEditPopupWindowViewInfo::DrawFrame(TcxCanvas* canvas, TRect& r, TColor color) {
    canvas->FrameRectSides(r, color);
    InflateRect(r, -1, -1);
}

void TcxCustomEditPopupWindowViewInfo::DrawBorder(TcxCanvas* canvas, TRect& r) {
    if (OnCustomDrawBorder) {
        bool handled = false;
        int width = 0;
        OnCustomDrawBorder(this, canvas, r, handled, width);
        if (handled) {
            InflateRect(r, -width, -width);
            return;
        }
    }
    if (Native || PopupBorderStyle == epbsSingle) {
        DrawFrame(canvas, r, clBtnText);
        return;
    }
    if (PopupBorderStyle == epbsFlat) {
        DrawRaisedEdges(canvas, r);
    } else if (PopupBorderStyle == epbsFrame3D) {
        DrawRaisedEdges(canvas, r);
        DrawFrame(canvas, r, ClientEdge ? clInactiveBorder : clBtnFace);
        if (ClientEdge) {
            DrawFrame(canvas, r, clBtnFace);
        } else {
            canvas->PaintEdge3D(r, true, true);
            InflateRect(r, -1, -1);
        }
    }
}

void TcxPopupEditPopupWindowViewInfo::DrawBorder(TcxCanvas* canvas, TRect& r) {
    if (Native || PopupBorderStyle != epbsFrame3D || OnCustomDrawBorder) {
        TcxCustomEditPopupWindowViewInfo::DrawBorder(canvas, r);
        return;
    }
    DrawRaisedEdges(canvas, r);
    DrawFrame(canvas, r, clInactiveBorder);
    DrawFrame(canvas, r, clBtnFace);
}

void TcxCustomEditPopupWindowViewInfo::DrawSizeGrip(TcxCanvas* canvas) {
    const TRect& r = SizeGripRect;
    canvas->FillRectSolid(r, clBtnFace);
    if (SkinPainter) {
        SkinPainter->DrawSizeGrip(canvas, r, clDefault);
        return;
    }
    const bool themed = Native && GetThemeHandle(tokScrollBar);
    const TSize size = themed ? ThemedPartSize(tokScrollBar, ScrollBarSizeBoxPart, SizeBoxState)
                              : TSize{GetSystemMetrics(SM_CXVSCROLL) - 2, GetSystemMetrics(SM_CYHSCROLL) - 2};
    if (size.cx <= 0 || size.cy <= 0) return;
    auto image = std::make_unique<TBitmap>();
    image->SetSize(size.cx, size.cy);
    TCanvas* ic = image->GetCanvas();
    ic->GetBrush()->SetColor(clBtnFace);
    ic->FillRect(Rect(0, 0, size.cx, size.cy));
    if (themed)
        ThemeDrawBackground(GetThemeHandle(tokScrollBar), ic->GetHandle(), ScrollBarSizeBoxPart, SizeBoxState,
                            Rect(0, 0, size.cx, size.cy), nullptr);
    else
        DrawFrameControl(ic->GetHandle(), Rect(0, 0, size.cx, size.cy), DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    // In the outer corner, mirrored so that the grip's lines point into the free corner.
    const bool left = GripIsOnLeft(SizeGripCorner), top = GripIsOnTop(SizeGripCorner);
    const int x = left ? r.Left : r.Right - size.cx;
    const int y = top ? r.Top : r.Bottom - size.cy;
    StretchBlt(canvas->DeviceContext(), left ? x + size.cx - 1 : x, top ? y + size.cy - 1 : y,
               left ? -size.cx : size.cx, top ? -size.cy : size.cy, ic->GetHandle(), 0, 0, size.cx, size.cy, SRCCOPY);
}

void TcxCustomEditPopupWindowViewInfo::DrawCloseButton(TcxCanvas* canvas) {
    const TRect& r = CloseButtonRect;
    if (SkinPainter) {
        canvas->FillRectSolid(r, clBtnFace);
        SkinPainter->DrawSmallCloseButton(canvas, r, CloseButtonState);
    } else if (CloseButtonNativeState != 0) {
        CloseButtonNativeState = CloseButtonThemeState(CloseButtonState);
        HTHEME theme = GetThemeHandle(tokWindow);
        if (ThemeIsBackgroundPartiallyTransparent(theme, WindowCloseButtonPart, CloseButtonNativeState))
            canvas->FillRectSolid(r, clBtnFace);
        ThemeDrawBackground(theme, canvas->DeviceContext(), WindowCloseButtonPart, CloseButtonNativeState, r, nullptr);
    } else {
        PainterForKind(LookAndFeelKind)->DrawSmallCloseButton(canvas, r, CloseButtonState);
    }
}

void TcxCustomEditPopupWindowViewInfo::PaintFrameAndBackground(TcxCanvas* canvas) {
    TRect r = Rect(0, 0, Bounds.Width(), Bounds.Height());
    if (Shadow) {
        r.Right -= ContainerShadowSize;
        r.Bottom -= ContainerShadowSize;
        PaintDropShadow(canvas, r);
    }
    DrawBorder(canvas, r);
    const bool separatorRow = Native || PopupBorderStyle == epbsSingle;
    const int clientEdgeWidth = ClientEdge ? (Native ? NativeWidths : StyleWidths[PopupBorderStyle]).ClientEdge : 0;
    if (SysPanelStyle && (PopupBorderStyle == epbsSingle || CloseButtonNativeState != 0)) {
        const int y = PanelOnTop() ? ClientRect.Top - clientEdgeWidth - 1 : ClientRect.Bottom + clientEdgeWidth;
        canvas->FillRectSolid(Rect(ClientRect.Left - clientEdgeWidth, y, ClientRect.Right + clientEdgeWidth, y + 1),
                              clBtnText);
    }
    if (ClientEdge) {
        TRect e = r;
        if (SysPanelStyle) (PanelOnTop() ? e.Top : e.Bottom) += (PanelOnTop() ? 1 : -1) * (SysPanelHeight + (separatorRow ? 1 : 0));
        canvas->PaintEdge3D(e, true, true);
        if (Native || PopupBorderStyle != epbsFlat) {
            InflateRect(e, -1, -1);
            canvas->PaintEdge3D(e, true, false);
        }
    }
    if (SysPanelStyle) {
        if (Sizeable) {
            DrawSizeGrip(canvas);
            canvas->ClipExcludeRect(SizeGripRect);
        }
        if (!IsRectEmpty(CloseButtonRect)) {
            DrawCloseButton(canvas);
            canvas->ClipExcludeRect(CloseButtonRect);
        }
    }
    canvas->FillRectSolid(ClientRect, clBtnFace);
    if (SysPanelStyle) {
        TRect panel = r;
        if (PanelOnTop())
            panel.Bottom = panel.Top + SysPanelHeight;
        else
            panel.Top = panel.Bottom - SysPanelHeight;
        canvas->FillRectSolid(panel, clBtnFace);
    }
}

} // namespace zorvy
